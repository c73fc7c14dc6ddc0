/* host.c - kelgui-demo.exe, the reference host of kelgui.dll.
 *
 * A small annotation viewer in plain Win32. It shows a document page, floats
 * the library's annotation toolbar beside it, makes a mark when the user drags
 * on the page with a tool, draws the marks itself, and opens the library's
 * property sheet when the user double-clicks a mark. Marks are saved to a file
 * after every confirmed change.
 *
 *   kelgui-demo.exe [--marks FILE] [--image PAGE.bmp] [--script STEPS | --tour DIR]
 *
 * It uses only kelgui.h and links the import library: the calls a host makes
 * are all in this file (look for KEL_GUI_). */
#include "demo.h"
#include "draw.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define DEFAULT_MARKS_FILE "marks.kgm"
#define ID_PAGE_BITMAP 1 /* the document page made at build time (demo.rc) */
enum { IDM_TOOLBAR = 100, IDM_PROPERTIES, IDM_DELETE, IDM_EXIT };

Host g_host;

/* ---- messages -------------------------------------------------------------- */

static void Complain(const char* text) {
    fprintf(stderr, "kelgui-demo: %s\n", text);
    if (!g_host.scripted)
        MessageBoxA(g_host.window, text, "kelgui demo", MB_OK | MB_ICONEXCLAMATION);
}

static void Save(void) {
    char text[MAX_PATH + 64];
    if (g_host.marksPath && !MarksSave(g_host.marksPath, &g_host.marks)) {
        _snprintf(text, sizeof text, "The marks could not be saved to %s.", g_host.marksPath);
        text[sizeof text - 1] = 0;
        Complain(text);
    }
}

/* ---- the toolbar's callbacks ----------------------------------------------- */

/* The library reports tool presses here; the host keeps the current tool. */
static void WINAPI OnToolbarEvent(DWORD_PTR userData, int markType, DWORD event) {
    (void)userData;
    switch (event) {
    case KEL_TOOL_EVENT_PRESSED: /* the library has already released the other tools */
        g_host.tool = markType;
        break;
    case KEL_TOOL_EVENT_RELEASED: /* no tool pressed: fall back to selecting */
        SelectTool(KEL_MARK_NONE);
        break;
    case KEL_TOOL_EVENT_CLOSED: /* hidden; View > Toolbar shows it again */
        break;
    case KEL_TOOL_EVENT_DESTROYED:
        g_host.toolbar = NULL;
        break;
    }
}

/* The host may word tooltips its own way; returning FALSE keeps the library's. */
static BOOL WINAPI OnToolTip(DWORD_PTR userData, int markType, LPCSTR defaultText, LPCSTR* tipOut) {
    (void)userData;
    (void)defaultText;
    if (markType != KEL_MARK_NONE)
        return FALSE;
    *tipOut = "Select Annotations (double-click a mark to edit it)";
    return TRUE;
}

void SelectTool(int type) {
    const DWORD shown = KEL_TOOL_ENABLED | KEL_TOOL_VISIBLE;
    /* Setting a button's state sends no notification and releases nothing,
     * so the host releases the old tool itself. */
    if (g_host.toolbar) {
        KEL_GUI_toolbar_button_set(g_host.toolbar, g_host.tool, shown);
        KEL_GUI_toolbar_button_set(g_host.toolbar, type, shown | KEL_TOOL_PRESSED);
    }
    g_host.tool = type;
}

