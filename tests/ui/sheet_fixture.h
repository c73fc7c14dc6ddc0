// Shared by the sheet test programs: the loaded library, patterned records and
// a sheet handle that is destroyed with its scope. Black-box: exports only.
#pragma once

#include "support/dialog_helpers.h"
#include "support/kelgui_loader.h"
#include "support/modal_driver.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace sheet_test {
using namespace kelgui_test;

inline KelGui& Gui() {
    static KelGui gui;
    return gui;
}

// Every byte a known, position-dependent value, so that any byte the library
// writes shows up in a comparison.
inline KEL_MARK_ATTRIBUTES PatternRecord(DWORD markType, uint8_t seed) {
    KEL_MARK_ATTRIBUTES record;
    auto* bytes = reinterpret_cast<uint8_t*>(&record);
    for (size_t i = 0; i < sizeof record; ++i)
        bytes[i] = static_cast<uint8_t>(seed + i * 7);
    record.nMarkType = markType;
    return record;
}

inline void SetColor(RGBQUAD& color, BYTE red, BYTE green, BYTE blue) {
    color.rgbRed = red;
    color.rgbGreen = green;
    color.rgbBlue = blue;
}

// Offsets of the bytes that differ between two records, for failure messages.
inline std::vector<size_t> DifferingBytes(const KEL_MARK_ATTRIBUTES& a,
                                          const KEL_MARK_ATTRIBUTES& b) {
    std::vector<size_t> offsets;
    const auto* pa = reinterpret_cast<const uint8_t*>(&a);
    const auto* pb = reinterpret_cast<const uint8_t*>(&b);
    for (size_t i = 0; i < sizeof a; ++i)
        if (pa[i] != pb[i])
            offsets.push_back(i);
    return offsets;
}

// One sheet of the library, destroyed at the end of the scope.
class Sheet {
public:
    explicit Sheet(HWND parent = nullptr) {
        KEL_IMAGE_INFO info = {};
        info.dwSize = sizeof info;
        Gui().property_sheet_create(parent, &info, &m_handle);
    }
    ~Sheet() {
        if (m_handle)
            Gui().property_sheet_destroy(m_handle);
    }
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
    // Runs the sheet modally while the driver's script runs inside its loop.
    BOOL Show(ModalDriver& driver) {
        driver.Start();
        const BOOL result = Gui().property_sheet_show(m_handle);
        driver.Stop();
        return result;
    }

private:
    HKELSHEET m_handle = nullptr;
};

// The tab texts of a shown sheet, which is then cancelled. Empty when the
// sheet did not show.
inline std::vector<std::string> ShownTabs(Sheet& sheet) {
    ModalDriver driver;
    HWND window = nullptr;
    std::vector<std::string> tabs;
    driver.Then("find the sheet", WaitForSheet(window))
        .Do("read the tabs", [&] { tabs = TabTexts(window); })
        .Do("cancel", [&] { PressCancel(window); });
    sheet.Show(driver);
    EXPECT_TRUE(driver.Finished()) << driver.Report();
    return tabs;
}

using Tabs = std::vector<std::string>;
const std::string kLineTab = "Line Attributes";
const std::string kColorTab = "Color Attributes";
const std::string kGeneralTab = "General Attributes";

} // namespace sheet_test
