// Text page tests in both languages: blocks as hosts hold them, edited and read back.
#pragma once

#include "sheet_fixture.h"

namespace sheet_test {

// Header words 1..12, the length word, the text, its zero and three bytes.
inline Bytes TextBlock(const std::string& text, uint8_t trailing = 0) {
    const std::string bytes = std::string("\1\2\3\4\5\6\7\10\11\12\13\14", 12) +
                              char(text.size() + 1) + std::string(3, '\0') + text + '\0' +
                              std::string(3, char(trailing));
    return Bytes(bytes.begin(), bytes.end());
}

// The record with textFlags, then the block under flags (2 or with the date-code bit).
inline KEL_MARK_ATTRIBUTES Load(Sheet& sheet, DWORD markType, const Bytes& block, DWORD flags = 2,
                                const char* name = KEL_BLOCK_TEXT, DWORD textFlags = 0) {
    KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 9, 1);
    record.dwTextFlags = textFlags;
    EXPECT_EQ(1, sheet.Init(KEL_SHEET_ATTRIBUTES, &record));
    EXPECT_EQ(1, sheet.Init(flags, nullptr, name, block.data(), DWORD(block.size())));
    return record;
}

// Text as if typed: multi-line edits report no change for a text set from outside.
inline void Retype(HWND edit, const std::string& text) {
    SetText(edit, text);
    SendMessageA(edit, WM_CHAR, 'x', 1);
    SendMessageA(edit, WM_CHAR, VK_BACK, 1);
}

// What a sheet for markType gives back after act ran on its block page.
inline Bytes AfterEdit(DWORD markType, const Bytes& loaded, const std::function<void(HWND)>& act,
                       DWORD flags = 2, const char* name = KEL_BLOCK_TEXT) {
    Sheet sheet;
    Load(sheet, markType, loaded, flags, name);
    EXPECT_EQ(1, sheet.OnPage(-1, act));
    return sheet.Fetch(name);
}

// Text typed into a page's edit that the code page cannot hold, then OK: the message
// (UTF-8), "|", the edit's selection and its text (UTF-8) after the message.
inline std::string RefusedAtOk(DWORD markType, const char* name, int id,
                               const std::wstring& typed) {
    Sheet sheet;
    Load(sheet, markType, Bytes(60, 'o'), 2, name);
    Strings seen;
    const auto steps = [&](ModalDriver& d, HWND& page) {
        d.Do("type", [&] { TypeText(GetDlgItem(page, id), typed); });
        sheet.Refused(
            d, seen, [&] { PressOk(sheet.Window()); }, MessageBoxTextUtf8);
        d.Do("look", [&] {
            const auto [start, end] = EditSelection(GetDlgItem(page, id));
            seen.push_back("[" + std::to_string(start) + ", " + std::to_string(end) + ") " +
                           WideTextUtf8(GetDlgItem(page, id)));
        });
    };
    EXPECT_EQ(0, sheet.Edit(-1, steps, PressCancel));
    return seen.size() == 2 ? seen[0] + " | " + seen[1] : "not refused";
}

// Insert Date and Time over the B of "ABC": the stamp, with the system's own "now" as <now>.
inline std::string StampInsertion(DWORD flags) {
    auto now = [] {
        char date[64] = {}, time[64] = {};
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 64);
        GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, 64);
        return std::string(date) + time;
    };
    std::string before, after; // "now" read twice: a tick may pass during the insertion
    auto insert = [&](HWND page) {
        before = now();
        SendMessageA(GetDlgItem(page, IDC_TEXT_EDIT), EM_SETSEL, 1, 2);
        SendMessageA(page, WM_COMMAND, IDC_INSERT_DATE, 0);
        SendMessageA(page, WM_COMMAND, IDC_INSERT_TIME, 0);
        after = now();
    };
    const Bytes block = AfterEdit(KEL_MARK_TEXT_STAMP, TextBlock("ABC"), insert, flags);
    const std::string stamp = std::string(block.begin(), block.end()).substr(16).c_str();
    return stamp == "A" + before + "C" || stamp == "A" + after + "C" ? "A<now>C" : stamp;
}
} // namespace sheet_test
