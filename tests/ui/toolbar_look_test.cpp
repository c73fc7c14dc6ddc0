// What the floating toolbar shows on the screen: its images in their places,
// with the bitmap's greys turned into the system's button colours. With
// KELGUI_TOOLBAR_PNG set (a Windows path), also writes a picture of the
// toolbar with a pressed tool and a tooltip, at twice its size, for the docs.
#include <gtest/gtest.h>

#include <cstdlib>

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

// The screen once it has settled: Wine copies what windows paint to the X
// screen a little later, so a capture counts once two in a row agree.
kelgui_test::Image SettledCapture(const RECT& area) {
    kelgui_test::Image previous;
    for (int attempt = 0; attempt < 20; ++attempt) {
        PumpPending();
        Sleep(50);
        kelgui_test::Image shot = kelgui_test::CaptureScreen(area);
        if (!shot.Empty() && shot.pixels == previous.pixels)
            return shot;
        previous = std::move(shot);
    }
    return previous;
}

kelgui_test::Image SettledCapture(HWND window) {
    RECT area = {};
    GetWindowRect(window, &area);
    return SettledCapture(area);
}

kelgui_test::Image TwiceAsLarge(const kelgui_test::Image& image) {
    kelgui_test::Image large;
    large.width = image.width * 2;
    large.height = image.height * 2;
    large.pixels.resize(static_cast<size_t>(large.width) * large.height);
    for (int y = 0; y < large.height; ++y)
        for (int x = 0; x < large.width; ++x)
            large.pixels[static_cast<size_t>(y) * large.width + x] =
                image.pixels[static_cast<size_t>(y / 2) * image.width + x / 2];
    return large;
}

class ToolbarLookTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Gui().Loaded()) << Gui().Path();
        ASSERT_TRUE(Gui().toolbar_create(m_host.Handle(), 420, 60, &m_frame));
        PumpPending();
    }
    void TearDown() override {
        DestroyWindow(m_frame);
        PumpPending();
    }

    HostWindow m_host;
    HWND m_frame = nullptr;
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

TEST_F(ToolbarLookTest, PictureForTheDocs) {
    const char* path = std::getenv("KELGUI_TOOLBAR_PNG");
    if (!path)
        GTEST_SKIP() << "KELGUI_TOOLBAR_PNG not set";
    HWND bar = BarOf(m_frame);
    ClickButton(bar, 2784); // the arrow tool, pressed
    POINT over = ButtonCentre(bar, 2785);
    ClientToScreen(bar, &over);
    SetCursorPos(over.x, over.y); // the bar's own tooltip follows the cursor
    HWND tooltip = reinterpret_cast<HWND>(SendMessageA(bar, TB_GETTOOLTIPS, 0, 0));
    for (int i = 0; i < 300 && !IsWindowVisible(tooltip); ++i) {
        PumpPending();
        Sleep(10);
    }
    RECT area = {};
    GetWindowRect(m_frame, &area);
    if (IsWindowVisible(tooltip)) {
        RECT tip = {};
        GetWindowRect(tooltip, &tip);
        UnionRect(&area, &area, &tip);
    }
    InflateRect(&area, 6, 6);
    const kelgui_test::Image shot = SettledCapture(area);
    ASSERT_TRUE(kelgui_test::WritePng(TwiceAsLarge(shot), path)) << path;
}

} // namespace
