// Reads the string table of a loaded module.
#include "support/string_table.h"

namespace kelgui_test {

std::string LoadModuleString(HMODULE module, UINT id) {
    char text[1024] = {};
    int length = LoadStringA(module, id, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

std::vector<UINT> MissingStrings(HMODULE module, UINT first, UINT last) {
    std::vector<UINT> missing;
    for (UINT id = first; id <= last; ++id)
        if (LoadModuleString(module, id).empty())
            missing.push_back(id);
    return missing;
}

} // namespace kelgui_test
