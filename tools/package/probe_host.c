/* probe_host.c - the smallest C host: calls exports of every argument size
 * through an import library, with no C run-time at all, so that any linker
 * (MinGW's or an MSVC-style one) can link it. Exit code 0 when every call
 * answered as it should. */
#include <kelgui.h>

void WINAPI probe_start(void) {
    static KEL_IMAGE_INFO info; /* static: zeroed without calling memset */
    static KEL_MARK_ATTRIBUTES record;
    HKELSHEET sheet = NULL;
    char title[8];
    UINT failures = 0;
    info.dwSize = sizeof info;
    record.nMarkType = KEL_MARK_STRAIGHT_LINE;
    failures += !KEL_GUI_message_title_set("probe");
    failures += KEL_GUI_message_title_get(title, sizeof title) != sizeof title || title[0] != 'p';
    failures += !KEL_GUI_property_sheet_create(NULL, &info, &sheet);
    failures += !KEL_GUI_property_sheet_init(sheet, KEL_SHEET_ATTRIBUTES, &record, NULL, NULL, 0);
    failures += !KEL_GUI_property_sheet_title_set(sheet, "probe");
    failures +=
        !KEL_GUI_property_sheet_query(sheet, KEL_SHEET_ATTRIBUTES, &record, NULL, NULL, NULL);
    failures += !KEL_GUI_property_sheet_destroy(sheet);
    failures += KEL_GUI_toolbar_button_set(NULL, 0, 0) || KEL_GUI_toolbar_button_get(NULL, 0, NULL);
    ExitProcess(failures);
}
