// The file pages under the Japanese set: tab, label and Browse texts.
#include "sheet_fixture.h"

using namespace sheet_test;

TEST(JapaneseFilePages, TabLabelAndBrowseTexts) {
    const struct {
        DWORD markType;
        const wchar_t *tab, *label;
    } cases[] = {
        {KEL_MARK_TEXT_FROM_FILE, L"ﾃｷｽﾄの属性", L"ﾃｷｽﾄﾌｧｲﾙ名"},
        {KEL_MARK_AUDIO, L"ﾌｧｲﾙ名の属性", L"ｵｰﾃﾞｨｵﾌｧｲﾙ名"},
        {KEL_MARK_IMAGE_REFERENCE, L"画像参照", L"画像ﾌｧｲﾙ名"},
    };
    for (const auto& c : cases) {
        Sheet sheet;
        const KEL_MARK_ATTRIBUTES record = PatternRecord(c.markType, 0);
        ASSERT_EQ(1,
                  sheet.Init(KEL_SHEET_ATTRIBUTES | KEL_SHEET_BLOCK, &record, "OiFilNam", "", 0));
        Strings seen;
        HWND page = nullptr;
        int last = -1;
        sheet.Run([&](ModalDriver& d) {
            d.Do("last tab",
                 [&] {
                     SelectTab(sheet.Window(), last = int(TabTexts(sheet.Window()).size()) - 1);
                 })
                .Then("its page",
                      [&] {
                          return CurrentTab(sheet.Window()) == last &&
                                 (page = CurrentPage(sheet.Window()));
                      })
                .Do("read, cancel", [&] {
                    seen = {TabTexts(sheet.Window()).back(), ItemText(page, 1037),
                            ItemText(page, 1039)};
                    PressCancel(sheet.Window());
                });
        });
        char tab[64], label[64];
        WideCharToMultiByte(932, 0, c.tab, -1, tab, sizeof tab, nullptr, nullptr);
        WideCharToMultiByte(932, 0, c.label, -1, label, sizeof label, nullptr, nullptr);
        EXPECT_EQ((Strings{tab, label, "\x8e\x51\x8f\xc6..."}), seen); // 参照...
    }
}
