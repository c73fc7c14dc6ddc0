// What the benchmark programs share: a clock, the free handle slots (a leak
// shows as a drop; GetGuiResources counts nothing under Wine), and a hook that
// runs every property sheet of the thread through one short script.
#pragma once

#include <cstddef>

namespace kelgui_test {

double NowMs();

// Objects made until the handle table is full (at most 200000), then deleted.
size_t FreeGdiSlots();
size_t FreeUserSlots();

// Until RemoveSheetCloser: each property sheet, once active, brings page index
// to the front (none when negative), paints itself fully and is closed with OK.
void InstallSheetCloser(int page);
void RemoveSheetCloser();

} // namespace kelgui_test
