// A hostile host gets a clear 0 or a working call, never a crash, hang, leak or stray
// write. Run under code page 932, where a tip request also makes a font.
#include "toolbar_test_host.h"

using namespace toolbar_test;

namespace {

struct Handles {
    HKELSHEET sheet, other;
    HWND frame;
};
using H = const Handles&;
KEL_MARK_ATTRIBUTES g_record = PatternRecord(KEL_MARK_STRAIGHT_LINE, 0, 1);
DWORD g_out;
const FARPROC kRecorder = reinterpret_cast<FARPROC>(&RecordNotification);

// Exports taking a handle: the last error a bad handle gives, and on a filled and on the
// running sheet 0 for success (the call gives 1), else the code of the 0 it gives.
constexpr DWORD kSheet = ERROR_INVALID_HANDLE, kFrame = ERROR_INVALID_WINDOW_HANDLE,
                kParam = ERROR_INVALID_PARAMETER;
#define CALL(call) #call, [](H h) { return call; }
const struct Call {
    const char* name;
    BOOL (*run)(H);
    DWORD bad, idle, running;
} kCalls[] = {
    {CALL(KEL_GUI_property_sheet_show(h.sheet)), kSheet, ERROR_CANCELLED, ERROR_BUSY},
    {CALL(KEL_GUI_property_sheet_title_set(h.sheet, "t")), kSheet, 0, 0},
    {CALL(KEL_GUI_property_sheet_init(h.sheet, 1, &g_record, 0, 0, 0)), kSheet, 0, ERROR_BUSY},
    {CALL(KEL_GUI_property_sheet_query(h.sheet, 1, &g_record, 0, 0, 0)), kSheet, 0, 0},
    {CALL(KEL_GUI_property_sheet_destroy(h.sheet)), kSheet, 0, ERROR_BUSY},
    {CALL(KEL_GUI_toolbar_CB_register(h.frame, 0, kRecorder, 1)), kFrame, 0, 0},
    {CALL(KEL_GUI_toolbar_button_set(h.frame, 5, 1)), kFrame, 0, 0},
    {CALL(KEL_GUI_toolbar_button_get(h.frame, 5, &g_out)), kFrame, 0, 0},
    {CALL(KEL_GUI_toolbar_CB_register(h.frame, 2, kRecorder, 1)), kFrame, kParam, kParam},
    {CALL(KEL_GUI_toolbar_CB_register(h.frame, -1, kRecorder, 1)), kFrame, kParam, kParam},
};
using Outcome = std::pair<BOOL, DWORD>;
Outcome Expected(DWORD code) {
    return {code == 0, code};
}
template <class Run> Outcome OutcomeOf(Run run) {
    SetLastError(0xBAD);
    return {run(), GetLastError()}; // in this order
}

DWORD WINAPI RunFunction(LPVOID function) {
    return (*static_cast<std::function<void()>*>(function))(), 0;
}
void OnOtherThread(std::function<void()> fn) {
    HANDLE thread = CreateThread(nullptr, 0, RunFunction, &fn, 0, nullptr);
    EXPECT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0) << "the other thread hung";
    CloseHandle(thread);
}

// The first call runs the action; later ones (timer ticks) cancel every sheet.
std::function<void()> g_inside;
void CALLBACK RunInsideThenClose(HWND, UINT, UINT_PTR, DWORD) {
    if (const std::function<void()> action = std::exchange(g_inside, nullptr))
        return action();
    for (HWND w : ThreadWindows())
        if (IsWindowVisible(w) && IsPropertySheet(w))
            PressCancel(w);
}
void WINAPI RunInsideOnPress(DWORD_PTR, int, DWORD) {
    RunInsideThenClose(nullptr, 0, 0, 0);
}
BOOL WINAPI RunInsideOnTip(DWORD_PTR, int, LPCSTR, LPCSTR*) {
    return RunInsideThenClose(nullptr, 0, 0, 0), FALSE;
}
void PressArrow(HWND frame) { // with the 0x0900 message
    PressAtPoint(BarOf(frame), ButtonCentre(BarOf(frame), IDS_TOOL_ARROW));
    PumpPending();
}
// Where the host calls back in from, and whether the calls land on the running sheet.
const std::tuple<const char*, bool, void (*)(H)> kInside[] = {
    {"on the running sheet", true, [](H h) { KEL_GUI_property_sheet_show(h.sheet); }},
    {"on another sheet while one runs", false, [](H h) { KEL_GUI_property_sheet_show(h.sheet); }},
    {"from the notification callback", false, [](H h) { PressArrow(h.frame); }},
    {"from the tip callback", false, [](H h) { TipA(h.frame, IDS_TOOL_FILLED_RECT); }},
};

