// Self-test of the test support on a sheet the program builds itself: finding and
// driving it, message boxes, screenshots, the host loop and the English environment.
#include <cstdio>
#include <cstring>

#include "harness_sheet.h"
#include "support/screenshot.h"

using namespace harness;

TEST_F(HarnessSheet, FindsSheetTypesIntoPageAndPressesOk) {
    std::string caption;
    std::vector<std::string> tabs;
    driver.Then("find the sheet", WaitForSheet(sheet, kCaption))
        .Do("read caption and tabs",
            [&] {
                caption = Text(sheet);
                tabs = TabTexts(sheet);
            })
        .Then("first page in front", WaitForPage(sheet, 0, page))
        .Do("type and check",
            [&] {
                TypeText(GetDlgItem(page, kEditId), "typed");
                Click(GetDlgItem(page, kCheckId));
            })
        .Then("check box checked",
              [&] { return CheckState(GetDlgItem(page, kCheckId)) == BST_CHECKED; })
        .Do("press OK", [&] { PressOk(sheet); });
    driver.Start();
    PageResult result = RunSheet(host);
    EXPECT_TRUE(driver.Finished()) << driver.Report();

    EXPECT_EQ(caption, kCaption);
    EXPECT_EQ(tabs, (std::vector<std::string>{"First", "Second"}));
    EXPECT_TRUE(result.applied);
    EXPECT_EQ(result.text, "typed");
    EXPECT_TRUE(result.checked);
    EXPECT_EQ(FindSheet(), nullptr) << "the sheet must be gone after OK";
}

TEST_F(HarnessSheet, SelectsTabsAndCancels) {
    HWND second = nullptr;
    std::string label;
    driver.Then("find the sheet", WaitForSheet(sheet))
        .Then("first page in front", WaitForPage(sheet, 0, page))
        .Do("select the second tab", [&] { SelectTab(sheet, 1); })
        .Then("second page in front", WaitForPage(sheet, 1, second))
        .Do("read it and press Cancel", [&] {
            label = ItemText(second, kLabelId);
            PressCancel(sheet);
        });
    driver.Start();
    PageResult result = RunSheet(host);
    EXPECT_TRUE(driver.Finished()) << driver.Report();
    EXPECT_NE(second, page);
    EXPECT_EQ(label, "Nothing here");
    EXPECT_FALSE(result.applied);
}

// Escape goes through the sheet's own dialog keyboard handling, like a user's key.
TEST_F(HarnessSheet, EscapeKeyAndCloseBoxCancel) {
    for (bool useCloseBox : {false, true}) {
        ModalDriver run;
        run.Then("find the sheet", WaitForSheet(sheet))
            .Then("first page in front", WaitForPage(sheet, 0, page))
            .Do("change the edit, then leave", [&] {
                SetText(GetDlgItem(page, kEditId), "dropped");
                if (useCloseBox)
                    PressCloseBox(sheet);
                else
                    SendKey(GetDlgItem(page, kEditId), VK_ESCAPE);
            });
        run.Start();
        PageResult result = RunSheet(host);
        EXPECT_TRUE(run.Finished()) << run.Report();
        EXPECT_FALSE(result.applied) << (useCloseBox ? "close box" : "Escape");
        EXPECT_EQ(FindSheet(), nullptr);
    }
}

