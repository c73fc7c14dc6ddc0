// The line and general pages in a running sheet: line size validation with
// the standard messages, the up-down range, and the highlight check box.
#include "sheet_fixture.h"

#include <commctrl.h>

namespace sheet_test {
namespace {

constexpr int kHighlightCheck = 1000;
constexpr int kLineSizeLabel = 1001;
constexpr int kLineSizeEdit = 1002;
constexpr int kLineSizeSpin = 1003;
const char kRangeMessage[] = "Please enter an integer between 1 and 100.";
const char kNotANumberMessage[] = "Please enter a positive integer.";
const char kTitle[] = "Line Test Host";

KEL_MARK_ATTRIBUTES LineRecord(DWORD markType, DWORD lineSize, BOOL highlight) {
    KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 0x40);
    record.nLineSize = lineSize;
    record.bHighlight = highlight;
    return record;
}

// What the user saw after pressing OK (or switching tabs) with a bad size.
struct Refusal {
    std::string text;
    std::string caption;
    HWND focus = nullptr;
    HWND edit = nullptr;
    std::pair<int, int> selection{-1, -1};
    int tabAfter = -1;
};

// Adds the steps that make the sheet refuse the line page's entry: leave the
// page by `leave`, read the message box, dismiss it, note focus and tab.
void ExpectRefusal(ModalDriver& driver, const HWND& window, HWND& box, Refusal& seen,
                   std::function<void()> leave) {
    driver.Do("leave the page", leave)
        .Then("message box", WaitForMessageBox(box, window))
        .Do("read the box",
            [&] {
                seen.text = MessageBoxText(box);
                seen.caption = Text(box);
                DismissMessageBox(box);
            })
        .Then("box gone", WaitForGone(box))
        .Do("read focus and tab", [&] {
            HWND page = CurrentPage(window);
            seen.focus = Focus();
            seen.edit = GetDlgItem(page, kLineSizeEdit);
            seen.selection = EditSelection(GetDlgItem(page, kLineSizeEdit));
            seen.tabAfter = CurrentTab(window);
        });
}

class LinePage : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(1, Gui().message_title_set(kTitle)); }
    void TearDown() override { Gui().message_title_set(nullptr); }
};

TEST_F(LinePage, ZeroIsRefusedUntilAValidSizeIsTyped) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES record = LineRecord(3, 0, FALSE);
    ASSERT_EQ(1, sheet.Init(1, &record));

    ModalDriver driver;
    HWND window = nullptr, page = nullptr, box = nullptr;
    std::string shown;
    Refusal atOk, atTab;
    driver.Then("find the sheet", WaitForSheet(window))
        .Then("line page", WaitForPage(window, 0, page))
        .Do("read the size", [&] { shown = ItemText(page, kLineSizeEdit); });
    ExpectRefusal(driver, window, box, atOk, [&] { PressOk(window); });
    ExpectRefusal(driver, window, box, atTab, [&] { SelectTab(window, 1); });
    driver.Do("type 5", [&] { TypeText(GetDlgItem(page, kLineSizeEdit), "5"); }).Do("OK", [&] {
        PressOk(window);
    });
    EXPECT_EQ(1, sheet.Show(driver));
    EXPECT_TRUE(driver.Finished()) << driver.Report();

    EXPECT_EQ("0", shown) << "a loaded size is shown unchanged";
    for (const Refusal* seen : {&atOk, &atTab}) {
        EXPECT_EQ(kRangeMessage, seen->text);
        EXPECT_EQ(kTitle, seen->caption);
        EXPECT_TRUE(seen->edit && seen->edit == seen->focus) << "focus on the line size edit";
        EXPECT_EQ(std::make_pair(0, 1), seen->selection) << "all its text selected";
        EXPECT_EQ(0, seen->tabAfter) << "the line page stays in front";
    }
    KEL_MARK_ATTRIBUTES out = record;
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ(5u, out.nLineSize);
}

TEST_F(LinePage, TextThatIsNoNumberKeepsTheOldSize) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES record = LineRecord(5, 7, FALSE);
    ASSERT_EQ(1, sheet.Init(1, &record));
    ModalDriver driver;
    HWND window = nullptr, page = nullptr, box = nullptr;
    Refusal seen;
    driver.Then("find the sheet", WaitForSheet(window))
        .Then("line page", WaitForPage(window, 0, page))
        .Do("empty the edit", [&] { SetText(GetDlgItem(page, kLineSizeEdit), ""); });
    ExpectRefusal(driver, window, box, seen, [&] { PressOk(window); });
    driver.Do("type 101", [&] { SetText(GetDlgItem(page, kLineSizeEdit), "101"); })
        .Do("cancel", [&] { PressCancel(window); });
    EXPECT_EQ(0, sheet.Show(driver));
    EXPECT_TRUE(driver.Finished()) << driver.Report();
    EXPECT_EQ(kNotANumberMessage, seen.text);
    EXPECT_EQ(kTitle, seen.caption);
    EXPECT_EQ(0, seen.tabAfter);
}

