// Loads kelgui.dll from the test program's folder and resolves its exports by name.
#pragma once

#include <string>
#include <vector>

#include "kelgui.h"

namespace kelgui_test {

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

    // The exports, typed as the public header declares them.
    decltype(&KEL_GUI_message_title_set) message_title_set = nullptr;
    decltype(&KEL_GUI_message_title_get) message_title_get = nullptr;
    decltype(&KEL_GUI_property_sheet_create) property_sheet_create = nullptr;
    decltype(&KEL_GUI_property_sheet_show) property_sheet_show = nullptr;
    decltype(&KEL_GUI_property_sheet_title_set) property_sheet_title_set = nullptr;
    decltype(&KEL_GUI_property_sheet_destroy) property_sheet_destroy = nullptr;
    decltype(&KEL_GUI_property_sheet_init) property_sheet_init = nullptr;
    decltype(&KEL_GUI_property_sheet_query) property_sheet_query = nullptr;
    decltype(&KEL_GUI_toolbar_create) toolbar_create = nullptr;
    decltype(&KEL_GUI_toolbar_create_ex) toolbar_create_ex = nullptr;
    decltype(&KEL_GUI_toolbar_CB_register) toolbar_CB_register = nullptr;
    decltype(&KEL_GUI_toolbar_button_set) toolbar_button_set = nullptr;
    decltype(&KEL_GUI_toolbar_button_get) toolbar_button_get = nullptr;

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
