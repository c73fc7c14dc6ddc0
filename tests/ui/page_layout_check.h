// Every page of every mark type's sheet in the program's language (an English
// and a Japanese program include this): every control inside its page, which
// draws in the sheet's font.
#pragma once

#include "sheet_fixture.h"

#include <map>

namespace sheet_test {

inline std::string FontOf(HWND window) {
    LOGFONTA lf = {};
    GetObjectA(HFONT(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return std::string(lf.lfFaceName) + " " + std::to_string(lf.lfHeight);
}

TEST(PageLayout, EveryControlInsideItsPageInTheSheetsFont) {
    std::map<std::string, Strings> faults; // per tab text
    std::vector<uint8_t> block(64, 0);
    block[8] = 10; // a valid arrow size
    for (DWORD markType = 1; markType <= 518; markType = markType == 10 ? 500 : markType + 1) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 0x21);
        record.nLineSize = 1;
        sheet.Init(3, &record, "OiAnoDat", block.data(), DWORD(block.size()));
        if (!Gui().property_sheet_title_set(sheet.Handle(), "Attributes"))
            continue; // no pages
        HWND page = nullptr;
        sheet.Run([&](ModalDriver& d) {
            for (int i = 0; i < 6; ++i)
                d.Do("select", [&, i] { SelectTab(sheet.Window(), i); }).Then("check", [&, i] {
                    // A page that refuses to be left hides the next ones.
                    if (HWND box = FindMessageBox())
                        return DismissMessageBox(box), true;
                    const Strings tabs = TabTexts(sheet.Window());
                    if (i >= int(tabs.size()) || faults.count(tabs[i]))
                        return true;
                    if (!WaitForPage(sheet.Window(), i, page)())
                        return false;
                    Strings& found = faults[tabs[i]]; // controls outside, a font not the sheet's
                    RECT client, r;
                    GetClientRect(page, &client);
                    for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                        GetWindowRect(c, &r);
                        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
                        if (r.left < 0 || r.top < 0 || r.right > client.right ||
                            r.bottom > client.bottom)
                            found.push_back(std::to_string(GetDlgCtrlID(c)));
                    }
                    if (FontOf(page) != FontOf(sheet.Window()))
                        found.push_back(FontOf(page) + " is not " + FontOf(sheet.Window()));
                    return true;
                });
            d.Do("cancel", [&] { PressCancel(sheet.Window()); });
        });
    }
    EXPECT_GE(faults.size(), 5u); // the pages built so far
    for (const auto& [tab, found] : faults)
        EXPECT_EQ(Strings{}, found) << tab;
}

} // namespace sheet_test
