// What a screen reader reads, in the program's language (an English and a Japanese program
// include this), through oleacc as far as Wine answers (its list object gives no items).
#pragma once

#include "toolbar_test_host.h"

#include <oleacc.h>

#include <regex>

namespace sheet_test {

// The window's client object; __uuidof, as MinGW's oleacc library makes IID_IAccessible a thunk.
inline IAccessible* ClientObject(HWND window) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), (void**)&object);
    return object;
}

// The window (item 0) or one of its items as read out: "name role r state s", in the ANSI
// code page; the role left out when any will do, of the states only those in states.
inline std::string ReadAloud(HWND window, long item, long role, long states) {
    IAccessible* object = ClientObject(window);
    if (!object)
        return "no client object";
    VARIANT id = {}, value = {};
    id.vt = VT_I4, id.lVal = item;
    BSTR name = nullptr;
    char text[512] = "";
    if (SUCCEEDED(object->get_accName(id, &name)) && name)
        WideCharToMultiByte(CP_ACP, 0, name, -1, text, sizeof text, nullptr, nullptr);
    SysFreeString(name);
    std::string heard = text;
    if (role >= 0 && SUCCEEDED(object->get_accRole(id, &value)))
        heard += " role " + std::to_string(value.vt == VT_I4 ? value.lVal : -1);
    VariantClear(&value);
    if (SUCCEEDED(object->get_accState(id, &value)))
        heard += " state " + std::to_string(value.vt == VT_I4 ? value.lVal & states : -1);
    object->Release();
    return heard;
}

using ScreenReader = toolbar_test::ToolbarOnHost;
TEST_F(ScreenReader, ReadsEveryControlWithoutATextOfItsOwnByName) {
    constexpr long kAny = -1, kStates = STATE_SYSTEM_CHECKED | STATE_SYSTEM_PRESSED |
                                        STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE;
    constexpr long kButton = ROLE_SYSTEM_PUSHBUTTON;
    struct Row {
        DWORD markType; // 0: the toolbar, control 0 its frame
        int tab, control;
        long item, role, state;
        UINT name;
    };
    std::vector<Row> rows = {
        {506, 0, IDC_LINE_SIZE_SPIN, 0, kAny, 0, IDS_LINE_SIZE_LABEL},
        {506, 2, IDC_ARROW_SIZE_SPIN, 0, kAny, 0, IDS_ARROW_SIZE_LABEL},
        {510, 3, IDC_OUTPUT_PRECISION_SPIN, 0, kAny, 0, IDS_OUTPUT_PRECISION_LABEL},
        {510, 3, IDC_RULER_GAUGE_SPIN, 0, kAny, 0, IDS_GAUGE_LENGTH_LABEL},
        {503, 0, IDC_PLAY, 0, kAny, 0, IDS_NAME_PLAY},
        {0, 0, 0, 0, kAny, 0, IDS_NAME_TOOLBAR},
        {0, 0, KEL_TOOLBAR_BAR_ID, 0, ROLE_SYSTEM_TOOLBAR, 0, IDS_NAME_TOOLBAR},
        {0, 0, KEL_TOOLBAR_BAR_ID, 1, kButton, 0, IDS_TOOL_SELECT},
        {0, 0, KEL_TOOLBAR_BAR_ID, 2, kButton, STATE_SYSTEM_INVISIBLE, IDS_TOOL_FILLED_RECT},
        {0, 0, KEL_TOOLBAR_BAR_ID, 3, kButton, STATE_SYSTEM_UNAVAILABLE, IDS_TOOL_HOLLOW_RECT},
        {0, 0, KEL_TOOLBAR_BAR_ID, 11, kButton, STATE_SYSTEM_PRESSED, IDS_TOOL_ARROW},
        {0, 0, KEL_TOOLBAR_BAR_ID, 27, kButton, 0, IDS_NAME_RTF_EDIT}, // also without a tip
    };
    for (int i = 0; i < 16; ++i) // the primary swatches, blue selected
        rows.push_back({506, 1, IDC_PRIMARY_BLACK + i, 0, ROLE_SYSTEM_RADIOBUTTON,
                        i == 1 ? STATE_SYSTEM_CHECKED : 0, UINT(IDS_NAME_BLACK + i)});
    Strings heard(rows.size()), expected;
    const std::regex mnemonic(R"(\(&.\)|&)"); // "&Size:" and "サイズ(&S):" read without it
    for (const auto& r : rows)
        expected.push_back(std::regex_replace(LibraryString(r.name), mnemonic, "") +
                           (r.role == kAny ? "" : " role " + std::to_string(r.role)) + " state " +
                           std::to_string(r.state));
    const auto read = [&](DWORD markType, int tab, HWND window) { // window: the page or frame
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].markType == markType && rows[i].tab == tab)
                heard[i] = ReadAloud(rows[i].control ? GetDlgItem(window, rows[i].control) : window,
                                     rows[i].item, rows[i].role, kStates);
    };
    std::vector<uint8_t> block(64, 0);
    block[8] = 10; // a valid arrow size
    for (const auto& [markType, tab] :
         {std::pair(506u, 0), {506u, 1}, {506u, 2}, {510u, 3}, {503u, 0}}) {
        Sheet sheet;
        KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 0x21, 1);
        record.rgbMain = RGBQUAD{255, 0, 0, 0}; // blue
        sheet.Load(record, {{"OiAnoDat", block}, {"OiFilNam", {'a', 0}}});
        sheet.OnPage(tab, [&](HWND page) {
            read(markType, tab, page);
            for (int i = 0; markType == 506 && tab == 2 && i < 4; ++i) {
                char text[128] = "";
                SendDlgItemMessageA(page, IDC_ARROW_STYLES, LB_GETTEXT, i, LPARAM(text));
                EXPECT_EQ(LibraryString(IDS_NAME_ARROW_OPEN + i), text);
            }
        });
    }
    for (const auto& [markType, flags] : {std::pair(6, 2), {5, 4}, {506, 7}})
        KEL_GUI_toolbar_button_set(m_frame, markType, flags); // hidden, disabled, pressed
    read(0, 0, m_frame);
    long items = 0;
    if (IAccessible* bar = ClientObject(m_bar))
        bar->get_accChildCount(&items), bar->Release();
    EXPECT_EQ(27, items);
    EXPECT_EQ(expected, heard);
}

} // namespace sheet_test
