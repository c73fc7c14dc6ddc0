// Sheet assembly, reading back and the message title; the English layout and screen reader checks.
#include "page_layout_check.h"
#include "screen_reader_check.h"

#include <cstddef>

namespace sheet_test {
namespace {

const char* const kUnreadable = reinterpret_cast<const char*>(uintptr_t(0x10)); // never read

// Bit 0 adds the record's pages, bit 1 the block's; a page found again is reloaded.
TEST(SheetAssembly, InitAgainFindsPagesAndAppendsNewOnes) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES record = PatternRecord(506, 0x44);
    ASSERT_EQ(1, sheet.Init(1, &record, "OiAnoDat", "ab", 2));
    Strings tabs = {"Line Attributes", "Color Attributes"};
    EXPECT_EQ(tabs, sheet.ShownTabs());
    record.nLineSize = 9;
    ASSERT_EQ(1, sheet.Init(3, &record, "OiAnoDat", "ab", 2));
    ASSERT_EQ(1, sheet.Init(2, nullptr, "OiFilNam", "c", 1));
    EXPECT_EQ(9u, sheet.Queried(PatternRecord(3, 0x55)).nLineSize) << "the line page reloaded";
    record.nMarkType = 6;
    ASSERT_EQ(1, sheet.Init(1, &record));
    tabs.insert(tabs.end(), {"Arrow Attributes", "General Attributes"});
    EXPECT_EQ(tabs, sheet.ShownTabs());
}

// What the hostile host's test, which checks the codes, does not see of a refusal.
TEST(SheetAssembly, RefusalsChangeNothing) {
    KEL_MARK_ATTRIBUTES out = PatternRecord(3, 0x71); // unwritten by any refused query
    DWORD size = 5;
    KEL_GUI_property_sheet_query(HKELSHEET(&out), 3, &out, "OiAnoDat", nullptr, &size);
    EXPECT_EQ(0u, size) << "cleared before the bad handle is refused";
    EXPECT_EQ(std::vector<size_t>{}, DifferingBytes(PatternRecord(3, 0x71), out));
    for (DWORD markType : {0u, 515u, 519u}) { // no pages: the block is never read
        const KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 0x22);
        EXPECT_EQ(1, Sheet().Init(3, &record, kUnreadable, kUnreadable, 100)) << markType;
    }
    Sheet sheet;
    EXPECT_EQ(0, KEL_GUI_property_sheet_title_set(sheet.Handle(), "Ignored")) << "no pages yet";
    const KEL_MARK_ATTRIBUTES record = PatternRecord(3, 0x77, 1), general = PatternRecord(6, 0x13);
    ASSERT_EQ(1, sheet.Init(3, &record, kUnreadable, kUnreadable, 100));
    size = 77;
    EXPECT_EQ(0, sheet.Query(3, &out, "OiAnoDat")) << "block bit without a size out";
    EXPECT_EQ(std::vector<size_t>{}, DifferingBytes(sheet.Queried(PatternRecord(3, 0x71)), out))
        << "only the block part is refused: the record is written";
    char buffer[4] = {'k', 'e', 'e', 'p'};
    EXPECT_EQ(1, sheet.Query(2, nullptr, "OiAnoDat", buffer, &size)) << "no block page: size 0";
    EXPECT_EQ(0u, size);
    EXPECT_EQ(0, std::memcmp(buffer, "keep", 4));
    sheet.OnPage(0, [&](HWND) {
        EXPECT_EQ(0, sheet.Init(1, &general)) << "the sheet runs";
        EXPECT_EQ("Attributes", Text(sheet.Window()))
            << "the title refused without pages is not taken";
    });
    EXPECT_EQ((Strings{"Line Attributes", "Color Attributes"}), sheet.ShownTabs());
}

using Field = std::pair<size_t, size_t>; // offset, size
const Field kMainRgb{offsetof(KEL_MARK_ATTRIBUTES, rgbMain), 3};
const Field kExtraRgb{offsetof(KEL_MARK_ATTRIBUTES, rgbExtra), 3};
const Field kHighlight{offsetof(KEL_MARK_ATTRIBUTES, bHighlight), 4};
const Field kLineSize{offsetof(KEL_MARK_ATTRIBUTES, nLineSize), 4};
const Field kFont{offsetof(KEL_MARK_ATTRIBUTES, lfFont), sizeof(LOGFONTA)};

