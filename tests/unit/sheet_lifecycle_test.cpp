// The sheet's life through the exports, with a small page class of the tests:
// OK against Cancel and the close box, the message hook around the modal run,
// page deletion order, validation, handle checks and resource leaks.
#include "framework/data_exchange.h"
#include "framework/property_page.h"
#include "kelgui.h"
#include "module/gui_app.h"
#include "sheet/kel_property_sheet.h"
#include "support/dialog_helpers.h"
#include "support/host_window.h"
#include "support/modal_driver.h"
#include "test_page_ids.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kelgui_test;

namespace {
std::vector<int> g_deletedPages;

class CTestPage : public CPropertyPage {
public:
    explicit CTestPage(int tag, DWORD number = 5)
        : CPropertyPage(IDD_TEST_PAGE), m_tag(tag), m_number(number) {}
    ~CTestPage() override { g_deletedPages.push_back(m_tag); }

    BOOL OnInitDialog() override {
        ++m_inits;
        return CPropertyPage::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Check(dx, IDC_TEST_CHECK, m_check);
        DDX_Text(dx, IDC_TEST_NUMBER, m_number);
        DDV_MinMaxDWord(dx, m_number, 1, 100);
    }
    bool OnWndMsg(const MessageArgs& m, LRESULT* result) override;
    LRESULT OnNumberChanged(const MessageArgs&) {
        ++m_changes;
        return 0;
    }

    static const MessageEntry<CTestPage> kMessageMap[];
    int m_tag;
    int m_check = 0;
    DWORD m_number;
    int m_inits = 0;
    int m_changes = 0;
};

const MessageEntry<CTestPage> CTestPage::kMessageMap[] = {
    {WM_COMMAND, EN_CHANGE, IDC_TEST_NUMBER, IDC_TEST_NUMBER, &CTestPage::OnNumberChanged},
};

bool CTestPage::OnWndMsg(const MessageArgs& m, LRESULT* result) {
    return RouteMessage(this, kMessageMap, m, result) || CPropertyPage::OnWndMsg(m, result);
}

// The test program plays the library's module: its own resources hold the
// string tables and the test page.
class ModuleEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(AfxWinInit(&KelGuiApp(), GetModuleHandleA(nullptr))); }
    void TearDown() override { AfxWinTerm(&KelGuiApp()); }
};
::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new ModuleEnvironment);

HKELSHEET MakeSheet(HWND parent, const std::vector<CTestPage*>& pages) {
    KEL_IMAGE_INFO info = {};
    HKELSHEET handle = nullptr;
    EXPECT_TRUE(KEL_GUI_property_sheet_create(parent, &info, &handle));
    for (CTestPage* page : pages)
        LookupSheet(handle)->AddPage(page);
    return handle;
}
} // namespace

TEST(SheetLifecycle, EmptySheetNeitherShowsNorTakesATitle) {
    HKELSHEET sheet = MakeSheet(nullptr, {});
    ModalDriver driver; // not started: nothing may appear
    EXPECT_FALSE(KEL_GUI_property_sheet_show(sheet));
    EXPECT_EQ(nullptr, FindSheet());
    EXPECT_FALSE(KEL_GUI_property_sheet_title_set(sheet, "Ignored"));
    EXPECT_EQ("Attributes", LookupSheet(sheet)->m_strCaption);
    EXPECT_TRUE(KEL_GUI_property_sheet_destroy(sheet));
}

TEST(SheetLifecycle, OkGivesOneCancelAndCloseBoxGiveZero) {
    HostWindow host;
    auto* page = new CTestPage(1);
    HKELSHEET sheet = MakeSheet(host, {page});
    struct Case {
        const char* name;
        void (*press)(HWND);
        BOOL expected;
    } cases[] = {
        {"OK", PressOk, TRUE}, {"Cancel", PressCancel, FALSE}, {"close box", PressCloseBox, FALSE}};
    for (const Case& c : cases) {
        HWND window = nullptr;
        ModalDriver driver;
        driver.Then("find the sheet", WaitForSheet(window, "Attributes"))
            .Do(std::string("press ") + c.name, [&] { c.press(window); });
        driver.Start();
        EXPECT_EQ(c.expected, KEL_GUI_property_sheet_show(sheet)) << c.name;
        EXPECT_TRUE(driver.Finished()) << driver.Report();
    }
    EXPECT_EQ(3, page->m_inits); // page windows are made anew for every showing
    EXPECT_TRUE(KEL_GUI_property_sheet_destroy(sheet));
}

