// Loads kelgui.dll from the test program's folder and resolves its exports by name.
#include "kelgui_loader.h"

namespace kelgui_test {

std::string ExeFolder() {
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::vector<std::pair<const char*, FARPROC*>> KelGui::Exports() {
#define KELGUI_TEST_ENTRY(name) {"KEL_GUI_" #name, reinterpret_cast<FARPROC*>(&name)},
    return {KELGUI_TEST_EXPORTS(KELGUI_TEST_ENTRY)};
#undef KELGUI_TEST_ENTRY
}

KelGui::KelGui() : m_path(ExeFolder() + "kelgui.dll") {
    m_module = LoadLibraryA(m_path.c_str());
    if (!m_module) {
        m_loadError = GetLastError();
        return;
    }
    for (auto [name, slot] : Exports()) {
        *slot = GetProcAddress(m_module, name);
        if (!*slot)
            m_missing.push_back(name);
    }
}

KelGui::~KelGui() {
    Unload();
}

bool KelGui::Unload() {
    if (!m_module)
        return false;
    for (auto [name, slot] : Exports())
        *slot = nullptr;
    bool freed = FreeLibrary(m_module) != FALSE;
    m_module = nullptr;
    return freed;
}

} // namespace kelgui_test
