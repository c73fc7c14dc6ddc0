// What the benchmark programs share: a millisecond clock, timing of a cycle,
// and the growth of GDI objects, USER objects and private bytes over 100 and
// 1,000 cycles, printed as the lines tools/bench.sh gathers:
//   BENCH|<measure>|<library figure>|<baseline figure>|<ratio>|<target>
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "kelgui.h"
#include "resource_ids.h"
#include "support/resource_counts.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace bench {

inline double NowMs() {
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / perMs;
}

// Milliseconds per cycle over count cycles; a failed cycle counts in failures.
template <class Cycle> double MsPerCycle(Cycle cycle, int count, int& failures) {
    const double start = NowMs();
    for (int i = 0; i < count; ++i)
        failures += cycle() ? 0 : 1;
    return (NowMs() - start) / count;
}

// GDI objects as the tests count them; USER objects as the handle slots that
// menus cannot take (made until the table is full, then destroyed), which sees
// more than the tests' count of windows.
inline long GdiObjects() {
    return static_cast<long>(kelgui_test::GdiObjects());
}

inline long UserObjects() {
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS))
        return static_cast<long>(n);
    std::vector<HMENU> made;
    for (HMENU m; made.size() < 200000 && (m = CreateMenu()) != nullptr;)
        made.push_back(m);
    for (HMENU m : made)
        DestroyMenu(m);
    return -static_cast<long>(made.size());
}

// Committed private memory, summed over the address space (the process
// counters of Wine leave it out).
inline long PrivateKiB() {
    unsigned long long bytes = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize)
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            bytes += region.RegionSize;
    return static_cast<long>(bytes / 1024);
}

inline void Line(const std::string& measure, const std::string& library,
                 const std::string& baseline, const std::string& ratio, const char* target) {
    std::printf("BENCH|%s|%s|%s|%s|%s\n", measure.c_str(), library.c_str(), baseline.c_str(),
                ratio.c_str(), target);
    std::fflush(stdout);
}

inline std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

inline double Median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// The time of a library cycle against a baseline cycle doing the same work,
// run in alternating batches so that both see the same load on a shared
// machine: the medians of the batches' ms per cycle, and their ratio.
template <class Library, class Baseline>
void CompareLine(const std::string& measure, Library library, Baseline baseline, int batches,
                 int batchSize, const char* target, int& failures) {
    std::vector<double> a, b;
    for (int i = 0; i < batches; ++i) {
        a.push_back(MsPerCycle(library, batchSize, failures));
        b.push_back(MsPerCycle(baseline, batchSize, failures));
    }
    const double ms = Median(a), baseMs = Median(b);
    Line(measure, Format("%.2f ms", ms), Format("%.2f ms", baseMs), Format("%.2f", ms / baseMs),
         target);
}

// Runs 1,000 cycles (after a few to warm up) and prints the growth of each
// count after 100 and after 1,000 of them.
template <class Cycle> void GrowthLines(const std::string& what, Cycle cycle, int& failures) {
    MsPerCycle(cycle, 5, failures);
    struct Counts {
        long gdi, user, kib;
    };
    auto count = [] { return Counts{GdiObjects(), UserObjects(), PrivateKiB()}; };
    const Counts before = count();
    MsPerCycle(cycle, 100, failures);
    const Counts after100 = count();
    MsPerCycle(cycle, 900, failures);
    const Counts after1000 = count();
    auto growth = [](long a, long b, const char* unit) {
        char text[64];
        std::snprintf(text, sizeof text, "%+ld%s/%+ld%s", a, unit, b, unit);
        return std::string(text);
    };
    const std::string after = " after 100/1000 " + what + " cycles";
    Line("GDI objects" + after, growth(after100.gdi - before.gdi, after1000.gdi - before.gdi, ""),
         "-", "-", "no growth");
    Line("USER objects" + after,
         growth(after100.user - before.user, after1000.user - before.user, ""), "-", "-",
         "no growth");
    Line("private bytes" + after,
         growth(after100.kib - before.kib, after1000.kib - before.kib, " KiB") + " (of " +
             std::to_string(before.kib) + " KiB)",
         "-", "-", "no growth");
}

// A page procedure that does nothing beyond the dialog manager's defaults.
// Common controls up (the library is linked through its import library).
inline bool Start(DWORD controls = ICC_WIN95_CLASSES) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, controls};
    return InitCommonControlsEx(&icc) != FALSE;
}

inline INT_PTR CALLBACK PlainPageProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// A floor's page procedure that does what the library's font page does to
// its face list, on a page that has one: every TrueType face once, each item
// holding a copy of its LOGFONT, freed when the page goes.
inline int CALLBACK AddTrueTypeFace(const LOGFONTA* lf, const TEXTMETRICA*, DWORD type,
                                    LPARAM list) {
    HWND faces = reinterpret_cast<HWND>(list);
    if (!(type & TRUETYPE_FONTTYPE) ||
        SendMessageA(faces, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(lf->lfFaceName)) != LB_ERR)
        return 1;
    const LRESULT index = SendMessageA(faces, LB_ADDSTRING, 0, LPARAM(lf->lfFaceName));
    SendMessageA(faces, LB_SETITEMDATA, WPARAM(index), LPARAM(new LOGFONTA(*lf)));
    return 1;
}

