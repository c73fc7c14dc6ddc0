// Temporary ids until the full resource set lands.
#pragma once
#define IDS_SHEET_CAPTION 2000
#define IDS_PARSE_INT 0xF110
#define IDS_PARSE_INT_RANGE 0xF112
#define IDS_PARSE_UINT 0xF117
