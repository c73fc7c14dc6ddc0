// The tool table: which mark type each tool command makes.
#pragma once

#include <windows.h>

// Tool commands form one range; the tool's name and default tooltip is the
// string whose id is the command id.
constexpr UINT kFirstToolCommand = 2774;
constexpr UINT kLastToolCommand = 2804;

// Both return 0 when the table has no such row.
int MarkTypeOfCommand(UINT commandId);
UINT CommandOfMarkType(int markType);