// size bytes that end where a PAGE_NOACCESS page begins (kept until the end).
char* Guarded(size_t size) {
    const size_t span = (size + 0xFFF) & ~size_t{0xFFF};
    auto* base =
        static_cast<char*>(VirtualAlloc(nullptr, span + 0x1000, MEM_COMMIT, PAGE_READWRITE));
    VirtualProtect(base + span, 0x1000, PAGE_NOACCESS, &g_out);
    return base + span - size;
}

class HostileHost : public ToolbarOnHost {
protected:
    void SetUp() override {
        ToolbarOnHost::SetUp();
        m_h = {LineSheet(m_host), LineSheet(m_host), m_frame};
    }
    void TearDown() override {
        KEL_GUI_property_sheet_destroy(m_h.sheet);
        KEL_GUI_property_sheet_destroy(m_h.other);
        ToolbarOnHost::TearDown();
    }
    // One press per message: the hook is installed once.
    void ExpectOnePressPerMessage() {
        KEL_GUI_toolbar_CB_register(m_h.frame, KEL_TOOLBAR_CB_NOTIFY, kRecorder, 0);
        g_notifications.clear();
        PressArrow(m_h.frame);
        EXPECT_EQ(g_notifications.size(), 1u) << testing::PrintToString(g_notifications);
    }
    void ExpectLiveOnesUntouched() {
        EXPECT_TRUE(KEL_GUI_property_sheet_title_set(m_h.sheet, "still here"));
        EXPECT_EQ(ToolFlags(m_h.frame, 5), DWORD{KEL_TOOL_ENABLED | KEL_TOOL_VISIBLE});
        ExpectOnePressPerMessage();
    }
    void RunInside(void (*enter)(H), std::function<void()> action) {
        g_inside = std::move(action);
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, RunInsideThenClose);
        KEL_GUI_toolbar_notify_register(m_h.frame, RunInsideOnPress, 0);
        KEL_GUI_toolbar_tip_text_register(m_h.frame, RunInsideOnTip, 0);
        enter(m_h);
        KillTimer(nullptr, timer);
        g_inside = nullptr;
    }

    Handles m_h = {};
};

template <class T> Handles Bad(T handle) {
    return {reinterpret_cast<HKELSHEET>(handle), nullptr, reinterpret_cast<HWND>(handle)};
}

TEST_F(HostileHost, BadHandlesGetZeroAndLeaveTheLiveOnesAlone) {
    Handles stale = {LineSheet(m_host), nullptr, nullptr};
    KEL_GUI_property_sheet_destroy(stale.sheet);
    KEL_GUI_toolbar_create(m_host, 0, 0, &stale.frame);
    DestroyWindow(stale.frame);
    static std::string garbage(256, 'Z');
    const Handles swapped = {HKELSHEET(m_h.frame), 0, HWND(m_h.sheet)};
    const Handles kBad[] = {
        Bad(0),  Bad(0x5A5A5A5A),         Bad(garbage.data()),  stale,
        swapped, Bad(GetDesktopWindow()), Bad(m_host.Handle()), Bad(BarOf(m_h.frame))};
    g_out = 0xDEAD;
    for (const Handles& bad : kBad)
        for (const Call& call : kCalls)
            EXPECT_EQ(Expected(call.bad), OutcomeOf([&] { return call.run(bad); }))
                << call.name << " with " << bad.sheet << ", " << bad.frame;
    EXPECT_EQ(g_out, 0xDEADu) << "a refused fetch writes nothing";
    EXPECT_EQ(garbage, std::string(256, 'Z')) << "nor into memory passed as a handle";
    ExpectLiveOnesUntouched();
}

