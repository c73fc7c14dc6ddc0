// The pages under the Japanese user interface (code page 932): the Japanese
// templates and strings are the ones shown.
#include "sheet_fixture.h"

namespace sheet_test {
namespace {

// UTF-8 source text as the ANSI text of code page 932.
std::string Cp932(const char* utf8) {
    wchar_t wide[256] = {};
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 256);
    char ansi[512] = {};
    WideCharToMultiByte(932, 0, wide, -1, ansi, sizeof ansi, nullptr, nullptr);
    return ansi;
}

TEST(JapanesePages, TabsLabelsAndTheRangeMessage) {
    ASSERT_EQ(932u, GetACP()) << "run with LC_ALL=ja_JP.UTF-8";
    Sheet sheet;
    KEL_MARK_ATTRIBUTES record = PatternRecord(3, 0x10);
    record.nLineSize = 0;
    ASSERT_EQ(1, sheet.Init(1, &record));
    ModalDriver driver;
    HWND window = nullptr, page = nullptr, box = nullptr;
    Tabs tabs;
    std::string caption, label, check, message;
    driver.Then("find the sheet", WaitForSheet(window))
        .Then("line page", WaitForPage(window, 0, page))
        .Do("read",
            [&] {
                tabs = TabTexts(window);
                caption = Text(window);
                label = ItemText(page, 1001);
                check = ItemText(page, 1000);
                PressOk(window);
            })
        .Then("message", WaitForMessageBox(box, window))
        .Do("read it",
            [&] {
                message = MessageBoxText(box);
                DismissMessageBox(box);
            })
        .Then("box gone", WaitForGone(box))
        .Do("cancel", [&] { PressCancel(window); });
    EXPECT_EQ(0, sheet.Show(driver));
    EXPECT_TRUE(driver.Finished()) << driver.Report();
    EXPECT_EQ((Tabs{Cp932("線の属性"), Cp932("色の属性")}), tabs);
    EXPECT_EQ(Cp932("属性"), caption);
    EXPECT_EQ(Cp932("線の太さ(&L)"), label);
    EXPECT_EQ(Cp932("ﾊｲﾗｲﾄ(&H)"), check);
    EXPECT_EQ(Cp932("1 から 100 までの整数を入力してください。"), message);
}

} // namespace
} // namespace sheet_test
