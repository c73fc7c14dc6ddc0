// Loads kelgui.dll from the test program's folder and resolves its exports by name.
#include "kelgui_loader.h"

namespace kelgui_test {

std::string ExeFolder() {
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

// One line per export: its name in the DLL and the member that receives it.
std::vector<KelGui::Entry> KelGui::Exports() {
    auto slot = [](auto& member) { return reinterpret_cast<FARPROC*>(&member); };
    return {
        {"KEL_GUI_message_title_set", slot(message_title_set)},
        {"KEL_GUI_message_title_get", slot(message_title_get)},
        {"KEL_GUI_property_sheet_create", slot(property_sheet_create)},
        {"KEL_GUI_property_sheet_show", slot(property_sheet_show)},
        {"KEL_GUI_property_sheet_title_set", slot(property_sheet_title_set)},
        {"KEL_GUI_property_sheet_destroy", slot(property_sheet_destroy)},
        {"KEL_GUI_property_sheet_init", slot(property_sheet_init)},
        {"KEL_GUI_property_sheet_query", slot(property_sheet_query)},
        {"KEL_GUI_toolbar_create", slot(toolbar_create)},
        {"KEL_GUI_toolbar_create_ex", slot(toolbar_create_ex)},
        {"KEL_GUI_toolbar_CB_register", slot(toolbar_CB_register)},
        {"KEL_GUI_toolbar_button_set", slot(toolbar_button_set)},
        {"KEL_GUI_toolbar_button_get", slot(toolbar_button_get)},
    };
}

KelGui::KelGui() : m_path(ExeFolder() + "kelgui.dll") {
    m_module = LoadLibraryA(m_path.c_str());
    if (!m_module) {
        m_loadError = GetLastError();
        return;
    }
    for (const Entry& e : Exports()) {
        *e.slot = GetProcAddress(m_module, e.name);
        if (!*e.slot)
            m_missing.push_back(e.name);
    }
}

KelGui::~KelGui() {
    Unload();
}

bool KelGui::Unload() {
    if (!m_module)
        return false;
    for (const Entry& e : Exports())
        *e.slot = nullptr;
    bool freed = FreeLibrary(m_module) != FALSE;
    m_module = nullptr;
    return freed;
}

} // namespace kelgui_test
