// CKeyboardToolBar: the annotation tool bar for users without a mouse or
// without sight. With the focus it shows a hot tool that the arrow keys move
// through its rows, Enter and Space press it as a click does, and Esc hands
// the focus back to the owner; screen readers read each tool by name.
#pragma once

#include "framework/accessible_object.h"
#include "framework/message_map.h"
#include "framework/tool_bar.h"

#include <string>
#include <vector>

class CKeyboardToolBar : public CMessageMap<CKeyboardToolBar, CToolBar>, public CAccessibleSource {
public:
    static MessageTable<CKeyboardToolBar> Messages();

    LONG AccessibleItemCount() const override { return GetCount(); }
    void DescribeAccessible(LONG item, AccessibleFacts* facts) const override;
    LONG AccessibleItemAt(POINT screen) const override;
    LONG FocusedAccessibleItem() const override {
        return static_cast<LONG>(SendMessage(TB_GETHOTITEM)) + 1;
    }
    void DoAccessibleDefaultAction(LONG item) override { Press(static_cast<int>(item) - 1); }

private:
    // A visible button's place in the layout: rows end at wrapped buttons.
    struct Place {
        int index;
        int row;
        int column;
        bool enabled;
        bool checked;
    };
    std::vector<Place> VisiblePlaces() const;

    bool OnSetFocus(const MessageArgs& m, LRESULT* result);
    bool OnKillFocus(const MessageArgs& m, LRESULT* result);
    bool OnKeyDown(const MessageArgs& m, LRESULT* result);
    bool OnGetObject(const MessageArgs& m, LRESULT* result);

    // The tool a key leads to from the hot one; -1 for none.
    int ToolForKey(UINT key) const;
    void SetHot(int index);
    // Checks or releases the tool as a click does, then tells the frame.
    void Press(int index);
    std::string ToolName(int index) const;
};
