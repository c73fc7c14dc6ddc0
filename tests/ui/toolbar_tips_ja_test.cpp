// Tooltips of the floating toolbar under the Japanese resources and code page
// 932: Shift-JIS tool names, no default tip for "RTF edit", cuts that keep
// double-byte characters whole, and the "System" tip font made only once.
#include <gtest/gtest.h>

#include "toolbar_test_host.h"

using namespace toolbar_test;

namespace {

std::string ShiftJis(const wchar_t* text) {
    char bytes[512] = "";
    WideCharToMultiByte(932, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}

std::string g_hostTip;
BOOL WINAPI ReplaceTip(DWORD_PTR, int, LPCSTR, LPCSTR* tipOut) {
    *tipOut = g_hostTip.c_str();
    return TRUE;
}

std::string TipFace(HWND frame) {
    HWND tooltip = reinterpret_cast<HWND>(SendMessageA(BarOf(frame), TB_GETTOOLTIPS, 0, 0));
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(tooltip, WM_GETFONT, 0, 0));
    LOGFONTA face = {};
    GetObjectA(font, sizeof face, &face);
    return face.lfFaceName;
}

class ToolbarTipsJapaneseTest : public ToolbarOnHost {
protected:
    ToolbarTipsJapaneseTest() : ToolbarOnHost({500, 100}) {}
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "run with LC_ALL=ja_JP.UTF-8";
        ToolbarOnHost::SetUp();
    }
};

// Names from the Japanese table, which lacks "RTF edit"; a long host tip cut
// between double-byte characters (39 whole ones), all 50 of them in wide text.
TEST_F(ToolbarTipsJapaneseTest, ToolNamesAndCutsKeepDoubleByteCharactersWhole) {
    std::wstring wide;
    for (int i = 0; i < 50; ++i)
        wide += (i % 2) ? L'線' : L'円';
    const struct {
        std::wstring hostTip;
        UINT command;
        std::wstring tipW, tipA;
    } cases[] = {
        {L"", 2774, L"注釈の選択", L"注釈の選択"},
        {L"", 2799, L"分度器", L"分度器"},
        {L"", 2801, L"", L""},
        {wide, 2785, wide, wide.substr(0, 39)},
    };
    for (const auto& c : cases) {
        g_hostTip = ShiftJis(c.hostTip.c_str());
        ASSERT_TRUE(Gui().toolbar_CB_register(
            m_frame, KEL_TOOLBAR_CB_TIP_TEXT,
            c.hostTip.empty() ? nullptr : reinterpret_cast<FARPROC>(&ReplaceTip), 0));
        EXPECT_EQ(TipA(m_frame, c.command), ShiftJis(c.tipA.c_str())) << c.command;
        EXPECT_TRUE(TipW(m_frame, c.command) == c.tipW) << c.command;
    }
}

TEST_F(ToolbarTipsJapaneseTest, TheTooltipGetsTheSystemFaceOnceAndItGoesWithTheToolbar) {
    EXPECT_NE(TipFace(m_frame), "System");
    TipA(m_frame, 2774);
    EXPECT_EQ(TipFace(m_frame), "System");
    const DWORD withFont = GdiObjects();
    for (UINT command = 2775; command < 2790; ++command)
        TipW(m_frame, command);
    EXPECT_EQ(GdiObjects(), withFont) << "the tip font is made once per toolbar";
    auto cycle = [this] {
        HWND frame = nullptr;
        ASSERT_TRUE(Gui().toolbar_create(m_host.Handle(), 600, 100, &frame));
        TipW(frame, 2776);
        DestroyWindow(frame);
        PumpPending();
    };
    cycle(); // the first may load shared system objects
    const DWORD before = GdiObjects();
    for (int i = 0; i < 10; ++i)
        cycle();
    EXPECT_EQ(GdiObjects(), before) << "and deleted with its toolbar";
}

} // namespace
