// Benchmark: the floating toolbar made and destroyed through the exports,
// against its floor: a plain tool window of the same look built straight on
// comctl32 (the same 27 flat check buttons, 23 x 22 at 96 dpi, from the same
// mapped bitmap of the display's scale, two a row, the frame made at the bar's
// size and shown active the same way, its first tool hot as the focus makes
// it on the library's). The floor is first checked to look the same, pixel for pixel;
// then the times, per phase, and the process's GDI objects, USER objects and
// private bytes after 100 and 1,000 cycles, which must not grow.
#include "bench.h"
#include "support/dialog_helpers.h"
#include "kelgui.h"
#include "resource_ids.h"
#include "support/screenshot.h"

#include <commctrl.h>

namespace {

HWND g_host = nullptr;
constexpr int kButtons = 27, kColumns = 2, kX = 500, kY = 100;
// The button and its images at the display's scale (the images drawn for the
// scale at or below it).
struct Look {
    int width, height, imageWidth, imageHeight;
    UINT bitmap;
};
Look g_look;
Look LookAt(int dpi) {
    const int width = MulDiv(23, dpi, 96), height = MulDiv(22, dpi, 96);
    if (dpi >= 192)
        return {width, height, 32, 30, IDR_TOOLBAR_200};
    if (dpi >= 144)
        return {width, height, 24, 23, IDR_TOOLBAR_150};
    return {width, height, 16, 15, IDR_TOOLBAR};
}
constexpr DWORD kFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kBarStyle = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                            CCS_NOPARENTALIGN | CCS_NODIVIDER;
const char kPlainFrameClass[] = "PlainToolFrame";

HWND LibraryToolbar() {
    HWND frame = nullptr;
    return KEL_GUI_toolbar_create(g_host, kX, kY, &frame) ? frame : nullptr;
}

// The floor: the frame at its final size, the bar at its size with every
// button's style in the one add call, then shown as CreateWindowEx shows a
// visible window (activated).
HWND PlainToolbar(HBITMAP* images) {
    const int rows = (kButtons + kColumns - 1) / kColumns;
    const Look& look = g_look;
    RECT outer = {0, 0, kColumns * look.width, rows * look.height};
    AdjustWindowRectEx(&outer, kFrameStyle, FALSE, WS_EX_TOOLWINDOW);
    HWND frame = CreateWindowExA(WS_EX_TOOLWINDOW, kPlainFrameClass, nullptr, kFrameStyle, kX, kY,
                                 outer.right - outer.left, outer.bottom - outer.top, g_host,
                                 nullptr, nullptr, nullptr);
    HWND bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, kBarStyle, 0, 0,
                               kColumns * look.width, rows * look.height, frame,
                               reinterpret_cast<HMENU>(KEL_TOOLBAR_BAR_ID), nullptr, nullptr);
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(bar, TB_SETBITMAPSIZE, 0, MAKELONG(look.imageWidth, look.imageHeight));
    SendMessageA(bar, TB_SETBUTTONSIZE, 0, MAKELONG(look.width, look.height));
    *images = CreateMappedBitmap(GetModuleHandleA("kelgui.dll"), look.bitmap, 0, nullptr, 0);
    TBADDBITMAP well = {nullptr, reinterpret_cast<UINT_PTR>(*images)};
    SendMessageA(bar, TB_ADDBITMAP, kButtons, reinterpret_cast<LPARAM>(&well));
    TBBUTTON buttons[kButtons] = {};
    for (int i = 0; i < kButtons; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = IDS_TOOL_SELECT + i;
        buttons[i].fsState = TBSTATE_ENABLED | (i % kColumns == kColumns - 1 ? TBSTATE_WRAP : 0);
        buttons[i].fsStyle = TBSTYLE_CHECK;
    }
    SendMessageA(bar, TB_ADDBUTTONSA, kButtons, reinterpret_cast<LPARAM>(buttons));
    ShowWindow(frame, SW_SHOW);
    SetFocus(bar);
    SendMessageA(bar, TB_SETHOTITEM, 0, 0);
    return frame;
}

void DestroyAndDispatch(HWND frame, HBITMAP images = nullptr) {
    DestroyWindow(frame);
    kelgui_test::DispatchPending();
    if (images)
        DeleteObject(images);
}

bool LibraryCycle() {
    HWND frame = LibraryToolbar();
    kelgui_test::DispatchPending();
    DestroyAndDispatch(frame);
    return frame != nullptr;
}

bool PlainCycle() {
    HBITMAP images = nullptr;
    HWND frame = PlainToolbar(&images);
    kelgui_test::DispatchPending();
    const bool made = frame && images;
    DestroyAndDispatch(frame, images);
    return made;
}

