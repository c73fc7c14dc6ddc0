// Entries checked when a page is left or OK pressed, in exchange order, until fixed;
// the line page's check box and up-down range.
#include "sheet_fixture.h"

#include <commctrl.h>

namespace sheet_test {
namespace {
using Words = std::vector<int32_t>;

// A refusal: text typed into a control (or none), then OK or the next tab; what shows.
struct Refusal {
    int control;
    const char* typed;
    bool byTab;
    std::string shown;
};

// The message under the host's title, then the focused entry when all of it is selected.
std::string AfterRefusal(HWND box) {
    return Text(box) + ": " + MessageBoxText(box);
}
std::string FocusedEntry(HWND sheet) {
    HWND focus = GetFocus();
    const auto selected = EditSelection(focus);
    return (selected.first == 0 && selected.second == int(Text(focus).size()) ? "'" : "part of '") +
           Text(focus) + "' on tab " + std::to_string(CurrentTab(sheet));
}

TEST(Validation, BadEntriesAreRefusedWithTheirPageInFrontUntilFixed) {
    const std::string kRange = "Host: Please enter an integer between ";
    // clang-format off
    const struct {
        DWORD markType;
        int tab;
        Words block; // "OiAnoDat"; the line size of the line page
        std::vector<Refusal> refusals;
        std::pair<int, const char*> fix; // typed before OK
        Words back;
    } cases[] = {
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
        KEL_MARK_ATTRIBUTES record = PatternRecord(c.markType, 0x40);
        record.nLineSize = c.markType == 3 ? c.block[0] : 1;
        const auto* bytes = reinterpret_cast<const uint8_t*>(c.block.data());
        sheet.Load(record, {{"OiAnoDat", Bytes(bytes, bytes + c.block.size() * 4)}});
        Strings seen, expected;
        EXPECT_EQ(1, sheet.Edit(c.tab, [&](ModalDriver& d, HWND& page) {
            for (const Refusal& r : c.refusals) {
                expected.push_back(r.shown);
                sheet.Refused(
                    d, seen,
                    [&] {
                        if (r.typed)
                            SetText(GetDlgItem(page, r.control), r.typed);
                        r.byTab ? SelectTab(sheet.Window(), c.tab + 1) : PressOk(sheet.Window());
                    },
                    AfterRefusal);
                d.Do("focus", [&] { seen.back() += " | " + FocusedEntry(sheet.Window()); });
            }
            d.Do("fix", [&] { SetText(GetDlgItem(page, c.fix.first), c.fix.second); });
        }));
        EXPECT_EQ(expected, seen);
        const Bytes back = sheet.Fetch("OiAnoDat");
        EXPECT_EQ(c.markType == 3
                      ? Words{int32_t(sheet.Queried(record).nLineSize)}
                      : Words(reinterpret_cast<const int32_t*>(back.data()),
                              reinterpret_cast<const int32_t*>(back.data()) + back.size() / 4),
                  c.back)
            << c.markType;
    }
    KEL_GUI_message_title_set(nullptr);
}

// Rulers and protractors hide the check box and give back FALSE.
TEST(LinePage, HighlightCheckBoxAndUpDownRange) {
    for (DWORD markType : {501u, 510u, 511u}) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 0x40);
        record.nLineSize = 3;
        record.bHighlight = TRUE;
        sheet.Load(record);
        int visible = -1, check = -1, low = 0, high = 0;
        EXPECT_EQ(1, sheet.OnPage(0, [&](HWND page) {
            visible = IsWindowVisible(GetDlgItem(page, IDC_HIGHLIGHT));
            check = int(IsDlgButtonChecked(page, IDC_HIGHLIGHT));
            SendDlgItemMessageA(page, IDC_LINE_SIZE_SPIN, UDM_GETRANGE32, WPARAM(&low),
                                LPARAM(&high));
        }));
        const bool ruler = markType != 501;
        EXPECT_EQ(!ruler, visible) << markType;
        EXPECT_EQ(ruler ? BST_UNCHECKED : BST_CHECKED, check) << markType;
        EXPECT_EQ(std::make_pair(1, 100), std::make_pair(low, high));
        EXPECT_EQ(!ruler, sheet.Queried(PatternRecord(3, 0)).bHighlight) << markType;
    }
}

} // namespace
} // namespace sheet_test
