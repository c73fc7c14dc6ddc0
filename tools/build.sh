#!/usr/bin/env bash
# The build: kelgui.dll and the tests for x86_64 (build/) and for i686
# (build-i686/), then a check of both DLLs' export and import tables.
# With --host, only what the reference host needs on this machine: the x86_64
# library, its import libraries and kelgui-demo.exe in build/.
# Usage: tools/build.sh [--host]
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

configure() { # build-dir toolchain
  local dir=$1 toolchain=$2
  if [[ ! -f $dir/build.ninja ]]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" "${launcher[@]}" -DKELGUI_BUILD_TESTS=ON
  elif ! grep -qx "KELGUI_BUILD_TESTS:BOOL=ON" "$dir/CMakeCache.txt"; then
    cmake -B "$dir" -DKELGUI_BUILD_TESTS=ON >/dev/null # a tree made before its tests were built
  fi
}

configure build mingw-x86_64.cmake
if [[ ${1:-} == --host ]]; then
  cmake --build build --target kelgui-demo
  exit 0
fi
cmake --build build
configure build-i686 mingw-i686.cmake
cmake --build build-i686

bash tools/check-exports.sh build/bin/kelgui.dll build-i686/bin/kelgui.dll