TEST_F(LinePage, ControlsShowTheRecordAndTheUpDownStopsAtItsRange) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES record = LineRecord(501, 100, TRUE);
    ASSERT_EQ(1, sheet.Init(1, &record));
    ModalDriver driver;
    HWND window = nullptr, page = nullptr;
    std::string label, checkText, atTop, atBottom;
    int check = -1, low = 0, high = 0;
    bool checkVisible = false;
    driver.Then("find the sheet", WaitForSheet(window))
        .Then("line page", WaitForPage(window, 0, page))
        .Do("read the controls",
            [&] {
                label = ItemText(page, kLineSizeLabel);
                checkText = ItemText(page, kHighlightCheck);
                check = CheckState(GetDlgItem(page, kHighlightCheck));
                checkVisible = IsWindowVisible(GetDlgItem(page, kHighlightCheck)) != FALSE;
                SendMessageA(GetDlgItem(page, kLineSizeSpin), UDM_GETRANGE32,
                             reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
                SetFocus(GetDlgItem(page, kLineSizeEdit));
            })
        .Do("arrow up at 100", [&] { SendKey(GetDlgItem(page, kLineSizeEdit), VK_UP); })
        .Do("read", [&] { atTop = ItemText(page, kLineSizeEdit); })
        .Do("set 1", [&] { SetText(GetDlgItem(page, kLineSizeEdit), "1"); })
        .Do("arrow down at 1", [&] { SendKey(GetDlgItem(page, kLineSizeEdit), VK_DOWN); })
        .Do("read", [&] { atBottom = ItemText(page, kLineSizeEdit); })
        .Do("untick, OK", [&] {
            SendMessageA(GetDlgItem(page, kHighlightCheck), BM_SETCHECK, BST_UNCHECKED, 0);
            PressOk(window);
        });
    EXPECT_EQ(1, sheet.Show(driver));
    EXPECT_TRUE(driver.Finished()) << driver.Report();
    EXPECT_EQ("&Line Size", label) << "the string table's label replaces the template's";
    EXPECT_EQ("&Highlight", checkText);
    EXPECT_EQ(BST_CHECKED, check);
    EXPECT_TRUE(checkVisible);
    EXPECT_EQ(1, low);
    EXPECT_EQ(100, high);
    EXPECT_EQ("100", atTop);
    EXPECT_EQ("1", atBottom);
    KEL_MARK_ATTRIBUTES out = record;
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ(1u, out.nLineSize);
    EXPECT_EQ(FALSE, out.bHighlight);
}

TEST_F(LinePage, RulersAndProtractorsHideTheHighlight) {
    for (DWORD markType : {510u, 511u}) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES record = LineRecord(markType, 3, TRUE);
        ASSERT_EQ(1, sheet.Init(1, &record));
        ModalDriver driver;
        HWND window = nullptr, page = nullptr;
        bool visible = true;
        driver.Then("find the sheet", WaitForSheet(window))
            .Then("line page", WaitForPage(window, 0, page))
            .Do("look", [&] { visible = IsWindowVisible(GetDlgItem(page, kHighlightCheck)); })
            .Do("OK", [&] { PressOk(window); });
        EXPECT_EQ(1, sheet.Show(driver));
        EXPECT_TRUE(driver.Finished()) << driver.Report();
        EXPECT_FALSE(visible) << markType;
        KEL_MARK_ATTRIBUTES out = record;
        ASSERT_EQ(1, sheet.Query(1, &out));
        EXPECT_EQ(FALSE, out.bHighlight) << markType;
    }
}

TEST_F(LinePage, GeneralPageEditsOnlyTheHighlight) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES record = LineRecord(504, 0, FALSE);
    ASSERT_EQ(1, sheet.Init(1, &record));
    ModalDriver driver;
    HWND window = nullptr, page = nullptr;
    std::string text;
    driver.Then("find the sheet", WaitForSheet(window))
        .Then("general page", WaitForPage(window, 0, page))
        .Do("click the check box",
            [&] {
                text = ItemText(page, kHighlightCheck);
                Click(GetDlgItem(page, kHighlightCheck));
            })
        .Then("ticked",
              [&] { return CheckState(GetDlgItem(page, kHighlightCheck)) == BST_CHECKED; })
        .Do("OK", [&] { PressOk(window); });
    EXPECT_EQ(1, sheet.Show(driver)) << "a line size of 0 is no business of this page";
    EXPECT_TRUE(driver.Finished()) << driver.Report();
    EXPECT_EQ("&Highlight", text);
    KEL_MARK_ATTRIBUTES out = record;
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ(TRUE, out.bHighlight);
    EXPECT_EQ(0u, out.nLineSize);
}

} // namespace
} // namespace sheet_test
