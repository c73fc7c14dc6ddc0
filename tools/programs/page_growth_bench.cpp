// Benchmark: every page kind on its own, its sheet opened on that page,
// closed with OK, read back and destroyed 4,000 times through the exports
// (after a warm-up), once as shown and once with a double-click in each edit
// of the page before OK (which makes the edits build their word-break
// tables). Heap bytes in use must stay flat (under 1 byte and 0.01 blocks a
// cycle); private bytes, GDI and USER objects must not grow at all.
//   page_growth_bench.exe [cycles [kind]]     (default 4000, every kind)
#include "bench.h"
#include "kelgui.h"
#include "resource_ids.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::string;
using Blocks = std::vector<std::pair<const char*, Bytes>>;

// A text block: 16 header bytes, a 100-character text of words (long enough
// to wrap in the text pages), its zero and three more.
Bytes TextBlock() {
    std::string text;
    while (text.size() < 100)
        text += "note on the page ";
    text.resize(100);
    Bytes block(16, '\0');
    block[12] = static_cast<char>(text.size() + 1);
    return block + text + std::string(4, '\0');
}

struct Kind {
    const char* page;
    DWORD markType;
    int tab;
    Blocks blocks;
};

std::vector<Kind> Kinds() {
    const Bytes text = TextBlock(), file = Bytes("C:\\note.txt") + '\0';
    const Bytes arrow = {1, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0};
    Bytes protractor(24, '\0');
    protractor[16] = 50;
    protractor[20] = 2;
    return {
        {"line", 3, 0, {}},
        {"colour", 3, 1, {}},
        {"general", 6, 0, {}},
        {"arrow", 506, 2, {{"OiAnoDat", arrow}}},
        {"font", 7, 0, {{"OiAnText", text}}},
        {"text", 7, 2, {{"OiAnText", text}}},
        {"text file", 8, 2, {{"OiFilNam", file}}},
        {"stamp", 9, 2, {{"OiAnText", text}}},
        {"label", 512, 2, {{"OiAnText", text}}},
        {"password", 509, 0, {{"OiAnoDat", Bytes(24, '\0')}}},
        {"audio file", 503, 0, {{"OiFilNam", file}}},
        {"image", 2, 0, {{"OiAnoDat", Bytes(40, '\0')}, {"OiFilNam", file}}},
        {"image reference", 2, 1, {{"OiAnoDat", Bytes(40, '\0')}, {"OiFilNam", file}}},
        {"ruler", 510, 3, {{"OiAnoDat", Bytes(32, '\0')}, {"OiAnText", text}}},
        {"protractor", 511, 3, {{"OiAnoDat", protractor}}},
    };
}

// A host round: create, load the record and blocks, show (the closer brings
// the page to the front and presses OK), read the record and every block
// back, destroy.
bool Cycle(const Kind& kind) {
    KEL_IMAGE_INFO info = {};
    info.dwSize = sizeof info;
    info.nXPelsPerMeter = 11811;
    KEL_MARK_ATTRIBUTES record = {};
    record.nMarkType = kind.markType;
    record.nLineSize = 2;
    record.lfFont.lfHeight = -13;
    lstrcpyA(record.lfFont.lfFaceName, "Arial");
    HKELSHEET sheet = nullptr;
    if (!KEL_GUI_property_sheet_create(nullptr, &info, &sheet))
        return false;
    bool ok =
        KEL_GUI_property_sheet_init(sheet, KEL_SHEET_ATTRIBUTES, &record, nullptr, nullptr, 0);
    for (const auto& b : kind.blocks)
        ok = ok && KEL_GUI_property_sheet_init(sheet, KEL_SHEET_BLOCK, nullptr, b.first,
                                               b.second.data(), DWORD(b.second.size()));
    ok = ok && KEL_GUI_property_sheet_show(sheet) == 1;
    ok = ok && KEL_GUI_property_sheet_query(sheet, KEL_SHEET_ATTRIBUTES, &record, nullptr, nullptr,
                                            nullptr);
    for (const auto& b : kind.blocks) {
        DWORD size = 0;
        KEL_GUI_property_sheet_query(sheet, KEL_SHEET_BLOCK, nullptr, b.first, nullptr, &size);
        std::string back(size, '\0');
        KEL_GUI_property_sheet_query(sheet, KEL_SHEET_BLOCK, nullptr, b.first, &back[0], &size);
    }
    KEL_GUI_property_sheet_destroy(sheet);
    return ok;
}

struct Counts {
    long long heapBytes, heapBlocks;
    long kib, gdi, user;
};

// Blocks are counted too: a leaked block of 0 bytes adds none.
Counts Now() {
    Counts counts = {0, 0, bench::PrivateKiB(), bench::GdiObjects(), bench::UserObjects()};
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < count && i < 64; ++i) {
        if (!HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) {
                counts.heapBytes += entry.cbData;
                ++counts.heapBlocks;
            }
        HeapUnlock(heaps[i]);
    }
    return counts;
}

// The growth of one kind over cycles, after a warm-up, as one line.
void GrowthLine(const Kind& kind, bool doubleClick, int cycles, int& failures) {
    bench::closer::g_page = kind.tab;
    bench::closer::g_doubleClick = doubleClick;
    auto cycle = [&kind] { return Cycle(kind); };
    bench::MsPerCycle(cycle, 20, failures);
    const Counts before = Now();
    const double ms = bench::MsPerCycle(cycle, cycles, failures);
    const Counts after = Now();
    char figure[160];
    std::snprintf(figure, sizeof figure,
                  "heap %+.2f B %+.2f blocks a cycle; private %+ld KiB, GDI %+ld, USER %+ld",
                  double(after.heapBytes - before.heapBytes) / cycles,
                  double(after.heapBlocks - before.heapBlocks) / cycles, after.kib - before.kib,
                  after.gdi - before.gdi, after.user - before.user);
    bench::Line(std::string("growth over ") + std::to_string(cycles) + " " + kind.page +
                    " page cycles (mark " + std::to_string(kind.markType) + ", tab " +
                    std::to_string(kind.tab + 1) + ")" +
                    (doubleClick ? ", a double-click in each edit" : ""),
                figure, bench::Format("%.1f ms a cycle", ms), "-", "flat");
}

} // namespace

int main(int argc, char** argv) {
    const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 4000;
    const char* only = argc > 2 ? argv[2] : nullptr;
    if (!bench::Start())
        return 2;
    bench::InstallSheetCloser(0);
    int failures = 0;
    std::vector<Kind> kinds = Kinds();
    if (only)
        kinds.erase(std::remove_if(kinds.begin(), kinds.end(),
                                   [only](const Kind& k) { return std::strcmp(only, k.page); }),
                    kinds.end());
    // The process's first sheets of each kind, and its first count of USER
    // objects (a table full of menus), grow its heaps and caches once.
    for (const Kind& kind : kinds) {
        bench::closer::g_page = kind.tab;
        for (bool doubleClick : {false, true}) {
            bench::closer::g_doubleClick = doubleClick;
            bench::MsPerCycle([&kind] { return Cycle(kind); }, 10, failures);
        }
    }
    Now();
    for (const Kind& kind : kinds) {
        GrowthLine(kind, false, cycles, failures);
        GrowthLine(kind, true, cycles, failures);
    }
    bench::RemoveSheetCloser();
    if (failures)
        std::printf("failed cycles: %d\n", failures);
    return failures ? 1 : 0;
}
