// Loading of the rich edit control library.
#include "framework/rich_edit.h"

namespace {
HMODULE g_richEdit = nullptr;
}

BOOL AfxInitRichEdit() {
    if (!g_richEdit)
        g_richEdit = LoadLibraryA("riched20.dll");
    return g_richEdit != nullptr;
}

void AfxTermRichEdit() {
    if (g_richEdit)
        FreeLibrary(g_richEdit);
    g_richEdit = nullptr;
}
