/* script.c - scripted mode and the picture tour of the demo host.
 *
 * Both drive the host from a thread timer, which keeps firing inside the modal
 * loop of a property sheet or a message box. A script is a list of steps
 * separated by blanks:
 *   tool:T              press the tool of mark type T (as the host's own code would)
 *   click:N             click the toolbar's N-th button (as the user would)
 *   drag:X0,Y0,X1,Y1    drag on the page with the pressed tool
 *   add:T               make a mark of type T in the next free place of a grid
 *   open:I              double-click mark I (last: the newest) to open its sheet
 *   page:N              bring tab N of the open sheet to the front
 *   edit:N=TEXT         type TEXT into the N-th edit box of the page in front
 *   ok, cancel          press the sheet's button
 *   message             print the text of the message box that is up, close it
 *   print               print one line per mark
 *   close               close the host
 *   shoot-toolbar:FILE, shoot-window:FILE, shoot-tabs:PREFIX, shoot-message:FILE
 *                       the tour's pictures (PNG), named in the tour's index
 *   shoot-keys:FILE     the toolbar in keyboard mode (F6, then arrow keys; Esc after)
 *   shoot-dark:FILE     the toolbar under a dark high-contrast scheme (the system's
 *                       colours are set, then put back)
 *   shoot-focus:FILE    the open sheet with the first swatch of its page focused
 * A step that cannot be done within its time makes the host end with code 3. */
#include "demo.h"

#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "picture.h"

#define MAX_STEPS 512
#define STEP_TIMEOUT_MS 15000

typedef enum { STEP_DONE, STEP_WAIT, STEP_FAIL } StepResult;

static char* g_steps[MAX_STEPS];
static int g_stepCount, g_next;
static DWORD g_stepStart;
static BOOL g_inStep;
static int g_sheetsAtOpen = -1; /* sheets finished when the last open step ran */
static char g_directory[MAX_PATH];
static FILE* g_index; /* the tour's list of pictures */

/* ---- finding the library's windows -------------------------------------------- */

/* The property sheet the host has open: a dialog with a tab control, owned by
 * the main window. */
static HWND FindSheet(void) {
    HWND w = NULL;
    while ((w = FindWindowExA(NULL, w, "#32770", NULL)) != NULL)
        if (GetWindow(w, GW_OWNER) == g_host.window && IsWindowVisible(w) &&
            PropSheet_GetTabControl(w))
            return w;
    return NULL;
}

/* A message box over the sheet: a dialog owned by it. */
static HWND FindMessageBox(HWND sheet) {
    HWND w = NULL;
    while ((w = FindWindowExA(NULL, w, "#32770", NULL)) != NULL)
        if (GetWindow(w, GW_OWNER) == sheet && IsWindowVisible(w))
            return w;
    return NULL;
}

/* The sheet that the last open step should have brought up. NULL with *gone
 * set when it has closed again, or when the type has no pages to show. */
static HWND OpenSheet(BOOL* gone) {
    HWND sheet = FindSheet();
    *gone = !sheet && g_sheetsAtOpen >= 0 && g_host.sheetsFinished > g_sheetsAtOpen;
    return sheet;
}

static HWND NthChild(HWND parent, const char* className, int n) {
    HWND w = NULL;
    char name[32];
    for (w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (GetClassNameA(w, name, sizeof name) && lstrcmpiA(name, className) == 0 && n-- == 0)
            return w;
    return NULL;
}

/* Dispatches what is queued and lets Wine bring the screen up to date. */
static void Settle(int ms) {
    MSG msg;
    DWORD start = GetTickCount();
    do {
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (GetTickCount() - start < (DWORD)ms);
}

/* ---- the tour's pictures -------------------------------------------------------- */

static BOOL Shoot(RECT area, const char* file, const char* caption) {
    char path[MAX_PATH * 2];
    /* A script (no tour directory) names the whole path. */
    _snprintf(path, sizeof path, "%s%s%s", g_directory, g_directory[0] ? "\\" : "", file);
    path[sizeof path - 1] = 0;
    if (!WriteScreenPng(area, path))
        return FALSE;
    if (g_index)
        fprintf(g_index, "%s\t%s\n", file, caption), fflush(g_index);
    return TRUE;
}

/* The tab's text in UTF-8, for the gallery's captions. */
static void TabText(HWND tabs, int index, char* utf8, int size) {
    WCHAR text[128];
    TCITEMW item;
    memset(&item, 0, sizeof item);
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 128;
    text[0] = 0;
    SendMessageW(tabs, TCM_GETITEMW, (WPARAM)index, (LPARAM)&item);
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, size, NULL, NULL);
}

static StepResult ShootTabs(HWND sheet, const char* prefix) {
    HWND tabs = PropSheet_GetTabControl(sheet);
    const Mark* mark = &g_host.marks.items[g_host.marks.count - 1];
    int count = TabCtrl_GetItemCount(tabs), i;
    for (i = 0; i < count; ++i) {
        char file[MAX_PATH], caption[512], tab[256];
        RECT area;
        PropSheet_SetCurSel(sheet, NULL, i);
        Settle(150);
        GetWindowRect(sheet, &area);
        TabText(tabs, i, tab, sizeof tab);
        _snprintf(file, sizeof file, "%s-%d.png", prefix, i + 1);
        _snprintf(caption, sizeof caption, "%s (mark type %lu): %s",
                  MarkTypeName(mark->attr.nMarkType), (unsigned long)mark->attr.nMarkType, tab);
        if (!Shoot(area, file, caption))
            return STEP_FAIL;
    }
    return STEP_DONE;
}

/* Clicks the toolbar's button at index with mouse messages, as the user would:
 * the library then reports the tool to the host's callback. */
static StepResult ClickTool(int index) {
    HWND bar = GetDlgItem(g_host.toolbar, KEL_TOOLBAR_BAR_ID);
    RECT button;
    if (!bar || !SendMessageA(bar, TB_GETITEMRECT, (WPARAM)index, (LPARAM)&button))
        return STEP_FAIL;
    PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.left + 4, button.top + 4));
    PostMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(button.left + 4, button.top + 4));
    Settle(100);
    return STEP_DONE;
}

