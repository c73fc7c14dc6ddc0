// The sheet's life through the exports, with a small page class of the tests on
// the password page's template: OK against Cancel and the close box, the
// message hook around the modal run, page deletion order and resource leaks.
#include "framework/data_exchange.h"
#include "framework/message_map.h"
#include "framework/property_page.h"
#include "kelgui.h"
#include "module/gui_app.h"
#include "sheet/kel_property_sheet.h"
#include "support/dialog_helpers.h"
#include "support/host_window.h"
#include "support/modal_driver.h"
#include "support/resource_counts.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kelgui_test;

namespace {
std::vector<int> g_deletedPages;

class CTestPage : public CMessageMap<CTestPage, CPropertyPage> {
public:
    explicit CTestPage(int tag) : CMessageMap(IDD_PASSWORD), m_tag(tag) {}
    ~CTestPage() override { g_deletedPages.push_back(m_tag); }

    BOOL OnInitDialog() override {
        ++m_inits;
        return CPropertyPage::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_PASSWORD, m_number); }
    static MessageTable<CTestPage> Messages() {
        static const Entry table[] = {
            ForCommand<&CTestPage::OnNumberChanged>(EN_CHANGE, IDC_PASSWORD),
        };
        return table;
    }
    void OnNumberChanged() { ++m_changes; }

    int m_tag;
    DWORD m_number = 5;
    int m_inits = 0;
    int m_changes = 0;
};

// The test program plays the library's module: its own resources hold the
// string tables and the test page.
class ModuleEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(AfxWinInit(&KelGuiApp(), GetModuleHandleA(nullptr))); }
    void TearDown() override { AfxWinTerm(&KelGuiApp()); }
};
::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new ModuleEnvironment);

} // namespace

// Each cycle makes a sheet of three pages and shows it three times: the
// retitled caption, the owner disabled and the message hook out while modal,
// both back after; OK gives 1, Cancel and the close box 0. Destroying deletes
// the pages in the order added; after the first cycle nothing is left behind.
TEST(SheetLifecycle, ShowingsAndCyclesLeaveNothingBehind) {
    HostWindow host;
    const struct {
        void (*press)(HWND);
        BOOL expected;
    } cases[] = {{PressOk, TRUE}, {PressCancel, FALSE}, {PressCloseBox, FALSE}};
    DWORD gdi = 0, user = 0;
    for (int cycle = 0; cycle < 6; ++cycle) {
        g_deletedPages.clear();
        HKELSHEET sheet = nullptr;
        KEL_IMAGE_INFO info = {};
        ASSERT_TRUE(KEL_GUI_property_sheet_create(host, &info, &sheet));
        auto* page = new CTestPage(1);
        for (CTestPage* added : {page, new CTestPage(2), new CTestPage(3)})
            LookupSheet(sheet)->AddPage(added);
        ASSERT_TRUE(KEL_GUI_property_sheet_title_set(sheet, "Mark 7 (Straight Line)"));
        for (const auto& c : cases) {
            ASSERT_NE(nullptr, KelGuiApp().m_hMsgHook);
            HWND window = nullptr, owner = nullptr;
            HHOOK duringRun = reinterpret_cast<HHOOK>(1);
            bool ownerEnabled = true;
            ModalDriver driver;
            driver.Then("find the retitled sheet", WaitForSheet(window, "Mark 7 (Straight Line)"))
                .Do("look at hook and owner, press", [&] {
                    duringRun = KelGuiApp().m_hMsgHook;
                    owner = GetWindow(window, GW_OWNER);
                    ownerEnabled = IsWindowEnabled(host);
                    c.press(window);
                });
            driver.Start();
            EXPECT_EQ(c.expected, KEL_GUI_property_sheet_show(sheet));
            ASSERT_TRUE(driver.Finished()) << driver.Report();
            EXPECT_EQ(nullptr, duringRun);
            EXPECT_EQ(host.Handle(), owner);
            EXPECT_FALSE(ownerEnabled);
            EXPECT_TRUE(IsWindowEnabled(host));
        }
        EXPECT_NE(nullptr, KelGuiApp().m_hMsgHook);
        EXPECT_EQ(3, page->m_inits); // page windows are made anew for every showing
        EXPECT_EQ(0, page->m_changes) << "loading the edit sends no change notification";
        EXPECT_TRUE(KEL_GUI_property_sheet_destroy(sheet));
        EXPECT_EQ((std::vector<int>{1, 2, 3}), g_deletedPages);
        if (cycle == 0) { // the first showing warms up caches
            gdi = GdiObjects();
            user = UserObjects();
        }
    }
    EXPECT_EQ(gdi, GdiObjects());
    EXPECT_EQ(user, UserObjects());
}
