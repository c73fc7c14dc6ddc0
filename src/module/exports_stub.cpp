// Temporary export bodies so the skeleton links.
#include "kelgui.h"
extern "C" {
BOOL WINAPI KEL_GUI_property_sheet_create(HWND, const KEL_IMAGE_INFO*, HKELSHEET*) { return 0; }
BOOL WINAPI KEL_GUI_property_sheet_show(HKELSHEET) { return 0; }
BOOL WINAPI KEL_GUI_property_sheet_title_set(HKELSHEET, LPCSTR) { return 0; }
BOOL WINAPI KEL_GUI_property_sheet_destroy(HKELSHEET) { return 0; }
}