TEST(SheetLifecycle, HookIsOutWhileModalAndBackAfter) {
    HostWindow host;
    HKELSHEET sheet = MakeSheet(host, {new CTestPage(1)});
    ASSERT_NE(nullptr, KelGuiApp().m_hMsgHook);
    HWND window = nullptr;
    HHOOK duringRun = reinterpret_cast<HHOOK>(1);
    bool ownerDisabled = false;
    ModalDriver driver;
    driver.Then("find the sheet", WaitForSheet(window))
        .Do("look at hook and owner",
            [&] {
                duringRun = KelGuiApp().m_hMsgHook;
                ownerDisabled = !IsWindowEnabled(host);
            })
        .Do("cancel", [&] { PressCancel(window); });
    driver.Start();
    KEL_GUI_property_sheet_show(sheet);
    EXPECT_TRUE(driver.Finished()) << driver.Report();
    EXPECT_EQ(nullptr, duringRun);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_NE(nullptr, KelGuiApp().m_hMsgHook);
    EXPECT_TRUE(IsWindowEnabled(host));
    KEL_GUI_property_sheet_destroy(sheet);
}

TEST(SheetLifecycle, PagesAreDeletedInTheOrderAdded) {
    g_deletedPages.clear();
    HKELSHEET sheet = MakeSheet(nullptr, {new CTestPage(1), new CTestPage(2), new CTestPage(3),
                                          new CTestPage(4), new CTestPage(5)});
    ASSERT_TRUE(KEL_GUI_property_sheet_destroy(sheet));
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), g_deletedPages);
    EXPECT_FALSE(KEL_GUI_property_sheet_destroy(sheet)); // gone: a second destroy is refused
}

TEST(SheetLifecycle, CaptionAndTitleAndOwner) {
    HKELSHEET sheet = MakeSheet(nullptr, {new CTestPage(1)});
    ASSERT_TRUE(KEL_GUI_property_sheet_title_set(sheet, "Mark 7 (Straight Line)"));
    HWND window = nullptr;
    HWND owner = reinterpret_cast<HWND>(1);
    ModalDriver driver;
    driver.Then("find the retitled sheet", WaitForSheet(window, "Mark 7 (Straight Line)"))
        .Do("read the owner", [&] { owner = GetWindow(window, GW_OWNER); })
        .Do("OK", [&] { PressOk(window); });
    driver.Start();
    EXPECT_TRUE(KEL_GUI_property_sheet_show(sheet));
    EXPECT_TRUE(driver.Finished()) << driver.Report();
    EXPECT_EQ(nullptr, owner); // a null parent gives a sheet without owner
    KEL_GUI_property_sheet_destroy(sheet);
}

