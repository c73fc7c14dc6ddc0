// Reading back through the exports: only the fields the pages edit are written
// (never a colour's spare byte).
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

} // namespace
} // namespace sheet_test
