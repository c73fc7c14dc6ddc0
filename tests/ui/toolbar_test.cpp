// The floating toolbar as a host drives it.
#include "support/dark_scheme.h"
#include "support/screenshot.h"
#include "toolbar_test_host.h"

#include <algorithm>
#include <set>

using namespace toolbar_test;

namespace {

// At the screen's scale (ctest reruns some tests at 144 and 192 dpi): the images drawn for
// the scale, not stretched, and the buttons as large to the eye as at 96 dpi.
const SIZE kButton = {Scaled(23), Scaled(22)}, kImage = {Scaled(16), Scaled(15)};
constexpr DWORD kPressed = KEL_TOOL_EVENT_PRESSED, kReleased = KEL_TOOL_EVENT_RELEASED,
                kClosed = KEL_TOOL_EVENT_CLOSED;

SIZE ClientSize(HWND window) {
    RECT r = {};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

using ToolbarTest = ToolbarOnHost;

// The images as drawn on the screen, the bitmap's greys turned into the system's button
// colours: a pixel at (x, y) of the 16 x 15 image, 3 pixels into its button.
TEST_F(ToolbarTest, CreateMakesAnOwnedToolWindowOfImageButtons) {
    EXPECT_EQ(GetWindow(m_frame, GW_OWNER), m_host.Handle());
    const LONG frameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU; // not sizable, no frame flags
    EXPECT_EQ(GetWindowLongA(m_frame, GWL_STYLE) & (frameStyle | WS_THICKFRAME | 0xFFFF),
              frameStyle);
    EXPECT_TRUE(GetWindowLongA(m_frame, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    const RECT window = RectIn(m_frame, nullptr);
    EXPECT_TRUE(window.left == 500 && window.top == 120);

    const Image shot = CaptureSettled(RectIn(m_bar, nullptr)); // the bar has no border
    ASSERT_FALSE(shot.Empty());
    const COLORREF face = GetSysColor(COLOR_BTNFACE), text = GetSysColor(COLOR_BTNTEXT),
                   blue = RGB(0, 0, 255);
    const std::tuple<UINT, int, int, COLORREF> pixels[] = {
        {IDS_TOOL_FILLED_RECT, 7, 7, blue},    {IDS_TOOL_FILLED_RECT, 1, 2, text},
        {IDS_TOOL_FILLED_RECT, 7, 0, face},    {IDS_TOOL_REDACTION, 7, 6, text}, // black bar
        {IDS_TOOL_FILLED_ELLIPSE, 7, 7, blue}, {IDS_TOOL_HIGHLIGHTER, 4, 12, RGB(255, 255, 0)},
    };
    for (const auto& [command, x, y, colour] : pixels) {
        const RECT button = ItemRect(m_bar, SendMessageA(m_bar, TB_COMMANDTOINDEX, command, 0));
        EXPECT_EQ(shot.At(button.left + 3 + x, button.top + 3 + y), colour) << command;
    }

    HWND hidden = nullptr;
    ASSERT_TRUE(KEL_GUI_toolbar_create_ex(m_host.Handle(), 10, 10, &hidden, 0));
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_EQ(ClientSize(hidden).cx, 2 * kButton.cx);
    DestroyWindow(hidden);
}

// Buttons two a row in order, the hidden second one (filled rectangle) leaving no gap.
TEST_F(ToolbarTest, ScaledButtonsAndImagesFollowTheDisplayScale) {
    ExpectTheScaleAsked();
    EXPECT_EQ(SendMessageA(m_bar, TB_GETBUTTONSIZE, 0, 0), MAKELONG(kButton.cx, kButton.cy));
    int cx = 0, cy = 0;
    ImageList_GetIconSize(HIMAGELIST(SendMessageA(m_bar, TB_GETIMAGELIST, 0, 0)), &cx, &cy);
    EXPECT_TRUE(cx == kImage.cx && cy == kImage.cy) << cx << " x " << cy;
    for (int hidden : {-1, 1, -1}) {
        for (int i = 0, place = 0; i < 27; place += (i++ != hidden)) {
            const RECT r = ItemRect(m_bar, i);
            EXPECT_TRUE(i == hidden ||
                        (r.left == place % 2 * kButton.cx && r.top == place / 2 * kButton.cy))
                << "button " << i << " at " << r.left << ", " << r.top;
        }
        EXPECT_EQ(ClientSize(m_frame).cx, 2 * kButton.cx);
        EXPECT_EQ(ClientSize(m_frame).cy, (hidden < 0 ? 14 : 13) * kButton.cy);
        KEL_GUI_toolbar_button_set(m_frame, KEL_MARK_FILLED_RECTANGLE, hidden < 0 ? 2 : 6);
    }
}

// A black face (a dark grey one hides the look's faults) set with SetSysColors, as Wine cannot
// turn high contrast on, on a toolbar made before and one made under it. In its image area each
// tool shows a colour besides the face, two if it did in the standard scheme (lines and fills
// apart); the pressed tool's top and left edges stand out from the face, a released one's not.
TEST_F(ToolbarTest, DarkSchemesKeepEveryToolVisibleAndThePressedOneApart) {
    const int elements[] = {COLOR_BTNFACE,      COLOR_BTNTEXT,    COLOR_BTNSHADOW,
                            COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_HIGHLIGHT};
    const COLORREF dark[] = {0, 0xFFFFFF, 0x808080, 0xFFFFFF, 0x808080, RGB(26, 235, 255)};
    auto look = [&](HWND frame) {
        // Under Wine without a window manager, the owner comes up over the toolbar
        // when another toolbar goes.
        SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        const Image shot = CaptureSettled(RectIn(BarOf(frame), nullptr));
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        std::vector<std::pair<size_t, int>> tools;
        for (int i = 0; i < 27; ++i) {
            const RECT r = ItemRect(BarOf(frame), i);
            RECT image = r;
            InflateRect(&image, (kImage.cx - kButton.cx) / 2, (kImage.cy - kButton.cy) / 2);
            std::set<COLORREF> colours;
            int edge = 0;
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) {
                    const COLORREF c = shot.At(x, y);
                    if (c != face && PtInRect(&image, {x, y}))
                        colours.insert(c);
                    edge += (x == r.left || y == r.top) && c != face;
                }
            tools.emplace_back(colours.size(), edge);
        }
        return tools;
    };
    const auto standardLook = look(m_frame);
    const int arrow = 10, ellipse = 11;     // button indexes, side by side
    const DarkScheme black(elements, dark); // the standard colours come back when it goes
    ASSERT_TRUE(black.Set());
    PumpPending();
    HWND made = nullptr;
    ASSERT_TRUE(KEL_GUI_toolbar_create(m_host, 600, 120, &made));
    for (HWND frame : {m_frame, made}) {
        KEL_GUI_toolbar_button_set(frame, KEL_MARK_ARROW, 7);
        const auto tools = look(frame);
        for (int i = 0; i < 27; ++i)
            EXPECT_TRUE(i == arrow ||
                        tools[i].first >= std::clamp<size_t>(standardLook[i].first, 1, 2))
                << "tool " << i;
        EXPECT_GE(tools[arrow].second, kButton.cx);
        EXPECT_EQ(tools[ellipse].second, 0);
    }
    DestroyWindow(made);
}

// Keys: the hot tool starts on the pressed one (else the first), Left and Right move in
// reading order, Up and Down by rows, over disabled and hidden tools.
TEST_F(ToolbarTest, ClicksKeysTheMessageAndClosingNotifyButtonStatesDoNot) {
    auto states = [&] { // of every button, by index
        std::vector<BYTE> all;
        for (TBBUTTON b = {}; all.size() < 27; all.push_back(b.fsState))
            SendMessageA(m_bar, TB_GETBUTTON, all.size(), reinterpret_cast<LPARAM>(&b));
        return all;
    };
    using Flags = std::vector<std::pair<int, DWORD>>; // by mark type
    auto keys = [&](Flags set, std::vector<WORD> pressed, UINT hot) {
        return [=] {
            for (const auto& [markType, flags] : set)
                KEL_GUI_toolbar_button_set(m_frame, markType, flags);
            SetFocus(m_frame); // as a host offers keyboard mode
            PumpPending();
            for (WORD key : pressed)
                PressKey(key), PumpPending();
            EXPECT_EQ(SendMessageA(m_bar, TB_GETHOTITEM, 0, 0),
                      SendMessageA(m_bar, TB_COMMANDTOINDEX, hot, 0)); // none for 0
            EXPECT_EQ(GetActiveWindow(), hot ? m_frame : m_host.Handle());
        };
    };
    constexpr WORD L = VK_LEFT, R = VK_RIGHT, U = VK_UP, D = VK_DOWN, Space = VK_SPACE;
    using Case = std::tuple<const char*, std::function<void()>, std::vector<Notification>, Flags>;
    const Case cases[] = {
        {"clicks switch tools, a second click releases, select reports 0, null silences",
         [&] {
             for (UINT tool : {IDS_TOOL_HOLLOW_RECT, IDS_TOOL_FILLED_RECT, IDS_TOOL_FILLED_RECT,
                               IDS_TOOL_SELECT})
                 ClickButton(m_bar, tool);
             KEL_GUI_toolbar_CB_register(m_frame, KEL_TOOLBAR_CB_NOTIFY, nullptr, kUser);
             ClickButton(m_bar, IDS_TOOL_ARROW);
         },
         {{kUser, 5, kPressed}, {kUser, 6, kPressed}, {kUser, 6, kReleased}, {kUser, 0, kPressed}},
         {{5, 6}, {6, 6}, {506, 7}, {0, 6}}},
        {"0x0900 off the buttons or on a hidden tool does nothing; on a tool it presses that "
         "one once, though peeked before it is taken",
         [&] {
             PressAtPoint(m_bar, {ClientSize(m_frame).cx + 40, 0});
             PumpPending();
             const POINT rtfEdit = ButtonCentre(m_bar, IDS_TOOL_RTF_EDIT);
             KEL_GUI_toolbar_button_set(m_frame, KEL_MARK_RTF_EDIT, KEL_TOOL_ENABLED); // hidden
             PressAtPoint(m_bar, rtfEdit);
             PumpPending();
             KEL_GUI_toolbar_button_set(m_frame, KEL_MARK_ARROW, 7);
             PressAtPoint(m_bar, ButtonCentre(m_bar, IDS_TOOL_HIGHLIGHTER));
             MSG msg;
             ASSERT_TRUE(PeekMessageA(&msg, m_bar, 0, 0, PM_NOREMOVE));
             ASSERT_TRUE(PeekMessageA(&msg, m_bar, 0, 0, PM_REMOVE));
             DispatchMessageA(&msg);
         },
         {{kUser, 514, kPressed}},
         {{514, 7}, {506, 6}, {515, KEL_TOOL_ENABLED}, {0, 6}}},
        {"closing hides and reports each time, leaving the tools alone",
         [&] {
             PostMessageA(m_frame, WM_SYSCOMMAND, SC_CLOSE, 0);
             PumpPending();
             EXPECT_FALSE(IsWindowVisible(m_frame));
             SendMessageA(m_frame, WM_CLOSE, 0, 0);
         },
         {{kUser, 0, kClosed}, {kUser, 0, kClosed}},
         {{0, 6}}},
        {"states round-trip; setting presses without releasing; others read 3 and change nothing",
         [&] {
             for (DWORD flags = 0; flags < 8; ++flags) {
                 ASSERT_TRUE(KEL_GUI_toolbar_button_set(m_frame, KEL_MARK_ARROW, flags));
                 EXPECT_EQ(ToolFlags(m_frame, KEL_MARK_ARROW), flags) << "flags " << flags;
             }
             KEL_GUI_toolbar_button_set(m_frame, KEL_MARK_HOLLOW_RECTANGLE, 7);
             const auto before = states();
             for (int markType : {516, 517, 518, 42, -1}) {
                 EXPECT_TRUE(KEL_GUI_toolbar_button_set(m_frame, markType, 0)) << markType;
                 EXPECT_EQ(ToolFlags(m_frame, markType), 3u) << markType;
             }
             EXPECT_EQ(states(), before);
         },
         {},
         {{506, 7}, {5, 7}}},
        {"first", keys({}, {}, IDS_TOOL_SELECT), {}, {}},
        {"pressed", keys({{KEL_MARK_ARROW, 7}}, {}, IDS_TOOL_ARROW), {}, {}},
        {"moves", keys({}, {R, D, D, L, U}, IDS_TOOL_HOLLOW_RECT), {}, {}},
        {"passes over", keys({{6, 4}, {5, 2}}, {R, R, U}, IDS_TOOL_STRAIGHT_LINE), {}, {}},
        {"end, home", keys({}, {VK_END, VK_HOME}, IDS_TOOL_SELECT), {}, {}},
        {"end", keys({{KEL_MARK_RTF_EDIT, 4}}, {VK_END}, IDS_TOOL_PROTRACTOR), {}, {}},
        {"enter, space",
         keys({{KEL_MARK_ARROW, 7}}, {L, VK_RETURN, R, Space, Space}, IDS_TOOL_ARROW),
         {{kUser, 4, kPressed}, {kUser, 506, kPressed}, {kUser, 506, kReleased}},
         {{4, 6}, {506, 6}}},
        {"esc", keys({}, {R, VK_ESCAPE}, 0), {}, {}},
    };
    for (const auto& [name, act, expected, flags] : cases) {
        SCOPED_TRACE(name);
        TearDown(); // a fresh toolbar for each case
        SetUp();
        act();
        PumpPending();
        EXPECT_EQ(g_notifications, expected);
        for (const auto& [markType, value] : flags)
            EXPECT_EQ(ToolFlags(m_frame, markType), value) << "mark type " << markType;
    }
}

TEST_F(ToolbarTest, TipsAreToolNamesUnlessTheHostGivesOneCutAtSeventyNine) {
    const std::string longTip(100, 'x');
    const std::tuple<bool, std::pair<BOOL, const char*>, UINT, std::string> cases[] = {
        {false, {}, IDS_TOOL_SELECT, "Select Annotations"},
        {false, {}, IDS_TOOL_RTF_EDIT, "RTF edit"},
        {false, {}, 2802, ""}, // mark type 516's command has no string
        {true, {TRUE, nullptr}, IDS_TOOL_ARROW, "Arrow"},
        {true, {TRUE, longTip.c_str()}, IDS_TOOL_POLYLINE, longTip.substr(0, 79)},
    };
    for (const auto& [registered, host, command, tip] : cases) {
        g_tipAnswer = host;
        ASSERT_TRUE(KEL_GUI_toolbar_tip_text_register(m_frame, registered ? HostTip : nullptr, 77));
        EXPECT_EQ(TipA(m_frame, command), tip) << command;
        EXPECT_EQ(TipW(m_frame, command), std::wstring(tip.begin(), tip.end())) << command;
    }
    // The bar's own tooltip asks the same way (the last row's answer stands).
    g_tipRequests.clear();
    char text[256] = "";
    TOOLINFOA tool = {sizeof tool, 0, m_bar,  IDS_TOOL_FILLED_ELLIPSE, {}, nullptr,
                      text,        0, nullptr};
    SendMessageA(TooltipOf(m_frame), TTM_GETTEXTA, sizeof text, LPARAM(&tool));
    EXPECT_EQ(text, longTip.substr(0, 79));
    EXPECT_EQ(g_tipRequests, (decltype(g_tipRequests){{77, 504, "Filled Ellipse"}}));
}

// Beside the host: under Wine without a window manager, activating the host raises it over
// the toolbar it owns.
TEST_F(ToolbarTest, TipsAlwaysShowAndTheCaptionLooksActiveWithItsOwner) {
    SendMessageA(m_bar, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); // the tip is readied for the mouse
    EXPECT_TRUE(GetWindowLongA(TooltipOf(m_frame), GWL_STYLE) & TTS_ALWAYSTIP);
    SetWindowPos(m_frame, nullptr, 700, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    std::optional<HostWindow> other;
    const std::tuple<const char*, std::function<void()>, int> steps[] = {
        {"host", [&] { SetActiveWindow(m_host); }, COLOR_ACTIVECAPTION},
        {"disabled", [&] { EnableWindow(m_frame, FALSE); }, COLOR_INACTIVECAPTION},
        {"enabled", [&] { EnableWindow(m_frame, TRUE); }, COLOR_ACTIVECAPTION},
        {"own", [&] { SetActiveWindow(m_frame); }, COLOR_ACTIVECAPTION},
        {"another", [&] { other.emplace(); }, COLOR_INACTIVECAPTION},
    };
    for (const auto& [name, act, caption] : steps) {
        act();
        PumpPending();
        EXPECT_EQ(CaptureSettled(RectIn(m_frame, nullptr)).At(6, 8), GetSysColor(caption)) << name;
    }
}

// Not one the host had disabled itself. The hostile host's sheet runs check the toolbars
// disabled meanwhile, and the endings OK, Cancel and the close box.
TEST_F(ToolbarTest, TheToolbarsASheetDisabledAreEnabledAgainHoweverItEnds) {
    const std::tuple<const char*, bool, void (*)(HWND sheet)> cases[] = {
        {"owner destroyed", false, [](HWND sheet) { DestroyWindow(GetWindow(sheet, GW_OWNER)); }},
        {"WM_QUIT", false, [](HWND) { PostQuitMessage(0); }},
        {"host's own", true, PressCancel},
    };
    for (const auto& [name, disabledByHost, endIt] : cases) {
        EnableWindow(m_frame, !disabledByHost);
        HostWindow owner;
        HKELSHEET sheet = LineSheet(owner);
        HWND window = nullptr;
        ModalDriver d;
        d.Then("the sheet", WaitForSheet(window)).Do("end it", [&, end = endIt] { end(window); });
        d.Start();
        KEL_GUI_property_sheet_show(sheet);
        d.Stop();
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        KEL_GUI_property_sheet_destroy(sheet);
        EXPECT_EQ(IsWindowEnabled(m_frame), !disabledByHost) << name;
    }
}

} // namespace
