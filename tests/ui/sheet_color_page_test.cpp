// The colour page in a running sheet: swatches picked by mouse and keyboard
// as they are pressed, each palette editing its own record colour, and the
// swatches' pixels as the screen shows them.
#include "sheet_fixture.h"
#include "support/screenshot.h"

namespace sheet_test {
namespace {

constexpr int kPrimaryBlue = 1044, kPrimaryRed = 1056, kPrimaryYellow = 1058;
constexpr int kSecondaryGroup = 1016, kSecondaryBlack = 1123, kSecondaryNavy = 1126;

void SetRgb(RGBQUAD& q, BYTE red, BYTE green, BYTE blue) {
    q = RGBQUAD{blue, green, red, q.rgbReserved};
}
COLORREF RgbOf(const RGBQUAD& q) {
    return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

// A real mouse press and release in the middle of a window.
void ClickWithMouse(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

bool Pushed(HWND button) {
    return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

// The middle row of a swatch as the screen shows it, a tick after painting.
std::vector<COLORREF> MiddleRow(HWND swatch) {
    RECT r;
    GetWindowRect(swatch, &r);
    Image image = CaptureScreen(r);
    std::vector<COLORREF> row;
    for (int x = 0; x < image.width; ++x)
        row.push_back(image.At(x, image.height / 2));
    return row;
}

void PaintThen(ModalDriver& d, const HWND& page, std::function<void()> capture) {
    d.Do("paint", [&] {
         RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
     }).Do("capture", capture);
}

// Primary-only marks: the secondary palette is hidden; a mouse press picks,
// and only the red byte of rgbMain changes (black to red).
TEST(ColorPage, MousePickWritesOnlyTheColourBytes) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(514, 0x10);
    SetRgb(given.rgbMain, 0, 0, 0);
    ASSERT_EQ(1, sheet.Init(1, &given));
    HWND page = nullptr;
    int visibleSecondary = -1;
    EXPECT_EQ(1, sheet.Run([&](ModalDriver& d) {
        d.Then("colour page", WaitForPage(sheet.Window(), 0, page))
            .Do("look, click red",
                [&] {
                    visibleSecondary = IsWindowVisible(GetDlgItem(page, kSecondaryGroup));
                    for (int id = kSecondaryBlack; id < kSecondaryBlack + 16; ++id)
                        visibleSecondary += IsWindowVisible(GetDlgItem(page, id));
                    ClickWithMouse(GetDlgItem(page, kPrimaryRed));
                })
            .Then("red released",
                  [&] {
                      return GetFocus() == GetDlgItem(page, kPrimaryRed) &&
                             !Pushed(GetDlgItem(page, kPrimaryRed));
                  })
            .Do("OK", [&] { PressOk(sheet.Window()); });
    }));
    EXPECT_EQ(0, visibleSecondary);
    KEL_MARK_ATTRIBUTES out = given;
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ(std::vector<size_t>{22}, DifferingBytes(given, out)) << "red is byte 2 of rgbMain";
}

// Attach-a-note: the first palette edits rgbExtra, the second rgbMain. The
// space bar picks as soon as it goes down; the other palette stays as it was.
TEST(ColorPage, TwoColourMarkEditsEachColourInItsOwnPalette) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(10, 0x40);
    SetRgb(given.rgbMain, 255, 255, 0);
    SetRgb(given.rgbExtra, 0, 0, 0);
    ASSERT_EQ(1, sheet.Init(1, &given));
    HWND page = nullptr;
    KEL_MARK_ATTRIBUTES afterPrimary = given, afterSecondary = given;
    EXPECT_EQ(1, sheet.Run([&](ModalDriver& d) {
        d.Do("colour tab", [&] { SelectTab(sheet.Window(), 1); })
            .Then("colour page", WaitForPage(sheet.Window(), 1, page))
            .Do("space down on primary yellow",
                [&] {
                    SetFocus(GetDlgItem(page, kPrimaryYellow));
                    PostMessageA(GetDlgItem(page, kPrimaryYellow), WM_KEYDOWN, VK_SPACE, 1);
                })
            .Then("pushed", [&] { return Pushed(GetDlgItem(page, kPrimaryYellow)); })
            .Do("OK", [&] { PressOk(sheet.Window()); });
    }));
    ASSERT_EQ(1, sheet.Query(1, &afterPrimary));
    EXPECT_EQ(RGB(255, 255, 0), RgbOf(afterPrimary.rgbExtra));
    EXPECT_EQ(RGB(255, 255, 0), RgbOf(afterPrimary.rgbMain)) << "secondary untouched";

    EXPECT_EQ(1, sheet.Run([&](ModalDriver& d) {
        d.Do("colour tab", [&] { SelectTab(sheet.Window(), 1); })
            .Then("colour page", WaitForPage(sheet.Window(), 1, page))
            .Do("click secondary navy", [&] { ClickWithMouse(GetDlgItem(page, kSecondaryNavy)); })
            .Then("released",
                  [&] {
                      return GetFocus() == GetDlgItem(page, kSecondaryNavy) &&
                             !Pushed(GetDlgItem(page, kSecondaryNavy));
                  })
            .Do("OK", [&] { PressOk(sheet.Window()); });
    }));
    ASSERT_EQ(1, sheet.Query(1, &afterSecondary));
    EXPECT_EQ(RGB(0, 0, 128), RgbOf(afterSecondary.rgbMain));
    EXPECT_EQ(RGB(255, 255, 0), RgbOf(afterSecondary.rgbExtra)) << "primary keeps its pick";
    EXPECT_EQ(given.rgbMain.rgbReserved, afterSecondary.rgbMain.rgbReserved);
    EXPECT_EQ(given.rgbExtra.rgbReserved, afterSecondary.rgbExtra.rgbReserved);
}

// Bytes FF 00 00 are blue: its swatch is selected (double raised bevel around
// the fill) and, focused, framed 2 pixels dark; red is neither (face ring,
// 1-pixel dark frame, fill from ring 2).
TEST(ColorPage, SwatchPixelsShowSelectionAndFocus) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(507, 0x50);
    SetRgb(given.rgbMain, 0, 0, 255);
    ASSERT_EQ(1, sheet.Init(1, &given));
    HWND page = nullptr;
    std::vector<COLORREF> blue, red;
    sheet.Run([&](ModalDriver& d) {
        d.Then("colour page", WaitForPage(sheet.Window(), 0, page)).Do("focus blue", [&] {
            SetFocus(GetDlgItem(page, kPrimaryBlue));
        });
        PaintThen(d, page, [&] {
            blue = MiddleRow(GetDlgItem(page, kPrimaryBlue));
            red = MiddleRow(GetDlgItem(page, kPrimaryRed));
        });
        d.Do("cancel", [&] { PressCancel(sheet.Window()); });
    });
    const COLORREF face = GetSysColor(COLOR_BTNFACE), frame = GetSysColor(COLOR_WINDOWFRAME),
                   light = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    ASSERT_GE(blue.size(), 12u);
    ASSERT_EQ(blue.size(), red.size());
    const size_t w = blue.size();
    EXPECT_EQ((std::vector<COLORREF>{frame, frame, light, light, RGB(0, 0, 255)}),
              std::vector<COLORREF>(blue.begin(), blue.begin() + 5));
    EXPECT_EQ((std::vector<COLORREF>{RGB(0, 0, 255), shadow, shadow, frame, frame}),
              std::vector<COLORREF>(blue.end() - 5, blue.end()));
    EXPECT_EQ((std::vector<COLORREF>{face, frame, RGB(255, 0, 0)}),
              std::vector<COLORREF>(red.begin(), red.begin() + 3));
    EXPECT_EQ((std::vector<COLORREF>{RGB(255, 0, 0), frame, face}),
              std::vector<COLORREF>(red.end() - 3, red.end()));
    EXPECT_EQ(RGB(0, 0, 255), blue[w / 2]);
}

// Colours none of the swatches has: no swatch is selected, and OK without a
// pick gives both back unchanged.
TEST(ColorPage, ColoursOutsideThePaletteSurviveAShowing) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES given = PatternRecord(10, 0x60);
    SetRgb(given.rgbMain, 1, 2, 3);
    SetRgb(given.rgbExtra, 250, 128, 7);
    ASSERT_EQ(1, sheet.Init(1, &given));
    HWND page = nullptr;
    int bevelled = 0;
    EXPECT_EQ(1, sheet.Run([&](ModalDriver& d) {
        d.Do("colour tab", [&] {
             SelectTab(sheet.Window(), 1);
         }).Then("colour page", WaitForPage(sheet.Window(), 1, page));
        PaintThen(d, page, [&] {
            for (int first : {1043, kSecondaryBlack})
                for (int id = first; id < first + 16; ++id) {
                    std::vector<COLORREF> row = MiddleRow(GetDlgItem(page, id));
                    bevelled += row.size() > 4 && row[2] != row[row.size() / 2];
                }
        });
        d.Do("OK", [&] { PressOk(sheet.Window()); });
    }));
    EXPECT_EQ(0, bevelled);
    KEL_MARK_ATTRIBUTES out = PatternRecord(10, 0x70);
    ASSERT_EQ(1, sheet.Query(1, &out));
    EXPECT_EQ(RGB(1, 2, 3), RgbOf(out.rgbMain));
    EXPECT_EQ(RGB(250, 128, 7), RgbOf(out.rgbExtra));
}

} // namespace
} // namespace sheet_test
