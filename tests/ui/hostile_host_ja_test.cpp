// A hostile host: bad handles, other threads, calls back in from callbacks and
// running sheets, buffers at an inaccessible page. Each call gets 0 or works;
// none crashes, hangs or writes outside. Code page 932: tips also make a font.
#include "support/dialog_helpers.h"
#include "toolbar_test_host.h"

#include <functional>

using namespace toolbar_test;

namespace {

kelgui_test::KelGui& g = Gui();
struct Handles {
    HKELSHEET sheet, other;
    HWND frame;
};
using H = const Handles&;
KEL_MARK_ATTRIBUTES g_record = {}; // a straight line from SetUp on
DWORD g_out;
const FARPROC kRecorder = reinterpret_cast<FARPROC>(&RecordNotification);

// Every export that takes a sheet or a toolbar handle, with its result on a
// filled sheet and on the sheet that is running (show's sheets get cancelled).
const struct Call {
    const char* name;
    BOOL (*run)(H);
    BOOL idle, running;
} kCalls[] = {
    {"show", [](H h) { return g.property_sheet_show(h.sheet); }, 0, 0},
    {"title set", [](H h) { return g.property_sheet_title_set(h.sheet, "t"); }, 1, 1},
    {"init", [](H h) { return g.property_sheet_init(h.sheet, 3, &g_record, "OiAnText", "a", 1); },
     1, 0},
    {"query",
     [](H h) { return g.property_sheet_query(h.sheet, 3, &g_record, "OiAnText", 0, &g_out); }, 1,
     1},
    {"destroy", [](H h) { return g.property_sheet_destroy(h.sheet); }, 1, 0},
    {"callback", [](H h) { return g.toolbar_CB_register(h.frame, 0, kRecorder, 1); }, 1, 1},
    {"button set", [](H h) { return g.toolbar_button_set(h.frame, 5, 1); }, 1, 1},
    {"button get", [](H h) { return g.toolbar_button_get(h.frame, 5, &g_out); }, 1, 1},
};

DWORD WINAPI RunFunction(LPVOID function) {
    (*static_cast<std::function<void()>*>(function))();
    return 0;
}
// Runs fn on a new thread; this thread's messages are dispatched meanwhile.
void OnOtherThread(std::function<void()> fn) {
    HANDLE thread = CreateThread(nullptr, 0, RunFunction, &fn, 0, nullptr);
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, 5000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        kelgui_test::DispatchPending();
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0) << "the other thread hung";
    CloseHandle(thread);
}

// The first call runs the action (from a timer inside a running sheet, or from
// a toolbar callback); later ones, timer ticks, cancel every sheet still up.
std::function<void()> g_inside;
void CALLBACK RunInsideThenClose(HWND, UINT, UINT_PTR, DWORD) {
    if (g_inside) {
        const std::function<void()> action = std::move(g_inside);
        g_inside = nullptr;
        return action();
    }
    for (HWND w : kelgui_test::ThreadWindows())
        if (IsWindowVisible(w) && kelgui_test::IsPropertySheet(w))
            kelgui_test::PressCancel(w);
}
void WINAPI RunInsideOnPress(DWORD_PTR, int, DWORD) {
    RunInsideThenClose(nullptr, 0, 0, 0);
}
BOOL WINAPI RunInsideOnTip(DWORD_PTR, int, LPCSTR, LPCSTR*) {
    RunInsideThenClose(nullptr, 0, 0, 0);
    return FALSE;
}
enum class Inside { kSheet, kNotification, kTip };

// size bytes that end where a PAGE_NOACCESS page begins (kept until the end).
char* Guarded(size_t size) {
    const size_t span = (size + 0xFFF) & ~size_t{0xFFF};
    auto* base =
        static_cast<char*>(VirtualAlloc(nullptr, span + 0x1000, MEM_COMMIT, PAGE_READWRITE));
    VirtualProtect(base + span, 0x1000, PAGE_NOACCESS, &g_out);
    return base + span - size;
}

// Wine answers GetProcessHandleCount with 0; there the open kernel handles
// are counted by probing the handle table.
DWORD KernelHandles() {
    DWORD count = 0, flags;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count)
        return count;
    for (ULONG_PTR h = 4; h < 0x10000; h += 4)
        count += GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags) ? 1 : 0;
    return count;
}

