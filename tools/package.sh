#!/usr/bin/env bash
# Makes dist/, what a host links: both DLLs (without debug sections), kelgui.h,
# import libraries for MinGW (libkelgui.dll.a) and MSVC (kelgui.lib), a CMake
# package giving kelgui::kelgui and the hosting guide. Then proves them under
# Wine: a C host linked against each import library by each linker (MinGW's ld,
# and lld-link for the MSVC-style one), on both architectures, a CMake consumer
# project built against dist/, and the guide's own host, which must show every
# tab of the guide's table for every mark type; and checks that the DLLs carry
# no debug sections and their version resource sits under English (US).
# Usage: tools/package.sh [DIST_DIR]   (default dist/; builds what it needs first)
#
#   dist/hosting.md           dist/include/kelgui.h
#   dist/x86/bin/kelgui.dll   dist/x86/lib/libkelgui.dll.a   dist/x86/lib/kelgui.lib
#   dist/x64/bin/kelgui.dll   dist/x64/lib/libkelgui.dll.a   dist/x64/lib/kelgui.lib
#   dist/lib/cmake/kelgui/kelguiConfig.cmake, kelguiConfigVersion.cmake
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$kelgui_root"
dist=$(realpath -m "${1:-dist}")
[[ -f build-i686/lib/kelgui.lib && -f build/lib/kelgui.lib ]] || bash tools/build.sh

rm -rf "$dist"
mkdir -p "$dist/include" "$dist/lib/cmake/kelgui"
cp include/kelgui.h "$dist/include/"
cp docs/hosting.md "$dist/"
for arch in x86 x64; do
  build=build triple=x86_64-w64-mingw32
  [[ $arch == x86 ]] && build=build-i686 triple=i686-w64-mingw32
  mkdir -p "$dist/$arch/bin" "$dist/$arch/lib"
  cp "$build/bin/kelgui.dll" "$dist/$arch/bin/"
  # The debug sections come from the static C++ run time; hosts ship without them.
  "$triple-strip" --strip-all "$dist/$arch/bin/kelgui.dll"
  cp "$build/lib/libkelgui.dll.a" "$build/lib/kelgui.lib" "$dist/$arch/lib/"
done
cp tools/package/kelguiConfig.cmake "$dist/lib/cmake/kelgui/"
version=$(sed -n 's/^#define KELGUI_VERSION_STRING "\(.*\)"$/\1/p' src/resources/version.h)
cat >"$dist/lib/cmake/kelgui/kelguiConfigVersion.cmake" <<VERSION
# Same major version and at least the version asked for.
set(PACKAGE_VERSION "$version")
if(PACKAGE_FIND_VERSION VERSION_GREATER PACKAGE_VERSION OR
   NOT PACKAGE_FIND_VERSION_MAJOR STREQUAL "${version%%.*}")
  set(PACKAGE_VERSION_COMPATIBLE FALSE)
else()
  set(PACKAGE_VERSION_COMPATIBLE TRUE)
  if(PACKAGE_FIND_VERSION STREQUAL PACKAGE_VERSION)
    set(PACKAGE_VERSION_EXACT TRUE)
  endif()
endif()
VERSION
echo "package.sh: made $dist (version $version)"

# --- proofs -------------------------------------------------------------------
work=$(mktemp -d)
if [[ -n ${KELGUI_SESSION:-} ]]; then # inside tools/ctest.sh: its display and server
  trap 'rm -rf "$work"' EXIT
else
  unset DISPLAY
  kelgui_start_session
  trap 'rm -rf "$work"; kelgui_stop_session' EXIT
fi
kelgui_decide_machine
failures=0 passed=0 skipped=0
verdict() { # what ok-or-not [details file]
  if [[ $2 == ok ]]; then
    passed=$((passed + 1))
    echo "package.sh: ok: $1"
  else
    echo "package.sh: FAILED: $1"; [[ -z ${3:-} ]] || cat "$3"; failures=$((failures + 1))
  fi
}
run() { # what exe-dir exe [check of its output file]
  if [[ $(kelgui_pe_arch "$2/$3") == i686 && $KELGUI_I686_MODE == none ]]; then
    echo "package.sh: linked, NOT RUN ($KELGUI_I686_WHY): $1"
    skipped=$((skipped + 1))
  elif (cd "$2" && LC_ALL=C.UTF-8 kelgui_wine "$3" >"$work/out" 2>&1) &&
    ${4:-true} "$work/out" >"$work/why" 2>&1; then
    verdict "$1" ok
  else
    cat "$work/why" >>"$work/out" 2>/dev/null
    verdict "$1" failed "$work/out"
  fi
}