/* Clicks the arrow tool (button 10) and pictures the toolbar. */
static StepResult ShootToolbar(const char* file) {
    RECT area;
    if (ClickTool(10) != STEP_DONE)
        return STEP_FAIL;
    Settle(200);
    GetWindowRect(g_host.toolbar, &area);
    return Shoot(area, file, "The floating toolbar, with the tool the host pressed") ? STEP_DONE
                                                                                     : STEP_FAIL;
}

/* Offers the toolbar to the keyboard as a user does with F6, moves the hot tool
 * down twice and right once, pictures it, and gives the focus back with Esc. */
static StepResult ShootKeys(const char* file) {
    static const WORD keys[] = {VK_DOWN, VK_DOWN, VK_RIGHT};
    HWND bar = GetDlgItem(g_host.toolbar, KEL_TOOLBAR_BAR_ID);
    RECT area;
    size_t i;
    SendMessageA(g_host.window, WM_KEYDOWN, VK_F6, 0);
    for (i = 0; i < sizeof keys / sizeof keys[0]; ++i)
        PostMessageA(bar, WM_KEYDOWN, keys[i], 0);
    Settle(200);
    GetWindowRect(g_host.toolbar, &area);
    if (!Shoot(area, file,
               "The toolbar from the keyboard (F6): the hot tool moved with the arrow keys"))
        return STEP_FAIL;
    PostMessageA(bar, WM_KEYDOWN, VK_ESCAPE, 0);
    Settle(100);
    return STEP_DONE;
}

/* Pictures the toolbar under a dark high-contrast scheme: white text on a black
 * face, a cyan selection. The system's colours are put back afterwards. */
static StepResult ShootDark(const char* file) {
    static const int elements[] = {COLOR_BTNFACE,      COLOR_BTNTEXT,      COLOR_BTNSHADOW,
                                   COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW,   COLOR_3DLIGHT,
                                   COLOR_HIGHLIGHT,    COLOR_HIGHLIGHTTEXT};
    static const COLORREF dark[] = {RGB(0, 0, 0),       RGB(255, 255, 255), RGB(128, 128, 128),
                                    RGB(255, 255, 255), RGB(128, 128, 128), RGB(64, 64, 64),
                                    RGB(26, 235, 255),  RGB(0, 0, 0)};
    enum { COUNT = sizeof elements / sizeof elements[0] };
    COLORREF saved[COUNT];
    RECT area;
    BOOL shot;
    int i;
    for (i = 0; i < COUNT; ++i)
        saved[i] = GetSysColor(elements[i]);
    SetSysColors(COUNT, elements, dark);
    Settle(300);
    GetWindowRect(g_host.toolbar, &area);
    shot = Shoot(area, file, "The toolbar under a dark high-contrast scheme");
    SetSysColors(COUNT, elements, saved);
    Settle(100);
    return shot ? STEP_DONE : STEP_FAIL;
}

/* Focuses the first swatch (black) of the colour page in front and pictures the sheet. */
static StepResult ShootFocus(HWND sheet, const char* file) {
    HWND swatch = NthChild(PropSheet_GetCurrentPageHwnd(sheet), "Button", 1);
    RECT area;
    if (!swatch)
        return STEP_FAIL;
    SetFocus(swatch);
    Settle(200);
    GetWindowRect(sheet, &area);
    return Shoot(area, file, "A focused swatch: its ring stands out on black as on any colour")
               ? STEP_DONE
               : STEP_FAIL;
}

