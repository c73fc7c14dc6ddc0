// The floating annotation toolbar, driven as a host drives it: creation and
// layout, clicks, the 0x0900 message through the host's own loop, closing and
// destroying with their notifications, button states, tooltips, foreign
// handles and resources.
#include <gtest/gtest.h>

#include <functional>

#include "toolbar_test_host.h"

using namespace toolbar_test;

namespace {

constexpr int kButtonWidth = 23; // 16 x 15 images plus 7 each way
constexpr int kButtonHeight = 22;
constexpr DWORD_PTR kUser = 0x5EED;

// Tools the tests use: mark type and command id.
struct Tool {
    int markType;
    UINT commandId;
};
constexpr Tool kSelect = {0, 2774}, kHollowRect = {5, 2775}, kFilledRect = {6, 2776},
               kHighlighter = {514, 2777}, kArrow = {506, 2784}, kRtfEdit = {515, 2801};

struct TipRequest {
    DWORD_PTR user;
    int markType;
    std::string defaultText;
};
std::vector<TipRequest> g_tipRequests;
std::string g_hostTip;

BOOL WINAPI ReplaceTip(DWORD_PTR user, int markType, LPCSTR defaultText, LPCSTR* tipOut) {
    g_tipRequests.push_back({user, markType, defaultText});
    EXPECT_EQ(*tipOut, nullptr) << "the text pointer starts out null";
    *tipOut = g_hostTip.c_str();
    return TRUE;
}
BOOL WINAPI DeclineTip(DWORD_PTR, int, LPCSTR, LPCSTR* tipOut) {
    *tipOut = "not used";
    return FALSE;
}
BOOL WINAPI AgreeWithoutTip(DWORD_PTR, int, LPCSTR, LPCSTR*) {
    return TRUE;
}

HWND g_destroyOnPress = nullptr;
void WINAPI DestroyOnPress(DWORD_PTR user, int markType, DWORD event) {
    RecordNotification(user, markType, event);
    if (event == KEL_TOOL_EVENT_PRESSED)
        DestroyWindow(g_destroyOnPress);
}

// Puts the cursor on a button (or off the bar) and posts the 0x0900 message.
void PressAtPoint(HWND bar, POINT at) {
    ClientToScreen(bar, &at);
    ASSERT_TRUE(SetCursorPos(at.x, at.y));
    ASSERT_TRUE(PostMessageA(bar, KEL_WM_TOOLBAR_PRESS_AT_POINT, 0, 0));
}

class ToolbarTest : public ToolbarOnHost {
protected:
    ToolbarTest() : ToolbarOnHost({500, 120}) {}
    void SetUp() override {
        ToolbarOnHost::SetUp();
        m_bar = BarOf(m_frame);
        ASSERT_NE(m_bar, nullptr);
        Notifications().clear();
        Register(m_frame, RecordNotification);
    }
    static void Register(HWND frame, KEL_TOOLBAR_NOTIFY_PROC callback) {
        ASSERT_TRUE(Gui().toolbar_CB_register(frame, KEL_TOOLBAR_CB_NOTIFY,
                                              reinterpret_cast<FARPROC>(callback), kUser));
    }
    // Every visible button in order, two a row, with a hidden one leaving no gap.
    void ExpectLayout(int hiddenIndex) {
        for (int i = 0, place = 0; i < 27; ++i) {
            RECT r = {};
            SendMessageA(m_bar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
            if (i == hiddenIndex)
                continue;
            EXPECT_EQ(r.left, (place % 2) * kButtonWidth) << "button " << i;
            EXPECT_EQ(r.top, (place / 2) * kButtonHeight) << "button " << i;
            ++place;
        }
        EXPECT_EQ(ClientSize(m_frame).cx, 2 * kButtonWidth);
        EXPECT_EQ(ClientSize(m_frame).cy, (hiddenIndex < 0 ? 14 : 13) * kButtonHeight);
    }

    HWND m_bar = nullptr;
};

TEST_F(ToolbarTest, CreateMakesAnOwnedToolWindowAtThePointOrAHiddenOne) {
    EXPECT_TRUE(IsWindowVisible(m_frame));
    EXPECT_EQ(GetWindow(m_frame, GW_OWNER), m_host.Handle());
    const LONG style = GetWindowLongA(m_frame, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), WS_POPUP | WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_THICKFRAME | 0xFFFF), 0) << "not sizable, no frame flags";
    EXPECT_TRUE(GetWindowLongA(m_frame, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    RECT window = {};
    GetWindowRect(m_frame, &window);
    EXPECT_EQ(std::make_pair(window.left, window.top), std::make_pair(500L, 120L));

    HWND hidden = nullptr;
    ASSERT_TRUE(Gui().toolbar_create_ex(m_host.Handle(), 10, 10, &hidden, 0));
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_EQ(ClientSize(hidden).cx, 2 * kButtonWidth);
    DestroyWindow(hidden);

    EXPECT_FALSE(Gui().toolbar_create(m_host.Handle(), 0, 0, nullptr));
    HWND frame = reinterpret_cast<HWND>(0x1234);
    EXPECT_FALSE(Gui().toolbar_create(reinterpret_cast<HWND>(0x7FFF0001), 0, 0, &frame));
    EXPECT_EQ(frame, nullptr);
}

TEST_F(ToolbarTest, CheckButtonsTwoARowAndHidingClosesTheGap) {
    ASSERT_EQ(SendMessageA(m_bar, TB_BUTTONCOUNT, 0, 0), 27);
    for (int i = 0; i < 27; ++i) {
        TBBUTTON button = {};
        SendMessageA(m_bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_TRUE(button.fsStyle & TBSTYLE_CHECK) << "button " << i;
    }
    ExpectLayout(-1);
    ASSERT_TRUE(Gui().toolbar_button_set(m_frame, kFilledRect.markType, KEL_TOOL_ENABLED));
    ExpectLayout(1); // the filled rectangle is the second button
    ASSERT_TRUE(Gui().toolbar_button_set(m_frame, kFilledRect.markType, 6));
    ExpectLayout(-1);
}

// Each case acts as a user or host would and expects these notifications.
TEST_F(ToolbarTest, ClicksTheMessageClosingAndDestroyingNotify) {
    const DWORD kPressed = KEL_TOOL_EVENT_PRESSED, kReleased = KEL_TOOL_EVENT_RELEASED,
                kClosed = KEL_TOOL_EVENT_CLOSED, kDestroyed = KEL_TOOL_EVENT_DESTROYED;
    const struct {
        const char* name;
        std::function<void()> act;
        std::vector<Notification> expected;
        std::vector<std::pair<int, DWORD>> flags; // afterwards, when the frame lives
    } cases[] = {
        {"clicks switch tools; a second click releases",
         [&] {
             for (const Tool& t : {kHollowRect, kFilledRect, kFilledRect})
                 ClickButton(m_bar, t.commandId);
         },
         {{kUser, 5, kPressed}, {kUser, 6, kPressed}, {kUser, 6, kReleased}},
         {{5, 6}, {6, 6}}},
        {"select reports 0; a null callback silences",
         [&] {
             ClickButton(m_bar, kSelect.commandId);
             Register(m_frame, nullptr);
             ClickButton(m_bar, kArrow.commandId);
         },
         {{kUser, 0, kPressed}},
         {{506, 7}, {0, 6}}},
        {"0x0900 presses the tool under the cursor",
         [&] {
             Gui().toolbar_button_set(m_frame, kArrow.markType, 7);
             PressAtPoint(m_bar, ButtonCentre(m_bar, kHighlighter.commandId));
             PumpPending();
         },
         {{kUser, 514, kPressed}},
         {{514, 7}, {506, 6}}},
        {"0x0900 peeked before it is taken presses once",
         [&] {
             PressAtPoint(m_bar, ButtonCentre(m_bar, kArrow.commandId));
             MSG msg;
             ASSERT_TRUE(PeekMessageA(&msg, m_bar, 0, 0, PM_NOREMOVE));
             ASSERT_TRUE(PeekMessageA(&msg, m_bar, 0, 0, PM_REMOVE));
             DispatchMessageA(&msg);
         },
         {{kUser, 506, kPressed}},
         {{506, 7}}},
        {"0x0900 off the buttons or on a hidden tool does nothing",
         [&] {
             PressAtPoint(m_bar, {ClientSize(m_frame).cx + 40, 0});
             PumpPending();
             const POINT rtfEdit = ButtonCentre(m_bar, kRtfEdit.commandId);
             Gui().toolbar_button_set(m_frame, kRtfEdit.markType, KEL_TOOL_ENABLED); // hidden
             PressAtPoint(m_bar, rtfEdit);
             PumpPending();
         },
         {},
         {{0, 6}}},
        {"closing hides and reports each time",
         [&] {
             PostMessageA(m_frame, WM_SYSCOMMAND, SC_CLOSE, 0);
             PumpPending();
             EXPECT_FALSE(IsWindowVisible(m_frame));
             SendMessageA(m_frame, WM_CLOSE, 0, 0);
         },
         {{kUser, 0, kClosed}, {kUser, 0, kClosed}},
         {{0, 6}}},
        {"destroying reports and takes the bar",
         [&] {
             DestroyWindow(m_frame);
             EXPECT_FALSE(IsWindow(m_bar));
         },
         {{kUser, 0, kDestroyed}},
         {}},
        {"the host may destroy the toolbar from its press notification",
         [&] {
             g_destroyOnPress = m_frame;
             Register(m_frame, DestroyOnPress);
             ClickButton(m_bar, kArrow.commandId);
         },
         {{kUser, 506, kPressed}, {kUser, 0, kDestroyed}},
         {}},
    };
    for (const auto& c : cases) {
        TearDown(); // a fresh toolbar for each case
        SetUp();
        c.act();
        PumpPending();
        EXPECT_EQ(Notifications(), c.expected) << c.name << ": " << Describe(Notifications());
        for (const auto& [markType, flags] : c.flags)
            EXPECT_EQ(ToolFlags(m_frame, markType), flags) << c.name << ", mark type " << markType;
    }
}

TEST_F(ToolbarTest, ButtonStatesRoundTripSilentlyAndUnknownMarkTypesReadThree) {
    for (DWORD flags : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u}) {
        ASSERT_TRUE(Gui().toolbar_button_set(m_frame, kArrow.markType, flags));
        EXPECT_EQ(ToolFlags(m_frame, kArrow.markType), flags) << "flags " << flags;
    }
    ASSERT_TRUE(Gui().toolbar_button_set(m_frame, kHollowRect.markType, 7));
    EXPECT_EQ(ToolFlags(m_frame, kArrow.markType), 7u) << "setting presses without releasing";
    auto states = [&] {
        std::vector<BYTE> all(27);
        for (int i = 0; i < 27; ++i) {
            TBBUTTON button = {};
            SendMessageA(m_bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
            all[i] = button.fsState;
        }
        return all;
    };
    const std::vector<BYTE> before = states();
    for (int markType : {516, 517, 518, 42, -1}) {
        EXPECT_TRUE(Gui().toolbar_button_set(m_frame, markType, 0)) << markType;
        EXPECT_EQ(ToolFlags(m_frame, markType), 3u) << markType;
    }
    EXPECT_EQ(states(), before);
    EXPECT_TRUE(Notifications().empty()) << Describe(Notifications());
}

TEST_F(ToolbarTest, TipsAreToolNamesUnlessTheHostGivesOneCutAtSeventyNine) {
    const std::string longTip(100, 'x');
    const struct {
        KEL_TOOLBAR_TIP_TEXT_PROC callback;
        std::string hostTip;
        UINT command;
        std::string tip;
    } cases[] = {
        {nullptr, "", 2774, "Select Annotations"},
        {nullptr, "", 2801, "RTF edit"},
        {nullptr, "", 2802, ""}, // a command without a string
        {ReplaceTip, "Draw a box", 2775, "Draw a box"},
        {DeclineTip, "", 2784, "Arrow"},
        {AgreeWithoutTip, "", 2784, "Arrow"},
        {ReplaceTip, longTip, 2790, longTip.substr(0, 79)},
    };
    for (const auto& c : cases) {
        g_hostTip = c.hostTip;
        g_tipRequests.clear();
        ASSERT_TRUE(Gui().toolbar_CB_register(m_frame, KEL_TOOLBAR_CB_TIP_TEXT,
                                              reinterpret_cast<FARPROC>(c.callback), 77));
        EXPECT_EQ(TipA(m_frame, c.command), c.tip) << c.command;
        EXPECT_EQ(TipW(m_frame, c.command), std::wstring(c.tip.begin(), c.tip.end())) << c.command;
    }
    // The bar's own tooltip asks the same way; the host sees user data,
    // mark type and default text.
    g_hostTip = "From the host";
    g_tipRequests.clear();
    HWND tooltip = reinterpret_cast<HWND>(SendMessageA(m_bar, TB_GETTOOLTIPS, 0, 0));
    char text[256] = "";
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = m_bar;
    tool.uId = 2786;
    tool.lpszText = text;
    SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, "From the host");
    ASSERT_EQ(g_tipRequests.size(), 1u);
    EXPECT_EQ(g_tipRequests[0].user, 77u);
    EXPECT_EQ(g_tipRequests[0].markType, 504);
    EXPECT_EQ(g_tipRequests[0].defaultText, "Filled Ellipse");
}

TEST_F(ToolbarTest, ForeignOrDestroyedHandlesAndUnknownSelectorsAreRefused) {
    HWND destroyed = nullptr;
    ASSERT_TRUE(Gui().toolbar_create(m_host.Handle(), 0, 0, &destroyed));
    DestroyWindow(destroyed);
    for (HWND handle : {m_bar, m_host.Handle(), GetDesktopWindow(), HWND(nullptr), destroyed,
                        reinterpret_cast<HWND>(0x7FFF0001)}) {
        DWORD flags = 0xDEAD;
        EXPECT_FALSE(Gui().toolbar_button_get(handle, 0, &flags)) << handle;
        EXPECT_EQ(flags, 0xDEADu);
        EXPECT_FALSE(Gui().toolbar_button_set(handle, 0, 1)) << handle;
        EXPECT_FALSE(Gui().toolbar_CB_register(handle, KEL_TOOLBAR_CB_NOTIFY, nullptr, 0))
            << handle;
    }
    EXPECT_FALSE(Gui().toolbar_CB_register(m_frame, 2, nullptr, 0));
    EXPECT_FALSE(Gui().toolbar_CB_register(m_frame, -1, nullptr, 0));
    EXPECT_EQ(ToolFlags(m_frame, 0), 6u);
    ClickButton(m_bar, kArrow.commandId);
    EXPECT_EQ(Notifications().size(), 1u) << "the registration survived";
}

TEST_F(ToolbarTest, CreateAndDestroyCyclesLeakNoGdiOrUserObjects) {
    auto cycle = [this] {
        HWND frame = nullptr;
        ASSERT_TRUE(Gui().toolbar_create(m_host.Handle(), 600, 100, &frame));
        EXPECT_EQ(TipA(frame, kArrow.commandId), "Arrow");
        ClickButton(BarOf(frame), kArrow.commandId);
        DestroyWindow(frame);
        PumpPending();
    };
    for (int i = 0; i < 3; ++i)
        cycle(); // the first cycles may load shared system objects
    const DWORD gdi = GdiObjects(), user = UserObjects();
    for (int i = 0; i < 40; ++i)
        cycle();
    EXPECT_EQ(GdiObjects(), gdi);
    EXPECT_EQ(UserObjects(), user);
}

} // namespace