// A validation message box opened by a posted OK: read it, dismiss it, and find
// the focus moved back to the refused edit with its text selected.
TEST_F(HarnessSheet, ReadsAndDismissesValidationMessageBox) {
    HWND box = nullptr;
    int focusBefore = 0, focusAfter = 0; // control ids
    std::string boxText, boxCaption, focusClass;
    std::pair<int, int> selection;
    driver.Then("find the sheet", WaitForSheet(sheet))
        .Then("first page in front", WaitForPage(sheet, 0, page))
        .Do("type a bad name, focus the check box, press OK",
            [&] {
                TypeText(GetDlgItem(page, kEditId), "bad");
                SetFocus(GetDlgItem(page, kCheckId));
                focusBefore = GetDlgCtrlID(Focus());
                PressOk(sheet);
            })
        .Then("message box owned by the sheet", WaitForMessageBox(box, sheet))
        .Do("read and dismiss it",
            [&] {
                boxText = MessageBoxText(box);
                boxCaption = Text(box);
                DismissMessageBox(box);
            })
        .Then("message box gone", WaitForGone(box))
        .Do("read focus and selection",
            [&] {
                focusAfter = GetDlgCtrlID(Focus());
                focusClass = ClassName(Focus());
                selection = EditSelection(Focus());
            })
        .Do("type a good name and press OK", [&] {
            TypeText(GetDlgItem(page, kEditId), "fixed");
            PressOk(sheet);
        });
    driver.Start();
    PageResult result = RunSheet(host);
    EXPECT_TRUE(driver.Finished()) << driver.Report();

    EXPECT_EQ(boxText, kNeedName);
    EXPECT_EQ(boxCaption, kBoxCaption);
    EXPECT_EQ(focusBefore, kCheckId);
    EXPECT_EQ(focusAfter, kEditId);
    EXPECT_EQ(focusClass, "Edit");
    EXPECT_EQ(selection, std::make_pair(0, 3));
    EXPECT_TRUE(result.applied);
    EXPECT_EQ(result.text, "fixed");
}

TEST_F(HarnessSheet, CapturesTheSheetOnScreen) {
    Image shot;
    RECT rect = {};
    driver.Then("find the sheet", WaitForSheet(sheet))
        .Then("first page in front", WaitForPage(sheet, 0, page))
        .Do("capture",
            [&] {
                shot = CaptureWindow(sheet);
                GetWindowRect(sheet, &rect);
            })
        .Do("press Cancel", [&] { PressCancel(sheet); });
    driver.Start();
    RunSheet(host);
    EXPECT_TRUE(driver.Finished()) << driver.Report();

    ASSERT_EQ(shot.width, rect.right - rect.left);
    ASSERT_EQ(shot.height, rect.bottom - rect.top);
    // Dialog face and window white (page body, edit) fill most of it: a capture that
    // missed the window would be black or one colour.
    int face = 0, white = 0;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) {
            COLORREF c = shot.At(x, y);
            face += c == GetSysColor(COLOR_BTNFACE);
            white += c == GetSysColor(COLOR_WINDOW);
        }
    EXPECT_GT(face, shot.width * shot.height / 20);
    EXPECT_GT(white, shot.width * shot.height / 20);
    EXPECT_GT(face + white, shot.width * shot.height * 3 / 4);

    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "kelgui_harness_shot.png";
    ASSERT_TRUE(WritePng(shot, path));
    FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    char magic[8] = {};
    EXPECT_EQ(std::fread(magic, 1, 8, file), 8u);
    std::fclose(file);
    std::remove(path.c_str());
    EXPECT_EQ(std::memcmp(magic, "\x89PNG\r\n\x1a\n", 8), 0);
}

TEST(HarnessMessageBox, DrivesAPlainMessageBox) {
    ModalDriver driver;
    HWND box = nullptr;
    std::string text;
    driver.Then("find the box", WaitForMessageBox(box)).Do("read and press OK", [&] {
        text = MessageBoxText(box);
        DismissMessageBox(box);
    });
    driver.Start();
    int pressed = MessageBoxA(nullptr, "Plain text", "Plain", MB_OKCANCEL);
    EXPECT_TRUE(driver.Finished()) << driver.Report();
    EXPECT_EQ(pressed, IDOK);
    EXPECT_EQ(text, "Plain text");
}

TEST(HarnessHost, PumpRunsTimersAndStopsAtItsCondition) {
    HostWindow host;
    ASSERT_TRUE(IsWindowVisible(host));
    static bool fired = false;
    fired = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR, DWORD) { fired = true; });
    DWORD start = GetTickCount();
    EXPECT_TRUE(PumpUntil([] { return fired; }, 2000));
    EXPECT_LT(GetTickCount() - start, 1000u);
    KillTimer(nullptr, timer);
    EXPECT_FALSE(PumpUntil([] { return false; }, 50));
}

// Ordinary tests run in the English environment (ctest sets LC_ALL=C.UTF-8).
TEST(HarnessEnvironment, EnglishCodePageAndLanguage) {
    EXPECT_EQ(GetACP(), 1252u);
    EXPECT_EQ(GetUserDefaultUILanguage(), 0x0409);
}