static BOOL CreateToolbar(void) {
    RECT frame;
    GetWindowRect(g_host.window, &frame);
    /* Made hidden (style 0) so that the buttons are set up before it shows. */
    if (!KEL_GUI_toolbar_create_ex(g_host.window, frame.right + 8, frame.top, &g_host.toolbar, 0))
        return FALSE;
    /* The header's helpers take each callback with its own type. */
    KEL_GUI_toolbar_notify_register(g_host.toolbar, OnToolbarEvent, 0);
    KEL_GUI_toolbar_tip_text_register(g_host.toolbar, OnToolTip, 0);
    /* Rich text marks have no sheet, and this host cannot draw them: grey the tool. */
    KEL_GUI_toolbar_button_set(g_host.toolbar, KEL_MARK_RTF_EDIT, KEL_TOOL_VISIBLE);
    SelectTool(KEL_MARK_NONE);
    ShowWindow(g_host.toolbar, SW_SHOWNOACTIVATE);
    return TRUE;
}

/* ---- the property sheet ---------------------------------------------------- */

/* Takes one block back: the size first, then the bytes into a buffer of it.
 * Size 0 means that no page of this sheet holds the block: the mark keeps its own. */
static void QueryBlock(HKELSHEET sheet, Mark* mark, const char* name) {
    DWORD size = 0;
    BYTE* bytes;
    if (!KEL_GUI_property_sheet_query(sheet, KEL_SHEET_BLOCK, NULL, name, NULL, &size) || !size)
        return;
    bytes = (BYTE*)malloc(size ? size : 1);
    if (bytes && KEL_GUI_property_sheet_query(sheet, KEL_SHEET_BLOCK, NULL, name, bytes, &size))
        MarkSetBlock(mark, name, bytes, size);
    free(bytes);
}

void EditMark(int index) {
    Mark* mark = &g_host.marks.items[index];
    HKELSHEET sheet = NULL;
    int b;
    if (KEL_GUI_property_sheet_create(g_host.window, &g_host.imageInfo, &sheet)) {
        /* The record first: it decides the pages. Then each block in its own call. */
        KEL_GUI_property_sheet_init(sheet, KEL_SHEET_ATTRIBUTES, &mark->attr, NULL, NULL, 0);
        for (b = 0; b < mark->blockCount; ++b)
            KEL_GUI_property_sheet_init(sheet, KEL_SHEET_BLOCK, NULL, mark->blocks[b].name,
                                        mark->blocks[b].data, mark->blocks[b].size);
        /* Show returns 1 only for OK (and 0 at once for a type without pages). */
        if (KEL_GUI_property_sheet_show(sheet)) {
            /* The sheet writes only the fields its pages edit into our record. */
            KEL_GUI_property_sheet_query(sheet, KEL_SHEET_ATTRIBUTES, &mark->attr, NULL, NULL,
                                         NULL);
            for (b = 0; b < mark->blockCount; ++b) {
                char name[8];
                memcpy(name, mark->blocks[b].name, 8);
                QueryBlock(sheet, mark, name);
            }
            Save();
            InvalidateRect(g_host.window, NULL, TRUE);
        }
        KEL_GUI_property_sheet_destroy(sheet);
    }
    ++g_host.sheetsFinished;
}

/* ---- marks on the page ------------------------------------------------------ */

void AddMark(DWORD type, POINT from, POINT to) {
    Mark mark;
    if (!MarkInit(&mark, type, from, to) || !MarkListAdd(&g_host.marks, &mark)) {
        MarkFree(&mark);
        Complain("There is not enough memory for another mark.");
        return;
    }
    g_host.selected = g_host.marks.count - 1;
    Save();
    InvalidateRect(g_host.window, NULL, TRUE);
}

int MarkAt(POINT point) {
    int i;
    for (i = g_host.marks.count - 1; i >= 0; --i) {
        RECT r = MarkBounds(&g_host.marks.items[i]);
        InflateRect(&r, 4, 4); /* thin lines are hard to hit */
        if (PtInRect(&r, point))
            return i;
    }
    return -1;
}

