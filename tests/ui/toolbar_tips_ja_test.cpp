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

TEST_F(ToolbarTipsJapaneseTest, ToolNamesComeFromTheJapaneseTableWhichLacksRtfEdit) {
    EXPECT_EQ(TipA(m_frame, 2774), ShiftJis(L"注釈の選択"));
    EXPECT_EQ(TipW(m_frame, 2799), L"分度器");
    EXPECT_EQ(TipA(m_frame, 2801), "");
    EXPECT_EQ(TipW(m_frame, 2801), L"");
}

TEST_F(ToolbarTipsJapaneseTest, LongTipsAreCutBetweenDoubleByteCharacters) {
    std::wstring wide;
    for (int i = 0; i < 50; ++i)
        wide += (i % 2) ? L'線' : L'円';
    g_hostTip = ShiftJis(wide.c_str()); // 100 bytes
    ASSERT_TRUE(Gui().toolbar_CB_register(m_frame, KEL_TOOLBAR_CB_TIP_TEXT,
                                          reinterpret_cast<FARPROC>(&ReplaceTip), 0));
    EXPECT_EQ(TipA(m_frame, 2785), g_hostTip.substr(0, 78)) << "39 whole characters";
    EXPECT_EQ(TipW(m_frame, 2785), wide) << "50 wide characters fit";
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
