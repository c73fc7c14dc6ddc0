// Which pages a sheet gets, in which order, for each group of mark types and
// flag values, read from the shown sheet's tab control.
#include "sheet_fixture.h"

namespace sheet_test {
namespace {

struct TabCase {
    DWORD markType;
    DWORD flags;
    Tabs tabs;
};

void PrintTo(const TabCase& c, std::ostream* os) {
    *os << "mark type " << c.markType << ", flags " << c.flags;
}

class SheetTabs : public ::testing::TestWithParam<TabCase> {};

TEST_P(SheetTabs, InTableOrder) {
    const TabCase& c = GetParam();
    Sheet sheet;
    const KEL_MARK_ATTRIBUTES record = PatternRecord(c.markType, 0x11);
    ASSERT_EQ(1, sheet.Init(c.flags, &record, "OiAnoDat", "x", 1));
    EXPECT_EQ(c.tabs, ShownTabs(sheet));
}

// Pages that later work builds (font, arrow, ruler, blocks) are left out;
// the order of those that exist is the table's.
INSTANTIATE_TEST_SUITE_P(LineLikeMarks, SheetTabs,
                         ::testing::Values(TabCase{3, 1, {kLineTab, kColorTab}},
                                           TabCase{4, 3, {kLineTab, kColorTab}},
                                           TabCase{5, 1, {kLineTab, kColorTab}},
                                           TabCase{501, 1, {kLineTab, kColorTab}},
                                           TabCase{502, 1, {kLineTab, kColorTab}},
                                           TabCase{505, 1, {kLineTab, kColorTab}},
                                           TabCase{517, 1, {kLineTab, kColorTab}},
                                           TabCase{506, 3, {kLineTab, kColorTab}},
                                           TabCase{510, 3, {kLineTab, kColorTab}},
                                           TabCase{511, 7, {kLineTab, kColorTab}}));
INSTANTIATE_TEST_SUITE_P(FilledShapes, SheetTabs,
                         ::testing::Values(TabCase{6, 1, {kGeneralTab, kColorTab}},
                                           TabCase{500, 1, {kGeneralTab, kColorTab}},
                                           TabCase{504, 3, {kGeneralTab, kColorTab}},
                                           TabCase{516, 1, {kGeneralTab, kColorTab}}));
INSTANTIATE_TEST_SUITE_P(ColorOnly, SheetTabs,
                         ::testing::Values(TabCase{507, 1, {kColorTab}},
                                           TabCase{508, 1, {kColorTab}},
                                           TabCase{514, 3, {kColorTab}}));
// Text marks add Color right after Font: for 518 it comes before Line.
INSTANTIATE_TEST_SUITE_P(TextMarks, SheetTabs,
                         ::testing::Values(TabCase{7, 3, {kColorTab}}, TabCase{8, 1, {kColorTab}},
                                           TabCase{9, 5, {kColorTab}}, TabCase{10, 1, {kColorTab}},
                                           TabCase{512, 3, {kColorTab}},
                                           TabCase{513, 1, {kColorTab}},
                                           TabCase{518, 3, {kColorTab, kLineTab}}));

TEST(SheetAssembly, MarksWithoutBuiltPagesCannotBeShown) {
    for (DWORD markType : {0u, 1u, 2u, 503u, 509u, 515u, 519u, 11u, 0xFFFFFFFFu}) {
        Sheet sheet;
        const KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 0x22);
        EXPECT_EQ(1, sheet.Init(3, &record, "OiAnoDat", "abc", 3)) << markType;
        EXPECT_EQ(0, Gui().property_sheet_show(sheet.Handle())) << markType;
        EXPECT_EQ(0, Gui().property_sheet_title_set(sheet.Handle(), "t")) << markType;
    }
}

TEST(SheetAssembly, FlagsWithoutRecordBitAddNoRecordPages) {
    Sheet sheet;
    const KEL_MARK_ATTRIBUTES record = PatternRecord(3, 0x33);
    EXPECT_EQ(1, sheet.Init(2, &record, "OiAnoDat", "x", 1)); // type not yet known
    EXPECT_EQ(0, Gui().property_sheet_show(sheet.Handle()));
    EXPECT_EQ(1, sheet.Init(8, &record)); // unknown bits are ignored
    EXPECT_EQ(0, Gui().property_sheet_show(sheet.Handle()));
}

TEST(SheetAssembly, InitAgainReloadsWithoutDuplicating) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES record = PatternRecord(506, 0x44);
    ASSERT_EQ(1, sheet.Init(3, &record, "OiAnoDat", "ab", 2));
    record.nLineSize = 9;
    ASSERT_EQ(1, sheet.Init(3, &record, "OiAnoDat", "ab", 2));
    ASSERT_EQ(1, sheet.Init(2, nullptr, "OiFilNam", "c", 1));
    EXPECT_EQ((Tabs{kLineTab, kColorTab}), ShownTabs(sheet));
    KEL_MARK_ATTRIBUTES out = PatternRecord(506, 0x55);
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ(9u, out.nLineSize);
}

// A second type on the same sheet finds the pages it shares and appends the
// others after them.
TEST(SheetAssembly, FindOrAddKeepsExistingPagesInFront) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES record = PatternRecord(3, 0x66);
    ASSERT_EQ(1, sheet.Init(1, &record));
    record.nMarkType = 6;
    ASSERT_EQ(1, sheet.Init(1, &record));
    EXPECT_EQ((Tabs{kLineTab, kColorTab, kGeneralTab}), ShownTabs(sheet));
}

TEST(SheetAssembly, BadArgumentsChangeNothing) {
    Sheet sheet;
    const KEL_MARK_ATTRIBUTES record = PatternRecord(3, 0x77);
    EXPECT_EQ(0, sheet.Init(1, nullptr)) << "record bit without a record";
    EXPECT_EQ(0, Gui().property_sheet_show(sheet.Handle()));
    EXPECT_EQ(0, Gui().property_sheet_init(nullptr, 1, &record, nullptr, nullptr, 0));
    int foreign = 0;
    EXPECT_EQ(0, Gui().property_sheet_init(reinterpret_cast<HKELSHEET>(&foreign), 1, &record,
                                           nullptr, nullptr, 0));
    EXPECT_EQ(0, foreign);
    HKELSHEET stale = nullptr;
    {
        Sheet gone;
        stale = gone.Handle();
    }
    EXPECT_EQ(0, Gui().property_sheet_init(stale, 1, &record, nullptr, nullptr, 0));
}

TEST(SheetAssembly, InitIsRefusedWhileTheSheetRuns) {
    Sheet sheet;
    const KEL_MARK_ATTRIBUTES record = PatternRecord(3, 0x12);
    ASSERT_EQ(1, sheet.Init(1, &record));
    ModalDriver driver;
    HWND window = nullptr;
    BOOL initResult = -1;
    KEL_MARK_ATTRIBUTES general = PatternRecord(6, 0x13);
    driver.Then("find the sheet", WaitForSheet(window))
        .Do("init again", [&] { initResult = sheet.Init(1, &general); })
        .Do("cancel", [&] { PressCancel(window); });
    EXPECT_EQ(0, sheet.Show(driver));
    EXPECT_TRUE(driver.Finished()) << driver.Report();
    EXPECT_EQ(0, initResult);
    EXPECT_EQ((Tabs{kLineTab, kColorTab}), ShownTabs(sheet));
}

} // namespace
} // namespace sheet_test
