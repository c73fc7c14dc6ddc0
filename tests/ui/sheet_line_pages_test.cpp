// The line page: bad line sizes refused until a valid one is typed; the highlight check box.
#include "sheet_fixture.h"

#include <commctrl.h>

namespace sheet_test {
namespace {

constexpr int kCheck = 1000, kEdit = 1002, kSpin = 1003;

KEL_MARK_ATTRIBUTES LineRecord(DWORD markType, DWORD lineSize, BOOL highlight) {
    KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 0x40);
    record.nLineSize = lineSize;
    record.bHighlight = highlight;
    return record;
}

std::string TitleAndText(HWND box) {
    return Text(box) + ": " + MessageBoxText(box);
}

// Refused under the host's title, the page stays in front, its edit focused, all selected.
TEST(LinePage, BadSizesAreRefusedUntilAValidSizeIsTyped) {
    ASSERT_EQ(1, Gui().message_title_set("Line Test Host"));
    Sheet sheet;
    sheet.Load(LineRecord(3, 0, FALSE));
    Strings seen;
    EXPECT_EQ(1, sheet.Edit(0, [&](ModalDriver& d, HWND& page) {
        d.Do("read the size", [&] { seen.push_back(ItemText(page, kEdit)); });
        const auto after = [&] {
            const auto selected = EditSelection(GetDlgItem(page, kEdit));
            seen.push_back((GetFocus() == GetDlgItem(page, kEdit) ? "focused, " : "") +
                           std::to_string(selected.first) + "-" + std::to_string(selected.second) +
                           " selected, tab " + std::to_string(CurrentTab(sheet.Window())));
        };
        sheet.Refused(d, seen, TitleAndText, [&] { PressOk(sheet.Window()); });
        d.Do("focus, selection, tab", after);
        sheet.Refused(d, seen, TitleAndText, [&] {
            SetText(GetDlgItem(page, kEdit), "abc"); // as pasted: typing takes digits only
            SelectTab(sheet.Window(), 1);
        });
        d.Do("focus, selection, tab", after).Do("type 5", [&] {
            TypeText(GetDlgItem(page, kEdit), "5");
        });
    }));
    Gui().message_title_set(nullptr);
    EXPECT_EQ(
        (Strings{"0", "Line Test Host: Please enter an integer between 1 and 100.",
                 "focused, 0-1 selected, tab 0", "Line Test Host: Please enter a positive integer.",
                 "focused, 0-3 selected, tab 0"}),
        seen);
    EXPECT_EQ(5u, sheet.Queried(PatternRecord(3, 0)).nLineSize);
}

// Rulers and protractors hide the check box and give back FALSE.
TEST(LinePage, HighlightCheckBoxAndUpDownRange) {
    for (DWORD markType : {501u, 510u, 511u}) {
        Sheet sheet;
        sheet.Load(LineRecord(markType, 3, TRUE));
        int visible = -1, check = -1, low = 0, high = 0;
        EXPECT_EQ(1, sheet.OnPage(0, [&](HWND page) {
            visible = IsWindowVisible(GetDlgItem(page, kCheck));
            check = int(IsDlgButtonChecked(page, kCheck));
            SendMessageA(GetDlgItem(page, kSpin), UDM_GETRANGE32, WPARAM(&low), LPARAM(&high));
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
