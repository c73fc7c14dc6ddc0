// The floating annotation toolbar, driven as a host drives it: creation and
// layout, clicks and notifications, button states, the 0x0900 message through
// the host's own loop, closing, destroying, tooltips, foreign handles and
// resources.
#include <gtest/gtest.h>

#include "toolbar_test_host.h"

using namespace toolbar_test;

namespace {

constexpr int kButtonWidth = 23; // 16 x 15 images plus 7 each way
constexpr int kButtonHeight = 22;

// Tools the tests use: mark type, command id and English name.
struct Tool {
    int markType;
    UINT commandId;
    const char* name;
};
constexpr Tool kSelect = {0, 2774, "Select Annotations"};
constexpr Tool kHollowRect = {5, 2775, "Hollow Rectangle"};
constexpr Tool kFilledRect = {6, 2776, "Filled Rectangle"};
constexpr Tool kHighlighter = {514, 2777, "Highlighter"};
constexpr Tool kArrow = {506, 2784, "Arrow"};
constexpr Tool kRtfEdit = {515, 2801, "RTF edit"};

// The bar's button order, as the tool bar resource lists it.
const UINT kButtonOrder[] = {2774, 2776, 2775, 2777, 2778, 2779, 2780, 2781, 2782,
                             2783, 2784, 2785, 2786, 2787, 2788, 2789, 2790, 2791,
                             2792, 2793, 2794, 2795, 2796, 2797, 2798, 2799, 2801};

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

void RegisterTipCallback(HWND frame, FARPROC callback, DWORD_PTR user = 77) {
    g_tipRequests.clear();
    ASSERT_TRUE(Gui().toolbar_CB_register(frame, KEL_TOOLBAR_CB_TIP_TEXT, callback, user));
}

class ToolbarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Gui().Loaded()) << Gui().Path() << " error " << Gui().LoadError();
        ASSERT_TRUE(Gui().toolbar_create && Gui().toolbar_create_ex && Gui().toolbar_CB_register &&
                    Gui().toolbar_button_set && Gui().toolbar_button_get);
        ASSERT_TRUE(Gui().toolbar_create(m_host.Handle(), 500, 120, &m_frame));
        ASSERT_NE(m_frame, nullptr);
        m_bar = BarOf(m_frame);
        ASSERT_NE(m_bar, nullptr);
        PumpPending();
        Notifications().clear();
        ASSERT_TRUE(Gui().toolbar_CB_register(
            m_frame, KEL_TOOLBAR_CB_NOTIFY, reinterpret_cast<FARPROC>(&RecordNotification), kUser));
    }
    void TearDown() override {
        if (IsWindow(m_frame))
            DestroyWindow(m_frame);
        PumpPending();
    }

    static constexpr DWORD_PTR kUser = 0x5EED;
    HostWindow m_host;
    HWND m_frame = nullptr;
    HWND m_bar = nullptr;
};

// --- the window -------------------------------------------------------------

