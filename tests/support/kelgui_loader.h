// Loads kelgui.dll from the test program's folder and resolves its exports by name.
#pragma once

#include <string>
#include <vector>

#include "kelgui.h"

namespace kelgui_test {

// Pointer types of the exports. They are spelled out (not taken from the header) so
// that exports the header does not declare yet can still be resolved and tested;
// kelgui_loader.cpp checks them against the header's declarations where those exist.
using MessageTitleSetFn = BOOL(WINAPI*)(LPCSTR title);
using MessageTitleGetFn = UINT(WINAPI*)(LPSTR buffer, UINT size);
using SheetCreateFn = BOOL(WINAPI*)(HWND parent, const KEL_IMAGE_INFO* info, HKELSHEET* sheetOut);
using SheetShowFn = BOOL(WINAPI*)(HKELSHEET sheet);
using SheetTitleSetFn = BOOL(WINAPI*)(HKELSHEET sheet, LPCSTR title);
using SheetDestroyFn = BOOL(WINAPI*)(HKELSHEET sheet);
using SheetInitFn = BOOL(WINAPI*)(HKELSHEET sheet, DWORD flags, const KEL_MARK_ATTRIBUTES* attrs,
                                  const char* name, const void* data, DWORD size);
using SheetQueryFn = BOOL(WINAPI*)(HKELSHEET sheet, DWORD flags, KEL_MARK_ATTRIBUTES* attrs,
                                   const char* name, void* buffer, DWORD* sizeOut);
using ToolbarCreateFn = BOOL(WINAPI*)(HWND parent, int x, int y, HWND* frameOut);
using ToolbarCreateExFn = BOOL(WINAPI*)(HWND parent, int x, int y, HWND* frameOut, DWORD style);
using ToolbarCallbackRegisterFn = BOOL(WINAPI*)(HWND frame, int selector, FARPROC callback,
                                                DWORD_PTR user);
using ToolbarButtonSetFn = BOOL(WINAPI*)(HWND frame, int markType, DWORD flags);
using ToolbarButtonGetFn = BOOL(WINAPI*)(HWND frame, int markType, DWORD* flagsOut);

// The loaded DLL. Exports that the DLL lacks stay null, so a test can assert on them.
class KelGui {
public:
    // Loads <folder of the running .exe>\kelgui.dll.
    KelGui();
    ~KelGui();
    KelGui(const KelGui&) = delete;
    KelGui& operator=(const KelGui&) = delete;

    bool Loaded() const { return m_module != nullptr; }
    HMODULE Module() const { return m_module; }
    DWORD LoadError() const { return m_loadError; }
    const std::string& Path() const { return m_path; }
    // Names of the known exports that did not resolve at load.
    const std::vector<std::string>& Missing() const { return m_missing; }
    // FreeLibrary; all pointers become null. Returns FreeLibrary's result.
    bool Unload();

    MessageTitleSetFn message_title_set = nullptr;
    MessageTitleGetFn message_title_get = nullptr;
    SheetCreateFn property_sheet_create = nullptr;
    SheetShowFn property_sheet_show = nullptr;
    SheetTitleSetFn property_sheet_title_set = nullptr;
    SheetDestroyFn property_sheet_destroy = nullptr;
    SheetInitFn property_sheet_init = nullptr;
    SheetQueryFn property_sheet_query = nullptr;
    ToolbarCreateFn toolbar_create = nullptr;
    ToolbarCreateExFn toolbar_create_ex = nullptr;
    ToolbarCallbackRegisterFn toolbar_CB_register = nullptr;
    ToolbarButtonSetFn toolbar_button_set = nullptr;
    ToolbarButtonGetFn toolbar_button_get = nullptr;

private:
    struct Entry {
        const char* name;
        FARPROC* slot;
    };
    std::vector<Entry> Exports();

    HMODULE m_module = nullptr;
    DWORD m_loadError = 0;
    std::string m_path;
    std::vector<std::string> m_missing;
};

// Folder of the running .exe, with a trailing backslash.
std::string ExeFolder();

} // namespace kelgui_test
