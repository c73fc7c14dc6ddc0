// Entry point of kelgui.dll: placeholder until the application object exists.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