/* ---- the steps -------------------------------------------------------------------- */

static StepResult Print(void) {
    int i, b;
    for (i = 0; i < g_host.marks.count; ++i) {
        const Mark* m = &g_host.marks.items[i];
        char text[256];
        printf("mark %d: type %lu from %ld,%ld to %ld,%ld line %lu highlight %d main %02X%02X%02X "
               "extra %02X%02X%02X text \"%s\"",
               i, (unsigned long)m->attr.nMarkType, (long)m->from.x, (long)m->from.y, (long)m->to.x,
               (long)m->to.y, (unsigned long)m->attr.nLineSize, (int)m->attr.bHighlight,
               m->attr.rgbMain.rgbRed, m->attr.rgbMain.rgbGreen, m->attr.rgbMain.rgbBlue,
               m->attr.rgbExtra.rgbRed, m->attr.rgbExtra.rgbGreen, m->attr.rgbExtra.rgbBlue,
               MarkText(m, text, sizeof text));
        for (b = 0; b < m->blockCount; ++b)
            printf(" %.8s:%lu", m->blocks[b].name, (unsigned long)m->blocks[b].size);
        printf("\n");
    }
    fflush(stdout);
    return STEP_DONE;
}

static void Drag(int x0, int y0, int x1, int y1) {
    SendMessageA(g_host.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x0, y0));
    SendMessageA(g_host.window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x1, y1));
    SendMessageA(g_host.window, WM_LBUTTONUP, 0, MAKELPARAM(x1, y1));
}