TEST_F(ToolbarTest, CreateMakesAVisibleOwnedToolWindowAtThePoint) {
    EXPECT_TRUE(IsWindowVisible(m_frame));
    EXPECT_EQ(GetWindow(m_frame, GW_OWNER), m_host.Handle());
    const LONG style = GetWindowLongA(m_frame, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), WS_POPUP | WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & WS_THICKFRAME, 0) << "not sizable";
    EXPECT_EQ(style & 0xFFFF, 0) << "frame flags must not reach the window style";
    EXPECT_TRUE(GetWindowLongA(m_frame, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    RECT window = {};
    GetWindowRect(m_frame, &window);
    EXPECT_EQ(window.left, 500);
    EXPECT_EQ(window.top, 120);
}

TEST_F(ToolbarTest, CreateExWithStyleZeroMakesAHiddenToolbarTheHostShows) {
    HWND hidden = nullptr;
    ASSERT_TRUE(Gui().toolbar_create_ex(m_host.Handle(), 10, 10, &hidden, 0));
    EXPECT_FALSE(IsWindowVisible(hidden));
    ShowWindow(hidden, SW_SHOWNA);
    EXPECT_TRUE(IsWindowVisible(hidden));
    EXPECT_EQ(ClientSize(hidden).cx, 2 * kButtonWidth);
    DestroyWindow(hidden);
}

TEST_F(ToolbarTest, CreateWithoutAnOutSlotOrWithABadOwnerFails) {
    EXPECT_FALSE(Gui().toolbar_create(m_host.Handle(), 0, 0, nullptr));
    HWND frame = reinterpret_cast<HWND>(0x1234);
    EXPECT_FALSE(Gui().toolbar_create(reinterpret_cast<HWND>(0x7FFF0001), 0, 0, &frame));
    EXPECT_EQ(frame, nullptr);
}

TEST_F(ToolbarTest, TwentySevenCheckButtonsTwoPerRowAndTheFrameSnapsToThem) {
    ASSERT_EQ(SendMessageA(m_bar, TB_BUTTONCOUNT, 0, 0), 27);
    for (int i = 0; i < 27; ++i) {
        TBBUTTON button = {};
        SendMessageA(m_bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(static_cast<UINT>(button.idCommand), kButtonOrder[i]) << "button " << i;
        EXPECT_TRUE(button.fsStyle & TBSTYLE_CHECK) << "button " << i;
        RECT r = ButtonRect(m_bar, kButtonOrder[i]);
        EXPECT_EQ(r.left, (i % 2) * kButtonWidth) << "button " << i;
        EXPECT_EQ(r.top, (i / 2) * kButtonHeight) << "button " << i;
    }
    EXPECT_EQ(ClientSize(m_frame).cx, 2 * kButtonWidth);
    EXPECT_EQ(ClientSize(m_frame).cy, 14 * kButtonHeight);
    EXPECT_EQ(ClientSize(m_bar).cy, 14 * kButtonHeight);
}

// --- clicks and notifications ----------------------------------------------

TEST_F(ToolbarTest, ClicksPressReleaseAndSwitchTools) {
    ClickButton(m_bar, kHollowRect.commandId);
    EXPECT_EQ(ToolFlags(m_frame, kHollowRect.markType), 7u);
    ClickButton(m_bar, kFilledRect.commandId);
    EXPECT_EQ(ToolFlags(m_frame, kHollowRect.markType), 6u) << "released without a report";
    EXPECT_EQ(ToolFlags(m_frame, kFilledRect.markType), 7u);
    ClickButton(m_bar, kFilledRect.commandId);
    EXPECT_EQ(ToolFlags(m_frame, kFilledRect.markType), 6u);
    const std::vector<Notification> expected = {
        {kUser, kHollowRect.markType, KEL_TOOL_EVENT_PRESSED},
        {kUser, kFilledRect.markType, KEL_TOOL_EVENT_PRESSED},
        {kUser, kFilledRect.markType, KEL_TOOL_EVENT_RELEASED}};
    EXPECT_EQ(Notifications(), expected) << Describe(Notifications());
}

TEST_F(ToolbarTest, SelectToolReportsMarkTypeZeroAndANullCallbackSilences) {
    ClickButton(m_bar, kSelect.commandId);
    ASSERT_TRUE(Gui().toolbar_CB_register(m_frame, KEL_TOOLBAR_CB_NOTIFY, nullptr, 0));
    ClickButton(m_bar, kArrow.commandId);
    const std::vector<Notification> expected = {{kUser, 0, KEL_TOOL_EVENT_PRESSED}};
    EXPECT_EQ(Notifications(), expected) << Describe(Notifications());
    EXPECT_EQ(ToolFlags(m_frame, kArrow.markType), 7u);
    EXPECT_EQ(ToolFlags(m_frame, kSelect.markType), 6u);
}

TEST_F(ToolbarTest, PressAtPointMessageChoosesTheToolUnderTheCursorThroughTheHostLoop) {
    ClickButton(m_bar, kArrow.commandId);
    Notifications().clear();
    POINT centre = ButtonCentre(m_bar, kHighlighter.commandId);
    ClientToScreen(m_bar, &centre);
    ASSERT_TRUE(SetCursorPos(centre.x, centre.y));
    ASSERT_TRUE(PostMessageA(m_bar, KEL_WM_TOOLBAR_PRESS_AT_POINT, 0, 0));
    PumpPending();
    const std::vector<Notification> expected = {
        {kUser, kHighlighter.markType, KEL_TOOL_EVENT_PRESSED}};
    EXPECT_EQ(Notifications(), expected) << Describe(Notifications());
    EXPECT_EQ(ToolFlags(m_frame, kHighlighter.markType), 7u);
    EXPECT_EQ(ToolFlags(m_frame, kArrow.markType), 6u);
}

TEST_F(ToolbarTest, PressAtPointMessagePeekedBeforeItIsTakenPressesOnce) {
    POINT centre = ButtonCentre(m_bar, kArrow.commandId);
    ClientToScreen(m_bar, &centre);
    ASSERT_TRUE(SetCursorPos(centre.x, centre.y));
    ASSERT_TRUE(PostMessageA(m_bar, KEL_WM_TOOLBAR_PRESS_AT_POINT, 0, 0));
    // A host loop that looks before it takes: the hook sees the message twice.
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, m_bar, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, m_bar, 0, 0, PM_REMOVE));
    DispatchMessageA(&msg);
    const std::vector<Notification> expected = {{kUser, kArrow.markType, KEL_TOOL_EVENT_PRESSED}};
    EXPECT_EQ(Notifications(), expected) << Describe(Notifications());
    EXPECT_EQ(ToolFlags(m_frame, kArrow.markType), 7u);
}

