# CMake package of kelgui: find_package(kelgui) gives the imported target
# kelgui::kelgui (the DLL, its import library and kelgui.h) for the target
# architecture, x86 or x64. MSVC links kelgui.lib, other compilers (MinGW)
# libkelgui.dll.a.
if(TARGET kelgui::kelgui)
  return()
endif()
get_filename_component(_kelgui_root "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(_kelgui_arch x64)
else()
  set(_kelgui_arch x86)
endif()
if(MSVC)
  set(_kelgui_implib "${_kelgui_root}/${_kelgui_arch}/lib/kelgui.lib")
else()
  set(_kelgui_implib "${_kelgui_root}/${_kelgui_arch}/lib/libkelgui.dll.a")
endif()
add_library(kelgui::kelgui SHARED IMPORTED)
set_target_properties(kelgui::kelgui PROPERTIES
  IMPORTED_LOCATION "${_kelgui_root}/${_kelgui_arch}/bin/kelgui.dll"
  IMPORTED_IMPLIB "${_kelgui_implib}"
  INTERFACE_INCLUDE_DIRECTORIES "${_kelgui_root}/include")
unset(_kelgui_root)
unset(_kelgui_arch)
unset(_kelgui_implib)