// The line page of rulers never loads the highlight and gives back FALSE.
TEST(ReadBack, PatternRecordComesBackWithOnlyTheNamedFieldsChanged) {
    const std::pair<DWORD, std::vector<Field>> cases[] = {
        {3, {kHighlight, kLineSize, kMainRgb}},
        {506, {kHighlight, kLineSize, kMainRgb}},
        {6, {kHighlight, kMainRgb}},
        {508, {kMainRgb}},
        {7, {kFont, kMainRgb}},
        {10, {kFont, kMainRgb, kExtraRgb}},
        {513, {kFont, kMainRgb, kExtraRgb}},
        {518, {kFont, kHighlight, kLineSize, kMainRgb}},
        {510, {kFont, kHighlight, kLineSize, kMainRgb}},
        {515, {}},
    };
    for (const auto& [markType, written] : cases) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES given = PatternRecord(markType, 0x10, 250); // unshown: not validated
        given.lfFont.lfHeight = -9; // a height within 16 bits comes back whole
        ASSERT_EQ(1, sheet.Init(1, &given));
        given.bHighlight = markType == 510 ? FALSE : given.bHighlight;
        KEL_MARK_ATTRIBUTES out = PatternRecord(markType, 0x90), expected = out;
        ASSERT_EQ(1, sheet.Query(1, &out)) << "a null size out is fine without bit 1";
        for (const Field& f : written)
            std::memcpy(reinterpret_cast<uint8_t*>(&expected) + f.first,
                        reinterpret_cast<const uint8_t*>(&given) + f.first, f.second);
        EXPECT_EQ(std::vector<size_t>{}, DifferingBytes(expected, out)) << "mark type " << markType;
    }
}

// Image reference (2): the image page holds "OiAnoDat" and ends the walk. The query carries
// no buffer size: after a size query a buffer is written only while the block still fits it.
TEST(ReadBack, BlocksComeFromTheFirstPageWithThemIntoTheSizeReported) {
    Sheet sheet;
    const KEL_MARK_ATTRIBUTES record = PatternRecord(2, 0x30);
    ASSERT_EQ(1, sheet.Init(3, &record, "OiAnoDat", "0123456789", 10));
    std::string buffer(12, 'k');
    DWORD size = 0;
    EXPECT_EQ(1, sheet.Query(2, nullptr, "OiAnoDat", &buffer[0], &size)) << "no size query first";
    EXPECT_EQ(10u, size);
    EXPECT_EQ("0123456789kk", buffer);
    KEL_MARK_ATTRIBUTES out = record;
    ASSERT_EQ(1, sheet.Query(3, &out, "OiAnoDat", nullptr, &size));
    EXPECT_EQ(10u, size) << "with the record too";
    ASSERT_EQ(1, sheet.Init(2, nullptr, "OiAnoDat", "a longer block", 14));
    buffer.assign(12, 'k');
    EXPECT_EQ(0, sheet.Query(2, nullptr, "OiAnoDat", &buffer[0], &size)) << "grew since the query";
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(14u, size);
    EXPECT_EQ(std::string(12, 'k'), buffer);
    ASSERT_EQ(1, sheet.Query(2, nullptr, "oianodat", nullptr, &size));
    EXPECT_EQ(0u, size) << "names compare case-sensitively";
}

TEST(MessageTitle, DefaultCopyAndFetchRules) {
    const auto fetched = [](UINT size) { // into 16 bytes of '#'; a fetch of size answers size
        std::string buffer(16, '#');
        EXPECT_EQ(size, KEL_GUI_message_title_get(&buffer[0], size));
        return buffer;
    };
    std::string caller = "First";
    EXPECT_EQ(1, KEL_GUI_message_title_set(caller.c_str()));
    caller = "Changed";
    EXPECT_STREQ("First", fetched(16).c_str()) << "a copy";
    KEL_GUI_message_title_set("");
    EXPECT_EQ(0u, KEL_GUI_message_title_get(nullptr, 0));
    ASSERT_EQ(1, KEL_GUI_message_title_set("Annotations")); // 11 characters
    const std::pair<UINT, std::string> cases[] = {
        {0, std::string(16, '#')},
        {5, "Annot" + std::string(11, '#')}, // cut, no terminator
        {12, std::string("Annotations\0####", 16)},
        {16, std::string("Annotations\0\0\0\0\0", 16)}, // zero-filled up to size
    };
    for (const auto& [size, bytes] : cases)
        EXPECT_EQ(bytes, fetched(size)) << size;
    EXPECT_EQ(1, KEL_GUI_message_title_set(nullptr));
    EXPECT_STREQ("kelgui", fetched(16).c_str());
}

} // namespace
} // namespace sheet_test
