// Reading back through the exports: only the fields the pages edit are
// written, in the host's byte order, and the block size query is safe.
#include "sheet_fixture.h"

#include <cstddef>

namespace sheet_test {
namespace {

constexpr size_t kMain = offsetof(KEL_MARK_ATTRIBUTES, rgbMain);
constexpr size_t kExtra = offsetof(KEL_MARK_ATTRIBUTES, rgbExtra);
constexpr size_t kHighlight = offsetof(KEL_MARK_ATTRIBUTES, bHighlight);
constexpr size_t kLineSize = offsetof(KEL_MARK_ATTRIBUTES, nLineSize);

struct WrittenFields {
    DWORD markType;
    std::vector<size_t> offsets; // bytes the query may write
};

// What a query writes for a page that was never shown: the values the init
// loaded, into exactly the bytes of the fields the pages edit.
std::vector<size_t> Bytes(std::initializer_list<std::pair<size_t, size_t>> fields) {
    std::vector<size_t> bytes;
    for (auto field : fields)
        for (size_t i = 0; i < field.second; ++i)
            bytes.push_back(field.first + i);
    return bytes;
}

class UnshownSheet : public ::testing::TestWithParam<WrittenFields> {};

TEST_P(UnshownSheet, GivesBackLoadedValuesInNamedFieldsOnly) {
    const WrittenFields& c = GetParam();
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(c.markType, 0x10);
    given.bHighlight = TRUE;
    given.nLineSize = 250; // out of range, but never validated on an unshown page
    ASSERT_EQ(1, sheet.Init(1, &given));

    const KEL_MARK_ATTRIBUTES before = PatternRecord(c.markType, 0x90);
    KEL_MARK_ATTRIBUTES out = before;
    ASSERT_EQ(1, sheet.Query(1, &out)); // null size out is fine without bit 1

    KEL_MARK_ATTRIBUTES expected = before;
    const auto* from = reinterpret_cast<const uint8_t*>(&given);
    auto* to = reinterpret_cast<uint8_t*>(&expected);
    for (size_t offset : c.offsets)
        to[offset] = from[offset];
    EXPECT_EQ(std::vector<size_t>{}, DifferingBytes(expected, out));
}

const auto kMainRgb = std::make_pair(kMain, size_t{3});
const auto kExtraRgb = std::make_pair(kExtra, size_t{3});
const auto kHighlightField = std::make_pair(kHighlight, size_t{4});
const auto kLineSizeField = std::make_pair(kLineSize, size_t{4});

INSTANTIATE_TEST_SUITE_P(
    Groups, UnshownSheet,
    ::testing::Values(WrittenFields{3, Bytes({kHighlightField, kLineSizeField, kMainRgb})},
                      WrittenFields{517, Bytes({kHighlightField, kLineSizeField, kMainRgb})},
                      WrittenFields{506, Bytes({kHighlightField, kLineSizeField, kMainRgb})},
                      WrittenFields{6, Bytes({kHighlightField, kMainRgb})},
                      WrittenFields{516, Bytes({kHighlightField, kMainRgb})},
                      WrittenFields{508, Bytes({kMainRgb})}, WrittenFields{7, Bytes({kMainRgb})},
                      // Two-colour marks: secondary to rgbMain, primary to rgbExtra.
                      WrittenFields{10, Bytes({kMainRgb, kExtraRgb})},
                      WrittenFields{513, Bytes({kMainRgb, kExtraRgb})},
                      WrittenFields{518, Bytes({kHighlightField, kLineSizeField, kMainRgb})},
                      WrittenFields{0, {}}, WrittenFields{515, {}}, WrittenFields{1, {}}));

// Rulers and protractors never load the highlight flag: FALSE comes back.
TEST(ReadBack, RulerHighlightIsTheNewPagesFalse) {
    for (DWORD markType : {510u, 511u}) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES given = PatternRecord(markType, 0x20);
        given.bHighlight = TRUE;
        given.nLineSize = 17;
        ASSERT_EQ(1, sheet.Init(3, &given, "OiAnoDat", "z", 1));
        KEL_MARK_ATTRIBUTES out = PatternRecord(markType, 0x30);
        ASSERT_EQ(1, sheet.Query(1, &out));
        EXPECT_EQ(FALSE, out.bHighlight) << markType;
        EXPECT_EQ(17u, out.nLineSize) << markType;
    }
}

TEST(ReadBack, ColorBytesAreBlueGreenRedAndSpareIsKept) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(514, 0);
    const BYTE colour[4] = {0x10, 0x20, 0x30, 0x40};
    std::memcpy(&given.rgbMain, colour, 4);
    ASSERT_EQ(1, sheet.Init(1, &given));
    KEL_MARK_ATTRIBUTES out = PatternRecord(514, 0);
    const BYTE spare[4] = {0xAA, 0xBB, 0xCC, 0xDD};
    std::memcpy(&out.rgbMain, spare, 4);
    ASSERT_EQ(1, sheet.Query(1, &out));
    BYTE back[4];
    std::memcpy(back, &out.rgbMain, 4);
    EXPECT_EQ(0x10, back[0]);
    EXPECT_EQ(0x20, back[1]);
    EXPECT_EQ(0x30, back[2]);
    EXPECT_EQ(0xDD, back[3]) << "the spare byte is never written";
}