inline INT_PTR CALLBACK PlainFontPageProc(HWND page, UINT message, WPARAM, LPARAM) {
    HWND faces = GetDlgItem(page, IDC_FONT_FACES);
    if (message == WM_INITDIALOG && faces) {
        HDC screen = GetDC(nullptr);
        EnumFontFamiliesA(screen, nullptr, AddTrueTypeFace, LPARAM(faces));
        ReleaseDC(nullptr, screen);
    }
    if (message == WM_DESTROY && faces)
        for (LRESULT i = SendMessageA(faces, LB_GETCOUNT, 0, 0); i-- > 0;)
            delete reinterpret_cast<LOGFONTA*>(SendMessageA(faces, LB_GETITEMDATA, WPARAM(i), 0));
    return message == WM_INITDIALOG;
}

// The baseline of the sheet benchmarks: the library's templates (id and tab
// text) straight in a plain comctl32 sheet, each page run by proc. True when
// it closed with OK.
inline bool PlainSheet(HINSTANCE module, const std::vector<std::pair<int, const char*>>& pages,
                       DLGPROC proc = PlainPageProc) {
    std::vector<PROPSHEETPAGEA> descs(pages.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        descs[i].dwSize = sizeof descs[i];
        descs[i].dwFlags = PSP_USETITLE;
        descs[i].hInstance = module;
        descs[i].pszTemplate = MAKEINTRESOURCEA(pages[i].first);
        descs[i].pfnDlgProc = proc;
        descs[i].pszTitle = pages[i].second;
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    header.hInstance = module;
    header.pszCaption = "Attributes";
    header.nPages = static_cast<UINT>(descs.size());
    header.ppsp = descs.data();
    return PropertySheetA(&header) > 0;
}

// Until RemoveSheetCloser: each property sheet of the thread, once active,
// brings page index to the front (none when negative), paints itself fully,
// double-clicks in each edit of the page in front when g_doubleClick is set,
// and is closed with OK, so library and baseline sheets run the same script.
namespace closer {
inline HHOOK g_cbtHook = nullptr;
inline HHOOK g_messageHook = nullptr;
inline int g_page = -1;
inline bool g_doubleClick = false;
constexpr WPARAM kPaintThenOk = 0x4B454C; // marks our WM_NULL

// A double-click selects the word under the caret: the edit makes its
// word-break table for the text.
inline BOOL CALLBACK DoubleClickEdit(HWND child, LPARAM) {
    char name[8] = "";
    if (IsWindowVisible(child) && GetClassNameA(child, name, sizeof name) &&
        lstrcmpiA(name, "Edit") == 0) {
        SendMessageA(child, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageA(child, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    return TRUE;
}

inline HWND g_scripted = nullptr; // the last sheet given the script

inline void Script(HWND sheet) {
    g_scripted = sheet;
    if (g_page >= 0)
        PostMessageA(sheet, PSM_SETCURSEL, g_page, 0);
    PostMessageA(sheet, WM_NULL, kPaintThenOk, 0);
}

inline LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && window != g_scripted && PropSheet_GetTabControl(window))
        Script(window);
    return CallNextHookEx(g_cbtHook, code, wParam, lParam);
}

// A sheet that Wine showed without activating it now and then (rarely, over
// thousands of cycles) gets its script from its first message in the loop.
inline LRESULT CALLBACK OnGetMessage(int code, WPARAM removed, LPARAM lParam) {
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    HWND root = msg->hwnd ? GetAncestor(msg->hwnd, GA_ROOT) : nullptr;
    if (code >= 0 && removed == PM_REMOVE && root && root != g_scripted && IsWindowVisible(root) &&
        PropSheet_GetTabControl(root))
        Script(root);
    if (code >= 0 && removed == PM_REMOVE && msg->message == WM_NULL &&
        msg->wParam == kPaintThenOk) {
        RedrawWindow(msg->hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        if (g_doubleClick)
            EnumChildWindows(PropSheet_GetCurrentPageHwnd(msg->hwnd), DoubleClickEdit, 0);
        PostMessageA(msg->hwnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
    }
    return CallNextHookEx(g_messageHook, code, removed, lParam);
}
} // namespace closer

inline void InstallSheetCloser(int page) {
    closer::g_page = page;
    closer::g_cbtHook = SetWindowsHookExA(WH_CBT, closer::OnCbt, nullptr, GetCurrentThreadId());
    closer::g_messageHook =
        SetWindowsHookExA(WH_GETMESSAGE, closer::OnGetMessage, nullptr, GetCurrentThreadId());
}

inline void RemoveSheetCloser() {
    UnhookWindowsHookEx(closer::g_messageHook);
    UnhookWindowsHookEx(closer::g_cbtHook);
    closer::g_messageHook = closer::g_cbtHook = nullptr;
}

} // namespace bench
