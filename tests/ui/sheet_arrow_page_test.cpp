// The arrow page in a running sheet: the head in and out of its block, pixels.
#include "sheet_fixture.h"
#include "support/screenshot.h"

using namespace sheet_test;

namespace {

constexpr int kArrowTab = 2;

void InitArrow(Sheet& sheet, const Bytes& block) {
    KEL_MARK_ATTRIBUTES record = PatternRecord(506, 0x30);
    record.nLineSize = 2;
    sheet.Load(record, {{"OiAnoDat", block}});
}

// "style|size" shown; a style picked, a size typed, OK; the block fetched.
TEST(ArrowPage, ReadsTheHeadAndWritesOnlyItsBytes) {
    // clang-format off
    const struct { Bytes block; std::string shown, type; int pick; Bytes back; } cases[] = {
        {{2, 0, 0, 0, 9, 9, 9, 9, 40, 0, 0, 0, 't'}, "2|40", "", 0, {0, 0, 0, 0, 9, 9, 9, 9, 40, 0, 0, 0, 't'}},
        {{7, 0, 0, 0, 9, 9, 9, 9, 40, 0, 0, 0}, "-1|40", "", -1, {0xFF, 0xFF, 0xFF, 0xFF, 9, 9, 9, 9, 40, 0, 0, 0}},
        {{1, 0, 0, 0, 'a', 'b'}, "1|0", "5", 3, {3, 0, 0, 0, 'a', 'b'}},
        {{1, 0, 0, 0, 'a', 'b', 'c', 'd', 0xE8}, "1|232", "999", 0, {0, 0, 0, 0, 'a', 'b', 'c', 'd', 0xE7}},
    };
    // clang-format on
    for (const auto& c : cases) {
        Sheet sheet;
        InitArrow(sheet, c.block);
        std::string shown;
        EXPECT_EQ(1, sheet.OnPage(kArrowTab, [&](HWND page) {
            HWND list = GetDlgItem(page, IDC_ARROW_STYLES);
            shown = std::to_string(SendMessageA(list, LB_GETCURSEL, 0, 0)) + "|" +
                    ItemText(page, IDC_ARROW_SIZE);
            SendMessageA(list, LB_SETCURSEL, c.pick, 0);
            if (!c.type.empty())
                TypeText(GetDlgItem(page, IDC_ARROW_SIZE), c.type);
        }));
        EXPECT_EQ(c.shown, shown);
        EXPECT_EQ(c.back, sheet.Fetch("OiAnoDat")) << c.shown;
    }
}

// The head (40, then 1000: cut off at the sample's edge) points up from the grey sample;
// the selected 21-pixel list item is white on black.
TEST(ArrowPage, SamplePixels) {
    Sheet sheet;
    InitArrow(sheet, {1, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0});
    RECT a = {}, item = {};
    std::vector<Image> shots;
    sheet.Edit(
        kArrowTab,
        [&](ModalDriver& d, HWND& page) {
            const auto capture = [&] {
                UpdateWindow(page);
                GetWindowRect(page, &a);
                shots.push_back(CaptureScreen(a));
                GetWindowRect(GetDlgItem(page, IDC_ARROW_SAMPLE), &a);
                MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&a), 2);
                HWND list = GetDlgItem(page, IDC_ARROW_STYLES);
                SendMessageA(list, LB_GETITEMRECT, 0, LPARAM(&item));
                MapWindowPoints(list, page, reinterpret_cast<POINT*>(&item), 2);
            };
            d.Do("capture", capture)
                .Do("type 1000", [&] { TypeText(GetDlgItem(page, IDC_ARROW_SIZE), "1000"); })
                .Do("capture again", capture);
        },
        PressCancel);
    ASSERT_EQ(2u, shots.size());
    const COLORREF grey = RGB(192, 192, 192), black = 0, white = RGB(255, 255, 255);
    const int mid = (a.left + a.right) / 2, x = (item.left + item.right) / 2;
    const int y0 = (item.top + item.bottom) / 2, y1 = y0 + 21; // items are 21 pixels
    // clang-format off
    const struct { int shot, x, y; COLORREF color; } pixels[] = {
        {0, a.left + 1, a.top + 1, grey}, {0, mid + 4, a.top + 30, black}, {0, mid + 4, a.top + 50, grey},
        {1, mid + 4, a.top + 50, black}, {1, mid + 20, a.bottom - 2, black}, {1, mid + 20, a.bottom + 3, shots[1].At(0, 0)},
        {0, x, y0, black}, {0, x, y0 - 4, grey}, {0, x, y1, white}, {0, x, y1 - 4, black},
    };
    // clang-format on
    for (const auto& p : pixels)
        EXPECT_EQ(p.color, shots[p.shot].At(p.x, p.y)) << p.shot << " at " << p.x << "," << p.y;
}

} // namespace
