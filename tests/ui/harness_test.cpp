// Self-test of the test support: a property sheet built here, in the program itself,
// driven through the modal driver; message boxes, failures, screenshots, host loop.
#include <cstdio>
#include <cstring>

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "support/host_window.h"
#include "support/modal_driver.h"
#include "support/screenshot.h"

using namespace kelgui_test;

namespace {

constexpr int kEditId = 101;
constexpr int kCheckId = 102;
constexpr int kLabelId = 201;
constexpr char kCaption[] = "Harness Sheet";
constexpr char kNeedName[] = "Please enter a good name.";
constexpr char kBoxCaption[] = "Harness";

// A dialog template in memory (DLGTEMPLATE, DS_SETFONT), WORD by WORD.
class DialogTemplate {
public:
    DialogTemplate(short cx, short cy) {
        Dword(DS_SETFONT | WS_CHILD | WS_CAPTION | DS_CONTROL);
        Dword(0);
        m_countAt = m_words.size();
        Push({0, 0, 0, static_cast<WORD>(cx), static_cast<WORD>(cy)});
        Push({0, 0}); // no menu, default class
        String(L"");
        m_words.push_back(8);
        String(L"MS Shell Dlg");
    }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom,
              const wchar_t* text) {
        if (m_words.size() % 2)
            m_words.push_back(0); // items start on a DWORD boundary
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        for (short v : {x, y, cx, cy})
            m_words.push_back(static_cast<WORD>(v));
        Push({id, 0xFFFF, atom});
        String(text);
        m_words.push_back(0); // no creation data
        ++m_words[m_countAt];
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void Push(std::initializer_list<WORD> words) {
        for (WORD w : words)
            m_words.push_back(w);
    }
    void Dword(DWORD v) { Push({LOWORD(v), HIWORD(v)}); }
    void String(const wchar_t* s) {
        do
            m_words.push_back(static_cast<WORD>(*s));
        while (*s++);
    }
    std::vector<WORD> m_words;
    size_t m_countAt = 0;
};

// What the first page hands back at OK.
struct PageResult {
    bool applied = false;
    std::string text;
    bool checked = false;
};

// First page: refuses to be left while its edit says "bad", like a validating page.
INT_PTR CALLBACK FirstPageProc(HWND page, UINT msg, WPARAM, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* psp = reinterpret_cast<PROPSHEETPAGEA*>(lParam);
        SetWindowLongPtrA(page, DWLP_USER, psp->lParam);
        SetDlgItemTextA(page, kEditId, "initial");
        return TRUE;
    }
    if (msg != WM_NOTIFY)
        return FALSE;
    auto* result = reinterpret_cast<PageResult*>(GetWindowLongPtrA(page, DWLP_USER));
    HWND edit = GetDlgItem(page, kEditId);
    switch (reinterpret_cast<NMHDR*>(lParam)->code) {
    case PSN_KILLACTIVE: {
        bool refuse = Text(edit) == "bad";
        if (refuse) {
            MessageBoxA(GetParent(page), kNeedName, kBoxCaption, MB_OK | MB_ICONEXCLAMATION);
            SetFocus(edit);
            SendMessageA(edit, EM_SETSEL, 0, -1);
        }
        SetWindowLongPtrA(page, DWLP_MSGRESULT, refuse);
        return TRUE;
    }
    case PSN_APPLY:
        result->applied = true;
        result->text = Text(edit);
        result->checked = IsDlgButtonChecked(page, kCheckId) == BST_CHECKED;
        SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK SecondPageProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

// Runs a two-page sheet ("First", "Second") modally; returns what the first page kept.
PageResult RunSheet(HWND owner) {
    DialogTemplate first(200, 100);
    first.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 10, 120, 14, kEditId, 0x0081, L"");
    first.Item(BS_AUTOCHECKBOX | WS_TABSTOP, 10, 30, 120, 12, kCheckId, 0x0080, L"Check me");
    DialogTemplate second(200, 100);
    second.Item(SS_LEFT, 10, 10, 120, 12, kLabelId, 0x0082, L"Nothing here");

    PageResult result;
    PROPSHEETPAGEA pages[2] = {};
    const char* titles[2] = {"First", "Second"};
    DLGPROC procs[2] = {FirstPageProc, SecondPageProc};
    const DialogTemplate* templates[2] = {&first, &second};
    for (int i = 0; i < 2; ++i) {
        pages[i].dwSize = sizeof pages[i];
        pages[i].dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
        pages[i].pResource = templates[i]->Get();
        pages[i].pszTitle = titles[i];
        pages[i].pfnDlgProc = procs[i];
        pages[i].lParam = reinterpret_cast<LPARAM>(&result);
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    header.hwndParent = owner;
    header.pszCaption = kCaption;
    header.nPages = 2;
    header.ppsp = pages;
    PropertySheetA(&header);
    return result;
}

class HarnessSheet : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
    }
    HostWindow host{"harness host"};
    ModalDriver driver;
    HWND sheet = nullptr;
    HWND page = nullptr;
};

} // namespace

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
        .Do("read it and press Cancel",
            [&] {
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
        .Do("type a good name and press OK",
            [&] {
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

TEST_F(HarnessSheet, StepThatNeverCompletesIsReportedAndEndsTheRun) {
    DWORD start = GetTickCount();
    driver.Then("find the sheet", WaitForSheet(sheet))
        .Then("wait for the impossible", [] { return false; }, 300)
        .Do("never reached", [] {});
    driver.Start();
    PageResult result = RunSheet(host);
    EXPECT_LT(GetTickCount() - start, 4000u);
    EXPECT_FALSE(driver.Finished());
    ASSERT_TRUE(driver.Failed());
    EXPECT_NE(driver.Failure().find("'wait for the impossible' timed out"), std::string::npos)
        << driver.Report();
    EXPECT_NE(driver.Report().find("never reached: not run"), std::string::npos)
        << driver.Report();
    EXPECT_FALSE(result.applied);
    EXPECT_EQ(FindSheet(), nullptr);
}

// The run must also end when the failure happens with a message box over the sheet.
TEST_F(HarnessSheet, FailureWithMessageBoxOpenClosesBoth) {
    HWND box = nullptr;
    driver.Then("find the sheet", WaitForSheet(sheet))
        .Then("first page in front", WaitForPage(sheet, 0, page))
        .Do("enter a bad name and press OK",
            [&] {
                SetText(GetDlgItem(page, kEditId), "bad");
                PressOk(sheet);
            })
        .Then("message box", WaitForMessageBox(box, sheet))
        .Then("wait for the impossible", [] { return false; }, 200);
    driver.Start();
    PageResult result = RunSheet(host);
    EXPECT_TRUE(driver.Failed()) << driver.Report();
    EXPECT_FALSE(result.applied);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(FindSheet(), nullptr);
}

// A step that blocks in a nested modal loop never returns to the driver in time; the
// driver notices at the next tick, fails, and ends both loops.
TEST_F(HarnessSheet, StepBlockedInNestedLoopIsReported) {
    driver.Then("find the sheet", WaitForSheet(sheet))
        .Do("blocking message box",
            [&] { MessageBoxA(sheet, "blocking", "nested", MB_OK); });
    driver.Start();
    RunSheet(host);
    ASSERT_TRUE(driver.Failed());
    EXPECT_NE(driver.Failure().find("'blocking message box' started but did not return"),
              std::string::npos)
        << driver.Report();
    EXPECT_EQ(FindSheet(), nullptr);
}

// Wine swallows a crash inside a timer callback; the driver still reports the step.
TEST_F(HarnessSheet, CrashingStepIsReported) {
    driver.Then("find the sheet", WaitForSheet(sheet)).Do("crash", [] {
        *static_cast<volatile int*>(nullptr) = 1;
    });
    driver.Start();
    RunSheet(host);
    ASSERT_TRUE(driver.Failed());
    EXPECT_NE(driver.Failure().find("'crash' started but did not return"), std::string::npos)
        << driver.Report();
    EXPECT_EQ(FindSheet(), nullptr);
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

TEST(HarnessMessageBox, ReportsAScriptThatNeverRan) {
    ModalDriver driver;
    driver.Do("never runs", [] {});
    driver.Start(); // no modal loop follows
    EXPECT_FALSE(driver.Finished());
    EXPECT_NE(driver.Report().find("never started"), std::string::npos) << driver.Report();
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
