// CToolBar: creation, loading from resources, button styles and layout.
#include "framework/tool_bar.h"

#include "framework/afx_state.h"

#include <utility>
#include <vector>

namespace {
// Tool bar resource: WORD version, image width, image height, item count,
// then one command id per item (0 for a separator).
constexpr WORD kToolBarResourceType = 241;
constexpr WORD kToolBarResourceVersion = 1;
// A button is its image plus this margin in each direction.
constexpr int kButtonMarginX = 7;
constexpr int kButtonMarginY = 7;

struct ToolBarResource {
    int imageWidth = 0;
    int imageHeight = 0;
    std::vector<WORD> commands;
};

bool ReadToolBarResource(HINSTANCE instance, UINT id, ToolBarResource* out) {
    HRSRC info =
        FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(kToolBarResourceType));
    HGLOBAL data = info ? LoadResource(instance, info) : nullptr;
    const WORD* words = data ? static_cast<const WORD*>(LockResource(data)) : nullptr;
    const DWORD wordCount = info ? SizeofResource(instance, info) / sizeof(WORD) : 0;
    if (!words || wordCount < 4 || words[0] != kToolBarResourceVersion || wordCount < 4u + words[3])
        return false;
    out->imageWidth = words[1];
    out->imageHeight = words[2];
    out->commands.assign(words + 4, words + 4 + words[3]);
    return true;
}
} // namespace

CToolBar::~CToolBar() {
    // The control goes before its images (a member, deleted after this body).
    // Safe here: a CToolBar does not delete itself in PostNcDestroy, whatever
    // a derived class does.
    if (m_hWnd)
        DestroyWindow();
}

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id, const RECT& rect) {
    m_dwBarFlags = style & kBarFlagsMask;
    // The frame places and sizes the bar (no self-sizing, no divider line);
    // flat buttons have no top margin, so the bar is exactly its buttons.
    DWORD controlStyle =
        (style & ~kBarFlagsMask) | TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    if (m_dwBarFlags & CBRS_TOOLTIPS)
        controlStyle |= TBSTYLE_TOOLTIPS;
    if (!CreateEx(0, TOOLBARCLASSNAMEA, nullptr, controlStyle, rect, parent->m_hWnd, id))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

LRESULT CToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE && !m_tipsAlways)
        MakeTipsAlwaysShow();
    return CWnd::WindowProc(message, wParam, lParam);
}

// comctl32's tip shows only while the bar's own window is active; a bar that
// floats beside the window the user works in must tip meanwhile. Done when
// the mouse first comes over the bar, before the control relays the move to
// its tooltip: a tooltip is a window of its own, which some versions of the
// control make only when it is first asked for, at a cost the opening of the
// bar need not pay.
void CToolBar::MakeTipsAlwaysShow() {
    m_tipsAlways = true;
    if (HWND tip = reinterpret_cast<HWND>(SendMessage(TB_GETTOOLTIPS)))
        ::SetWindowLongA(tip, GWL_STYLE, ::GetWindowLongA(tip, GWL_STYLE) | TTS_ALWAYSTIP);
}

BOOL CToolBar::LoadToolBar(UINT id, const COLORMAP* colours, int colourCount) {
    HINSTANCE instance = AfxGetResourceHandle();
    ToolBarResource resource;
    if (!ReadToolBarResource(instance, id, &resource) || m_imageWell)
        return FALSE;
    // Sizes first: the control takes them only before bitmaps and buttons.
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(resource.imageWidth, resource.imageHeight));
    m_sizeButton = {resource.imageWidth + kButtonMarginX, resource.imageHeight + kButtonMarginY};
    KeepButtonSize();

    m_nIDImages = id;
    m_imageWell.Reset(CreateMappedBitmap(instance, static_cast<INT_PTR>(id), 0,
                                         const_cast<COLORMAP*>(colours), colourCount));
    BITMAP bitmap = {};
    if (!m_imageWell || !GetObjectA(m_imageWell, sizeof bitmap, &bitmap))
        return FALSE;
    TBADDBITMAP images = {nullptr, reinterpret_cast<UINT_PTR>(static_cast<HBITMAP>(m_imageWell))};
    SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(bitmap.bmWidth / resource.imageWidth),
                reinterpret_cast<LPARAM>(&images));

    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (WORD command : resource.commands) {
        TBBUTTON button = {};
        button.idCommand = command;
        const UINT style = LoadedButtonStyle(static_cast<int>(buttons.size()));
        button.fsStyle =
            static_cast<BYTE>(LOWORD(style) | (command ? TBSTYLE_BUTTON : TBSTYLE_SEP));
        button.fsState = static_cast<BYTE>(HIWORD(style) ^ TBSTATE_ENABLED);
        if (command != 0)
            button.iBitmap = image++;
        else
            button.fsState &= ~TBSTATE_ENABLED; // a separator is never enabled
        buttons.push_back(button);
    }
    return static_cast<BOOL>(
        SendMessage(TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())));
}

void CToolBar::RemapImages(const COLORMAP* colours, int colourCount) {
    COwnedBitmap mapped(CreateMappedBitmap(AfxGetResourceHandle(),
                                           static_cast<INT_PTR>(m_nIDImages), 0,
                                           const_cast<COLORMAP*>(colours), colourCount));
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessage(TB_GETIMAGELIST));
    if (!m_imageWell || !mapped || !images)
        return;
    // The images are those of one bitmap: the control takes them all anew.
    TBREPLACEBITMAP replace = {
        nullptr, reinterpret_cast<UINT_PTR>(static_cast<HBITMAP>(m_imageWell)), nullptr,
        reinterpret_cast<UINT_PTR>(static_cast<HBITMAP>(mapped)), ImageList_GetImageCount(images)};
    if (SendMessage(TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&replace)))
        m_imageWell = std::move(mapped);
    Invalidate(TRUE);
}

void CToolBar::KeepButtonSize() {
    const LPARAM size = MAKELONG(m_sizeButton.cx, m_sizeButton.cy);
    if (SendMessage(TB_GETBUTTONSIZE) != size)
        SendMessage(TB_SETBUTTONSIZE, 0, size);
}

UINT CToolBar::GetItemID(int index) const {
    TBBUTTON button = {};
    SendMessage(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
    return static_cast<UINT>(button.idCommand);
}

UINT CToolBar::GetButtonStyle(int index) const {
    TBBUTTON button = {};
    SendMessage(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
    return MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
}

void CToolBar::SetButtonStyle(int index, UINT style) {
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_STYLE | TBIF_STATE;
    info.fsStyle = static_cast<BYTE>(LOWORD(style));
    info.fsState = static_cast<BYTE>(HIWORD(style) ^ TBSTATE_ENABLED);
    SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
}

SIZE CToolBar::CalcFixedLayout() const {
    // The control keeps the extent of its visible buttons: one message, not
    // two for each button.
    SIZE size = {0, 0};
    SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    return size;
}

bool CToolBar::OnCmdMsg(UINT id, int code, LPARAM lParam) {
    LRESULT result = 0;
    return OnWndMsg(MessageArgs{WM_COMMAND, MAKEWPARAM(id, code), lParam}, &result);
}
