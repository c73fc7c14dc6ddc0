// The image, ruler and line pages through the exports; bad entries refused until fixed.
#include "sheet_fixture.h"

#include <commctrl.h>

namespace sheet_test {
namespace {
using namespace std::string_literals;
using Words = std::vector<int32_t>;

Bytes Block(const Words& w, size_t size = SIZE_MAX) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(w.data());
    return Bytes(bytes, bytes + std::min(size, w.size() * 4));
}

TEST(ImagePage, ShowsTheBlockAndWritesEachChoiceIntoItAtOnce) {
    // Orientation, five unused words, fit, alignment, aspect, one unused word.
    const auto image = [](const Words& w) {
        return Block({w[0], 1, 2, 3, 4, 5, w[1], w[2], w[3], 9});
    };
    // block, back: orientation, fit, alignment, aspect; shown: the four radios, mirror,
    // transparent, fit, alignment; act: the radio clicked (-1 none), mirror, fit, alignment.
    // clang-format off
    const struct { Words block, shown; const char* opened; Words act; const char* typed; Words back; } cases[] = {
        {{1, 0, 0, 0},        {1, 0, 0, 0, 0, 1, 0, 0}, "1.000000",  {1, 0, 1, 1},   nullptr, {2, 1, 1, 100000}},
        {{2, 1, 1, 2000000},  {0, 1, 0, 0, 0, 1, 1, 1}, "1.000000",  {1, 1, 2, 2},   nullptr, {6, 2, 2, 100000}},
        {{3, 2, 2, 250000},   {0, 0, 1, 0, 0, 1, 2, 2}, "2.500000",  {2, 0, 3, 3},   "0",     {3, 3, 16, 10000}},
        {{4, 3, 16, -5},      {0, 0, 0, 1, 0, 1, 3, 3}, "-0.000050", {2, 1, 0, 4},   "-3",    {7, 0, 17, 10000}},
        {{5, 4, 17, 1000000}, {1, 0, 0, 0, 1, 1, -1, 4}, "10.000000", {3, 0, 1, 5},   "12",    {4, 1, 18, 1000000}},
        {{6, -1, 18, 1000001},{0, 1, 0, 0, 1, 1, -1, 5}, "1.000000",  {3, 1, 1, 6},   "0.05",  {8, 1, 32, 5000}},
        {{7, 0, 32, 1},       {0, 0, 1, 0, 1, 1, 0, 6}, "0.000010",  {0, 0, 0, 7},   "2.5",   {1, 0, 33, 250000}},
        {{8, 0, 33, 1},       {0, 0, 0, 1, 1, 1, 0, 7}, "0.000010",  {0, 1, 0, 8},   nullptr, {5, 0, 34, 1}},
        {{0, 0, 3, 1},        {0, 0, 0, 0, 0, 1, 0, 0}, "0.000010",  {-1, 1, 0, 0},  nullptr, {4, 0, 0, 1}},
    };
    // clang-format on
    KEL_MARK_ATTRIBUTES record = PatternRecord(1, 0x20, 1);
    record.bTransparent = TRUE;
    for (const auto& c : cases) {
        Sheet sheet;
        sheet.Load(record, {{"OiAnoDat", image(c.block)}});
        Words shown;
        EXPECT_EQ(1, sheet.OnPage(0, [&](HWND page) {
            for (int id :
                 {IDC_IMAGE_ORIGINAL, IDC_IMAGE_ROTATE_RIGHT, IDC_IMAGE_FLIP, IDC_IMAGE_ROTATE_LEFT,
                  IDC_IMAGE_MIRROR, IDC_IMAGE_TRANSPARENT, IDC_IMAGE_FIT, IDC_IMAGE_ALIGN})
                shown.push_back(int(SendDlgItemMessageA(
                    page, id, id < IDC_IMAGE_FIT ? BM_GETCHECK : CB_GETCURSEL, 0, 0)));
            EXPECT_EQ(c.opened, ItemText(page, IDC_IMAGE_ASPECT));
            if (int(IsDlgButtonChecked(page, IDC_IMAGE_MIRROR)) != c.act[1])
                SendDlgItemMessageA(page, IDC_IMAGE_MIRROR, BM_CLICK, 0, 0);
            if (c.act[0] >= 0)
                SendDlgItemMessageA(page, IDC_IMAGE_ORIGINAL + c.act[0], BM_CLICK, 0, 0);
            Choose(page, IDC_IMAGE_FIT, c.act[2]);
            Choose(page, IDC_IMAGE_ALIGN, c.act[3]);
            if (c.typed)
                SetText(GetDlgItem(page, IDC_IMAGE_ASPECT), c.typed);
            SendDlgItemMessageA(page, IDC_IMAGE_TRANSPARENT, BM_CLICK, 0, 0);
            EXPECT_EQ(image(c.back), sheet.Fetch("OiAnoDat")) << c.block[0];
            EXPECT_EQ(c.typed ? c.typed : c.opened, ItemText(page, IDC_IMAGE_ASPECT));
        }));
        EXPECT_EQ(c.shown, shown) << c.block[0];
        EXPECT_EQ(FALSE, sheet.Queried(PatternRecord(1, 0)).bTransparent);
    }
}

TEST(RulerPage, LabelOrPickedUnitGivesScalesAndLabelBack) {
    // x, y: the image's pixels per metre; pick -1: no unit chosen; back: the numbers block.
    // clang-format off
    const struct { std::string label; size_t size; LONG x, y; int pick; const char* typed; Words back; std::string labelBack; } cases[] = {
        {"ABCDEFGHIJKLlenw%d in\0"s, 32, 11811, 3937, -1, nullptr, {78740, 23622000, 78740, 7874000, 7, 7, 3, 0x808}, "ABCDEFGHIJKL\6\0\0\0%d in\0\0\0\0"s},
        {"ABCDEFGHIJKLlenw%d   ft  \0"s, 32, 0, 0, -1, nullptr, {6562, 23622000, 6562, 23622000, 7, 7, 3, 0x808}, "ABCDEFGHIJKL\6\0\0\0%d ft\0\0\0\0"s},
        {"ABCDEFGHIJKLlenw\0"s, 32, 0, 0, -1, nullptr, {1000, 11811, 1000, 11811, 7, 7, 3, 0x808}, "ABCDEFGHIJKL\6\0\0\0%d mm\0\0\0\0"s},
        {"ABCDEFGHIJKLlenw%d m"s, 32, 0, 0, -1, nullptr, {1, 11811, 1, 11811, 7, 7, 3, 0x808}, "ABCDEFGHIJKL\5\0\0\0%d m\0\0\0\0"s},
        {"ABCDEFGHIJKLlenw%d mm\0"s, 32, 11811, 11811, 3, nullptr, {1, 19050000, 1, 19050000, 7, 7, 3, 0x808}, "ABCDEFGHIJKL\6\0\0\0%d mi\0\0\0\0"s},
        {"ABCDEFGHIJKLlenw%d mm\0"s, 32, 11811, 0, 0, "zz", {78740, 23622000, 78740, 23622000, 7, 7, 3, 0x808}, "ABCDEFGHIJKL\6\0\0\0%d zz\0\0\0\0"s},
        {"ABCDE", 18, 0, 0, -1, nullptr, {1000, 11811, 1000, 11811, 7}, "ABCDE"s + std::string(7, '\0') + "\6\0\0\0%d mm\0\0\0\0"s},
    };
    // clang-format on
    for (const auto& c : cases) {
        Sheet sheet(c.x, c.y);
        sheet.Load(PatternRecord(510, 0x20, 1),
                   {{"OiAnoDat", Block({0x101, 0x202, 0x303, 0x404, 7, 0x606, 3, 0x808}, c.size)},
                    {"OiAnText", Bytes(c.label.begin(), c.label.end())}});
        EXPECT_EQ(1, sheet.OnPage(3, [&](HWND page) {
            if (c.pick >= 0)
                Choose(page, IDC_RULER_UNITS, c.pick);
            if (c.typed)
                SetText(GetDlgItem(page, IDC_RULER_ABBREVIATION), c.typed);
        }));
        EXPECT_EQ(Block(c.back, c.size), sheet.Fetch("OiAnoDat")) << c.label;
        EXPECT_EQ(Bytes(c.labelBack.begin(), c.labelBack.end()), sheet.Fetch("OiAnText"));
    }
}

// A refusal: text typed into a control (or none), then OK or the next tab; what shows.
using Refusal = std::tuple<int, const char*, bool, std::string>;

TEST(Validation, BadEntriesAreRefusedWithTheirPageInFrontUntilFixed) {
    const std::string kRange = "Host: Please enter an integer between ";
    // "OiAnoDat" is the line size on the line page; the fix is typed before OK.
    // clang-format off
    const struct { DWORD markType; int tab; Words block; std::vector<Refusal> refusals; std::pair<int, const char*> fix; Words back; } cases[] = {
        {3, 0, {0}, {{0, nullptr, false, kRange + "1 and 100. | '0' on tab 0"},
                     {IDC_LINE_SIZE, "abc", true, "Host: Please enter a positive integer. | 'abc' on tab 0"}},
         {IDC_LINE_SIZE, "5"}, {5}},
        {506, 2, {1, 0, 40}, {{IDC_ARROW_SIZE, "0", false, kRange + "1 and 1000. | '0' on tab 2"},
                              {IDC_ARROW_SIZE, "1001", false, kRange + "1 and 1000. | '1001' on tab 2"}},
         {IDC_ARROW_SIZE, "7"}, {1, 0, 7}},
        {511, 3, {1, 2, 3, 4, 0, 15, 77}, {{0, nullptr, false, kRange + "1 and 999. | '0' on tab 3"},
                                           {IDC_ARC_RADIUS, "5", false, kRange + "0 and 14. | '15' on tab 3"}},
         {IDC_OUTPUT_PRECISION, "6"}, {1, 2, 3, 4, 5, 6, 77}},
        {510, 3, {1, 2, 3, 4, 1000, 0, 15, 77}, {{0, nullptr, false, kRange + "0 and 14. | '15' on tab 3"},
                                                 {IDC_OUTPUT_PRECISION, "5", false, kRange + "0 and 999. | '1000' on tab 3"}},
         {IDC_RULER_GAUGE, "6"}, {1000, 11811, 1000, 11811, 6, 6, 5, 77}},
    };
    // clang-format on
    ASSERT_EQ(1, KEL_GUI_message_title_set("Host"));
    for (const auto& c : cases) {
        Sheet sheet;
        const auto record = PatternRecord(c.markType, 0x40, c.markType == 3 ? c.block[0] : 1);
        sheet.Load(record, {{"OiAnoDat", Block(c.block)}});
        Strings seen, expected;
        EXPECT_EQ(1, sheet.Edit(c.tab, [&](ModalDriver& d, HWND& page) {
            for (const auto& [control, typed, byTab, shown] : c.refusals) {
                expected.push_back(shown);
                sheet.Refused(
                    d, seen,
                    [&, control = control, typed = typed, byTab = byTab] {
                        if (typed)
                            SetText(GetDlgItem(page, control), typed);
                        byTab ? SelectTab(sheet.Window(), c.tab + 1) : PressOk(sheet.Window());
                    },
                    [](HWND box) { return Text(box) + ": " + MessageBoxText(box); });
                d.Do("focus", [&] { // the focused entry, whole when all of it is selected
                    HWND focus = GetFocus();
                    const auto [start, end] = EditSelection(focus);
                    seen.back() +=
                        (start == 0 && end == int(Text(focus).size()) ? " | '" : " | part of '") +
                        Text(focus) + "' on tab " + std::to_string(CurrentTab(sheet.Window()));
                });
            }
            d.Do("fix", [&] { SetText(GetDlgItem(page, c.fix.first), c.fix.second); });
        }));
        EXPECT_EQ(expected, seen);
        EXPECT_EQ(Block(c.back), c.markType == 3 ? Block({int32_t(sheet.Queried(record).nLineSize)})
                                                 : sheet.Fetch("OiAnoDat"))
            << c.markType;
    }
    KEL_GUI_message_title_set(nullptr);
}

TEST(LinePage, HighlightCheckBoxAndUpDownRange) {
    for (DWORD markType : {KEL_MARK_HOLLOW_POLYGON, KEL_MARK_RULER, KEL_MARK_PROTRACTOR}) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 0x40, 3);
        record.bHighlight = TRUE;
        sheet.Load(record);
        int shown[4] = {};
        EXPECT_EQ(1, sheet.OnPage(0, [&](HWND page) {
            shown[0] = IsWindowVisible(GetDlgItem(page, IDC_HIGHLIGHT));
            shown[1] = IsDlgButtonChecked(page, IDC_HIGHLIGHT);
            SendDlgItemMessageA(page, IDC_LINE_SIZE_SPIN, UDM_GETRANGE32, WPARAM(&shown[2]),
                                LPARAM(&shown[3]));
        }));
        const int line = markType == KEL_MARK_HOLLOW_POLYGON;
        EXPECT_EQ(std::vector<int>({line, line, 1, 100}), std::vector<int>(shown, shown + 4));
        EXPECT_EQ(line, sheet.Queried(PatternRecord(3, 0)).bHighlight) << markType;
    }
}

} // namespace
} // namespace sheet_test
