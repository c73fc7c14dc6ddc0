// What the floating toolbar shows on the screen: its images in their places,
// with the bitmap's greys turned into the system's button colours.
#include <gtest/gtest.h>

#include "support/screenshot.h"
#include "toolbar_test_host.h"

using namespace toolbar_test;

namespace {

// The image of a button starts this far into the button (its padding / 2).
constexpr int kImageLeft = 3;
constexpr int kImageTop = 3;

// A pixel of the tool's 16 x 15 image, as drawn on the screen.
COLORREF ImagePixel(const kelgui_test::Image& shot, HWND frame, UINT commandId, int x, int y) {
    HWND bar = BarOf(frame);
    const RECT button = ButtonRect(bar, commandId);
    POINT p = {button.left + kImageLeft + x, button.top + kImageTop + y};
    ClientToScreen(bar, &p);
    RECT window = {};
    GetWindowRect(frame, &window);
    return shot.At(p.x - window.left, p.y - window.top);
}

kelgui_test::Image SettledCapture(HWND window) {
    RECT area = {};
    GetWindowRect(window, &area);
    return kelgui_test::CaptureSettled(area);
}

class ToolbarLookTest : public ToolbarOnHost {
protected:
    ToolbarLookTest() : ToolbarOnHost({420, 60}) {}
};

TEST_F(ToolbarLookTest, ImagesSitOnTheirButtonsInTheSystemButtonColours) {
    const kelgui_test::Image shot = SettledCapture(m_frame);
    ASSERT_FALSE(shot.Empty());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    // Filled rectangle: a black edge round a blue fill, on the button face.
    EXPECT_EQ(ImagePixel(shot, m_frame, 2776, 7, 7), RGB(0, 0, 255));
    EXPECT_EQ(ImagePixel(shot, m_frame, 2776, 1, 2), text);
    EXPECT_EQ(ImagePixel(shot, m_frame, 2776, 7, 0), face);
    // Redaction: the black bar across the middle; filled ellipse: blue.
    EXPECT_EQ(ImagePixel(shot, m_frame, 2791, 7, 6), text);
    EXPECT_EQ(ImagePixel(shot, m_frame, 2786, 7, 7), RGB(0, 0, 255));
    // Highlighter: the yellow stroke along the bottom.
    EXPECT_EQ(ImagePixel(shot, m_frame, 2777, 4, 12), RGB(255, 255, 0));
}

} // namespace