// What the screen shows of a toolbar in front, with the pointer away from it,
// and whether it is the active window.
kelgui_test::Image Shot(HWND frame, bool* active) {
    RECT r = {};
    GetWindowRect(frame, &r);
    *active = GetActiveWindow() == frame;
    return kelgui_test::CaptureSettled(r);
}

// The pixels of the floor's toolbar that differ from the library's (all of
// them when the sizes or the activation differ).
long PixelsThatDiffer() {
    SetCursorPos(0, 0);
    bool libraryActive = false, plainActive = false;
    HWND frame = LibraryToolbar();
    const kelgui_test::Image library = Shot(frame, &libraryActive);
    DestroyAndDispatch(frame);
    HBITMAP images = nullptr;
    frame = PlainToolbar(&images);
    const kelgui_test::Image plain = Shot(frame, &plainActive);
    DestroyAndDispatch(frame, images);
    if (library.Empty() || library.width != plain.width || library.height != plain.height ||
        !libraryActive || !plainActive)
        return static_cast<long>(std::max(library.pixels.size(), plain.pixels.size()));
    long differ = 0;
    for (size_t i = 0; i < library.pixels.size(); ++i)
        differ += library.pixels[i] != plain.pixels[i];
    return differ;
}

// Phases of a cycle, told apart by the few window events a CBT hook sees
// (a hook on every message would cost more than the cycle): create runs until
// the bar window is made, fill until the frame is activated (the bar, images,
// buttons, layout), show until the messages that follow are dispatched.
namespace phases {
enum { kCreate, kFill, kShow, kDestroy, kCount };
const char* const kNames[kCount] = {"create (frame window)", "fill (bar, images, buttons, layout)",
                                    "show (activation, first paint)", "destroy"};
double g_mark[kCount + 1];
int g_reached = 0;
HHOOK g_hook = nullptr;

void Reach(int phase) {
    if (g_reached == phase) {
        g_mark[phase] = bench::NowMs();
        g_reached = phase + 1;
    }
}

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    char name[32] = "";
    if (code == HCBT_CREATEWND &&
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name) &&
        lstrcmpiA(name, TOOLBARCLASSNAMEA) == 0)
        Reach(kFill);
    else if (code == HCBT_ACTIVATE)
        Reach(kShow);
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

// Milliseconds of each phase of one cycle of make (which returns the frame).
template <class Make> std::vector<double> Cycle(Make make) {
    g_reached = 1;
    g_mark[0] = bench::NowMs();
    HBITMAP images = nullptr;
    HWND frame = make(&images);
    kelgui_test::DispatchPending();
    g_reached = kDestroy;
    Reach(kDestroy);
    DestroyAndDispatch(frame, images);
    g_mark[kCount] = bench::NowMs();
    std::vector<double> ms(kCount);
    for (int i = 0; i < kCount; ++i)
        ms[i] = g_mark[i + 1] - g_mark[i];
    return ms;
}

void Lines(int cycles) {
    g_hook = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    std::vector<double> library[kCount], plain[kCount];
    for (int c = 0; c < cycles; ++c) {
        const auto a = Cycle([](HBITMAP*) { return LibraryToolbar(); });
        const auto b = Cycle(PlainToolbar);
        for (int i = 0; i < kCount; ++i) {
            library[i].push_back(a[i]);
            plain[i].push_back(b[i]);
        }
    }
    UnhookWindowsHookEx(g_hook);
    for (int i = 0; i < kCount; ++i)
        bench::Line(std::string("toolbar phase: ") + kNames[i],
                    bench::Format("%.2f ms", bench::Median(library[i])),
                    bench::Format("%.2f ms", bench::Median(plain[i])), "-", "-");
}
} // namespace phases

} // namespace

int main() {
    if (!bench::Start(ICC_BAR_CLASSES))
        return 2;
    WNDCLASSA plain = {};
    plain.style = CS_DBLCLKS; // as the library's frame class
    plain.lpfnWndProc = DefWindowProcA;
    plain.hCursor = LoadCursor(nullptr, IDC_ARROW);
    plain.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    plain.lpszClassName = kPlainFrameClass;
    RegisterClassA(&plain);
    kelgui_test::HostWindow host;
    g_host = host;
    const HDC screen = GetDC(nullptr);
    g_look = LookAt(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    int failures = 0;
    const long differ = PixelsThatDiffer();
    bench::Line("pixels of the toolbar floor that differ from the library's toolbar (both active)",
                std::to_string(differ), "-", "-", "==0");
    failures += differ != 0;
    bench::GrowthLines("toolbar", LibraryCycle, failures);
    bench::CompareLine("toolbar create and destroy (floor: a plain tool window of the same look)",
                       LibraryCycle, PlainCycle, 60, 10, "<=1.05", failures);
    phases::Lines(100);
    if (failures)
        std::printf("failed cycles: %d\n", failures);
    return failures ? 1 : 0;
}
