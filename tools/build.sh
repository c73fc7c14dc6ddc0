#!/usr/bin/env bash
# Main build: kelgui.dll and the tests for x86_64 (build/) and for i686
# (build-i686/), then a check of both DLLs' export and import tables.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash tools/packages.sh

# ccache, when there, with paths taken relative to the tree: clones share hits.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=$root
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

configure() { # build-dir toolchain extra-args...
  local dir=$1 toolchain=$2
  shift 2
  if [[ ! -f $dir/build.ninja ]]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" "${launcher[@]}" "$@"
  elif ! grep -qx "KELGUI_BUILD_TESTS:BOOL=ON" "$dir/CMakeCache.txt"; then
    cmake -B "$dir" "$@" >/dev/null # a tree made before its tests were built
  fi
}

configure build mingw-x86_64.cmake -DKELGUI_BUILD_TESTS=ON
cmake --build build
configure build-i686 mingw-i686.cmake -DKELGUI_BUILD_TESTS=ON
cmake --build build-i686

bash tools/check-exports.sh build/bin/kelgui.dll build-i686/bin/kelgui.dll
