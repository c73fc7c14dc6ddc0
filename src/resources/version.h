// The library's version: the DLL's version resource and the CMake package
// (tools/package.sh reads it from here).
#pragma once

#define KELGUI_VERSION_MAJOR 1
#define KELGUI_VERSION_MINOR 0
#define KELGUI_VERSION_PATCH 0
#define KELGUI_VERSION_STRING "1.0.0"
