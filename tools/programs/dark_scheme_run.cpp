// Runs a program under the tests' dark colour scheme (tests/support/dark_scheme.h)
// and puts the colours back after it: tools/gallery.sh pictures pages so.
// Usage: dark_scheme_run.exe PROGRAM [ARGS...]; ends with the program's exit code.
#include "support/dark_scheme.h"

#include <cstdio>

int main() {
    // The command line after this program's own name, as it was given.
    char* rest = GetCommandLineA();
    const char end = *rest == '"' ? '"' : ' ';
    for (rest += *rest == '"'; *rest && *rest != end; ++rest) {
    }
    for (rest += *rest == end; *rest == ' '; ++rest) {
    }
    if (!*rest) {
        std::fprintf(stderr, "usage: dark_scheme_run.exe PROGRAM [ARGS...]\n");
        return 2;
    }
    const kelgui_test::DarkScheme dark;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, rest, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "dark_scheme_run: cannot start %s (error %lu)\n", rest,
                     GetLastError());
        return 127;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}
