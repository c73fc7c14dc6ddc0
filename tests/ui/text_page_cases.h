// Shared by the text page tests in both languages: "OiAnText" blocks as a
// host holds them and round trips of edited text through a sheet.
#pragma once

#include "sheet_fixture.h"

namespace sheet_test {
using Bytes = std::vector<uint8_t>;
constexpr int kTextEdit = 1034, kWrappingEdit = 1140;

// Header words 1..12, the length word, the text, its zero and three bytes.
inline Bytes TextBlock(const std::string& text, uint8_t trailing = 0) {
    Bytes block{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const uint32_t length = static_cast<uint32_t>(text.size() + 1);
    block.insert(block.end(), reinterpret_cast<const uint8_t*>(&length),
                 reinterpret_cast<const uint8_t*>(&length) + 4);
    block.insert(block.end(), text.begin(), text.end());
    block.insert(block.end(), {0, trailing, trailing, trailing});
    return block;
}

// The block under name after a size query and a fetch of that many bytes.
inline Bytes Fetch(Sheet& sheet, const char* name) {
    DWORD size = 0, fetched = 0;
    EXPECT_EQ(1, sheet.Query(KEL_SHEET_BLOCK, nullptr, name, nullptr, &size));
    Bytes block(size, 0xCD);
    EXPECT_EQ(1, sheet.Query(KEL_SHEET_BLOCK, nullptr, name, block.data(), &fetched));
    EXPECT_EQ(size, fetched) << "both calls of the pair see the same block";
    return block;
}

// Leaves text in edit as typing would: a multi-line edit reports no change
// for a text set from outside, so one key goes in and out again.
inline void Retype(HWND edit, const std::string& text) {
    SetText(edit, text);
    SendMessageA(edit, EM_SETSEL, INT_MAX, INT_MAX);
    SendMessageA(edit, WM_CHAR, 'x', 1);
    SendMessageA(edit, WM_CHAR, VK_BACK, 1);
}

// A sheet for markType holding loaded; steps run on its last page (the
// block page), then OK. Returns the block the host gets back.
inline Bytes EditLastPage(DWORD markType, const Bytes& loaded, DWORD flags,
                          const std::function<void(ModalDriver&, HWND&)>& steps,
                          const char* name = KEL_BLOCK_TEXT) {
    Sheet sheet;
    KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 9);
    EXPECT_EQ(1, sheet.Init(KEL_SHEET_ATTRIBUTES, &record));
    EXPECT_EQ(1,
              sheet.Init(flags, nullptr, name, loaded.data(), static_cast<DWORD>(loaded.size())));
    HWND page = nullptr;
    EXPECT_EQ(1, sheet.Run([&](ModalDriver& d) {
        d.Do("last page", [&] {
             SelectTab(sheet.Window(), static_cast<int>(TabTexts(sheet.Window()).size()) - 1);
         }).Then("shown", [&] { return (page = CurrentPage(sheet.Window())) != nullptr; });
        steps(d, page);
        d.Do("OK", [&] { PressOk(sheet.Window()); });
    }));
    return Fetch(sheet, name);
}

// The text a typed text, label or stamp page gives back after its edit was
// set to typed.
inline Bytes TypedBlock(DWORD markType, int editId, const std::string& typed, const Bytes& loaded) {
    return EditLastPage(markType, loaded, KEL_SHEET_BLOCK, [&](ModalDriver& d, HWND& page) {
        d.Do("type", [&] { Retype(GetDlgItem(page, editId), typed); });
    });
}

// What the system formats for now in the user's locale: short date, time.
inline std::string Now() {
    char date[64] = {}, time[64] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
    return std::string(date) + time;
}

// Insert Date, then Insert Time over the B of a stamp "ABC", with the init
// flags of the block call: the stamp text, and Now() at that moment.
inline std::pair<std::string, std::string> StampInsertion(DWORD flags) {
    std::string now;
    const Bytes block =
        EditLastPage(KEL_MARK_TEXT_STAMP, TextBlock("ABC"), flags, [&](ModalDriver& d, HWND& page) {
            d.Do("select B, insert date and time", [&] {
                SendMessageA(GetDlgItem(page, kTextEdit), EM_SETSEL, 1, 2);
                SendMessageA(page, WM_COMMAND, 1041, 0);
                SendMessageA(page, WM_COMMAND, 1042, 0);
                now = Now();
            });
        });
    return {block.size() > 16 ? reinterpret_cast<const char*>(&block[16]) : "", now};
}
} // namespace sheet_test