# The guide's table of tabs as "code: tab, tab" lines, and its host's C code.
guide_tabs() {
  awk -F'|' '/^## / {inTable = /^## Mark types and their tabs/} inTable && /^\| [0-9]+ \|/ {
    tabs = ""
    for (i = 4; i <= 5; ++i) {
      cell = $i; gsub(/\([^)]*\)/, "", cell); gsub(/—/, "", cell); gsub(/^ +| +$/, "", cell)
      if (cell != "") tabs = tabs (tabs == "" ? "" : ", ") cell
    }
    code = $2; gsub(/ /, "", code); print code ": " tabs
  }' "$dist/hosting.md" | sed 's/ *$//'
}
guide_block() { # language: the guide's first code block in it
  awk -v fence='```'"$1" '/<!-- the host:/ {take = 1} take && $0 == fence {inside = 1; next}
    inside && /^```$/ {exit} inside' "$dist/hosting.md"
}
guide_block c >"$work/host.c"
guide_block xml >"$work/host.manifest" # the manifest it recommends, built in
echo '1 24 "host.manifest"' >"$work/manifest.rc"
# The host showed the guide's tabs for every mark type and fetched every block.
check_guide_host() { # output file
  diff <(guide_tabs) <(tr -d '\r' <"$1" | grep -E '^[0-9]+:' | sed 's/ *$//') &&
    [[ $(grep -c 'bytes to keep' "$1") == $(tr -d '\r' <"$1" | sed -n 's/^blocks: //p') ]]
}

for arch in x86 x64; do
  triple=x86_64-w64-mingw32
  [[ $arch == x86 ]] && triple=i686-w64-mingw32
  dll=$dist/$arch/bin/kelgui.dll
  debug=$("$triple-objdump" -h "$dll" | awk '$2 ~ /^\.debug/ {print $2}' | tr '\n' ' ')
  verdict "$arch: no debug sections in kelgui.dll ${debug:+(has $debug)}" \
    "$([[ -z $debug ]] && echo ok)"
  languages=$("$triple-objdump" -p "$dll" | awk '/^[0-9a-f]+   Entry: ID:/ {type = $4}
    /^[0-9a-f]+       Entry: ID:/ && type == "0x000010," {print $4}' | tr -d ',\n')
  verdict "$arch: version resource under English (US) (found: $languages)" \
    "$([[ $languages == 0x000409 ]] && echo ok)"
done

for arch in x86 x64; do
  triple=x86_64-w64-mingw32 machine=x64 entry=probe_start
  [[ $arch == x86 ]] && triple=i686-w64-mingw32 machine=x86 entry=_probe_start@0
  out=$work/$arch
  mkdir -p "$out"
  cp "$dist/$arch/bin/kelgui.dll" "$out/"
  "$triple-gcc-posix" -std=c89 -Wall -Wextra -Werror -I"$dist/include" -O1 \
    -c tools/package/probe_host.c -o "$out/probe.o"
  # MinGW's linker and libkelgui.dll.a.
  "$triple-gcc-posix" -nostdlib -Wl,-e,"$entry" "$out/probe.o" -o "$out/probe_mingw.exe" \
    -L"$dist/$arch/lib" -lkelgui -lkernel32
  run "$arch: C host linked by MinGW against libkelgui.dll.a" "$out" probe_mingw.exe
  # An MSVC-style linker and kelgui.lib.
  lld-link /nologo /machine:$machine /safeseh:no /subsystem:console /nodefaultlib \
    /entry:probe_start "$out/probe.o" "$dist/$arch/lib/kelgui.lib" \
    "/usr/$triple/lib/libkernel32.a" /out:"$out/probe_msvc.exe" >/dev/null
  run "$arch: C host linked by lld-link against kelgui.lib" "$out" probe_msvc.exe
  # The CMake package.
  toolchain=mingw-x86_64.cmake
  [[ $arch == x86 ]] && toolchain=mingw-i686.cmake
  cmake -S tools/package/consumer -B "$out/consumer" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$kelgui_root/cmake/$toolchain" -DCMAKE_PREFIX_PATH="$dist" \
    -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=NEVER >"$work/cmake.log" 2>&1 &&
    cmake --build "$out/consumer" >>"$work/cmake.log" 2>&1 ||
    { echo "package.sh: FAILED: $arch: CMake consumer build"; cat "$work/cmake.log"; failures=$((failures + 1)); }
  [[ -f $out/consumer/consumer.exe ]] &&
    run "$arch: CMake consumer through find_package(kelgui)" "$out/consumer" consumer.exe
  # The guide's host, built from the page and driven through every mark type.
  flags=(-std=c89 -Wall -Wextra -pedantic -Werror -I"$dist/include")
  if {
    "$triple-gcc-posix" "${flags[@]}" -Dmain=host_main -c "$work/host.c" -o "$out/host.o" &&
      "$triple-gcc-posix" "${flags[@]}" -c tools/package/guide_tabs.c -o "$out/guide_tabs.o" &&
      (cd "$work" && "$triple-windres" manifest.rc -O coff -o "$out/manifest.o") &&
      "$triple-gcc-posix" -static "$out/host.o" "$out/guide_tabs.o" "$out/manifest.o" \
        -o "$out/guide_host.exe" -L"$dist/$arch/lib" -lkelgui
  } >"$work/build.log" 2>&1; then
    run "$arch: the guide's host shows the guide's tabs for every mark type" "$out" \
      guide_host.exe check_guide_host
  else
    verdict "$arch: the guide's host builds warning-free" failed "$work/build.log"
  fi
done
echo "package.sh: $passed passed, $failures failed, $skipped not run"
[[ $failures == 0 ]]
