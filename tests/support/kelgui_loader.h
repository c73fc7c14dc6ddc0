// Loads kelgui.dll from the test program's folder and resolves its exports by name.
#pragma once

#include <string>
#include <vector>

#include "kelgui.h"

// Every export, by its name after the KEL_GUI_ prefix.
// clang-format off
#define KELGUI_TEST_EXPORTS(X)                                                                     \
    X(message_title_set) X(message_title_get) X(property_sheet_create) X(property_sheet_show)      \
    X(property_sheet_title_set) X(property_sheet_destroy) X(property_sheet_init)                   \
    X(property_sheet_query) X(toolbar_create) X(toolbar_create_ex) X(toolbar_CB_register)          \
    X(toolbar_button_set) X(toolbar_button_get)
// clang-format on

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
#define KELGUI_TEST_EXPORT(name) decltype(&KEL_GUI_##name) name = nullptr;
    KELGUI_TEST_EXPORTS(KELGUI_TEST_EXPORT)
#undef KELGUI_TEST_EXPORT

private:
    // Each export's name in the DLL and the member that receives it.
    std::vector<std::pair<const char*, FARPROC*>> Exports();

    HMODULE m_module = nullptr;
    DWORD m_loadError = 0;
    std::string m_path;
    std::vector<std::string> m_missing;
};

// Folder of the running .exe, with a trailing backslash.
std::string ExeFolder();

} // namespace kelgui_test
