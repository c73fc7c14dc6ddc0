// Which pages a sheet gets for each group of mark types and flags, read from
// the shown sheet's tabs; init again never duplicates; bad handles and
// arguments write nothing; every page's layout in English.
#include "page_layout_check.h"

namespace sheet_test {
namespace {

const std::string kLine = "Line Attributes", kColor = "Color Attributes",
                  kGeneral = "General Attributes", kFont = "Font Attributes",
                  kArrow = "Arrow Attributes", kText = "Text Attributes";
// Block arguments of marks without a block page, which are never read.
const char* const kUnreadable = reinterpret_cast<const char*>(uintptr_t(0x10));

TEST(SheetAssembly, TabsFollowTheTableForEachGroup) {
    const struct {
        DWORD markType, flags;
        Strings tabs;
    } cases[] = {
        {3, 1, {kLine, kColor}},
        {506, 3, {kLine, kColor, kArrow}},
        {510, 3, {kLine, kColor, kFont, "Ruler Attributes"}},
        {511, 7, {kLine, kColor, kFont, "Protractor Attributes"}},
        {6, 1, {kGeneral, kColor}},
        {516, 3, {kGeneral, kColor}},
        {507, 1, {kColor}},
        {7, 3, {kFont, kColor, kText}},
        {10, 1, {kFont, kColor}},
        {518, 3, {kFont, kColor, kLine, kText}}, // text marks add Color right after Font
        {8, 3, {kFont, kColor, kText}},
        {503, 3, {"File Name Attributes"}},
        {2, 3, {"Image Attributes", "Image Reference"}},
    };
    for (const auto& c : cases) {
        Sheet sheet;
        const KEL_MARK_ATTRIBUTES record = PatternRecord(c.markType, 0x11);
        ASSERT_EQ(1, sheet.Init(c.flags, &record, "OiAnoDat", "x", 1));
        EXPECT_EQ(c.tabs, sheet.ShownTabs()) << "mark type " << c.markType;
    }
    for (DWORD markType : {0u, 515u, 519u}) {
        Sheet sheet;
        const KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 0x22);
        EXPECT_EQ(1, sheet.Init(3, &record, kUnreadable, kUnreadable, 100)) << markType;
        EXPECT_EQ(0, Gui().property_sheet_show(sheet.Handle())) << "no pages: " << markType;
    }
}

TEST(SheetAssembly, InitAgainFindsPagesAndAppendsNewOnes) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES record = PatternRecord(506, 0x44);
    ASSERT_EQ(1, sheet.Init(3, &record, "OiAnoDat", "ab", 2));
    record.nLineSize = 9;
    ASSERT_EQ(1, sheet.Init(3, &record, "OiAnoDat", "ab", 2));
    ASSERT_EQ(1, sheet.Init(2, nullptr, "OiFilNam", "c", 1));
    EXPECT_EQ((Strings{kLine, kColor, kArrow}), sheet.ShownTabs());
    KEL_MARK_ATTRIBUTES out = PatternRecord(3, 0x55);
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ(9u, out.nLineSize) << "the second init reloaded the line page";
    record.nMarkType = 6;
    ASSERT_EQ(1, sheet.Init(1, &record));
    EXPECT_EQ((Strings{kLine, kColor, kArrow, kGeneral}), sheet.ShownTabs());
}

// Every export refuses bad handles in the hostile host's test; here a query on
// one (the record itself, which stays unwritten) clears the size out first.
TEST(SheetAssembly, BadHandlesAndArgumentsChangeNothing) {
    const KEL_MARK_ATTRIBUTES record = PatternRecord(3, 0x77);
    KEL_MARK_ATTRIBUTES out = PatternRecord(3, 0x71); // unwritten by any refused query
    DWORD size = 5;
    EXPECT_EQ(0, Gui().property_sheet_query(HKELSHEET(&out), 3, &out, "OiAnoDat", nullptr, &size));
    EXPECT_EQ(0u, size) << "the size out is cleared first";
    KEL_IMAGE_INFO info = {};
    EXPECT_EQ(0, Gui().property_sheet_create(nullptr, &info, nullptr)) << "nowhere to put it";

    Sheet sheet;
    EXPECT_EQ(0, sheet.Init(1, nullptr)) << "record bit without a record";
    EXPECT_EQ(0, Gui().property_sheet_title_set(sheet.Handle(), "Ignored")) << "no pages yet";
    ASSERT_EQ(1, sheet.Init(3, &record, kUnreadable, kUnreadable, 100));
    size = 77;
    EXPECT_EQ(0, sheet.Query(3, &out, "OiAnoDat")) << "block bit without a size out";
    EXPECT_EQ(0, sheet.Query(5, &out, nullptr, nullptr, &size)) << "bit 2 implies bit 1";
    EXPECT_EQ(0u, size);
    EXPECT_EQ(0, sheet.Query(1, nullptr)) << "record bit without a record";
    EXPECT_EQ(std::vector<size_t>{}, DifferingBytes(PatternRecord(3, 0x71), out));
    char buffer[4] = {'k', 'e', 'e', 'p'};
    EXPECT_EQ(1, sheet.Query(2, nullptr, "OiAnoDat", buffer, &size)) << "no block page: size 0";
    EXPECT_EQ(0u, size);
    EXPECT_EQ(0, std::memcmp(buffer, "keep", 4));
    BOOL initWhileShown = -1;
    std::string caption;
    const KEL_MARK_ATTRIBUTES general = PatternRecord(6, 0x13);
    sheet.Run([&](ModalDriver& d) {
        d.Do("init again, cancel", [&] {
            initWhileShown = sheet.Init(1, &general);
            caption = Text(sheet.Window());
            PressCancel(sheet.Window());
        });
    });
    EXPECT_EQ(0, initWhileShown);
    EXPECT_EQ("Attributes", caption) << "the title refused without pages is not taken";
    EXPECT_EQ((Strings{kLine, kColor}), sheet.ShownTabs());
}

} // namespace
} // namespace sheet_test