TEST(ReadBack, TwoColourMarkKeepsColoursApart) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(10, 0x40);
    SetColor(given.rgbMain, 255, 255, 0); // yellow
    SetColor(given.rgbExtra, 0, 0, 128);  // navy
    ASSERT_EQ(1, sheet.Init(1, &given));
    KEL_MARK_ATTRIBUTES out = PatternRecord(10, 0x50);
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ(255, out.rgbMain.rgbRed);
    EXPECT_EQ(255, out.rgbMain.rgbGreen);
    EXPECT_EQ(0, out.rgbMain.rgbBlue);
    EXPECT_EQ(0, out.rgbExtra.rgbRed);
    EXPECT_EQ(0, out.rgbExtra.rgbGreen);
    EXPECT_EQ(128, out.rgbExtra.rgbBlue);
}

TEST(ReadBack, SizeOutIsClearedFirstAndZeroWithoutBlockPages) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(3, 0x60);
    ASSERT_EQ(1, sheet.Init(3, &given, "OiAnoDat", "abc", 3));
    KEL_MARK_ATTRIBUTES out = given;
    DWORD size = 0xDEADBEEF;
    EXPECT_EQ(1, sheet.Query(3, &out, "OiAnoDat", nullptr, &size));
    EXPECT_EQ(0u, size);
    char buffer[4] = {'k', 'e', 'e', 'p'};
    size = 0xDEADBEEF;
    EXPECT_EQ(1, sheet.Query(2, nullptr, "OiAnoDat", buffer, &size));
    EXPECT_EQ(0u, size);
    EXPECT_EQ(0, std::memcmp(buffer, "keep", 4));
}

TEST(ReadBack, MissingArgumentsFailWithoutWriting) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(3, 0x70);
    ASSERT_EQ(1, sheet.Init(1, &given));
    const KEL_MARK_ATTRIBUTES before = PatternRecord(3, 0x71);
    KEL_MARK_ATTRIBUTES out = before;
    DWORD size = 77;
    EXPECT_EQ(0, sheet.Query(3, &out, "OiAnoDat", nullptr, nullptr)) << "block bit, no size out";
    EXPECT_EQ(0, sheet.Query(3, &out, nullptr, nullptr, &size)) << "block bit, no name";
    EXPECT_EQ(0u, size);
    EXPECT_EQ(0, sheet.Query(5, &out, nullptr, nullptr, &size)) << "bit 2 implies bit 1";
    EXPECT_EQ(0, sheet.Query(1, nullptr)) << "record bit, no record";
    EXPECT_EQ(std::vector<size_t>{}, DifferingBytes(before, out));
}

