// Tooltips of the floating toolbar: the tool names from the string table, the
// host's tip-text callback, the 79-character cut, ANSI and wide requests, and
// the text the bar's real tooltip shows.
#include <gtest/gtest.h>

#include "toolbar_test_host.h"

using namespace toolbar_test;

namespace {

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

class ToolbarTipsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Gui().Loaded()) << Gui().Path();
        ASSERT_TRUE(Gui().toolbar_create(m_host.Handle(), 500, 100, &m_frame));
        PumpPending();
        g_tipRequests.clear();
    }
    void TearDown() override {
        DestroyWindow(m_frame);
        PumpPending();
    }
    void RegisterTipCallback(FARPROC callback, DWORD_PTR user = 77) {
        ASSERT_TRUE(Gui().toolbar_CB_register(m_frame, KEL_TOOLBAR_CB_TIP_TEXT, callback, user));
    }

    HostWindow m_host;
    HWND m_frame = nullptr;
};

TEST_F(ToolbarTipsTest, DefaultTipsAreTheToolNames) {
    EXPECT_EQ(TipA(m_frame, 2774), "Select Annotations");
    EXPECT_EQ(TipA(m_frame, 2777), "Highlighter");
    EXPECT_EQ(TipA(m_frame, 2801), "RTF edit");
    EXPECT_EQ(TipW(m_frame, 2799), L"Protractor");
    EXPECT_EQ(TipA(m_frame, 2802), "") << "a command without a string";
}

TEST_F(ToolbarTipsTest, HostCallbackReplacesTheTipAndSeesTheDefault) {
    g_hostTip = "Draw a box";
    RegisterTipCallback(reinterpret_cast<FARPROC>(&ReplaceTip));
    EXPECT_EQ(TipA(m_frame, 2775), "Draw a box");
    EXPECT_EQ(TipW(m_frame, 2775), L"Draw a box");
    ASSERT_EQ(g_tipRequests.size(), 2u);
    EXPECT_EQ(g_tipRequests[0].user, 77u);
    EXPECT_EQ(g_tipRequests[0].markType, 5);
    EXPECT_EQ(g_tipRequests[0].defaultText, "Hollow Rectangle");
}

TEST_F(ToolbarTipsTest, CallbackThatDeclinesOrGivesNoTextKeepsTheDefault) {
    RegisterTipCallback(reinterpret_cast<FARPROC>(&DeclineTip));
    EXPECT_EQ(TipA(m_frame, 2784), "Arrow");
    RegisterTipCallback(reinterpret_cast<FARPROC>(&AgreeWithoutTip));
    EXPECT_EQ(TipA(m_frame, 2784), "Arrow");
    RegisterTipCallback(nullptr);
    EXPECT_EQ(TipW(m_frame, 2784), L"Arrow");
}

TEST_F(ToolbarTipsTest, LongTipsAreCutAtSeventyNineCharacters) {
    g_hostTip.clear();
    for (int i = 0; i < 100; ++i)
        g_hostTip += static_cast<char>('a' + i % 26);
    RegisterTipCallback(reinterpret_cast<FARPROC>(&ReplaceTip));
    EXPECT_EQ(TipA(m_frame, 2790), g_hostTip.substr(0, 79));
    EXPECT_EQ(TipW(m_frame, 2790), std::wstring(g_hostTip.begin(), g_hostTip.begin() + 79));
}

TEST_F(ToolbarTipsTest, TheBarsOwnTooltipShowsTheTip) {
    g_hostTip = "From the host";
    RegisterTipCallback(reinterpret_cast<FARPROC>(&ReplaceTip));
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

} // namespace
