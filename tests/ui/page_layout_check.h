// Every mark type's sheet in the program's language; ctest reruns it at 144 and 192 dpi.
#pragma once

#include "sheet_fixture.h"

#include <algorithm>
#include <map>

namespace sheet_test {

inline std::string FontOf(HWND window) {
    LOGFONTA lf = {};
    GetObjectA(HFONT(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return std::string(lf.lfFaceName) + " " + std::to_string(lf.lfHeight);
}

// A page's faults: a font other than the sheet's; controls outside the page; texts that
// visible controls cut off, in their own font against the room each leaves (owner-drawn
// controls and pictures show no text of theirs, the font list the system's typefaces, whose
// names have no bound); a label's or group box's mnemonic going, as the dialog manager finds
// it, to a control outside the page (or the group).
inline Strings PageFaults(HWND sheet, HWND page) {
    Strings found;
    if (FontOf(page) != FontOf(sheet))
        found.push_back(FontOf(page) + " is not " + FontOf(sheet));
    RECT inside;
    GetClientRect(page, &inside);
    for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const std::string kind = ClassName(c);
        const LONG style = GetWindowLongA(c, GWL_STYLE), type = style & BS_TYPEMASK;
        const RECT r = RectIn(c, page);
        if (r.left < 0 || r.top < 0 || r.right > inside.right || r.bottom > inside.bottom)
            found.push_back(std::to_string(GetDlgCtrlID(c)));
        if (!IsWindowVisible(c) || GetDlgCtrlID(c) == IDC_FONT_FACES)
            continue;
        RECT client = {};
        GetClientRect(c, &client);
        HDC dc = GetDC(c);
        HGDIOBJ old = SelectObject(dc, HGDIOBJ(SendMessageA(c, WM_GETFONT, 0, 0)));
        TEXTMETRICA font = {};
        GetTextMetricsA(dc, &font);
        SIZE letters = {};
        GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                              &letters);
        UINT noPrefix = DT_NOPREFIX; // only labels and buttons underline a mnemonic
        const int tabStop = MulDiv(48, (letters.cx / 26 + 1) / 2, 4); // 48 dialog units
        const auto width = [&](const std::string& text) {
            const size_t tab = std::min(text.find('\t'), text.size());
            RECT before = {}, after = {};
            DrawTextA(dc, text.c_str(), int(tab), &before, DT_CALCRECT | DT_SINGLELINE | noPrefix);
            if (tab == text.size())
                return int(before.right);
            DrawTextA(dc, &text[tab + 1], -1, &after, DT_CALCRECT | DT_SINGLELINE | noPrefix);
            return std::max(int(before.right), tabStop) + int(after.right);
        };
        Strings texts;
        int room = client.right;
        const auto entries = [&](UINT count, UINT length, UINT get) {
            for (LRESULT i = 0, n = SendMessageA(c, count, 0, 0); i < n; ++i) {
                std::string text(size_t(SendMessageA(c, length, i, 0)) + 1, '\0');
                SendMessageA(c, get, i, LPARAM(&text[0]));
                texts.push_back(text.c_str());
            }
        };
        if (kind == "Static" && (style & SS_TYPEMASK) <= SS_RIGHT) {
            texts = {Text(c)};
            noPrefix = style & SS_NOPREFIX ? DT_NOPREFIX : 0;
        } else if (kind == "Button" && !(style & (BS_BITMAP | BS_ICON)) &&
                   type <= BS_AUTORADIOBUTTON) {
            texts = {Text(c)};
            noPrefix = 0;
            room -= type == BS_GROUPBOX ? 2 * font.tmAveCharWidth
                    : type <= BS_DEFPUSHBUTTON
                        ? 4 * GetSystemMetrics(SM_CXEDGE)
                        : GetSystemMetrics(SM_CXMENUCHECK) + font.tmAveCharWidth / 2;
        } else if (kind == "ListBox" && !(style & LBS_OWNERDRAWFIXED)) {
            entries(LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
            room -= 2;
        } else if (kind == "ComboBox") {
            COMBOBOXINFO box = {};
            box.cbSize = sizeof box;
            GetComboBoxInfo(c, &box);
            entries(CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
            room = box.rcItem.right - box.rcItem.left - 2;
        }
        for (const std::string& text : texts)
            if (const int w = width(text); w > room)
                found.push_back(std::to_string(GetDlgCtrlID(c)) + ": " + text + " (" +
                                std::to_string(w) + " > " + std::to_string(room) + ")");
        SelectObject(dc, old);
        ReleaseDC(c, dc);
        const bool group = kind == "Button" && type == BS_GROUPBOX;
        if ((!group && kind != "Static") || Text(c).find('&') == std::string::npos)
            continue; // buttons take their own mnemonics
        HWND to = GetNextDlgTabItem(sheet, c, FALSE);
        const RECT area = RectIn(group ? c : page, nullptr), target = RectIn(to, nullptr);
        const POINT mid = {(target.left + target.right) / 2, (target.top + target.bottom) / 2};
        if (!IsChild(page, to) || !PtInRect(&area, mid))
            found.push_back("mnemonic of " + std::to_string(GetDlgCtrlID(c)) + " goes to " +
                            std::to_string(GetDlgCtrlID(to)));
    }
    return found;
}

// The tab captions of a sheet inited with both flag bits; none for 515 and unknown types.
inline Strings TabsOf(DWORD markType) {
    const std::pair<std::vector<DWORD>, std::vector<UINT>> table[] = {
        {{1}, {IDS_IMAGE_CAPTION}},
        {{2}, {IDS_IMAGE_CAPTION, IDS_IMAGE_REFERENCE_CAPTION}},
        {{3, 4, 5, 501, 502, 505, 517}, {IDS_LINE_CAPTION, IDS_COLOR_CAPTION}},
        {{506}, {IDS_LINE_CAPTION, IDS_COLOR_CAPTION, IDS_ARROW_CAPTION}},
        {{510}, {IDS_LINE_CAPTION, IDS_COLOR_CAPTION, IDS_FONT_CAPTION, IDS_RULER_CAPTION}},
        {{511}, {IDS_LINE_CAPTION, IDS_COLOR_CAPTION, IDS_FONT_CAPTION, IDS_PROTRACTOR_CAPTION}},
        {{6, 500, 504, 516}, {IDS_GENERAL_CAPTION, IDS_COLOR_CAPTION}},
        {{507, 508, 514}, {IDS_COLOR_CAPTION}},
        {{503}, {IDS_FILE_NAME_CAPTION}},
        {{509}, {IDS_ENCRYPTION_CAPTION}},
        {{7, 8, 9, 10, 512, 513}, {IDS_FONT_CAPTION, IDS_COLOR_CAPTION, IDS_TEXT_CAPTION}},
        // Text marks add Color right after Font.
        {{518}, {IDS_FONT_CAPTION, IDS_COLOR_CAPTION, IDS_LINE_CAPTION, IDS_TEXT_CAPTION}},
    };
    Strings tabs;
    for (const auto& [types, captions] : table)
        if (std::find(types.begin(), types.end(), markType) != types.end())
            for (UINT id : captions)
                tabs.push_back(LibraryString(id));
    return tabs;
}

TEST(PageLayout, TabsInTableOrderControlsInsideTheirPageInTheSheetsFontMnemonicsNearby) {
    ExpectTheScaleAsked();
    std::map<std::string, Strings> faults; // per page class
    Bytes block(64, 0);
    block[8] = 10; // a valid arrow size
    for (DWORD markType = 1; markType <= 518; markType = markType == 10 ? 500 : markType + 1) {
        Sheet sheet;
        sheet.Load(PatternRecord(markType, 0x21, 1), {{"OiAnoDat", block}});
        const Strings tabs = TabsOf(markType);
        EXPECT_EQ(!tabs.empty(), KEL_GUI_property_sheet_title_set(sheet.Handle(), "Attributes"));
        if (tabs.empty())
            continue; // no pages
        HWND page = nullptr;
        sheet.Run([&](ModalDriver& d) {
            d.Do("tabs", [&] { EXPECT_EQ(tabs, TabTexts(sheet.Window())) << markType; });
            for (int i = 0; i < int(tabs.size()); ++i)
                d.Do("select", [&, i] { SelectTab(sheet.Window(), i); })
                    .Then("its page", WaitForPage(sheet.Window(), i, page))
                    .Do("check", [&, i] {
                        // Pages are told by caption and controls: four share "Text Attributes".
                        std::string key = tabs[i];
                        for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                            key += " " + std::to_string(GetDlgCtrlID(c));
                        faults.emplace(key, PageFaults(sheet.Window(), page));
                    });
            d.Do("cancel", [&] { PressCancel(sheet.Window()); });
        });
    }
    EXPECT_EQ(15u, faults.size()) << "every page class";
    for (const auto& [tab, found] : faults)
        EXPECT_EQ(Strings{}, found) << tab;
}

} // namespace sheet_test