TEST_F(ToolbarTest, PressAtPointMessageAwayFromTheButtonsOrOnAHiddenToolDoesNothing) {
    RECT frame = {};
    GetWindowRect(m_frame, &frame);
    ASSERT_TRUE(SetCursorPos(frame.right + 40, frame.top));
    PostMessageA(m_bar, KEL_WM_TOOLBAR_PRESS_AT_POINT, 0, 0);
    PumpPending();
    POINT centre = ButtonCentre(m_bar, kRtfEdit.commandId);
    ClientToScreen(m_bar, &centre);
    Gui().toolbar_button_set(m_frame, kRtfEdit.markType, KEL_TOOL_ENABLED); // hidden
    ASSERT_TRUE(SetCursorPos(centre.x, centre.y));
    PostMessageA(m_bar, KEL_WM_TOOLBAR_PRESS_AT_POINT, 0, 0);
    PumpPending();
    EXPECT_TRUE(Notifications().empty()) << Describe(Notifications());
}

// --- button states -----------------------------------------------------------

TEST_F(ToolbarTest, ButtonSetAndGetRoundTripWithoutNotifications) {
    for (DWORD flags : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u}) {
        ASSERT_TRUE(Gui().toolbar_button_set(m_frame, kArrow.markType, flags));
        EXPECT_EQ(ToolFlags(m_frame, kArrow.markType), flags) << "flags " << flags;
    }
    ASSERT_TRUE(Gui().toolbar_button_set(m_frame, kHollowRect.markType, 7));
    EXPECT_EQ(ToolFlags(m_frame, kArrow.markType), 7u) << "setting presses without releasing";
    EXPECT_EQ(ToolFlags(m_frame, kHollowRect.markType), 7u);
    EXPECT_TRUE(Notifications().empty()) << Describe(Notifications());
}

TEST_F(ToolbarTest, HidingAToolClosesTheGapAndShowingRestoresIt) {
    // Button 1 is the filled rectangle; hiding it pulls every later button
    // one place back.
    ASSERT_TRUE(Gui().toolbar_button_set(m_frame, kFilledRect.markType, KEL_TOOL_ENABLED));
    for (int i = 2; i < 27; ++i) {
        const RECT r = ButtonRect(m_bar, kButtonOrder[i]);
        EXPECT_EQ(r.left, ((i - 1) % 2) * kButtonWidth) << "button " << i;
        EXPECT_EQ(r.top, ((i - 1) / 2) * kButtonHeight) << "button " << i;
    }
    EXPECT_EQ(ClientSize(m_frame).cy, 13 * kButtonHeight);
    ASSERT_TRUE(Gui().toolbar_button_set(m_frame, kFilledRect.markType, 6));
    EXPECT_EQ(ToolFlags(m_frame, kFilledRect.markType), 6u);
    EXPECT_EQ(ButtonRect(m_bar, kButtonOrder[2]).top, kButtonHeight);
    EXPECT_EQ(ClientSize(m_frame).cy, 14 * kButtonHeight);
}

