#!/usr/bin/env bash
# The public header compiles cleanly, warnings as errors, in every C and C++
# standard a host may build with, for both architectures.
set -euo pipefail
header_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../include" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '#include <kelgui.h>\nint kelgui_header_used = KEL_MARK_ARROW;\n' >"$work/use.c"
cp "$work/use.c" "$work/use.cpp"
compile() { # triple std: writes $work/<triple>-<std>.ok or .errors
  local source=$work/use.c compiler=$1-gcc-posix
  [[ $2 == c++* ]] && source=$work/use.cpp compiler=$1-g++-posix
  "$compiler" -std="$2" -Wall -Wextra -pedantic -Werror -I"$header_dir" -fsyntax-only \
    "$source" 2>"$work/$1-$2.errors" && touch "$work/$1-$2.ok"
}
export -f compile
export work header_dir
for triple in x86_64-w64-mingw32 i686-w64-mingw32; do
  for std in c89 c99 c11 c++98 c++03 c++11 c++14 c++17 c++20; do echo "$triple $std"; done
done | xargs -P 2 -L 1 bash -c 'compile "$@"' _ || true
failed=0 passed=0
for errors in "$work"/*.errors; do
  if [[ -f ${errors%.errors}.ok ]]; then
    passed=$((passed + 1))
  else
    echo "FAILED: $(basename "${errors%.errors}")"; cat "$errors"
    failed=$((failed + 1))
  fi
done
echo "$passed passed, $failed failed"
[[ $failed == 0 ]]
