// Benchmark, run by hand: what "OiAnText" blocks cost on their way through
// the text pages.
//  - a 64 MiB block handed to init and read back with the size query and the
//    fetch, the page never shown, against two plain memcpy calls of it (one
//    copy in, one copy out is all a block may cost);
//  - a 1 MiB text shown in the page, one character typed, OK, read back;
//  - GDI objects, USER objects and private bytes over 1,000 sheets of the
//    typed text, stamp, label and password pages in turn.
//   text_block_bench.exe [rounds]     (default 5; the best round counts)
#include "bench.h"
#include "resource_ids.h"
#include "kelgui.h"
#include "support/modal_driver.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// A typed text block: 12 header bytes, the length word, the text, zero, 3 bytes.
std::vector<char> TextBlock(size_t textSize) {
    std::vector<char> block(textSize + 20, 0);
    for (size_t i = 0; i < textSize; ++i)
        block[16 + i] = (i % 64 == 63) ? '\n' : static_cast<char>('a' + i % 26);
    for (size_t i = 63; i < textSize; i += 64)
        block[16 + i - 1] = '\r'; // lines end in CR LF
    const DWORD length = static_cast<DWORD>(textSize + 1);
    std::memcpy(&block[12], &length, sizeof length);
    return block;
}

HKELSHEET MakeSheet(const std::vector<char>& block, DWORD markType = KEL_MARK_TYPED_TEXT) {
    KEL_IMAGE_INFO info = {};
    info.dwSize = sizeof info;
    KEL_MARK_ATTRIBUTES record = {};
    record.nMarkType = markType;
    HKELSHEET sheet = nullptr;
    if (!KEL_GUI_property_sheet_create(nullptr, &info, &sheet))
        return nullptr;
    const char* name = markType == KEL_MARK_ENCRYPTION ? KEL_BLOCK_MARK_DATA : KEL_BLOCK_TEXT;
    KEL_GUI_property_sheet_init(sheet, KEL_SHEET_ATTRIBUTES | KEL_SHEET_BLOCK, &record, name,
                                block.data(), static_cast<DWORD>(block.size()));
    return sheet;
}

// The size query, then the fetch into out (grown to the size when needed).
DWORD ReadBack(HKELSHEET sheet, std::vector<char>& out, const char* name = KEL_BLOCK_TEXT) {
    DWORD size = 0;
    KEL_GUI_property_sheet_query(sheet, KEL_SHEET_BLOCK, nullptr, name, nullptr, &size);
    if (out.size() < size)
        out.resize(size);
    KEL_GUI_property_sheet_query(sheet, KEL_SHEET_BLOCK, nullptr, name, out.data(), &size);
    return size;
}

// One host round on a sheet whose text page the user brings to the front,
// types one character into and closes with OK (steps run from a timer
// inside the modal loop, a few milliseconds apart).
bool ShowTypeAndOk(HKELSHEET sheet) {
    kelgui_test::ModalDriver driver;
    HWND window = nullptr, page = nullptr;
    driver.Then("find the sheet", kelgui_test::WaitForSheet(window))
        .Do("text page", [&] { kelgui_test::SelectTab(window, 2); })
        .Then("shown", kelgui_test::WaitForPage(window, 2, page))
        .Do("type, OK", [&] {
            SendMessageA(GetDlgItem(page, IDC_WRAPPING_EDIT), WM_CHAR, 'x', 1);
            kelgui_test::PressOk(window);
        });
    driver.Start();
    const bool ok = KEL_GUI_property_sheet_show(sheet) == 1;
    driver.Stop();
    return ok && driver.Finished();
}

// The floor of the 1 MiB measure: a bare wrapping edit of the same style
// takes the text, one typed character, and gives the text back.
void BareEditRound(const std::vector<char>& block) {
    HWND edit = CreateWindowExA(0, "EDIT", "",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL |
                                    ES_WANTRETURN | WS_VSCROLL,
                                0, 0, 280, 170, nullptr, nullptr, nullptr, nullptr);
    // The sheet's font: 8-point "MS Shell Dlg".
    HFONT font =
        CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Shell Dlg");
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    SetWindowTextA(edit, &block[16]);
    SendMessageA(edit, WM_CHAR, 'x', 1);
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1);
    GetWindowTextA(edit, text.data(), static_cast<int>(text.size()));
    DestroyWindow(edit);
    DeleteObject(font);
}

