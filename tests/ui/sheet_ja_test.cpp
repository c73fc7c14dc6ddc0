// A sheet under the Japanese set (code page 932): caption, tab texts and the
// validation messages come from the Japanese resources, and loading the
// library set the run-time locale to the multibyte code page.
#include "sheet_fixture.h"

#include <algorithm>
#include <clocale>

using namespace sheet_test;

namespace {
std::string ShiftJis(const wchar_t* text) {
    char bytes[256] = {};
    WideCharToMultiByte(932, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}
} // namespace

TEST(JapaneseSheet, CaptionTabsAndRangeMessage) {
    ASSERT_EQ(932u, GetACP());
    Sheet sheet;
    KEL_MARK_ATTRIBUTES record = PatternRecord(KEL_MARK_STRAIGHT_LINE, 3);
    record.nLineSize = 0;
    ASSERT_TRUE(sheet.Init(KEL_SHEET_ATTRIBUTES, &record));

    std::string caption, message, boxCaption;
    Strings tabs;
    HWND box = nullptr;
    sheet.Run([&](ModalDriver& d) {
        d.Do("read caption and tabs, press OK",
             [&] {
                 caption = Text(sheet.Window());
                 tabs = TabTexts(sheet.Window());
                 PressOk(sheet.Window());
             })
            .Then("range message", WaitForMessageBox(box, sheet.Window()))
            .Do("read it, cancel",
                [&] {
                    message = MessageBoxText(box);
                    boxCaption = Text(box);
                    DismissMessageBox(box);
                })
            .Then("box gone", WaitForGone(box))
            .Do("cancel", [&] { PressCancel(sheet.Window()); });
    });
    EXPECT_EQ(ShiftJis(L"\u5C5E\u6027"), caption); // 属性
    EXPECT_EQ(
        (Strings{ShiftJis(L"\u7DDA\u306E\u5C5E\u6027"), ShiftJis(L"\u8272\u306E\u5C5E\u6027")}),
        tabs); // 線の属性, 色の属性
    EXPECT_EQ(ShiftJis(L"1 \u304B\u3089 100 \u307E\u3067\u306E\u6574\u6570\u3092\u5165\u529B"
                       L"\u3057\u3066\u304F\u3060\u3055\u3044\u3002"),
              message); // 1 から 100 までの整数を入力してください。
    EXPECT_EQ("kelgui", boxCaption);
    // The locale is shared through the C runtime DLL.
    const char* locale = std::setlocale(LC_ALL, nullptr);
    EXPECT_NE(nullptr, std::strstr(locale, ".932")) << locale;
    for (UINT id : {0xF110u, 0xF117u}) { // the other number messages
        char text[256] = {};
        LoadStringA(Gui().Module(), id, text, sizeof text);
        const std::string s(text);
        EXPECT_TRUE(std::any_of(s.begin(), s.end(), [](char c) { return c & 0x80; })) << id;
    }
}

// Units are matched byte for byte: the Japanese micrometre has the Greek mu.
TEST(JapaneseRuler, MicrometresMatchOnlyTheLoadedMu) {
    for (std::string mu : {"\xB5m", "\x83\xCAm"}) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES record = PatternRecord(KEL_MARK_RULER, 5);
        record.nLineSize = 1;
        const std::string label = std::string(16, '\0') + "%d " + mu;
        ASSERT_EQ(1, sheet.Init(3, &record, "OiAnText", label.data(), DWORD(label.size())));
        sheet.OnPage(3, [](HWND) {});
        const std::vector<uint8_t> back = sheet.Fetch("OiAnText");
        EXPECT_EQ("%d " + (mu == "\xB5m" ? "mm" : mu),
                  std::string(back.begin() + 16, back.end() - 4));
    }
}