static void Paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    HDC pageDc = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(pageDc, g_host.page);
    int i;
    BitBlt(dc, 0, 0, g_host.pageSize.cx, g_host.pageSize.cy, pageDc, 0, 0, SRCCOPY);
    SelectObject(pageDc, old);
    DeleteDC(pageDc);
    for (i = 0; i < g_host.marks.count; ++i)
        DrawMark(dc, &g_host.marks.items[i], i == g_host.selected);
    if (g_host.dragging) { /* the mark being made, as a rubber band */
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        SetROP2(dc, R2_NOT);
        Rectangle(dc, g_host.dragFrom.x, g_host.dragFrom.y, g_host.dragTo.x, g_host.dragTo.y);
    }
    EndPaint(window, &ps);
}

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    POINT p;
    p.x = (short)LOWORD(lParam);
    p.y = (short)HIWORD(lParam);
    switch (message) {
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_LBUTTONDOWN:
        if (g_host.tool == KEL_MARK_NONE) {
            g_host.selected = MarkAt(p);
            InvalidateRect(window, NULL, TRUE);
        } else {
            g_host.dragging = TRUE;
            g_host.dragFrom = g_host.dragTo = p;
            SetCapture(window);
        }
        return 0;
    case WM_MOUSEMOVE:
        if (g_host.dragging) {
            g_host.dragTo = p;
            InvalidateRect(window, NULL, TRUE);
        }
        return 0;
    case WM_LBUTTONUP:
        if (g_host.dragging) {
            g_host.dragging = FALSE;
            ReleaseCapture();
            InvalidateRect(window, NULL, TRUE);
            /* Only a drag makes a mark: a click (or a double-click) leaves the page as it is. */
            if (abs(p.x - g_host.dragFrom.x) >= 4 || abs(p.y - g_host.dragFrom.y) >= 4)
                AddMark((DWORD)g_host.tool, g_host.dragFrom, p);
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        if ((g_host.selected = MarkAt(p)) >= 0)
            EditMark(g_host.selected);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_DELETE || wParam == VK_RETURN)
            SendMessageA(window, WM_COMMAND, wParam == VK_DELETE ? IDM_DELETE : IDM_PROPERTIES, 0);
        else if (wParam == VK_F6)
            SendMessageA(window, WM_COMMAND, IDM_TOOLBAR, 0);
        return 0;
    case WM_APP_EDIT_MARK:
        if ((int)wParam < g_host.marks.count)
            EditMark((int)wParam);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDM_TOOLBAR:
            /* Giving the toolbar the focus offers it to keyboard users: the arrow
             * keys move through the tools, Enter presses one, Esc comes back here. */
            if (g_host.toolbar) {
                ShowWindow(g_host.toolbar, SW_SHOWNOACTIVATE);
                SetFocus(g_host.toolbar);
            }
            break;
        case IDM_PROPERTIES:
            if (g_host.selected >= 0)
                EditMark(g_host.selected);
            break;
        case IDM_DELETE:
            if (g_host.selected >= 0) {
                MarkListRemove(&g_host.marks, g_host.selected);
                g_host.selected = -1;
                Save();
                InvalidateRect(window, NULL, TRUE);
            }
            break;
        case IDM_EXIT:
            DestroyWindow(window);
            break;
        }
        return 0;
    case WM_DESTROY: /* the toolbar, owned by this window, goes with it */
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

/* ---- start-up ----------------------------------------------------------------- */

static BOOL LoadPage(const char* path) {
    DIBSECTION dib;
    g_host.page =
        (HBITMAP)(path ? LoadImageA(NULL, path, IMAGE_BITMAP, 0, 0,
                                    LR_LOADFROMFILE | LR_CREATEDIBSECTION)
                       : LoadImageA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(ID_PAGE_BITMAP),
                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!g_host.page || GetObjectA(g_host.page, sizeof dib, &dib) != sizeof dib)
        return FALSE;
    g_host.pageSize.cx = dib.dsBm.bmWidth;
    g_host.pageSize.cy = dib.dsBm.bmHeight;
    /* The sheet gets the page's size and resolution (the ruler scales by it). */
    g_host.imageInfo.dwSize = sizeof g_host.imageInfo;
    g_host.imageInfo.nWidth = dib.dsBm.bmWidth;
    g_host.imageInfo.nHeight = dib.dsBm.bmHeight;
    g_host.imageInfo.wPlanes = 1;
    g_host.imageInfo.wBitCount = dib.dsBm.bmBitsPixel;
    g_host.imageInfo.nXPelsPerMeter = dib.dsBmih.biXPelsPerMeter;
    g_host.imageInfo.nYPelsPerMeter = dib.dsBmih.biYPelsPerMeter;
    return TRUE;
}

