// Shared by the sheet test programs: the loaded library, patterned records and
// a sheet, destroyed with its scope, that runs modally under a test script.
#pragma once

#include "support/dialog_helpers.h"
#include "support/kelgui_loader.h"
#include "support/modal_driver.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace sheet_test {
using namespace kelgui_test;
using Strings = std::vector<std::string>;

inline KelGui& Gui() {
    static KelGui gui;
    return gui;
}

// Every byte a position-dependent value, so that any byte written shows up.
inline KEL_MARK_ATTRIBUTES PatternRecord(DWORD markType, uint8_t seed) {
    KEL_MARK_ATTRIBUTES record;
    auto* bytes = reinterpret_cast<uint8_t*>(&record);
    for (size_t i = 0; i < sizeof record; ++i)
        bytes[i] = static_cast<uint8_t>(seed + i * 7);
    record.nMarkType = markType;
    return record;
}

inline std::vector<size_t> DifferingBytes(const KEL_MARK_ATTRIBUTES& a,
                                          const KEL_MARK_ATTRIBUTES& b) {
    std::vector<size_t> offsets;
    for (size_t i = 0; i < sizeof a; ++i)
        if (reinterpret_cast<const uint8_t*>(&a)[i] != reinterpret_cast<const uint8_t*>(&b)[i])
            offsets.push_back(i);
    return offsets;
}

class Sheet {
public:
    explicit Sheet(LONG xPelsPerMeter = 0, LONG yPelsPerMeter = 0) {
        KEL_IMAGE_INFO info = {};
        info.dwSize = sizeof info;
        info.nXPelsPerMeter = xPelsPerMeter;
        info.nYPelsPerMeter = yPelsPerMeter;
        Gui().property_sheet_create(nullptr, &info, &m_handle);
    }
    ~Sheet() { Gui().property_sheet_destroy(m_handle); }
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    HKELSHEET Handle() const { return m_handle; }
    BOOL Init(DWORD flags, const KEL_MARK_ATTRIBUTES* record, const char* name = nullptr,
              const void* data = nullptr, DWORD size = 0) {
        return Gui().property_sheet_init(m_handle, flags, record, name, data, size);
    }
    BOOL Query(DWORD flags, KEL_MARK_ATTRIBUTES* record, const char* name = nullptr,
               void* buffer = nullptr, DWORD* sizeOut = nullptr) {
        return Gui().property_sheet_query(m_handle, flags, record, name, buffer, sizeOut);
    }
    // Shows the sheet; once its window is up (in Window()), the script's steps
    // run inside the modal loop and must close it. Returns show's result.
    BOOL Run(const std::function<void(ModalDriver&)>& script) {
        ModalDriver driver;
        driver.Then("find the sheet", WaitForSheet(m_window));
        script(driver);
        driver.Start();
        const BOOL result = Gui().property_sheet_show(m_handle);
        driver.Stop();
        EXPECT_TRUE(driver.Finished()) << driver.Report();
        return result;
    }
    // Run with the page of tab in front first; page receives its window.
    BOOL RunOnPage(int tab, HWND& page, const std::function<void(ModalDriver&)>& script) {
        return Run([&](ModalDriver& d) {
            d.Do("select the tab", [this, tab] {
                 SelectTab(m_window, tab);
             }).Then("its page", WaitForPage(m_window, tab, page));
            script(d);
        });
    }
    // A fetch into a roomy buffer untouched past the block; the size query agrees.
    std::vector<uint8_t> FetchDirect(const char* name) {
        std::vector<uint8_t> buffer(128, 0xEE);
        DWORD size = 0, queried = 0;
        EXPECT_EQ(1, Query(2, nullptr, name, buffer.data(), &size));
        EXPECT_EQ(std::vector<uint8_t>(buffer.size() - size, 0xEE),
                  std::vector<uint8_t>(buffer.begin() + size, buffer.end()));
        EXPECT_TRUE(Query(2, nullptr, name, nullptr, &queried) && queried == size);
        buffer.resize(size);
        return buffer;
    }
    // Shows the sheet, runs look on page index once it is in front, then
    // presses OK (or Cancel). Returns show's result.
    BOOL OnPage(int index, const std::function<void(HWND page)>& look, bool ok = true) {
        HWND page = nullptr;
        return Run([&](ModalDriver& d) {
            d.Then("page in front", WaitForPage(m_window, index, page)).Do("look, close", [&] {
                look(page);
                ok ? PressOk(m_window) : PressCancel(m_window);
            });
        });
    }
    const HWND& Window() const { return m_window; }
    Strings ShownTabs() {
        Strings tabs;
        OnPage(
            0, [&](HWND) { tabs = TabTexts(m_window); }, false);
        return tabs;
    }

private:
    HKELSHEET m_handle = nullptr;
    HWND m_window = nullptr;
};

} // namespace sheet_test
