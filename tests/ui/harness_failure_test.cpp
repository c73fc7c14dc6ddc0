// Self-test of the modal driver's failure handling on a real sheet of the
// library: every failing script is reported by name and the modal run still
// ends, so a broken test fails instead of hanging.
#include "sheet_fixture.h"

using namespace sheet_test;

namespace {
// A straight-line sheet whose line size 0 brings a message box on OK.
class FailingScript : public ::testing::Test {
protected:
    void SetUp() override {
        KEL_MARK_ATTRIBUTES record = PatternRecord(KEL_MARK_STRAIGHT_LINE, 1);
        record.nLineSize = 0;
        ASSERT_TRUE(m_sheet.Init(KEL_SHEET_ATTRIBUTES, &record));
        m_driver.Then("find the sheet", WaitForSheet(m_window));
    }
    // Runs the script; expects a failure naming what and no dialog left.
    void ExpectFailure(const std::string& what) {
        m_driver.Start();
        EXPECT_FALSE(Gui().property_sheet_show(m_sheet.Handle()));
        ASSERT_TRUE(m_driver.Failed()) << m_driver.Report();
        EXPECT_NE(m_driver.Failure().find(what), std::string::npos) << m_driver.Report();
        EXPECT_EQ(nullptr, FindSheet());
        EXPECT_EQ(nullptr, FindMessageBox());
    }

    Sheet m_sheet;
    ModalDriver m_driver;
    HWND m_window = nullptr;
};
} // namespace

TEST_F(FailingScript, StepThatNeverCompletes) {
    m_driver
        .Then(
            "wait for the impossible", [] { return false; }, 300)
        .Do("never reached", [] {});
    ExpectFailure("'wait for the impossible' timed out");
    EXPECT_NE(m_driver.Report().find("never reached: not run"), std::string::npos);
}

TEST_F(FailingScript, SheetLeftOpenAfterTheLastStep) {
    m_driver.EndsWithin(300);
    ExpectFailure("still up 300 ms after the last step");
}

TEST_F(FailingScript, FailureWhileAMessageBoxIsOpenClosesBoth) {
    HWND box = nullptr;
    m_driver.Do("OK with size 0", [&] { PressOk(m_window); })
        .Then("message box", WaitForMessageBox(box, m_window))
        .Then(
            "wait for the impossible", [] { return false; }, 200);
    ExpectFailure("'wait for the impossible' timed out");
}

TEST_F(FailingScript, StepBlockedInANestedLoop) {
    m_driver.Do("blocking message box",
                [&] { MessageBoxA(m_window, "blocking", "nested", MB_OK); });
    ExpectFailure("'blocking message box' started but did not return");
}

// Wine swallows a crash inside a timer callback; the driver still reports it.
TEST_F(FailingScript, CrashingStep) {
    m_driver.Do("crash", [] { *static_cast<volatile int*>(nullptr) = 1; });
    ExpectFailure("'crash' started but did not return");
}
