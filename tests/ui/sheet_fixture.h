// Shared by the sheet tests: the library, patterned records, a sheet run under a test script.
#pragma once

#include "resource_ids.h"
#include "support/dialog_helpers.h"
#include "kelgui.h"
#include "support/modal_driver.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sheet_test {
using namespace kelgui_test;
using Strings = std::vector<std::string>;
using Bytes = std::vector<uint8_t>;

// A length of the 96-dpi look at the screen's dpi: 96, or 144 and 192 in ctest's reruns.
inline int Scaled(int pixels) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return MulDiv(pixels, dpi, 96);
}
// A run at another scale (KELGUI_DPI, tools/wine-env.sh) must be at that scale.
inline void ExpectTheScaleAsked() {
    const char* asked = std::getenv("KELGUI_DPI");
    EXPECT_EQ(asked ? std::atoi(asked) : 96, Scaled(96)) << "the prefix's LogPixels";
}

// Every byte a position-dependent value, so that any byte written shows up; a line size
// given (the line page in front lets go) replaces the pattern's.
inline KEL_MARK_ATTRIBUTES PatternRecord(DWORD markType, uint8_t seed,
                                         std::optional<DWORD> lineSize = {}) {
    KEL_MARK_ATTRIBUTES record;
    auto* bytes = reinterpret_cast<uint8_t*>(&record);
    for (size_t i = 0; i < sizeof record; ++i)
        bytes[i] = static_cast<uint8_t>(seed + i * 7);
    record.nMarkType = markType;
    record.nLineSize = lineSize.value_or(record.nLineSize);
    return record;
}

// A window's rectangle in another's client coordinates (the screen's for null).
inline RECT RectIn(HWND window, HWND to) {
    RECT r = {};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, to, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline std::string LibraryString(UINT id) {
    char text[128] = "";
    LoadStringA(GetModuleHandleA("kelgui.dll"), id, text, sizeof text);
    return text;
}

inline std::vector<size_t> DifferingBytes(const KEL_MARK_ATTRIBUTES& a,
                                          const KEL_MARK_ATTRIBUTES& b) {
    std::vector<size_t> offsets;
    for (size_t i = 0; i < sizeof a; ++i)
        if (reinterpret_cast<const uint8_t*>(&a)[i] != reinterpret_cast<const uint8_t*>(&b)[i])
            offsets.push_back(i);
    return offsets;
}

// Selects an item of a list or combo box as a user does: the selection, then its notification.
inline void Choose(HWND page, int id, int index) {
    HWND box = GetDlgItem(page, id);
    SendMessageA(box, ClassName(box) == "ListBox" ? LB_SETCURSEL : CB_SETCURSEL, index, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(box));
}

using Blocks = std::vector<std::pair<const char*, Bytes>>;

class Sheet {
public:
    explicit Sheet(LONG x = 0, LONG y = 0) { // the image's pixels per metre
        KEL_IMAGE_INFO info = {};
        info.dwSize = sizeof info, info.nXPelsPerMeter = x, info.nYPelsPerMeter = y;
        KEL_GUI_property_sheet_create(nullptr, &info, &m_handle);
    }
    ~Sheet() { KEL_GUI_property_sheet_destroy(m_handle); }
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    HKELSHEET Handle() const { return m_handle; }
    const HWND& Window() const { return m_window; }
    BOOL Init(DWORD flags, const KEL_MARK_ATTRIBUTES* record, const char* name = nullptr,
              const void* data = nullptr, DWORD size = 0) {
        return KEL_GUI_property_sheet_init(m_handle, flags, record, name, data, size);
    }
    BOOL Query(DWORD flags, KEL_MARK_ATTRIBUTES* record, const char* name = nullptr,
               void* buffer = nullptr, DWORD* sizeOut = nullptr) {
        return KEL_GUI_property_sheet_query(m_handle, flags, record, name, buffer, sizeOut);
    }
    void Load(const KEL_MARK_ATTRIBUTES& record, const Blocks& blocks = {}) {
        EXPECT_EQ(1, Init(1, &record));
        for (const auto& [name, bytes] : blocks)
            EXPECT_EQ(1, Init(2, nullptr, name, bytes.data(), DWORD(bytes.size()))) << name;
    }
    KEL_MARK_ATTRIBUTES Queried(KEL_MARK_ATTRIBUTES out) {
        EXPECT_EQ(1, Query(1, &out));
        return out;
    }
    // Shows the sheet; the script's steps run once Window() is up and must close it.
    BOOL Run(const std::function<void(ModalDriver&)>& script) {
        ModalDriver driver;
        driver.Then("find the sheet", WaitForSheet(m_window));
        script(driver);
        driver.Start();
        const BOOL result = KEL_GUI_property_sheet_show(m_handle);
        EXPECT_TRUE(driver.Finished()) << driver.Report();
        return result;
    }
    // Run with the page of tab (-1: the last) in front for steps, then close (null: steps do).
    BOOL Edit(int tab, const std::function<void(ModalDriver&, HWND& page)>& steps,
              void (*close)(HWND) = PressOk) {
        HWND page = nullptr;
        return Run([&](ModalDriver& d) {
            d.Do("select the tab", [&] {
                 tab = tab < 0 ? int(TabTexts(m_window).size()) - 1 : tab;
                 if (tab != CurrentTab(m_window)) // leaving a page validates it
                     SelectTab(m_window, tab);
             }).Then("its page", [&] { return WaitForPage(m_window, tab, page)(); });
            steps(d, page);
            if (close)
                d.Do("close", [&] { close(m_window); });
        });
    }
    // Edit, with look run at once on the page in front.
    BOOL OnPage(int tab, const std::function<void(HWND page)>& look,
                void (*close)(HWND) = PressOk) {
        return Edit(
            tab, [&](ModalDriver& d, HWND& page) { d.Do("look", [&] { look(page); }); }, close);
    }
    // Steps: leave, which must bring a message box; read(box) goes to seen; dismissed.
    void Refused(ModalDriver& d, Strings& seen, std::function<void()> leave,
                 std::string (*read)(HWND box) = MessageBoxText) {
        d.Do("leave", std::move(leave)).Then("message box", [this] {
            return (m_box = FindMessageBox(m_window)) != nullptr;
        });
        d.Do("read, dismiss", [&seen, read, this] {
            seen.push_back(read(m_box));
            DismissMessageBox(m_box);
        });
        d.Then("box gone", WaitForGone(m_box));
    }
    // As a host gets it: a size query, then a fetch of that many; guard bytes past them stay.
    template <class Block = Bytes> Block Fetch(const char* name) {
        DWORD size = 0, fetched = 0;
        EXPECT_EQ(1, Query(2, nullptr, name, nullptr, &size));
        Block bytes(size + 8, '#');
        EXPECT_EQ(1, Query(2, nullptr, name, &bytes[0], &fetched));
        EXPECT_EQ(size, fetched) << "both calls of the pair see the same block";
        EXPECT_EQ(Block(8, '#'), Block(bytes.end() - 8, bytes.end())) << "written past the size";
        bytes.resize(size);
        return bytes;
    }
    Strings ShownTabs() {
        Strings tabs;
        OnPage(
            0, [&](HWND) { tabs = TabTexts(m_window); }, PressCancel);
        return tabs;
    }

private:
    HKELSHEET m_handle = nullptr;
    HWND m_window = nullptr, m_box = nullptr;
};

} // namespace sheet_test
