// How many more GDI objects the process could make: a leak shows as a drop.
// (GetGuiResources counts nothing under Wine.)
#pragma once

#include <cstddef>

namespace kelgui_test {

// Makes objects until the handle table is full (at most 200000), then deletes them.
size_t FreeGdiSlots();

} // namespace kelgui_test
