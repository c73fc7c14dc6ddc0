#!/usr/bin/env bash
# The public header and a use of its helpers compile cleanly, warnings as
# errors, in every C and C++ standard a host may build with, for both
# architectures.
set -euo pipefail
header_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../include" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A host's use of the header's helpers: callbacks registered with their own
# types (no cast of the host's), default blocks and a text block built.
cat >"$work/use.c" <<'USE'
#include <kelgui.h>
static void WINAPI OnTool(DWORD_PTR userData, int markType, DWORD event) {
    (void)userData, (void)markType, (void)event;
}
static BOOL WINAPI OnTip(DWORD_PTR userData, int markType, LPCSTR text, LPCSTR* tipOut) {
    (void)userData, (void)markType, (void)text, (void)tipOut;
    return FALSE;
}
int kelgui_helpers_used(HWND frame, HKELSHEET sheet) {
    KEL_ARROW_DATA arrow = KEL_ARROW_DATA_DEFAULT;
    BYTE text[32];
    const char* name;
    const void* data;
    DWORD size, index;
    int ok = KEL_GUI_toolbar_notify_register(frame, OnTool, 0) &&
             KEL_GUI_toolbar_tip_text_register(frame, OnTip, 0);
    for (index = 0; KEL_GUI_default_block(KEL_MARK_RULER, index, &name, &data, &size); ++index)
        ok = ok && KEL_GUI_property_sheet_init(sheet, KEL_SHEET_BLOCK, NULL, name, data, size);
    size = KEL_GUI_text_block(text, sizeof text, "Hello");
    return ok && KEL_GUI_property_sheet_init(sheet, KEL_SHEET_BLOCK, NULL, KEL_BLOCK_TEXT, text, size) &&
           KEL_GUI_property_sheet_init(sheet, KEL_SHEET_BLOCK, NULL, KEL_BLOCK_MARK_DATA, &arrow,
                                       sizeof arrow);
}
USE
cp "$work/use.c" "$work/use.cpp"
failed=0
for triple in x86_64-w64-mingw32 i686-w64-mingw32; do
  for std in c89 c99 c11 c++98 c++03 c++11 c++14 c++17 c++20; do
    source=$work/use.c compiler=$triple-gcc-posix
    [[ $std == c++* ]] && source=$work/use.cpp compiler=$triple-g++-posix
    "$compiler" -std="$std" -Wall -Wextra -pedantic -Werror -I"$header_dir" -fsyntax-only \
      "$source" || { echo "FAILED: $triple $std" && failed=$((failed + 1)); }
  done
done
echo "$failed of 18 failed"
[[ $failed == 0 ]]
