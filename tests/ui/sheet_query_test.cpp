// Reading back through the exports: only the fields the pages edit are written
// (never a colour's spare byte); blocks fetched only into the size reported; the
// message title.
#include "sheet_fixture.h"

#include <cstddef>

namespace sheet_test {
namespace {

struct Field {
    size_t offset, size;
};
const Field kMainRgb{offsetof(KEL_MARK_ATTRIBUTES, rgbMain), 3};
const Field kExtraRgb{offsetof(KEL_MARK_ATTRIBUTES, rgbExtra), 3};
const Field kHighlight{offsetof(KEL_MARK_ATTRIBUTES, bHighlight), 4};
const Field kLineSize{offsetof(KEL_MARK_ATTRIBUTES, nLineSize), 4};
const Field kFont{offsetof(KEL_MARK_ATTRIBUTES, lfFont), sizeof(LOGFONTA)};

// A sheet never shown gives back what init loaded, into those fields only;
// the line page of rulers never loads the highlight and gives back FALSE.
TEST(ReadBack, PatternRecordComesBackWithOnlyTheNamedFieldsChanged) {
    const struct {
        DWORD markType;
        std::vector<Field> written;
    } cases[] = {
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
    for (const auto& c : cases) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES given = PatternRecord(c.markType, 0x10);
        given.nLineSize = 250;      // never validated on a page that is not shown
        given.lfFont.lfHeight = -9; // a height within 16 bits comes back whole
        ASSERT_EQ(1, sheet.Init(1, &given));
        if (c.markType == 510)
            given.bHighlight = FALSE;
        const KEL_MARK_ATTRIBUTES before = PatternRecord(c.markType, 0x90);
        KEL_MARK_ATTRIBUTES out = before;
        ASSERT_EQ(1, sheet.Query(1, &out)) << "a null size out is fine without bit 1";
        KEL_MARK_ATTRIBUTES expected = before;
        for (const Field& f : c.written)
            std::memcpy(reinterpret_cast<uint8_t*>(&expected) + f.offset,
                        reinterpret_cast<const uint8_t*>(&given) + f.offset, f.size);
        EXPECT_EQ(std::vector<size_t>{}, DifferingBytes(expected, out))
            << "mark type " << c.markType;
    }
}

// Image reference (2): the image page holds "OiAnoDat" and ends the walk; the
// reference page gives "OiFilNam". The query carries no buffer size: after a
// size query a buffer is written only while the block still fits that size.
TEST(ReadBack, BlocksComeFromTheFirstPageWithThemIntoTheSizeReported) {
    Sheet sheet;
    const KEL_MARK_ATTRIBUTES record = PatternRecord(2, 0x30);
    ASSERT_EQ(1, sheet.Init(3, &record, "OiFilNam", "c:\\a.bmp", 8));
    ASSERT_EQ(1, sheet.Init(2, nullptr, "OiAnoDat", "0123456789", 10));
    std::string buffer(12, 'k');
    DWORD size = 0;
    EXPECT_EQ(1, sheet.Query(2, nullptr, "OiAnoDat", &buffer[0], &size)) << "no size query first";
    EXPECT_EQ(10u, size);
    EXPECT_EQ("0123456789kk", buffer);
    KEL_MARK_ATTRIBUTES out = record;
    ASSERT_EQ(1, sheet.Query(3, &out, "OiAnoDat", nullptr, &size));
    EXPECT_EQ(10u, size) << "with the record too";
    EXPECT_EQ("0123456789", sheet.Fetch<std::string>("OiAnoDat"));
    EXPECT_EQ("c:\\a.bmp", sheet.Fetch<std::string>("OiFilNam"));

    ASSERT_EQ(1, sheet.Init(2, nullptr, "OiAnoDat", "a longer block", 14));
    buffer.assign(12, 'k');
    EXPECT_EQ(0, sheet.Query(2, nullptr, "OiAnoDat", &buffer[0], &size)) << "grew since the query";
    EXPECT_EQ(14u, size);
    EXPECT_EQ(std::string(12, 'k'), buffer);
    ASSERT_EQ(1, sheet.Query(2, nullptr, "oianodat", nullptr, &size));
    EXPECT_EQ(0u, size) << "names compare case-sensitively";
}

// The message title: the start-up name, null restoring it, a copy of the caller's
// string, and the size and terminator rules of the fetch.
TEST(MessageTitle, DefaultCopyAndFetchRules) {
    KelGui& gui = Gui();
    auto title = [&] {
        std::string text(gui.message_title_get(nullptr, 0) + 1, '\x7f');
        gui.message_title_get(&text[0], static_cast<UINT>(text.size()));
        return text;
    };
    EXPECT_EQ(std::string("kelgui", 7), title());
    std::string caller = "First";
    EXPECT_EQ(1, gui.message_title_set(caller.c_str()));
    caller = "Changed";
    EXPECT_EQ(std::string("First", 6), title()) << "a copy, terminated";
    gui.message_title_set("");
    EXPECT_EQ(0u, gui.message_title_get(nullptr, 0));

    ASSERT_EQ(1, gui.message_title_set("Annotations")); // 11 characters
    // A fetch of size bytes answers size; the 16-byte buffer afterwards, '#' where untouched.
    const std::pair<UINT, std::string> cases[] = {
        {0, std::string(16, '#')},
        {5, "Annot" + std::string(11, '#')}, // cut, no terminator
        {12, std::string("Annotations\0####", 16)},
        {16, std::string("Annotations\0\0\0\0\0", 16)}, // zero-filled up to size
    };
    for (const auto& [size, bytes] : cases) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(size, gui.message_title_get(buffer, size)) << size;
        EXPECT_EQ(bytes, std::string(buffer, sizeof buffer)) << size;
    }
    EXPECT_EQ(1, gui.message_title_set(nullptr));
    EXPECT_EQ(std::string("kelgui", 7), title());
}

} // namespace
} // namespace sheet_test