TEST(SheetLifecycle, ValidationKeepsThePageFocusesAndSelects) {
    KEL_GUI_message_title_set("Checker");
    auto* first = new CTestPage(1);
    auto* second = new CTestPage(2, 0); // loaded out of range: refused only when left
    HKELSHEET sheet = MakeSheet(nullptr, {first, second});
    HWND window = nullptr, page = nullptr, box = nullptr;
    std::string boxText, boxCaption;
    HWND focusAfter = nullptr;
    std::pair<int, int> selection;
    bool stillInFront = false;
    int changesBeforeTyping = -1;
    ModalDriver driver;
    driver.Then("find the sheet", WaitForSheet(window))
        .Do("to the second page", [&] { SelectTab(window, 1); })
        .Then("second page in front", WaitForPage(window, 1, page))
        .Do("press OK with 0 in the edit",
            [&] {
                changesBeforeTyping = second->m_changes;
                PressOk(window);
            })
        .Then("range message", WaitForMessageBox(box, window))
        .Do("read and dismiss it",
            [&] {
                boxText = MessageBoxText(box);
                boxCaption = Text(box);
                DismissMessageBox(box);
            })
        .Then("box gone", WaitForGone(box))
        .Do("look at focus and page",
            [&] {
                HWND edit = GetDlgItem(page, IDC_TEST_NUMBER);
                focusAfter = Focus() == edit ? edit : nullptr;
                selection = EditSelection(edit);
                stillInFront = CurrentPage(window) == page && IsWindow(window);
            })
        .Do("type a word", [&] { TypeText(GetDlgItem(page, IDC_TEST_NUMBER), "abc"); })
        .Do("leave for the first page", [&] { SelectTab(window, 0); })
        .Then("number message", WaitForMessageBox(box, window))
        .Do("check and dismiss it",
            [&] {
                if (MessageBoxText(box) != "Please enter a positive integer.")
                    driver.Fail("wrong message: " + MessageBoxText(box));
                DismissMessageBox(box);
            })
        .Then("box gone again", WaitForGone(box))
        .Do("type a good size", [&] { TypeText(GetDlgItem(page, IDC_TEST_NUMBER), "42"); })
        .Do("OK", [&] { PressOk(window); });
    driver.Start();
    EXPECT_TRUE(KEL_GUI_property_sheet_show(sheet));
    EXPECT_TRUE(driver.Finished()) << driver.Report();
    EXPECT_EQ("Please enter an integer between 1 and 100.", boxText);
    EXPECT_EQ("Checker", boxCaption);
    EXPECT_NE(nullptr, focusAfter);
    EXPECT_EQ(std::make_pair(0, 1), selection);
    EXPECT_TRUE(stillInFront);
    EXPECT_EQ(42u, second->m_number);
    EXPECT_EQ(5u, first->m_number);
    // Setting the edit's text from the member sent no change notification;
    // typing did.
    EXPECT_EQ(0, changesBeforeTyping);
    EXPECT_GT(second->m_changes, 0);
    KEL_GUI_property_sheet_destroy(sheet);
    KEL_GUI_message_title_set(nullptr);
}

TEST(SheetLifecycle, HandlesThatAreNotLiveSheetsGiveZero) {
    HKELSHEET stale = MakeSheet(nullptr, {new CTestPage(1)});
    KEL_GUI_property_sheet_destroy(stale);
    int notASheet = 0;
    const HKELSHEET bad[] = {nullptr, stale, reinterpret_cast<HKELSHEET>(0x12345678),
                             reinterpret_cast<HKELSHEET>(&notASheet),
                             reinterpret_cast<HKELSHEET>(GetDesktopWindow())};
    for (HKELSHEET handle : bad) {
        EXPECT_FALSE(KEL_GUI_property_sheet_show(handle));
        EXPECT_FALSE(KEL_GUI_property_sheet_title_set(handle, "x"));
        EXPECT_FALSE(KEL_GUI_property_sheet_destroy(handle));
    }
    EXPECT_EQ(0, notASheet);
    KEL_IMAGE_INFO info = {};
    EXPECT_FALSE(KEL_GUI_property_sheet_create(nullptr, &info, nullptr)); // nowhere to put it
}

TEST(SheetLifecycle, CyclesLeakNoWindowsOrGdiObjects) {
    HostWindow host;
    auto cycle = [&] {
        HKELSHEET sheet = MakeSheet(host, {new CTestPage(1), new CTestPage(2)});
        HWND window = nullptr;
        ModalDriver driver;
        driver.Then("find the sheet", WaitForSheet(window)).Do("cancel", [&] {
            PressCancel(window);
        });
        driver.Start();
        KEL_GUI_property_sheet_show(sheet);
        KEL_GUI_property_sheet_destroy(sheet);
        return driver.Finished();
    };
    ASSERT_TRUE(cycle()); // warm up caches of the first showing
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    const size_t windows = ThreadWindows().size();
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(cycle());
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
    EXPECT_EQ(windows, ThreadWindows().size());
}