// A host window with a toolbar and two filled sheets.
class HostileHost : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "run with LC_ALL=ja_JP.UTF-8";
        g_record.nMarkType = KEL_MARK_STRAIGHT_LINE;
        Renew();
    }
    void TearDown() override {
        g.property_sheet_destroy(m_h.sheet);
        g.property_sheet_destroy(m_h.other);
        DestroyWindow(m_h.frame);
        PumpPending();
    }
    HKELSHEET NewSheet() {
        KEL_IMAGE_INFO info = {};
        HKELSHEET sheet = nullptr;
        g.property_sheet_create(m_host.Handle(), &info, &sheet);
        g.property_sheet_init(sheet, 1, &g_record, nullptr, nullptr, 0);
        return sheet;
    }
    void Renew() {
        TearDown();
        m_h = {NewSheet(), NewSheet(), nullptr};
        ASSERT_TRUE(g.toolbar_create(m_host.Handle(), 700, 100, &m_h.frame));
    }
    void PressAtPoint() { // 0x0900 at a tool's button
        POINT p = ButtonCentre(BarOf(m_h.frame), 2784);
        ClientToScreen(BarOf(m_h.frame), &p);
        SetCursorPos(p.x, p.y);
        PostMessageA(BarOf(m_h.frame), KEL_WM_TOOLBAR_PRESS_AT_POINT, 0, 0);
        PumpPending();
    }
    // One press per message: the hook is installed once.
    void ExpectOnePressPerMessage() {
        if (!IsWindow(m_h.frame))
            return;
        g.toolbar_CB_register(m_h.frame, KEL_TOOLBAR_CB_NOTIFY, kRecorder, 0);
        Notifications().clear();
        PressAtPoint();
        EXPECT_EQ(Notifications().size(), 1u) << Describe(Notifications());
    }
    void ExpectLiveOnesUntouched() {
        EXPECT_TRUE(g.property_sheet_title_set(m_h.sheet, "still here"));
        EXPECT_TRUE(g.toolbar_button_get(m_h.frame, 5, &g_out));
        EXPECT_EQ(g_out, DWORD{KEL_TOOL_ENABLED | KEL_TOOL_VISIBLE});
        ExpectOnePressPerMessage();
    }
    void RunInside(Inside where, std::function<void()> action) {
        g_inside = std::move(action);
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, RunInsideThenClose);
        g.toolbar_CB_register(m_h.frame, 0, reinterpret_cast<FARPROC>(&RunInsideOnPress), 0);
        g.toolbar_CB_register(m_h.frame, 1, reinterpret_cast<FARPROC>(&RunInsideOnTip), 0);
        if (where == Inside::kSheet)
            g.property_sheet_show(m_h.sheet);
        else if (where == Inside::kNotification)
            PressAtPoint();
        else
            TipA(m_h.frame, 2776);
        KillTimer(nullptr, timer);
        g_inside = nullptr;
    }

    HostWindow m_host;
    Handles m_h = {};
};

TEST_F(HostileHost, BadHandlesGetZeroAndLeaveTheLiveOnesAlone) {
    Handles stale = {NewSheet(), nullptr, nullptr};
    g.property_sheet_destroy(stale.sheet);
    g.toolbar_create(m_host.Handle(), 0, 0, &stale.frame);
    DestroyWindow(stale.frame);
    static std::string garbage(256, 'Z');
    const auto sheet = [](auto h) { return reinterpret_cast<HKELSHEET>(h); };
    const auto window = [](auto h) { return reinterpret_cast<HWND>(h); };
    HWND desktop = GetDesktopWindow(), host = m_host.Handle(), bar = BarOf(m_h.frame);
    const Handles kBad[] = {
        {nullptr, nullptr, nullptr},
        {sheet(0x5A5A5A5A), nullptr, window(0x5A5A5A5A)},
        {sheet(garbage.data()), nullptr, window(garbage.data())},
        stale,
        {sheet(m_h.frame), nullptr, window(m_h.sheet)},
        {sheet(desktop), nullptr, desktop},
        {sheet(host), nullptr, host},
        {sheet(bar), nullptr, bar},
    };
    for (const Handles& bad : kBad)
        for (const Call& call : kCalls)
            EXPECT_EQ(call.run(bad), 0) << call.name << " with " << bad.sheet << ", " << bad.frame;
    ExpectLiveOnesUntouched();
}