static HWND CreateMainWindow(void) {
    WNDCLASSA wc;
    HMENU menu = CreateMenu(), view = CreatePopupMenu(), edit = CreatePopupMenu();
    RECT r;
    memset(&wc, 0, sizeof wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hCursor = LoadCursor(NULL, IDC_CROSS);
    wc.hbrBackground = (HBRUSH)(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = "KelguiDemoHost";
    RegisterClassA(&wc);
    AppendMenuA(edit, MF_STRING, IDM_PROPERTIES, "&Properties...\tEnter");
    AppendMenuA(edit, MF_STRING, IDM_DELETE, "&Delete Mark\tDel");
    AppendMenuA(edit, MF_SEPARATOR, 0, NULL);
    AppendMenuA(edit, MF_STRING, IDM_EXIT, "E&xit");
    AppendMenuA(view, MF_STRING, IDM_TOOLBAR, "&Toolbar\tF6");
    AppendMenuA(menu, MF_POPUP, (UINT_PTR)edit, "&Edit");
    AppendMenuA(menu, MF_POPUP, (UINT_PTR)view, "&View");
    SetRect(&r, 0, 0, g_host.pageSize.cx, g_host.pageSize.cy);
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, TRUE);
    return CreateWindowA(wc.lpszClassName, "kelgui demo", WS_OVERLAPPEDWINDOW, 40, 40,
                         r.right - r.left, r.bottom - r.top, NULL, menu, wc.hInstance, NULL);
}

static const char* Argument(const char* name) {
    int i;
    for (i = 1; i + 1 < __argc; ++i)
        if (strcmp(__argv[i], name) == 0)
            return __argv[i + 1];
    return NULL;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    const char* script = Argument("--script");
    const char* tour = Argument("--tour");
    char why[200], text[MAX_PATH + 300];
    MSG msg;
    (void)instance;
    (void)previous;
    (void)commandLine;
    g_host.selected = -1;
    g_host.scripted = script || tour;
    g_host.marksPath = tour ? Argument("--marks")
                            : (Argument("--marks") ? Argument("--marks") : DEFAULT_MARKS_FILE);
    /* The library's validation messages are captioned with the host's name. */
    KEL_GUI_message_title_set("kelgui demo");
    if (g_host.marksPath && !MarksLoad(g_host.marksPath, &g_host.marks, why, sizeof why)) {
        /* Refused whole, and left as it is: saving would overwrite what is there. */
        _snprintf(text, sizeof text,
                  "The marks file %s cannot be used: %s. It has not been changed.",
                  g_host.marksPath, why);
        text[sizeof text - 1] = 0;
        Complain(text);
        return 2;
    }
    if (!LoadPage(Argument("--image"))) {
        Complain("The page picture cannot be loaded (a BMP file is needed).");
        return 2;
    }
    g_host.window = CreateMainWindow();
    if (!g_host.window || !CreateToolbar()) {
        Complain("The window or the toolbar cannot be made.");
        return 1;
    }
    ShowWindow(g_host.window, g_host.scripted ? SW_SHOWNORMAL : show);
    if ((script && !ScriptStart(script)) || (tour && !TourStart(tour)))
        return 2;
    /* The host's own loop: the library's hook gives the toolbar its tooltips. */
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    MarkListFree(&g_host.marks);
    DeleteObject(g_host.page);
    return (int)msg.wParam;
}
