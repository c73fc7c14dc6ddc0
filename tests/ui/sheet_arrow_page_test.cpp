// The arrow page in a running sheet: the head read from and written into the
// "OiAnoDat" block (short blocks too), the size's range, and the pixels of
// the sample and of the style list.
#include "sheet_fixture.h"
#include "support/screenshot.h"

#include <commctrl.h>

namespace sheet_test {
namespace {

using Bytes = std::vector<uint8_t>;
constexpr int kSize = 1027, kSpin = 1028, kSample = 1029, kStyles = 1033;

KEL_MARK_ATTRIBUTES ArrowRecord() {
    KEL_MARK_ATTRIBUTES record = PatternRecord(506, 0x30);
    record.nLineSize = 2;
    return record;
}

// What the page showed, and what the fetch after OK gave into a buffer two
// bytes larger than the size query said.
TEST(ArrowPage, ReadsTheHeadAndWritesOnlyItsBytes) {
    const Bytes tail = {'t', 'a', 'i', 'l'};
    const struct {
        Bytes block;
        bool show;
        int pickStyle;    // -1: leave the list as it is
        std::string type; // a size typed, or nothing
        int shownStyle;
        std::string shownSize;
        Bytes back;
    } cases[] = {
        {{2, 0, 0, 0, 9, 9, 9, 9, 40, 0, 0, 0, 't'},
         true,
         -1,
         "",
         2,
         "40",
         {2, 0, 0, 0, 9, 9, 9, 9, 40, 0, 0, 0, 't'}},
        {{7, 0, 0, 0, 9, 9, 9, 9, 40, 0, 0, 0},
         true,
         -1,
         "",
         -1,
         "40",
         {0xFF, 0xFF, 0xFF, 0xFF, 9, 9, 9, 9, 40, 0, 0, 0}},
        {{1, 0, 0, 0, 'a', 'b'}, true, 3, "5", 1, "0", {3, 0, 0, 0, 'a', 'b'}},
        {{1, 0, 0, 0, 'a', 'b', 'c', 'd', 0xE8},
         true,
         0,
         "999",
         1,
         "232",
         {0, 0, 0, 0, 'a', 'b', 'c', 'd', 0xE7}},
        {{5, 0}, false, -1, "", 0, "", {5, 0}},
    };
    for (const auto& c : cases) {
        Sheet sheet;
        const KEL_MARK_ATTRIBUTES record = ArrowRecord();
        ASSERT_EQ(1, sheet.Init(3, &record, "OiAnoDat", c.block.data(), DWORD(c.block.size())));
        int style = 0;
        std::string size;
        HWND page = nullptr;
        if (c.show) {
            EXPECT_EQ(1, sheet.Run([&](ModalDriver& d) {
                d.Do("arrow tab", [&] { SelectTab(sheet.Window(), 2); })
                    .Then("arrow page", WaitForPage(sheet.Window(), 2, page))
                    .Do("read, edit, OK", [&] {
                        style = int(SendMessageA(GetDlgItem(page, kStyles), LB_GETCURSEL, 0, 0));
                        size = ItemText(page, kSize);
                        if (c.pickStyle >= 0)
                            SendMessageA(GetDlgItem(page, kStyles), LB_SETCURSEL, c.pickStyle, 0);
                        if (!c.type.empty())
                            TypeText(GetDlgItem(page, kSize), c.type);
                        PressOk(sheet.Window());
                    });
            }));
        }
        EXPECT_EQ(c.shownStyle, style) << c.block.size() << " bytes";
        EXPECT_EQ(c.shownSize, size) << c.block.size() << " bytes";
        DWORD reported = 0;
        ASSERT_EQ(1, sheet.Query(2, nullptr, "OiAnoDat", nullptr, &reported));
        Bytes buffer(reported + 2, 0xEE);
        DWORD fetched = 0;
        ASSERT_EQ(1, sheet.Query(2, nullptr, "OiAnoDat", buffer.data(), &fetched));
        EXPECT_EQ(reported, fetched);
        Bytes expected = c.back;
        expected.insert(expected.end(), {0xEE, 0xEE});
        EXPECT_EQ(expected, buffer) << c.block.size() << " bytes";
    }
}

TEST(ArrowPage, SizesOutsideOneToAThousandAreRefused) {
    for (const char* typed : {"0", "1001"}) {
        Sheet sheet;
        const KEL_MARK_ATTRIBUTES record = ArrowRecord();
        const Bytes block = {0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0};
        ASSERT_EQ(1, sheet.Init(3, &record, "OiAnoDat", block.data(), DWORD(block.size())));
        HWND page = nullptr, box = nullptr;
        std::string message;
        int low = 0, high = 0, tab = -1;
        sheet.Run([&](ModalDriver& d) {
            d.Do("arrow tab", [&] { SelectTab(sheet.Window(), 2); })
                .Then("arrow page", WaitForPage(sheet.Window(), 2, page))
                .Do("type, OK",
                    [&] {
                        SendMessageA(GetDlgItem(page, kSpin), UDM_GETRANGE32, WPARAM(&low),
                                     LPARAM(&high));
                        TypeText(GetDlgItem(page, kSize), typed);
                        PressOk(sheet.Window());
                    })
                .Then("message", WaitForMessageBox(box, sheet.Window()))
                .Do("read, dismiss",
                    [&] {
                        message = MessageBoxText(box);
                        DismissMessageBox(box);
                    })
                .Then("box gone", WaitForGone(box))
                .Do("cancel", [&] {
                    tab = CurrentTab(sheet.Window());
                    PressCancel(sheet.Window());
                });
        });
        EXPECT_EQ("Please enter an integer between 1 and 1000.", message) << typed;
        EXPECT_EQ(2, tab) << typed;
        EXPECT_EQ(std::make_pair(1, 1000), std::make_pair(low, high));
    }
}

// A filled head 40 long points up from the top of the grey sample and
// follows the size as it is typed; a head larger than the sample is cut off
// at its edge. List items are 21 pixels: the selected one white on black.
TEST(ArrowPage, SampleAndListPixels) {
    Sheet sheet;
    const KEL_MARK_ATTRIBUTES record = ArrowRecord();
    const Bytes block = {1, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0};
    ASSERT_EQ(1, sheet.Init(3, &record, "OiAnoDat", block.data(), DWORD(block.size())));
    HWND page = nullptr;
    RECT area = {}, item0 = {}, item1 = {};
    std::vector<Image> shots;
    auto shoot = [&](ModalDriver& d, std::string size) {
        d.Do("size " + size, [&, size] { TypeText(GetDlgItem(page, kSize), size); })
            .Do("paint", [&] { UpdateWindow(page); })
            .Do("capture", [&] {
                RECT r;
                GetWindowRect(page, &r);
                shots.push_back(CaptureScreen(r));
            });
    };
    sheet.Run([&](ModalDriver& d) {
        d.Do("arrow tab", [&] { SelectTab(sheet.Window(), 2); })
            .Then("arrow page", WaitForPage(sheet.Window(), 2, page))
            .Do("measure", [&] {
                HWND list = GetDlgItem(page, kStyles);
                GetWindowRect(GetDlgItem(page, kSample), &area);
                MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&area), 2);
                SendMessageA(list, LB_GETITEMRECT, 0, LPARAM(&item0));
                SendMessageA(list, LB_GETITEMRECT, 1, LPARAM(&item1));
                MapWindowPoints(list, page, reinterpret_cast<POINT*>(&item0), 4);
            });
        shoot(d, "40");
        shoot(d, "10");
        shoot(d, "1000");
        d.Do("cancel", [&] { PressCancel(sheet.Window()); });
    });
    ASSERT_EQ(3u, shots.size());
    const COLORREF grey = RGB(192, 192, 192), black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    const int mid = (area.left + area.right) / 2;
    EXPECT_EQ(21, item0.bottom - item0.top);
    const int x = (item0.left + item0.right) / 2, y0 = (item0.top + item0.bottom) / 2;
    const int y1 = (item1.top + item1.bottom) / 2;
    const struct {
        int shot, x, y;
        COLORREF color;
    } pixels[] = {
        {0, area.left + 1, area.top + 1, grey},
        {0, mid + 4, area.top + 30, black},
        {0, mid, area.bottom - 2, black},
        {0, mid + 4, area.top + 50, grey},
        {1, mid + 4, area.top + 30, grey},
        {1, mid + 1, area.top + 8, black},
        {2, mid + 20, area.bottom - 2, black},
        {2, mid + 20, area.bottom + 3, shots[2].At(0, 0)},
        {0, x, y0, black},
        {0, x, y0 - 4, grey},
        {0, x, y1, white},
        {0, x, y1 - 4, black},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(p.color, shots[p.shot].At(p.x, p.y))
            << "shot " << p.shot << " at " << p.x << "," << p.y;
}

} // namespace
} // namespace sheet_test
