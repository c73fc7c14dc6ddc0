// String ids of the framework's own texts, its data-validation messages. The
// library's string tables hold them (resources/strings_*.rc). Only #define
// lines, so that windres can read this file as well.
#ifndef KELGUI_FRAMEWORK_STRINGS_H
#define KELGUI_FRAMEWORK_STRINGS_H

#define IDS_PARSE_INT 0xF110
#define IDS_PARSE_REAL 0xF111
#define IDS_PARSE_INT_RANGE 0xF112
#define IDS_PARSE_REAL_RANGE 0xF113
#define IDS_PARSE_STRING_SIZE 0xF114
#define IDS_PARSE_UINT 0xF117
#define IDS_TEXT_NOT_STORABLE 0xF118
#define IDS_SECRET_NOT_STORABLE 0xF119

#endif // KELGUI_FRAMEWORK_STRINGS_H