TEST_F(HostileHost, OtherThreadsAreRefusedAndLeaveNothingBehind) {
    for (int i = 0; i < 50; ++i)
        OnOtherThread([] {}); // the first threads may set up what the system shares
    const DWORD handles = KernelHandles();
    KEL_GUI_message_title_set("first");
    std::vector<Outcome> outcomes;
    Handles made = m_h;
    OnOtherThread([&] {
        const KEL_IMAGE_INFO info = {};
        outcomes = {OutcomeOf([&] { return KEL_GUI_toolbar_create(m_host, 0, 0, &made.frame); }),
                    OutcomeOf([&] { return KEL_GUI_property_sheet_create(0, &info, &made.sheet); }),
                    OutcomeOf([] { return KEL_GUI_message_title_set("2nd"); }),
                    OutcomeOf([] { return BOOL(KEL_GUI_message_title_get(nullptr, 0)); })};
        for (const Call& call : kCalls)
            outcomes.push_back(OutcomeOf([&] { return call.run(m_h); }));
    });
    for (int i = 0; i < 100; ++i)
        OnOtherThread([] {});
    EXPECT_EQ(KernelHandles(), handles) << "after 101 threads ended";
    EXPECT_EQ(std::vector<Outcome>(std::size(kCalls) + 4, Expected(ERROR_INVALID_THREAD_ID)),
              outcomes);
    EXPECT_TRUE(made.frame == m_h.frame && made.sheet == m_h.sheet) << "out slots untouched";
    EXPECT_EQ(KEL_GUI_message_title_get(nullptr, 0), 5u) << "still \"first\"";
    ExpectLiveOnesUntouched();
}

TEST_F(HostileHost, CallsBackInFromARunningSheetAndFromTheToolbarCallbacks) {
    for (const auto& [where, onRunningSheet, enter] : kInside) {
        for (const Call& call : kCalls) {
            TearDown();
            SetUp();
            const Handles target = {onRunningSheet ? m_h.sheet : m_h.other, 0, m_h.frame};
            Outcome outcome;
            RunInside(enter, [&] { outcome = OutcomeOf([&] { return call.run(target); }); });
            EXPECT_EQ(Expected(onRunningSheet ? call.running : call.idle), outcome)
                << call.name << " " << where;
            ExpectOnePressPerMessage();
        }
        TearDown();
        const DWORD gdiObjects = GdiObjects();
        SetUp();
        RunInside(enter, [&] { DestroyWindow(m_h.frame); });
        PumpPending();
        EXPECT_FALSE(IsWindow(m_h.frame)) << "toolbar destroyed " << where;
        EXPECT_EQ(GdiObjects(), gdiObjects) << "and nothing made or kept for it";
    }
}

TEST_F(HostileHost, SheetRunsTakeTheHookOutAndLeaveNothingBehind) {
    const std::pair<void (*)(HWND), DWORD> closes[] = {
        {PressOk, 0}, {PressCancel, ERROR_CANCELLED}, {PressCloseBox, ERROR_CANCELLED}};
    DWORD gdi = 0, user = 0;
    for (int cycle = 0; cycle < 4; ++cycle) {
        if (cycle == 1) // the first may load what the system shares
            std::tie(gdi, user) = std::pair(GdiObjects(), UserObjects());
        for (const auto& [close, code] : closes) {
            HWND window = nullptr;
            bool ownedAndDisabled = false;
            g_notifications.clear();
            ModalDriver d;
            d.Then("the sheet", WaitForSheet(window)).Do("look, press, close", [&, end = close] {
                ownedAndDisabled = GetWindow(window, GW_OWNER) == m_host.Handle() &&
                                   !IsWindowEnabled(m_host) && !IsWindowEnabled(m_h.frame);
                PressAtPoint(m_bar, ButtonCentre(m_bar, IDS_TOOL_ARROW));
                end(window); // posted after the press
            });
            d.Start();
            EXPECT_EQ(Expected(code),
                      OutcomeOf([&] { return KEL_GUI_property_sheet_show(m_h.sheet); }));
            EXPECT_TRUE(d.Finished()) << d.Report();
            EXPECT_TRUE(ownedAndDisabled && IsWindowEnabled(m_host) && IsWindowEnabled(m_h.frame));
            EXPECT_EQ(g_notifications.size(), 0u) << "the hook is out while the sheet runs";
        }
        TipW(m_frame, IDS_TOOL_ARROW);
        ClickButton(m_bar, IDS_TOOL_ARROW);
        TearDown(); // the toolbar and both sheets made anew
        SetUp();
    }
    EXPECT_EQ(GdiObjects(), gdi);
    EXPECT_EQ(UserObjects(), user);
}

