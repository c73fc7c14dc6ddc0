// Placeholder until the tool bar class exists: no window is a tool bar.
#include "toolbar/tool_bar_kind.h"

bool IsKelToolBar(const CWnd*) { return false; }
