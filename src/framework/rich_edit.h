// Loads the rich edit control library once per process.
#pragma once

#include <windows.h>

BOOL AfxInitRichEdit();
// Releases it at unload (only when the process is not ending).
void AfxTermRichEdit();
