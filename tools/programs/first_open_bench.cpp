// Benchmark: a sheet's first open in a process, and the opens after it,
// against a bare comctl32 sheet of the same templates (same tab texts and
// caption, the same first page in front, painted and closed with OK the same
// way; on a font page the floor fills the face list as the library does).
// Every measure runs in a fresh process: this program starts itself as a
// child per round, the library and the floor in turns (each first in every
// other round), and takes medians.
//   first_open_bench.exe [rounds]               (default 15 rounds)
//   first_open_bench.exe library|bare MARKTYPE  (one child: prints its times)
// The child loads kelgui.dll itself (this program does not link its import
// library), so that the load can be timed.
#include "bench.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kLaterOpens = 5;

struct Mark {
    DWORD markType;
    const char* pages;
    std::vector<std::pair<const char*, std::string>> blocks;
    std::vector<std::pair<int, const char*>> templates; // the library's tabs, in order
};

std::vector<Mark> Marks() {
    const std::string text = std::string(16, '\0') + "A note" + std::string(4, '\0');
    return {
        {7,
         "font, colour, text",
         {{"OiAnText", text}},
         {{IDD_FONT, "Font Attributes"},
          {IDD_COLOR, "Color Attributes"},
          {IDD_TEXT, "Text Attributes"}}},
        {510,
         "line, colour, font, ruler",
         {{"OiAnoDat", std::string(32, '\0')}, {"OiAnText", text}},
         {{IDD_LINE, "Line Attributes"},
          {IDD_COLOR, "Color Attributes"},
          {IDD_FONT, "Font Attributes"},
          {IDD_RULER, "Ruler Attributes"}}},
    };
}

// The sheet exports, taken from the library this child loaded.
struct Exports {
    HMODULE module = nullptr;
    decltype(&KEL_GUI_property_sheet_create) create = nullptr;
    decltype(&KEL_GUI_property_sheet_init) init = nullptr;
    decltype(&KEL_GUI_property_sheet_show) show = nullptr;
    decltype(&KEL_GUI_property_sheet_query) query = nullptr;
    decltype(&KEL_GUI_property_sheet_destroy) destroy = nullptr;

    bool Load() {
        module = LoadLibraryA("kelgui.dll");
        if (!module)
            return false;
        Take(create, "KEL_GUI_property_sheet_create");
        Take(init, "KEL_GUI_property_sheet_init");
        Take(show, "KEL_GUI_property_sheet_show");
        Take(query, "KEL_GUI_property_sheet_query");
        Take(destroy, "KEL_GUI_property_sheet_destroy");
        return create && init && show && query && destroy;
    }
    template <class F> void Take(F& f, const char* name) {
        f = reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    }
};

bool LibraryOpen(const Exports& gui, const Mark& mark) {
    KEL_IMAGE_INFO info = {};
    info.dwSize = sizeof info;
    info.nXPelsPerMeter = 11811;
    KEL_MARK_ATTRIBUTES record = {};
    record.nMarkType = mark.markType;
    record.nLineSize = 2;
    HKELSHEET sheet = nullptr;
    if (!gui.create(nullptr, &info, &sheet))
        return false;
    bool ok = gui.init(sheet, KEL_SHEET_ATTRIBUTES, &record, nullptr, nullptr, 0);
    for (const auto& b : mark.blocks)
        ok = ok && gui.init(sheet, KEL_SHEET_BLOCK, nullptr, b.first, b.second.data(),
                            DWORD(b.second.size()));
    ok = ok && gui.show(sheet) == 1;
    ok = ok && gui.query(sheet, KEL_SHEET_ATTRIBUTES, &record, nullptr, nullptr, nullptr);
    gui.destroy(sheet);
    return ok;
}

// A child: loads the library, opens the sheet once, then kLaterOpens times;
// prints "OPEN <load ms> <first ms> <median later ms>".
int Child(bool library, DWORD markType) {
    const double start = bench::NowMs();
    Exports gui;
    const bool found = gui.Load();
    const double loaded = bench::NowMs();
    if (!found || !bench::Start())
        return 2;
    const std::vector<Mark> marks = Marks();
    const Mark* mark = nullptr;
    for (const Mark& m : marks)
        mark = m.markType == markType ? &m : mark;
    if (!mark)
        return 2;
    bench::InstallSheetCloser(-1);
    auto open = [&] {
        return library ? LibraryOpen(gui, *mark)
                       : bench::PlainSheet(gui.module, mark->templates, bench::PlainFontPageProc);
    };
    int failures = 0;
    const double first = bench::MsPerCycle(open, 1, failures);
    std::vector<double> later;
    for (int i = 0; i < kLaterOpens; ++i)
        later.push_back(bench::MsPerCycle(open, 1, failures));
    bench::RemoveSheetCloser();
    std::printf("OPEN %.3f %.3f %.3f\n", loaded - start, first, bench::Median(later));
    return failures ? 1 : 0;
}

// Runs this program as a child with args; its three figures, or false.
bool RunChild(const std::string& args, double figures[3]) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = std::string("\"") + self + "\" " + args;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    const bool started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    char chunk[256];
    DWORD got = 0;
    while (started && ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got)
        output.append(chunk, got);
    CloseHandle(readEnd);
    DWORD code = 1;
    if (started) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    const size_t at = output.find("OPEN ");
    return code == 0 && at != std::string::npos &&
           std::sscanf(output.c_str() + at, "OPEN %lf %lf %lf", &figures[0], &figures[1],
                       &figures[2]) == 3;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3)
        return Child(std::strcmp(argv[1], "library") == 0,
                     static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    int failures = 0;
    for (const Mark& mark : Marks()) {
        std::vector<double> library[3], bare[3];
        const std::string type = std::to_string(mark.markType);
        for (int round = 0; round < rounds; ++round) {
            // Each side goes first in every other round: the first process of a
            // pair may find the system warmer or colder than the second.
            double a[3], b[3];
            const bool libraryFirst = round % 2 == 0;
            const bool ran = libraryFirst
                                 ? RunChild("library " + type, a) && RunChild("bare " + type, b)
                                 : RunChild("bare " + type, b) && RunChild("library " + type, a);
            if (!ran) {
                ++failures;
                continue;
            }
            for (int i = 0; i < 3; ++i) {
                library[i].push_back(a[i]);
                bare[i].push_back(b[i]);
            }
        }
        if (library[0].empty())
            continue;
        const std::string sheet =
            "mark " + type + " sheet (" + mark.pages + "; floor: bare comctl32 sheet)";
        auto line = [&](const std::string& measure, int i, const char* target) {
            const double ms = bench::Median(library[i]), baseMs = bench::Median(bare[i]);
            bench::Line(measure, bench::Format("%.1f ms", ms), bench::Format("%.1f ms", baseMs),
                        bench::Format("%.2f", ms / baseMs), target);
        };
        line("kelgui.dll loaded in a fresh process, before the " + sheet, 0, "-");
        line("first open in a fresh process: " + sheet, 1, "<=1.1");
        line("later opens (median of " + std::to_string(kLaterOpens) + "): " + sheet, 2, "-");
    }
    if (failures)
        std::printf("failed rounds: %d\n", failures);
    return failures ? 1 : 0;
}