// Threads other than the loading one are refused and change nothing; threads
// that end, whether they called or not, leave no kernel handle behind.
TEST_F(HostileHost, OtherThreadsAreRefusedAndLeaveNothingBehind) {
    for (int i = 0; i < 50; ++i)
        OnOtherThread([] {}); // the first threads may set up what the system shares
    const DWORD handles = KernelHandles();
    g.message_title_set("first");
    std::vector<std::string> accepted;
    Handles made = m_h;
    OnOtherThread([&] {
        for (const Call& call : kCalls)
            if (call.run(m_h))
                accepted.push_back(call.name);
        KEL_IMAGE_INFO info = {};
        if (g.toolbar_create(m_host.Handle(), 0, 0, &made.frame) ||
            g.property_sheet_create(nullptr, &info, &made.sheet) || g.message_title_set("2nd") ||
            g.message_title_get(nullptr, 0))
            accepted.push_back("create or message title");
    });
    for (int i = 0; i < 100; ++i)
        OnOtherThread([] {});
    EXPECT_EQ(KernelHandles(), handles) << "after 101 threads ended";
    EXPECT_EQ(accepted, std::vector<std::string>{});
    EXPECT_TRUE(made.frame == m_h.frame && made.sheet == m_h.sheet) << "out slots untouched";
    char title[8] = "";
    g.message_title_get(title, sizeof title);
    EXPECT_STREQ(title, "first");
    ExpectLiveOnesUntouched();
}

TEST_F(HostileHost, CallsBackInFromARunningSheetAndFromTheToolbarCallbacks) {
    const struct {
        const char* where;
        Inside inside;
        bool onRunningSheet;
    } kPlaces[] = {{"on the running sheet", Inside::kSheet, true},
                   {"on another sheet while one runs", Inside::kSheet, false},
                   {"from the notification callback", Inside::kNotification, false},
                   {"from the tip callback", Inside::kTip, false}};
    for (const auto& place : kPlaces) {
        for (const Call& call : kCalls) {
            Renew();
            const Handles target = {place.onRunningSheet ? m_h.sheet : m_h.other, 0, m_h.frame};
            BOOL result = -1;
            RunInside(place.inside, [&] { result = call.run(target); });
            EXPECT_EQ(result, place.onRunningSheet ? call.running : call.idle)
                << call.name << " " << place.where;
            ExpectOnePressPerMessage();
        }
        TearDown();
        const DWORD gdiObjects = GdiObjects();
        Renew();
        RunInside(place.inside, [&] { DestroyWindow(m_h.frame); });
        PumpPending();
        EXPECT_FALSE(IsWindow(m_h.frame)) << "toolbar destroyed " << place.where;
        EXPECT_EQ(GdiObjects(), gdiObjects) << "and nothing made or kept for it";
    }
}

TEST_F(HostileHost, BuffersEndingAtAnInaccessiblePageAreNeverOverrun) {
    g.message_title_set("eleven char");
    EXPECT_EQ(g.message_title_get(Guarded(11), 11), 11u);
    const struct {
        DWORD markType;
        const char* name;
        std::string bytes;
    } kBlocks[] = {{KEL_MARK_TYPED_TEXT, "OiAnText", std::string(300, 'T')},
                   {KEL_MARK_AUDIO, "OiFilNam", "C:\\sound.wav"},
                   {KEL_MARK_ARROW, "OiAnoDat", std::string(12, '\x7F')}};
    for (const auto& block : kBlocks) {
        KEL_MARK_ATTRIBUTES record = g_record;
        record.nMarkType = block.markType;
        const DWORD given = static_cast<DWORD>(block.bytes.size());
        void* data = memcpy(Guarded(given), block.bytes.data(), given);
        ASSERT_TRUE(g.property_sheet_init(m_h.other, 3, &record, block.name, data, given));
        DWORD size = 0;
        ASSERT_TRUE(g.property_sheet_query(m_h.other, 2, nullptr, block.name, nullptr, &size));
        EXPECT_TRUE(
            g.property_sheet_query(m_h.other, 2, nullptr, block.name, Guarded(size), &size));
    }
}

} // namespace
