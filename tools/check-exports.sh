#!/usr/bin/env bash
# Checks that each DLL exports exactly the undecorated names of src/module/kelgui.def
# and imports only Windows system DLLs (the C++ runtime must be linked in statically).
# Usage: check-exports.sh DLL... ; an argument "--optional DLL" is skipped if missing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
def=$root/src/module/kelgui.def

# DLLs that every Windows installation has; anything else would have to ship with us.
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll winmm.dll
  advapi32.dll shell32.dll shlwapi.dll ole32.dll oleaut32.dll msvcrt.dll ntdll.dll
  imm32.dll version.dll uxtheme.dll msimg32.dll riched20.dll "
system_dlls=" $(echo $system_dlls) " # names at line ends matched too: one space apart

# Names after EXPORTS in the .def file: first word of each line, comments dropped.
expected=$(awk '/^[[:space:]]*EXPORTS/ {on=1; next}
                on { sub(/;.*/, ""); if (NF) print $1 }' "$def" | sort)

failures=0
fail() { echo "check-exports: $1" >&2; failures=$((failures + 1)); }

check_dll() {
  local dll=$1 objdump
  case $(x86_64-w64-mingw32-objdump -f "$dll" | sed -n 's/.*file format //p') in
    pei-x86-64) objdump=x86_64-w64-mingw32-objdump ;;
    pei-i386) objdump=i686-w64-mingw32-objdump ;;
    *) fail "$dll: not a PE DLL"; return ;;
  esac
  local dump actual imports
  dump=$($objdump -p "$dll")
  # Export name lines look like "	[   3] KEL_GUI_property_sheet_show".
  actual=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/ s/^[[:space:]]*\[ *[0-9]*\] //p' \
             <<<"$dump" | sort)
  if [[ $actual != "$expected" ]]; then
    fail "$dll: export names differ from kelgui.def (< expected, > actual):"
    diff <(echo "$expected") <(echo "$actual") >&2 || true
  fi
  imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z')
  for imp in $imports; do
    [[ $system_dlls == *" $imp "* ]] || fail "$dll: imports non-system DLL $imp"
  done
  echo "check-exports: $dll: $(wc -w <<<"$actual") exports, imports: $(echo $imports)"
}

optional=0
for arg in "$@"; do
  if [[ $arg == --optional ]]; then optional=1; continue; fi
  if [[ ! -f $arg ]]; then
    [[ $optional == 1 ]] && echo "check-exports: $arg not built, skipped" || fail "$arg: no such file"
  else
    check_dll "$arg"
  fi
  optional=0
done
[[ $# -gt 0 ]] || fail "usage: check-exports.sh DLL..."
exit $((failures > 0))
