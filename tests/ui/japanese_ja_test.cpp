// The Japanese resources under code page 932, with every page's layout and what a screen
// reader reads in them.
#include <clocale>

#include "page_layout_check.h"
#include "screen_reader_check.h"
#include "text_page_cases.h"

using namespace toolbar_test;

namespace {

std::string ShiftJis(const std::wstring& text) {
    char bytes[512] = "";
    WideCharToMultiByte(932, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}

TEST(JapaneseSheet, CaptionTabsAndRangeMessageAndTheRunTimeLocale) {
    ASSERT_EQ(932u, GetACP()) << "run with LC_ALL=ja_JP.UTF-8";
    Sheet sheet;
    sheet.Load(PatternRecord(KEL_MARK_STRAIGHT_LINE, 3, 0)); // line size 0: the range message
    Strings seen; // caption, tabs, then the message box's text and caption
    sheet.Run([&](ModalDriver& d) {
        d.Do("caption, tabs", [&] {
            seen = TabTexts(sheet.Window());
            seen.insert(seen.begin(), Text(sheet.Window()));
        });
        sheet.Refused(
            d, seen, [&] { PressOk(sheet.Window()); },
            [](HWND box) { return MessageBoxText(box) + "|" + Text(box); });
        d.Do("cancel", [&] { PressCancel(sheet.Window()); });
    });
    EXPECT_EQ((Strings{ShiftJis(L"属性"), ShiftJis(L"線の属性"), ShiftJis(L"色の属性"),
                       ShiftJis(L"1 から 100 までの整数を入力してください。") + "|kelgui"}),
              seen);
    // Loading the library set the locale the C runtime DLL shares.
    EXPECT_NE(nullptr, std::strstr(std::setlocale(LC_ALL, nullptr), ".932"));
}

// Units are matched byte for byte: the Japanese micrometre has the Greek mu.
TEST(JapaneseRuler, MicrometresMatchOnlyTheLoadedMu) {
    for (std::string mu : {"\xB5m", "\x83\xCAm"}) {
        Sheet sheet;
        const KEL_MARK_ATTRIBUTES record = PatternRecord(KEL_MARK_RULER, 5, 1);
        const std::string label = std::string(16, '\0') + "%d " + mu;
        ASSERT_EQ(1, sheet.Init(3, &record, "OiAnText", label.data(), DWORD(label.size())));
        sheet.OnPage(3, [](HWND) {});
        const std::string back = sheet.Fetch<std::string>("OiAnText");
        EXPECT_EQ("%d " + (mu == "\xB5m" ? "mm" : mu), back.substr(16, back.size() - 20));
    }
}

// The Japanese table lacks "RTF edit"; a host tip is cut to 39 whole double-byte characters,
// all 50 in wide text. The font goes with its toolbar: the hostile host's test counts.
using JapaneseToolbarTips = ToolbarOnHost;
TEST_F(JapaneseToolbarTips, KeepDoubleByteCharactersWholeInTheSystemFaceMadeOnce) {
    const std::string font = FontOf(TooltipOf(m_frame)); // face and height
    ASSERT_NE("System", font.substr(0, font.rfind(' ')));
    std::wstring wide;
    for (int i = 0; i < 50; ++i)
        wide += (i % 2) ? L'線' : L'円';
    const std::tuple<std::string, UINT, std::wstring, std::wstring> cases[] = {
        {"", IDS_TOOL_SELECT, L"注釈の選択", L"注釈の選択"},
        {"", IDS_TOOL_RTF_EDIT, L"", L""},
        {ShiftJis(wide), IDS_TOOL_HOLLOW_ELLIPSE, wide, wide.substr(0, 39)},
    };
    ASSERT_TRUE(KEL_GUI_toolbar_tip_text_register(m_frame, HostTip, 0));
    for (const auto& [hostTip, command, tipW, tipA] : cases) {
        g_tipAnswer = {!hostTip.empty(), hostTip.c_str()};
        EXPECT_EQ(TipA(m_frame, command), ShiftJis(tipA)) << command;
        EXPECT_TRUE(TipW(m_frame, command) == tipW) << command;
    }
    EXPECT_EQ("System" + font.substr(font.rfind(' ')), FontOf(TooltipOf(m_frame)));
    const DWORD withFont = GdiObjects();
    for (UINT command = IDS_TOOL_HOLLOW_RECT; command < IDS_TOOL_POLYLINE; ++command)
        TipW(m_frame, command);
    EXPECT_EQ(GdiObjects(), withFont) << "the tip font is made once per toolbar";
}

TEST(JapaneseTextPages, DoubleByteTextAndLocalDate) {
    const std::string text = ShiftJis(L"日本語\r\nテキスト");
    auto type = [&](HWND page) { Retype(GetDlgItem(page, IDC_WRAPPING_EDIT), text); };
    EXPECT_EQ(TextBlock(text), AfterEdit(KEL_MARK_TYPED_TEXT, TextBlock(""), type));
    EXPECT_EQ("A<now>C", StampInsertion(KEL_SHEET_BLOCK));
    EXPECT_EQ("次の文字はこのシステムのコード ページで保存できません: ž\n"
              "削除するか、別の文字に置き換えてください。 | [2, 3) 日本ž",
              RefusedAtOk(KEL_MARK_TYPED_TEXT, KEL_BLOCK_TEXT, IDC_WRAPPING_EDIT, L"日本ž"));
}

} // namespace