TEST_F(ToolbarTest, MarkTypesWithoutAButtonChangeNothingAndReadAsThree) {
    std::vector<DWORD> before;
    for (UINT command : kButtonOrder)
        before.push_back(static_cast<DWORD>(SendMessageA(m_bar, TB_GETSTATE, command, 0)));
    for (int markType : {516, 517, 518, 42, -1}) {
        EXPECT_TRUE(Gui().toolbar_button_set(m_frame, markType, 0)) << markType;
        EXPECT_EQ(ToolFlags(m_frame, markType), 3u) << markType;
    }
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(SendMessageA(m_bar, TB_GETSTATE, kButtonOrder[i], 0),
                  static_cast<LRESULT>(before[i]))
            << "button " << i;
    EXPECT_EQ(ClientSize(m_frame).cy, 14 * kButtonHeight);
}

// --- closing and destroying --------------------------------------------------

HWND g_destroyOnPress = nullptr;
void WINAPI DestroyOnPress(DWORD_PTR user, int markType, DWORD event) {
    RecordNotification(user, markType, event);
    if (event == KEL_TOOL_EVENT_PRESSED)
        DestroyWindow(g_destroyOnPress);
}

TEST_F(ToolbarTest, AHostMayDestroyTheToolbarFromItsPressNotification) {
    g_destroyOnPress = m_frame;
    ASSERT_TRUE(Gui().toolbar_CB_register(m_frame, KEL_TOOLBAR_CB_NOTIFY,
                                          reinterpret_cast<FARPROC>(&DestroyOnPress), kUser));
    ClickButton(m_bar, kArrow.commandId);
    EXPECT_FALSE(IsWindow(m_frame));
    const std::vector<Notification> expected = {{kUser, kArrow.markType, KEL_TOOL_EVENT_PRESSED},
                                                {kUser, 0, KEL_TOOL_EVENT_DESTROYED}};
    EXPECT_EQ(Notifications(), expected) << Describe(Notifications());
}
TEST_F(ToolbarTest, ClosingHidesAndReportsEachTime) {
    PostMessageA(m_frame, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpPending();
    EXPECT_TRUE(IsWindow(m_frame));
    EXPECT_FALSE(IsWindowVisible(m_frame));
    SendMessageA(m_frame, WM_CLOSE, 0, 0);
    ShowWindow(m_frame, SW_SHOWNA);
    PumpPending();
    const std::vector<Notification> expected = {{kUser, 0, KEL_TOOL_EVENT_CLOSED},
                                                {kUser, 0, KEL_TOOL_EVENT_CLOSED}};
    EXPECT_EQ(Notifications(), expected) << Describe(Notifications());
}

TEST_F(ToolbarTest, DestroyingReportsAndLeavesNoWindowNorHandleBehind) {
    const HWND bar = m_bar;
    ASSERT_TRUE(DestroyWindow(m_frame));
    PumpPending();
    const std::vector<Notification> expected = {{kUser, 0, KEL_TOOL_EVENT_DESTROYED}};
    EXPECT_EQ(Notifications(), expected) << Describe(Notifications());
    EXPECT_FALSE(IsWindow(bar));
    DWORD flags = 0xDEAD;
    EXPECT_FALSE(Gui().toolbar_button_get(m_frame, 0, &flags));
    EXPECT_EQ(flags, 0xDEADu);
    EXPECT_FALSE(Gui().toolbar_button_set(m_frame, 0, 7));
    EXPECT_FALSE(Gui().toolbar_CB_register(m_frame, KEL_TOOLBAR_CB_NOTIFY, nullptr, 0));
}

TEST_F(ToolbarTest, DestroyingTheOwnerTakesTheToolbarWithIt) {
    HostWindow owner;
    HWND frame = nullptr;
    ASSERT_TRUE(Gui().toolbar_create(owner.Handle(), 0, 0, &frame));
    ASSERT_TRUE(Gui().toolbar_CB_register(frame, KEL_TOOLBAR_CB_NOTIFY,
                                          reinterpret_cast<FARPROC>(&RecordNotification), 9));
    DestroyWindow(owner.Handle());
    PumpPending();
    EXPECT_FALSE(IsWindow(frame));
    const std::vector<Notification> expected = {{9, 0, KEL_TOOL_EVENT_DESTROYED}};
    EXPECT_EQ(Notifications(), expected) << Describe(Notifications());
}

// --- tooltips -----------------------------------------------------------------

TEST_F(ToolbarTest, TipsAreToolNamesUnlessTheHostGivesOne) {
    EXPECT_EQ(TipA(m_frame, 2774), "Select Annotations");
    EXPECT_EQ(TipW(m_frame, 2801), L"RTF edit");
    EXPECT_EQ(TipA(m_frame, 2802), "") << "a command without a string";
    g_hostTip = "Draw a box";
    RegisterTipCallback(m_frame, reinterpret_cast<FARPROC>(&ReplaceTip));
    EXPECT_EQ(TipA(m_frame, 2775), "Draw a box");
    EXPECT_EQ(TipW(m_frame, 2775), L"Draw a box");
    ASSERT_EQ(g_tipRequests.size(), 2u);
    EXPECT_EQ(g_tipRequests[0].user, 77u);
    EXPECT_EQ(g_tipRequests[0].markType, 5);
    EXPECT_EQ(g_tipRequests[0].defaultText, "Hollow Rectangle");
    // A callback that declines, or agrees without a text, keeps the default.
    RegisterTipCallback(m_frame, reinterpret_cast<FARPROC>(&DeclineTip));
    EXPECT_EQ(TipA(m_frame, 2784), "Arrow");
    RegisterTipCallback(m_frame, reinterpret_cast<FARPROC>(&AgreeWithoutTip));
    EXPECT_EQ(TipW(m_frame, 2784), L"Arrow");
}

TEST_F(ToolbarTest, LongTipsAreCutAtSeventyNineCharacters) {
    g_hostTip.clear();
    for (int i = 0; i < 100; ++i)
        g_hostTip += static_cast<char>('a' + i % 26);
    RegisterTipCallback(m_frame, reinterpret_cast<FARPROC>(&ReplaceTip));
    EXPECT_EQ(TipA(m_frame, 2790), g_hostTip.substr(0, 79));
    EXPECT_EQ(TipW(m_frame, 2790), std::wstring(g_hostTip.begin(), g_hostTip.begin() + 79));
}

TEST_F(ToolbarTest, TheBarsOwnTooltipShowsTheTip) {
    g_hostTip = "From the host";
    RegisterTipCallback(m_frame, reinterpret_cast<FARPROC>(&ReplaceTip));
    HWND bar = BarOf(m_frame);
    HWND tooltip = reinterpret_cast<HWND>(SendMessageA(bar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tooltip, nullptr);
    char text[256] = "";
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = bar;
    tool.uId = 2786;
    tool.lpszText = text;
    SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, "From the host");
    ASSERT_EQ(g_tipRequests.size(), 1u);
    EXPECT_EQ(g_tipRequests[0].markType, 504);
    EXPECT_EQ(g_tipRequests[0].defaultText, "Filled Ellipse");
}

// --- foreign handles and selectors ---------------------------------------------

TEST_F(ToolbarTest, ForeignHandlesAndUnknownSelectorsAreRefused) {
    for (HWND handle : {m_bar, m_host.Handle(), GetDesktopWindow(), HWND(nullptr),
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

// --- resources -----------------------------------------------------------------

TEST_F(ToolbarTest, CreateAndDestroyCyclesLeakNoGdiOrUserObjects) {
    auto cycle = [this] {
        HWND frame = nullptr;
        ASSERT_TRUE(Gui().toolbar_create(m_host.Handle(), 600, 100, &frame));
        EXPECT_EQ(TipA(frame, kArrow.commandId), kArrow.name);
        ClickButton(BarOf(frame), kArrow.commandId);
        DestroyWindow(frame);
        PumpPending();
    };
    for (int i = 0; i < 3; ++i)
        cycle(); // the first cycles may load shared system objects
    const DWORD gdi = GdiObjects();
    const DWORD user = UserObjects();
    const DWORD start = GetTickCount();
    constexpr int kCycles = 40;
    for (int i = 0; i < kCycles; ++i)
        cycle();
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(GdiObjects(), gdi);
    EXPECT_EQ(UserObjects(), user);
    std::printf("GDI objects %lu, USER objects %lu, %lu ms per create/destroy cycle\n",
                static_cast<unsigned long>(gdi), static_cast<unsigned long>(user),
                static_cast<unsigned long>(elapsed / kCycles));
}

} // namespace
