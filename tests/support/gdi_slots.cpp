// Free GDI handle slots.
#include "gdi_slots.h"

#include <windows.h>

#include <vector>

namespace kelgui_test {

size_t FreeGdiSlots() {
    std::vector<HBRUSH> made;
    for (HBRUSH b; made.size() < 200000 && (b = CreateSolidBrush(0)) != nullptr;)
        made.push_back(b);
    for (HBRUSH b : made)
        DeleteObject(b);
    return made.size();
}

} // namespace kelgui_test
