// Loads kelgui.dll from the test program's folder and resolves its exports by name.
#include "kelgui_loader.h"

namespace kelgui_test {

namespace {

std::string DllBesideExe() {
    char path[MAX_PATH] = {};
    std::string exe(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return exe.substr(0, exe.find_last_of("\\/") + 1) + "kelgui.dll";
}

} // namespace

KelGui::KelGui() : m_path(DllBesideExe()), m_module(LoadLibraryA(m_path.c_str())) {
    if (!m_module)
        return;
#define KELGUI_TEST_RESOLVE(name)                                                                  \
    name = reinterpret_cast<decltype(name)>(GetProcAddress(m_module, "KEL_GUI_" #name));
    KELGUI_TEST_EXPORTS(KELGUI_TEST_RESOLVE)
#undef KELGUI_TEST_RESOLVE
}

} // namespace kelgui_test
