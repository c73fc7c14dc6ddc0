// The modal driver's self-test on a real sheet: a failing script is reported by name
// and the modal run still ends, so a broken test fails instead of hanging.
#include "sheet_fixture.h"

using namespace sheet_test;

TEST(FailingScript, IsReportedByNameAndTheModalRunEnds) {
    HWND window = nullptr, box = nullptr;
    const std::pair<std::function<void(ModalDriver&)>, std::string> cases[] = {
        {[](ModalDriver& d) { d.EndsWithin(300); }, "still up 300 ms after the last step"},
        {[&](ModalDriver& d) { // fails while a message box is open: both close
             d.Do("OK with size 0", [&] { PressOk(window); })
                 .Then("message box", WaitForMessageBox(box, window))
                 .Then(
                     "wait for the impossible", [] { return false; }, 200)
                 .Do("never run", [] {});
         },
         "'wait for the impossible' timed out"},
        {[&](ModalDriver& d) {
             d.Do("blocking message box",
                  [&] { MessageBoxA(window, "blocking", "nested", MB_OK); });
         },
         "'blocking message box' started but did not return"},
        // Wine swallows a crash inside a timer callback; the driver still reports it.
        {[](ModalDriver& d) { d.Do("crash", [] { *static_cast<volatile int*>(nullptr) = 1; }); },
         "'crash' started but did not return"},
    };
    for (const auto& [script, failure] : cases) {
        Sheet sheet; // a straight line of size 0: OK brings a message box
        KEL_MARK_ATTRIBUTES record = PatternRecord(KEL_MARK_STRAIGHT_LINE, 1);
        record.nLineSize = 0;
        ASSERT_TRUE(sheet.Init(KEL_SHEET_ATTRIBUTES, &record));
        ModalDriver driver;
        driver.Then("find the sheet", WaitForSheet(window));
        script(driver);
        driver.Start();
        EXPECT_FALSE(KEL_GUI_property_sheet_show(sheet.Handle()));
        ASSERT_TRUE(driver.Failed()) << driver.Report();
        EXPECT_NE(driver.Failure().find(failure), std::string::npos) << driver.Report();
        EXPECT_EQ(nullptr, FindSheet());
        EXPECT_EQ(nullptr, FindMessageBox());
    }
}
