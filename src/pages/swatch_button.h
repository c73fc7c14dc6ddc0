// CSwatchButton: one colour swatch of the colour page as keyboard and
// screen-reader users meet it: named by its colour, read as a radio button
// that is checked when it is its palette's selection, and left for its
// neighbours in the palette's 2 x 8 grid with the arrow keys.
#pragma once

#include "framework/accessible_object.h"
#include "framework/message_map.h"

class CSwatchButton : public CMessageMap<CSwatchButton, CWnd>, public CAccessibleSource {
public:
    // Takes the swatch window over for the life of the page's window;
    // selection is the id its palette has selected (-1 for none).
    void Bind(HWND swatch, const int* selection);

    void DescribeAccessible(LONG item, AccessibleFacts* facts) const override;

    static MessageTable<CSwatchButton> Messages();

private:
    bool OnGetDlgCode(const MessageArgs& m, LRESULT* result);
    bool OnKeyDown(const MessageArgs& m, LRESULT* result);
    bool OnGetObject(const MessageArgs& m, LRESULT* result);
    bool OnSetState(const MessageArgs& m, LRESULT* result);

    const int* m_pSelection = nullptr;
};
