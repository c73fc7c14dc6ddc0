// Benchmark, run by hand: a 64 MiB text file taken into a text-from-file
// mark's block and handed to the host (size query, then fetch) through the
// exports, against reading the same file with ReadFile into a buffer and
// copying it once. Both run in turns in the same process; the best of each
// is compared.
//   text_file_bench.exe [rounds]     (default 10)
#include "kelgui.h"
#include "resource_ids.h"
#include "support/modal_driver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr size_t kFileSize = 64u << 20;
std::string g_path;
double Now() {
    LARGE_INTEGER frequency, t;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool MakeFile() {
    HANDLE file = CreateFileA(g_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::string line = "A line of a large text file, with a CR LF at its end.\r\n";
    std::string chunk;
    while (chunk.size() < (1u << 20))
        chunk += line;
    chunk.resize(1u << 20);
    bool ok = true;
    for (size_t done = 0; ok && done < kFileSize; done += chunk.size()) {
        DWORD written = 0;
        ok = WriteFile(file, chunk.data(), DWORD(chunk.size()), &written, nullptr) &&
             written == chunk.size();
    }
    CloseHandle(file);
    return ok;
}

// The host's pair of calls; the size query reads the file into the block,
// the fetch copies the block into the host's buffer.
double LibraryRound(HKELSHEET sheet, size_t* got) {
    const double start = Now();
    DWORD size = 0;
    KEL_GUI_property_sheet_query(sheet, KEL_SHEET_BLOCK, nullptr, KEL_BLOCK_TEXT, nullptr, &size);
    std::unique_ptr<char[]> buffer(new char[size]);
    KEL_GUI_property_sheet_query(sheet, KEL_SHEET_BLOCK, nullptr, KEL_BLOCK_TEXT, buffer.get(),
                                 &size);
    const double elapsed = Now() - start;
    *got = size;
    return elapsed;
}

// The same bytes the plain way: ReadFile into a buffer, one copy out.
double PlainRound(size_t* got) {
    const double start = Now();
    HANDLE file = CreateFileA(g_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    LARGE_INTEGER size;
    GetFileSizeEx(file, &size);
    std::unique_ptr<char[]> read(new char[size.QuadPart]);
    DWORD count = 0;
    ReadFile(file, read.get(), DWORD(size.QuadPart), &count, nullptr);
    CloseHandle(file);
    std::unique_ptr<char[]> copy(new char[count]);
    std::memcpy(copy.get(), read.get(), count);
    const double elapsed = Now() - start;
    *got = count;
    return elapsed;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 10;
    char folder[MAX_PATH];
    g_path = std::string(folder, GetTempPathA(sizeof folder, folder)) + "kelgui_bench.txt";
    if (!MakeFile()) {
        std::printf("text_file_bench: no library or no file\n");
        return 1;
    }
    KEL_IMAGE_INFO info = {};
    info.dwSize = sizeof info;
    KEL_MARK_ATTRIBUTES record = {};
    record.nMarkType = KEL_MARK_TEXT_FROM_FILE;
    HKELSHEET sheet = nullptr;
    KEL_GUI_property_sheet_create(nullptr, &info, &sheet);
    KEL_GUI_property_sheet_init(sheet, KEL_SHEET_ATTRIBUTES | KEL_SHEET_BLOCK, &record,
                                KEL_BLOCK_TEXT, "0123456789ab", 12);
    // The file's name typed on the text file page (the last tab), then OK.
    kelgui_test::ModalDriver driver;
    HWND window = nullptr;
    int last = -1;
    driver.Then("the sheet", kelgui_test::WaitForSheet(window))
        .Do("last tab",
            [&] {
                kelgui_test::SelectTab(window,
                                       last = int(kelgui_test::TabTexts(window).size()) - 1);
            })
        .Then("type the name, OK", [&] {
            HWND page = kelgui_test::CurrentPage(window);
            if (kelgui_test::CurrentTab(window) != last || !page)
                return false;
            kelgui_test::SetText(GetDlgItem(page, IDC_FILE_NAME), g_path);
            kelgui_test::PressOk(window);
            return true;
        });
    driver.Start();
    const BOOL shown = KEL_GUI_property_sheet_show(sheet);
    driver.Stop();

    double library = 1e300, plain = 1e300;
    size_t libraryBytes = 0, plainBytes = 0;
    for (int i = 0; i < rounds; ++i) {
        library = std::min(library, LibraryRound(sheet, &libraryBytes));
        plain = std::min(plain, PlainRound(&plainBytes));
    }
    KEL_GUI_property_sheet_destroy(sheet);
    DeleteFileA(g_path.c_str());
    if (shown != 1 || libraryBytes != plainBytes + 20) {
        std::printf("text_file_bench: the block is %zu bytes, the file %zu\n", libraryBytes,
                    plainBytes);
        return 1;
    }
    std::printf(
        "BENCH|64 MiB text file into its block and fetched, best of %d (floor: ReadFile and "
        "one copy)|%.1f ms|%.1f ms|"
        "%.2f|<=1.5\n",
        rounds, library, plain, library / plain);
    return 0;
}
