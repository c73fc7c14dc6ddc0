// Every page of every sheet the mark types build, in the language the program
// runs in: each control lies inside its page, and the page draws in the
// sheet's font. Pages that join the sheets later are covered by themselves.
#pragma once

#include "sheet_fixture.h"

#include <map>

namespace sheet_test {

inline std::string FontOf(HWND window) {
    LOGFONTA lf = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return std::string(lf.lfFaceName) + " " + std::to_string(lf.lfHeight);
}

// The ids of the page's controls that stick out of it, and its font when it
// is not the sheet's.
inline Strings LayoutFaults(HWND sheet, HWND page) {
    Strings faults;
    RECT client;
    GetClientRect(page, &client);
    for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
        if (r.left < 0 || r.top < 0 || r.right > client.right || r.bottom > client.bottom)
            faults.push_back(std::to_string(GetDlgCtrlID(c)));
    }
    if (FontOf(page) != FontOf(sheet))
        faults.push_back(FontOf(page) + " is not " + FontOf(sheet));
    return faults;
}

// Per tab text, the faults of that page, for every page kind a mark type gets.
inline std::map<std::string, Strings> PageLayoutFaults() {
    constexpr int kMostTabs = 6;
    std::map<std::string, Strings> faults;
    std::vector<uint8_t> block(64, 0);
    block[8] = 10; // an arrow head of a valid size
    for (DWORD markType = 1; markType <= 518; markType = markType == 10 ? 500 : markType + 1) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 0x21);
        record.nLineSize = 1;
        sheet.Init(3, &record, "OiAnoDat", block.data(), static_cast<DWORD>(block.size()));
        if (!Gui().property_sheet_title_set(sheet.Handle(), "Attributes"))
            continue; // no pages
        HWND page = nullptr;
        sheet.Run([&](ModalDriver& d) {
            for (int i = 0; i < kMostTabs; ++i)
                d.Do("select", [&, i] { SelectTab(sheet.Window(), i); }).Then("check", [&, i] {
                    // A page that refuses to be left keeps the next ones
                    // from this sheet; another mark type may reach them.
                    if (HWND box = FindMessageBox()) {
                        DismissMessageBox(box);
                        return true;
                    }
                    const Strings tabs = TabTexts(sheet.Window());
                    if (i >= static_cast<int>(tabs.size()) || faults.count(tabs[i]))
                        return true;
                    if (!WaitForPage(sheet.Window(), i, page)())
                        return false;
                    faults[tabs[i]] = LayoutFaults(sheet.Window(), page);
                    return true;
                });
            d.Do("cancel", [&] { PressCancel(sheet.Window()); });
        });
    }
    return faults;
}

} // namespace sheet_test