template <class Round> double Best(int rounds, Round round) {
    double best = 1e300;
    for (int i = 0; i < rounds; ++i) {
        const double start = bench::NowMs();
        round();
        best = std::min(best, bench::NowMs() - start);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    if (!bench::Start())
        return 2;
    int failures = 0;

    // First, while the heap holds no 64 MiB blocks to split: handles and
    // memory across create, show on the block page, OK, query,
    // destroy: the typed text, stamp, label and password pages in turn (the
    // last tab of each: after Font and Color, or alone).
    const std::vector<char> small = TextBlock(100);
    std::vector<char> smallOut;
    const DWORD kinds[] = {7, 9, 512, 509};
    int turn = 0;
    bench::InstallSheetCloser(2);
    bench::GrowthLines(
        "text-page",
        [&] {
            const DWORD markType = kinds[turn++ % 4];
            bench::closer::g_page = markType == 509 ? 0 : 2;
            HKELSHEET sheet = MakeSheet(small, markType);
            const bool shown = KEL_GUI_property_sheet_show(sheet) == 1;
            ReadBack(sheet, smallOut, markType == 509 ? KEL_BLOCK_MARK_DATA : KEL_BLOCK_TEXT);
            KEL_GUI_property_sheet_destroy(sheet);
            return shown;
        },
        failures);
    bench::RemoveSheetCloser();

    // 64 MiB through init and the query pair, never shown, against what one
    // copy in and one copy out take at the least: a fresh buffer for the
    // copy, two memcpy calls, the buffer freed. The host's buffer is touched
    // beforehand; the result is checked outside the timing.
    const std::vector<char> big = TextBlock((64u << 20) - 20);
    std::vector<char> out(big.size(), 1);
    const double library = Best(rounds, [&] {
        HKELSHEET sheet = MakeSheet(big);
        failures += ReadBack(sheet, out) != big.size();
        KEL_GUI_property_sheet_destroy(sheet);
    });
    failures += std::memcmp(out.data(), big.data(), big.size()) != 0;
    const double plain = Best(rounds, [&] {
        char* copy = new char[big.size()];
        std::memcpy(copy, big.data(), big.size());
        std::memcpy(out.data(), copy, big.size());
        delete[] copy;
    });
    std::printf("BENCH|64 MiB OiAnText block: init, size query and fetch, never shown|%.1f ms|"
                "%.1f ms|%.2f|<=2.2\n",
                library, plain, library / plain);
    // The same two copies between buffers already touched: what the fresh
    // memory of a copy costs on this system on top.
    std::vector<char> warm(big.size(), 1);
    const double warmPlain = Best(rounds, [&] {
        std::memcpy(warm.data(), big.data(), big.size());
        std::memcpy(out.data(), warm.data(), big.size());
    });
    std::printf("BENCH|64 MiB OiAnText block against two memcpy calls into touched memory|%.1f ms|"
                "%.1f ms|%.2f|-\n",
                library, warmPlain, library / warmPlain);

    // 1 MiB shown, one character typed, OK, read back.
    const std::vector<char> text = TextBlock(1u << 20);
    const double shown = Best(rounds, [&] {
        HKELSHEET sheet = MakeSheet(text);
        if (!ShowTypeAndOk(sheet) || ReadBack(sheet, out) != text.size() + 1)
            ++failures;
        KEL_GUI_property_sheet_destroy(sheet);
    });
    const double bare = Best(rounds, [&] { BareEditRound(text); });
    std::printf("BENCH|1 MiB text: show the page, type one character, OK, read back (baseline: a "
                "bare wrapping edit)|%.1f ms|%.1f ms|%.2f|-\n",
                shown, bare, shown / bare);

    if (failures)
        std::printf("failed rounds: %d\n", failures);
    return failures ? 1 : 0;
}
