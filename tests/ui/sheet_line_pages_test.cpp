// The line page in a running sheet: a bad line size is refused with the
// standard message until a valid one is typed; the highlight check box.
#include "sheet_fixture.h"

#include <commctrl.h>

namespace sheet_test {
namespace {

constexpr int kCheck = 1000, kEdit = 1002, kSpin = 1003;
const char kTitle[] = "Line Test Host";

KEL_MARK_ATTRIBUTES LineRecord(DWORD markType, DWORD lineSize, BOOL highlight) {
    KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 0x40);
    record.nLineSize = lineSize;
    record.bHighlight = highlight;
    return record;
}

// What the user saw after trying to leave the page with a bad size.
struct Refusal {
    std::string text, caption;
    bool focusOnEdit = false;
    std::pair<int, int> selection{-1, -1};
    int tabAfter = -1;
};

void Refuse(ModalDriver& d, Sheet& sheet, HWND& page, HWND& box, Refusal& seen,
            std::function<void()> leave) {
    d.Do("leave the page", leave)
        .Then("message box", WaitForMessageBox(box, sheet.Window()))
        .Do("read and dismiss",
            [&] {
                seen.text = MessageBoxText(box);
                seen.caption = Text(box);
                DismissMessageBox(box);
            })
        .Then("box gone", WaitForGone(box))
        .Do("read focus and tab", [&] {
            seen.focusOnEdit = Focus() == GetDlgItem(page, kEdit);
            seen.selection = EditSelection(GetDlgItem(page, kEdit));
            seen.tabAfter = CurrentTab(sheet.Window());
        });
}

// Zero (as loaded) is refused at OK with the range message, a word when
// changing tabs with the number message; each time the page stays in front
// with the edit focused and all its text selected, until 5 is typed.
TEST(LinePage, BadSizesAreRefusedUntilAValidSizeIsTyped) {
    ASSERT_EQ(1, Gui().message_title_set(kTitle));
    Sheet sheet;
    KEL_MARK_ATTRIBUTES record = LineRecord(3, 0, FALSE);
    ASSERT_EQ(1, sheet.Init(1, &record));
    HWND page = nullptr, box = nullptr;
    std::string shown;
    Refusal atOk, atTab;
    EXPECT_EQ(1, sheet.Run([&](ModalDriver& d) {
        d.Then("line page", WaitForPage(sheet.Window(), 0, page)).Do("read the size", [&] {
            shown = ItemText(page, kEdit);
        });
        Refuse(d, sheet, page, box, atOk, [&] { PressOk(sheet.Window()); });
        Refuse(d, sheet, page, box, atTab, [&] {
            SetText(GetDlgItem(page, kEdit), "abc"); // as pasted: typing takes digits only
            SelectTab(sheet.Window(), 1);
        });
        d.Do("type 5, OK", [&] {
            TypeText(GetDlgItem(page, kEdit), "5");
            PressOk(sheet.Window());
        });
    }));
    Gui().message_title_set(nullptr);
    EXPECT_EQ("0", shown) << "a loaded size is shown unchanged";
    const struct {
        const Refusal* seen;
        const char* text;
        int length;
    } cases[] = {{&atOk, "Please enter an integer between 1 and 100.", 1},
                 {&atTab, "Please enter a positive integer.", 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.text, c.seen->text);
        EXPECT_EQ(kTitle, c.seen->caption);
        EXPECT_TRUE(c.seen->focusOnEdit);
        EXPECT_EQ(std::make_pair(0, c.length), c.seen->selection) << "all its text selected";
        EXPECT_EQ(0, c.seen->tabAfter) << "the line page stays in front";
    }
    KEL_MARK_ATTRIBUTES out = record;
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ(5u, out.nLineSize);
}

// Rulers and protractors hide the check box and give back FALSE; other
// line marks show it checked as loaded. The up-down control spans 1 to 100.
TEST(LinePage, HighlightCheckBoxAndUpDownRange) {
    for (DWORD markType : {501u, 510u, 511u}) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES record = LineRecord(markType, 3, TRUE);
        ASSERT_EQ(1, sheet.Init(1, &record));
        bool visible = false;
        int check = -1, low = 0, high = 0;
        EXPECT_EQ(1, sheet.OnPage(0, [&](HWND page) {
            visible = IsWindowVisible(GetDlgItem(page, kCheck));
            check = CheckState(GetDlgItem(page, kCheck));
            SendMessageA(GetDlgItem(page, kSpin), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                         reinterpret_cast<LPARAM>(&high));
        }));
        const bool ruler = markType != 501;
        EXPECT_EQ(!ruler, visible) << markType;
        EXPECT_EQ(ruler ? BST_UNCHECKED : BST_CHECKED, check) << markType;
        EXPECT_EQ(std::make_pair(1, 100), std::make_pair(low, high));
        KEL_MARK_ATTRIBUTES out = record;
        ASSERT_EQ(1, sheet.Query(1, &out));
        EXPECT_EQ(ruler ? FALSE : TRUE, out.bHighlight) << markType;
    }
}

} // namespace
} // namespace sheet_test
