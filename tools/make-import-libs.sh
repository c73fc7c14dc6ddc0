#!/usr/bin/env bash
# Makes kelgui.dll's import libraries from the names a host's object refers to:
# libkelgui.dll.a for MinGW hosts and kelgui.lib (short import format) for MSVC
# hosts. On i686 a host calls the __stdcall exports by decorated names
# (_KEL_GUI_message_title_set@4); both libraries map these to the DLL's
# undecorated exports. The linker's own import library cannot: with --kill-at
# it loses the decoration.
# Usage: make-import-libs.sh TRIPLE PROBE.obj OUT_DIR EXPECTED_COUNT
#   PROBE.obj refers to every export through kelgui.h, as a host's code does.
set -euo pipefail
triple=$1 probe=$2 out=$3 expected=$4
case $triple in
  i686-*) machine=i386 ;;
  x86_64-*) machine=i386:x86-64 ;;
  *) echo "make-import-libs: unknown target $triple" >&2; exit 1 ;;
esac

# "_KEL_GUI_message_title_set@4" on i686 (C names take a leading underscore
# there), "KEL_GUI_message_title_set" on x86_64; "__imp_" before either when called.
names=$("$triple-nm" "$probe" |
  sed -n 's/.* U \(__imp_\)\{0,1\}\(KEL_GUI_\|_KEL_GUI_\)\([A-Za-z_]*\(@[0-9]*\)\{0,1\}\)$/KEL_GUI_\3/p' |
  sort -u)
count=$(wc -w <<<"$names")
if [[ $count != "$expected" ]]; then
  echo "make-import-libs: the probe refers to $count exports, kelgui.def has $expected" >&2
  exit 1
fi

mkdir -p "$out"
def=$out/kelgui-imports.def
{ echo "LIBRARY kelgui.dll"; echo "EXPORTS"; printf '    %s\n' $names; } >"$def"
# -k: the import names drop the @N that the symbol names keep.
"$triple-dlltool" -m "$machine" -k -d "$def" -l "$out/libkelgui.dll.a"
llvm-dlltool -m "$machine" -k -d "$def" -l "$out/kelgui.lib"
