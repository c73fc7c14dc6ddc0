/* guide_tabs.c - drives the host of docs/hosting.md (its NewMark and EditMark)
 * through every mark type: a timer reads the tabs of each sheet shown and
 * presses OK. Prints "code: tab, tab" per type (captions without
 * " Attributes"; "not confirmed" when OK did not give the results back), then
 * the number of blocks the host should have fetched. */
#include <kelgui.h>
#include <commctrl.h>
#include <stdio.h>
#include <string.h>

void NewMark(KEL_MARK_ATTRIBUTES* record, DWORD markType);
BOOL EditMark(HWND owner, KEL_MARK_ATTRIBUTES* record);

static char g_tabs[512];
static BOOL g_read;

static BOOL CALLBACK FindSheet(HWND window, LPARAM found) {
    if (!IsWindowVisible(window) || !FindWindowExA(window, NULL, WC_TABCONTROLA, NULL))
        return TRUE;
    *(HWND*)found = window;
    return FALSE;
}

static void CALLBACK ReadTabsThenOk(HWND unused, UINT message, UINT_PTR id, DWORD time) {
    HWND sheet = NULL, tabs;
    char text[64], *suffix;
    TCITEMA item;
    int i;
    (void)unused, (void)message, (void)id, (void)time;
    EnumThreadWindows(GetCurrentThreadId(), FindSheet, (LPARAM)&sheet);
    if (!sheet || g_read)
        return;
    g_read = TRUE;
    tabs = (HWND)SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0);
    for (i = 0; i < (int)SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0); ++i) {
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        text[0] = 0;
        SendMessageA(tabs, TCM_GETITEMA, (WPARAM)i, (LPARAM)&item);
        if ((suffix = strstr(text, " Attributes")) != NULL)
            *suffix = 0;
        strcat(strcat(g_tabs, i ? ", " : ""), text);
    }
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
}

int main(void) {
    KEL_MARK_ATTRIBUTES record;
    const char* name;
    const void* data;
    DWORD type, size, i, blocks = 0;
    SetTimer(NULL, 0, 50, ReadTabsThenOk);
    for (type = 0; type <= 518; type = type == 10 ? 500 : type + 1) {
        g_tabs[0] = 0;
        g_read = FALSE;
        NewMark(&record, type);
        if (EditMark(NULL, &record))
            for (i = 0; KEL_GUI_default_block(type, i, &name, &data, &size); ++i)
                ++blocks;
        else if (g_read)
            strcat(g_tabs, " (not confirmed)");
        printf("%lu: %s\n", (unsigned long)type, g_tabs);
    }
    printf("blocks: %lu\n", (unsigned long)blocks);
    return 0;
}