static StepResult RunStep(const char* step) {
    const char* arg = strchr(step, ':') ? strchr(step, ':') + 1 : "";
    BOOL gone;
    HWND sheet = OpenSheet(&gone), box;
    int a, b, c, d;
    char text[512];
#define IS(verb)                                                                                   \
    (strncmp(step, verb, strlen(verb)) == 0 && (step[strlen(verb)] == ':' || !step[strlen(verb)]))
    /* Steps on the page wait until no sheet is open. */
    if ((IS("tool") || IS("click") || IS("drag") || IS("add") || IS("open") || IS("print") ||
         IS("close") || IS("shoot-window")) &&
        sheet)
        return STEP_WAIT;
    if (IS("tool")) {
        SelectTool(atoi(arg));
    } else if (IS("click")) {
        return ClickTool(atoi(arg));
    } else if (IS("drag")) {
        if (sscanf(arg, "%d,%d,%d,%d", &a, &b, &c, &d) != 4)
            return STEP_FAIL;
        Drag(a, b, c, d);
    } else if (IS("add")) {
        POINT from, to;
        a = g_host.marks.count;
        from.x = 12 + (a % 5) * 120;
        from.y = 40 + (a / 5) * 120;
        to.x = from.x + 100;
        to.y = from.y + 70;
        AddMark((DWORD)atoi(arg), from, to);
    } else if (IS("open")) {
        a = strcmp(arg, "last") == 0 ? g_host.marks.count - 1 : atoi(arg);
        if (a < 0 || a >= g_host.marks.count)
            return STEP_FAIL;
        g_sheetsAtOpen = g_host.sheetsFinished;
        PostMessageA(g_host.window, WM_APP_EDIT_MARK, (WPARAM)a, 0);
    } else if (IS("page") || IS("edit") || IS("ok") || IS("shoot-message") || IS("shoot-focus")) {
        if (!sheet)
            return gone ? STEP_FAIL : STEP_WAIT;
        if (IS("shoot-focus")) {
            return ShootFocus(sheet, arg);
        } else if (IS("page")) {
            PropSheet_SetCurSel(sheet, NULL, atoi(arg));
        } else if (IS("edit")) {
            HWND field = NthChild(PropSheet_GetCurrentPageHwnd(sheet), "Edit", atoi(arg));
            if (!field || !strchr(arg, '='))
                return STEP_FAIL;
            SetWindowTextA(field, strchr(arg, '=') + 1);
        } else if (IS("ok")) {
            PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        } else {
            RECT area, boxArea;
            if (!(box = FindMessageBox(sheet)))
                return STEP_WAIT;
            /* Over the middle of the sheet, so that one picture shows both. */
            GetWindowRect(sheet, &area);
            GetWindowRect(box, &boxArea);
            SetWindowPos(box, NULL, (area.left + area.right - (boxArea.right - boxArea.left)) / 2,
                         (area.top + area.bottom - (boxArea.bottom - boxArea.top)) / 2, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            Settle(200);
            GetWindowRect(box, &boxArea);
            UnionRect(&area, &area, &boxArea);
            if (!Shoot(area, arg, "A validation message: the line size must lie between 1 and 100"))
                return STEP_FAIL;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    } else if (IS("cancel") || IS("shoot-tabs")) {
        /* A mark type without pages never shows a sheet: nothing to do then. */
        if (!sheet)
            return gone ? STEP_DONE : STEP_WAIT;
        if (IS("cancel"))
            PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        else
            return ShootTabs(sheet, arg);
    } else if (IS("message")) {
        if (!sheet || !(box = FindMessageBox(sheet)))
            return STEP_WAIT;
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text); /* the message's static text */
        printf("message: %s\n", text);
        fflush(stdout);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    } else if (IS("print")) {
        return Print();
    } else if (IS("close")) {
        PostMessageA(g_host.window, WM_CLOSE, 0, 0);
    } else if (IS("shoot-toolbar")) {
        return ShootToolbar(arg);
    } else if (IS("shoot-keys")) {
        return ShootKeys(arg);
    } else if (IS("shoot-dark")) {
        return ShootDark(arg);
    } else if (IS("shoot-window")) {
        RECT area;
        GetWindowRect(g_host.window, &area);
        return Shoot(area, arg, "The reference host with one mark of every type") ? STEP_DONE
                                                                                  : STEP_FAIL;
    } else {
        return STEP_FAIL;
    }
#undef IS
    return STEP_DONE;
}

static void CALLBACK OnTimer(HWND window, UINT message, UINT_PTR id, DWORD time) {
    StepResult result;
    (void)window;
    (void)message;
    (void)time;
    if (g_inStep) /* a step that dispatches messages must not be re-entered */
        return;
    if (g_next == g_stepCount) {
        KillTimer(NULL, id);
        return;
    }
    g_inStep = TRUE;
    result = RunStep(g_steps[g_next]);
    g_inStep = FALSE;
    if (result == STEP_WAIT && GetTickCount() - g_stepStart < STEP_TIMEOUT_MS)
        return;
    if (result != STEP_DONE) {
        fprintf(stderr, "kelgui-demo: script step %d \"%s\" %s\n", g_next + 1, g_steps[g_next],
                result == STEP_FAIL ? "failed" : "timed out");
        fflush(stderr);
        ExitProcess(3);
    }
    ++g_next;
    g_stepStart = GetTickCount();
}

static BOOL AddStep(const char* step) {
    if (g_stepCount == MAX_STEPS || !(g_steps[g_stepCount] = _strdup(step)))
        return FALSE;
    ++g_stepCount;
    return TRUE;
}

BOOL ScriptStart(const char* steps) {
    char* copy = _strdup(steps);
    char* step;
    BOOL ok = copy != NULL;
    for (step = copy ? strtok(copy, " ") : NULL; step && ok; step = strtok(NULL, " "))
        ok = AddStep(step);
    free(copy);
    if (!ok) {
        fprintf(stderr, "kelgui-demo: the script is too long\n");
        return FALSE;
    }
    g_stepStart = GetTickCount();
    return SetTimer(NULL, 0, 30, OnTimer) != 0;
}

/* The tour: the toolbar (also in keyboard mode), every tab of every mark type's
 * sheet, a focused swatch, a validation message and the host with all its marks,
 * as PNG files in directory, listed with their captions in index.txt. */
BOOL TourStart(const char* directory) {
    char path[MAX_PATH + 16], step[64];
    int count, i;
    const DWORD* types = MarkTypes(&count);
    _snprintf(g_directory, sizeof g_directory, "%s", directory);
    g_directory[sizeof g_directory - 1] = 0;
    CreateDirectoryA(g_directory, NULL);
    _snprintf(path, sizeof path, "%s\\index.txt", g_directory);
    path[sizeof path - 1] = 0;
    if (!(g_index = fopen(path, "w"))) {
        fprintf(stderr, "kelgui-demo: cannot write %s\n", path);
        return FALSE;
    }
    AddStep("shoot-toolbar:toolbar.png");
    AddStep("shoot-keys:toolbar-keys.png");
    for (i = 0; i < count; ++i) {
        _snprintf(step, sizeof step, "add:%lu", (unsigned long)types[i]);
        AddStep(step);
        AddStep("open:last");
        _snprintf(step, sizeof step, "shoot-tabs:sheet-%lu", (unsigned long)types[i]);
        AddStep(step);
        AddStep("cancel");
    }
    AddStep("add:3");
    AddStep("open:last");
    AddStep("page:1");
    AddStep("shoot-focus:swatch-focus.png");
    AddStep("page:0");
    AddStep("edit:0=0");
    AddStep("ok");
    AddStep("shoot-message:validation.png");
    AddStep("cancel");
    AddStep("shoot-window:host.png");
    AddStep("close");
    g_stepStart = GetTickCount();
    return SetTimer(NULL, 0, 30, OnTimer) != 0;
}