TEST(ReadBack, BadHandlesGiveZeroAndClearTheSize) {
    KEL_MARK_ATTRIBUTES out = PatternRecord(3, 0x11);
    const KEL_MARK_ATTRIBUTES before = out;
    DWORD size = 5;
    EXPECT_EQ(0, Gui().property_sheet_query(nullptr, 3, &out, "OiAnoDat", nullptr, &size));
    EXPECT_EQ(0u, size);
    long long foreign[32] = {};
    size = 5;
    EXPECT_EQ(0, Gui().property_sheet_query(reinterpret_cast<HKELSHEET>(foreign), 3, &out,
                                            "OiAnoDat", nullptr, &size));
    EXPECT_EQ(0u, size);
    HKELSHEET stale = nullptr;
    {
        Sheet gone;
        stale = gone.Handle();
    }
    EXPECT_EQ(0, Gui().property_sheet_query(stale, 1, &out, nullptr, nullptr, nullptr));
    EXPECT_EQ(std::vector<size_t>{}, DifferingBytes(before, out));
}

// The whole road: init, show, edit on two pages, OK, query.
TEST(ReadBack, EditsReachTheRecordAfterOk) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(3, 0x21);
    given.bHighlight = FALSE;
    given.nLineSize = 4;
    SetColor(given.rgbMain, 1, 2, 3);
    ASSERT_EQ(1, sheet.Init(1, &given));

    ModalDriver driver;
    HWND window = nullptr;
    HWND page = nullptr;
    driver.Then("find the sheet", WaitForSheet(window))
        .Then("line page in front", WaitForPage(window, 0, page))
        .Do("type a size, tick highlight",
            [&] {
                SetText(GetDlgItem(page, 1002), "42");
                SendMessageA(GetDlgItem(page, 1000), BM_SETCHECK, BST_CHECKED, 0);
            })
        .Do("to the colour page", [&] { SelectTab(window, 1); })
        .Then("colour page in front", WaitForPage(window, 1, page))
        .Do("press the red swatch with the space bar",
            [&] {
                SetFocus(GetDlgItem(page, 1056));
                SendKey(GetDlgItem(page, 1056), VK_SPACE);
            })
        .Do("OK", [&] { PressOk(window); });
    EXPECT_EQ(1, sheet.Show(driver));
    EXPECT_TRUE(driver.Finished()) << driver.Report();

    KEL_MARK_ATTRIBUTES out = given;
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ(42u, out.nLineSize);
    EXPECT_EQ(TRUE, out.bHighlight);
    EXPECT_EQ(255, out.rgbMain.rgbRed);
    EXPECT_EQ(0, out.rgbMain.rgbGreen);
    EXPECT_EQ(0, out.rgbMain.rgbBlue);
    EXPECT_EQ(given.rgbMain.rgbReserved, out.rgbMain.rgbReserved);
}

TEST(ReadBack, CancelGivesZeroAndKeepsLoadedValues) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(6, 0x31);
    given.bHighlight = TRUE;
    ASSERT_EQ(1, sheet.Init(1, &given));
    ModalDriver driver;
    HWND window = nullptr;
    driver.Then("find the sheet", WaitForSheet(window)).Do("cancel", [&] { PressCancel(window); });
    EXPECT_EQ(0, sheet.Show(driver));
    HWND again = nullptr;
    ModalDriver closeBox;
    closeBox.Then("find the sheet", WaitForSheet(again)).Do("close box", [&] {
        PressCloseBox(again);
    });
    EXPECT_EQ(0, sheet.Show(closeBox));
    EXPECT_TRUE(driver.Finished() && closeBox.Finished()) << driver.Report() << closeBox.Report();
}

} // namespace
} // namespace sheet_test
