// Self-test of the modal driver's failure handling: every failing script is reported
// by name and the modal run still ends, so a broken test fails instead of hanging.
#include "harness_sheet.h"

using namespace harness;

TEST_F(HarnessSheet, StepThatNeverCompletesIsReportedAndEndsTheRun) {
    DWORD start = GetTickCount();
    driver.Then("find the sheet", WaitForSheet(sheet))
        .Then(
            "wait for the impossible", [] { return false; }, 300)
        .Do("never reached", [] {});
    driver.Start();
    PageResult result = RunSheet(host);
    EXPECT_LT(GetTickCount() - start, 4000u);
    EXPECT_FALSE(driver.Finished());
    ASSERT_TRUE(driver.Failed());
    EXPECT_NE(driver.Failure().find("'wait for the impossible' timed out"), std::string::npos)
        << driver.Report();
    EXPECT_NE(driver.Report().find("never reached: not run"), std::string::npos) << driver.Report();
    EXPECT_FALSE(result.applied);
    EXPECT_EQ(FindSheet(), nullptr);
}

TEST_F(HarnessSheet, ScriptThatLeavesTheSheetOpenFails) {
    driver.Then("find the sheet", WaitForSheet(sheet)).EndsWithin(300);
    driver.Start();
    RunSheet(host);
    EXPECT_FALSE(driver.Finished());
    EXPECT_NE(driver.Failure().find("still up 300 ms after the last step"), std::string::npos)
        << driver.Report();
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
        .Then(
            "wait for the impossible", [] { return false; }, 200);
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
    driver.Then("find the sheet", WaitForSheet(sheet)).Do("blocking message box", [&] {
        MessageBoxA(sheet, "blocking", "nested", MB_OK);
    });
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

TEST(HarnessDriver, ReportsAScriptThatNeverRan) {
    ModalDriver driver;
    driver.Do("never runs", [] {});
    driver.Start(); // no modal loop follows
    EXPECT_FALSE(driver.Finished());
    EXPECT_NE(driver.Report().find("never started"), std::string::npos) << driver.Report();
}
