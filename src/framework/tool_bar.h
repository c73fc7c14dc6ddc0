// CToolBar: a comctl32 tool bar as a control bar of a frame, loaded from a
// tool bar resource (type 241) and its bitmap.
#pragma once

#include "framework/owned.h"
#include "framework/wnd.h"

#include <commctrl.h>

// Control-bar flags of the framework, in the low word of a bar's style. They
// are turned into the control's own styles and never reach CreateWindowEx.
constexpr DWORD CBRS_SIZE_FIXED = 0x0002; // the bar keeps the size of its layout
constexpr DWORD CBRS_TOOLTIPS = 0x0010;   // the buttons show tooltips
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;  // docked at the top of its frame
constexpr DWORD kBarFlagsMask = 0x0000FFFF;

// A button's style word: the control's style byte in the low word, its state
// byte in the high word with TBSTATE_ENABLED inverted (so 0 is a plain,
// enabled, released button).
constexpr UINT TBBS_CHECKBOX = TBSTYLE_CHECK;
constexpr UINT TBBS_CHECKED = TBSTATE_CHECKED << 16;
constexpr UINT TBBS_DISABLED = TBSTATE_ENABLED << 16;
constexpr UINT TBBS_HIDDEN = TBSTATE_HIDDEN << 16;
constexpr UINT TBBS_WRAPPED = TBSTATE_WRAP << 16;

class CToolBar : public CWnd {
public:
    // Creates the control as a child of parent with control id id, at rect
    // in the parent's client co-ordinates (the frame lays it out later).
    BOOL Create(CWnd* parent, DWORD style, UINT id, const RECT& rect = {});
    // Loads the buttons of tool bar resource id and the images of bitmap id,
    // with the bitmap's colours mapped by colours (null: black, the greys and
    // white to the system's button colours).
    BOOL LoadToolBar(UINT id, const COLORMAP* colours = nullptr, int colourCount = 0);
    // Maps the loaded images' colours anew, as after the system's colours changed.
    void RemapImages(const COLORMAP* colours, int colourCount);
    // Buttons of another size than the loaded images plus the standard margin.
    void SetButtonSize(SIZE size) {
        m_sizeButton = size;
        KeepButtonSize();
    }

    int GetCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }
    int CommandToIndex(UINT id) const {
        return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, id));
    }
    UINT GetItemID(int index) const;
    // The button's rectangle in the bar's client co-ordinates.
    BOOL GetItemRect(int index, RECT* rect) const {
        return static_cast<BOOL>(SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(index),
                                             reinterpret_cast<LPARAM>(rect)));
    }
    UINT GetButtonStyle(int index) const;
    void SetButtonStyle(int index, UINT style);
    // Sets the loaded button size again when the control has changed it. The
    // control measures its buttons anew when one is hidden or shown, from its
    // own padding, and would otherwise come out a pixel short.
    void KeepButtonSize();
    // The size that shows every visible button: the extent of their layout.
    SIZE CalcFixedLayout() const;
    // Offers a command to this bar's message table; true when handled.
    bool OnCmdMsg(UINT id, int code, LPARAM lParam);

protected:
    ~CToolBar() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The style word a loaded button is added with, by its index in the
    // resource: given in the one add call, so the control lays the bar out
    // once. Default: a plain, enabled button.
    virtual UINT LoadedButtonStyle(int /*index*/) const { return 0; }

private:
    void MakeTipsAlwaysShow();

    COwnedBitmap m_imageWell; // the control copies no bitmap: kept for its life
    UINT m_nIDImages = 0;
    SIZE m_sizeButton = {0, 0};
    DWORD m_dwBarFlags = 0;
    bool m_tipsAlways = false; // the tooltip has TTS_ALWAYSTIP
};