// Every refusal not tried above, export by export, and what a success leaves.
TEST_F(HostileHost, EveryZeroSaysWhyAndEveryOneClearsTheLastError) {
    Sheet empty;
    const KEL_IMAGE_INFO info = {};
    HWND frame = HWND(0x1234); // never made: cleared
#define RUN(call) #call, [&] { return BOOL(call); }
    const std::tuple<const char*, std::function<BOOL()>, DWORD> cases[] = {
        {RUN(KEL_GUI_message_title_set("t")), 0},
        {RUN(KEL_GUI_message_title_get(nullptr, 0) == 1), 0},
        {RUN(KEL_GUI_property_sheet_create(nullptr, &info, nullptr)), kParam},
        {RUN(KEL_GUI_property_sheet_title_set(empty.Handle(), "t")), ERROR_EMPTY},
        {RUN(KEL_GUI_property_sheet_show(empty.Handle())), ERROR_EMPTY},
        {RUN(KEL_GUI_property_sheet_init(empty.Handle(), 1, 0, 0, 0, 0)), kParam},
        {RUN(KEL_GUI_property_sheet_query(m_h.sheet, 1, 0, KEL_BLOCK_TEXT, 0, &g_out)), kParam},
        {RUN(KEL_GUI_property_sheet_query(m_h.sheet, 3, &g_record, 0, 0, &g_out)), kParam},
        {RUN(KEL_GUI_property_sheet_query(m_h.sheet, 4, 0, KEL_BLOCK_TEXT, 0, 0)), kParam},
        {RUN(KEL_GUI_toolbar_create(m_host, 0, 0, 0)), kParam},
        {RUN(KEL_GUI_toolbar_create(HWND(0x5A5A5A5A), 0, 0, &frame)), kFrame},
        {RUN(KEL_GUI_toolbar_button_get(m_h.frame, 5, nullptr)), kParam},
    };
    for (const auto& [name, run, code] : cases)
        EXPECT_EQ(Expected(code), OutcomeOf(run)) << name;
    EXPECT_EQ(frame, nullptr) << "a refused create clears its out";
}

// No message after the unload may reach unloaded code. A copy of the DLL stands in, as this
// program links the library.
TEST_F(HostileHost, UnloadedUnderItsToolbarTheLibraryTakesItDownFirst) {
    char path[MAX_PATH] = "", copy[MAX_PATH] = "";
    GetModuleFileNameA(GetModuleHandleA("kelgui.dll"), path, MAX_PATH);
    lstrcatA(copy + GetTempPathA(MAX_PATH, copy), "kelgui-unloaded.dll");
    ASSERT_TRUE(CopyFileA(path, copy, FALSE));
    HMODULE library = LoadLibraryA(copy);
#define FROM_COPY(name) reinterpret_cast<decltype(&name)>(GetProcAddress(library, #name))
    HWND frame = nullptr;
    HKELSHEET sheet = nullptr;
    const KEL_IMAGE_INFO info = {};
    FROM_COPY(KEL_GUI_toolbar_create)(m_host, 600, 100, &frame);
    FROM_COPY(KEL_GUI_toolbar_CB_register)(frame, KEL_TOOLBAR_CB_NOTIFY, kRecorder, 7);
    FROM_COPY(KEL_GUI_property_sheet_create)(m_host, &info, &sheet);
    ASSERT_TRUE(frame && sheet);
    g_notifications.clear();
    FreeLibrary(library);
    EXPECT_FALSE(GetModuleHandleA(copy));
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ((std::vector<Notification>{{7, 0, KEL_TOOL_EVENT_DESTROYED}}), g_notifications);
    SendMessageA(m_host, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    PostMessageA(m_host, WM_NULL, 0, 0); // through the message hooks
    PumpPending();
    DeleteFileA(copy);
}

TEST_F(HostileHost, BuffersEndingAtAnInaccessiblePageAreNeverOverrun) {
    KEL_GUI_message_title_set("eleven char");
    EXPECT_EQ(KEL_GUI_message_title_get(Guarded(11), 11), 11u);
    for (const auto& [markType, name, size] : {std::tuple(KEL_MARK_TYPED_TEXT, KEL_BLOCK_TEXT, 300),
                                               {KEL_MARK_ARROW, KEL_BLOCK_MARK_DATA, 6}}) {
        const KEL_MARK_ATTRIBUTES record = PatternRecord(markType, 0, 1);
        void* data = memset(Guarded(size), 'T', size);
        ASSERT_TRUE(KEL_GUI_property_sheet_init(m_h.other, 3, &record, name, data, size));
        EXPECT_TRUE( // no size query first: sized from what was loaded
            KEL_GUI_property_sheet_query(m_h.other, 2, nullptr, name, Guarded(size), &g_out));
    }
}

} // namespace
