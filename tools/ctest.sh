#!/usr/bin/env bash
# Runs ctest in build/ (x86_64) and then in build-i686/ (the shipping 32-bit
# target) with one Xvfb and one kept-alive wineserver per prefix for the whole
# run. Both are run even when the first fails; either failing fails the whole.
# Where this machine cannot run i686 programs at all (tools/wine-env.sh), the
# i686 tree is left out and the summary says "i686: NOT RUN (why)".
# Usage: tools/ctest.sh [ctest args], e.g. tools/ctest.sh -R harness -V
#        KELGUI_TEST_BUILDS=build tools/ctest.sh ...   (one architecture only)
# The summary lines also go to the file KELGUI_SUMMARY names, when set.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$kelgui_root"
# A display of our own even when the caller has one: tests move the mouse and focus.
unset DISPLAY
kelgui_start_session
echo "ctest.sh: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
summary=()
failed=0
for dir in ${KELGUI_TEST_BUILDS:-build build-i686}; do
  arch=x86_64
  [[ $dir == *i686* ]] && arch=i686
  if [[ $arch == i686 && $KELGUI_I686_MODE == none ]]; then
    summary+=("i686: NOT RUN ($KELGUI_I686_WHY)")
    continue
  fi
  if [[ ! -f $dir/CTestTestfile.cmake ]]; then
    summary+=("$arch: FAILED: $dir has no tests; build it with tools/build.sh")
    failed=1
    continue
  fi
  echo "ctest.sh: running the tests of $dir"
  log=$(mktemp)
  how=
  [[ $arch == i686 && $KELGUI_I686_MODE == emulated ]] && how=" under user-mode emulation"
  if ctest --test-dir "$dir" "$@" 2>&1 | tee "$log"; then
    summary+=("$arch: $(grep -o '[0-9]*% tests passed.*' "$log" | tail -1)$how")
  else
    summary+=("$arch: FAILED: $(grep -o '[0-9]*% tests passed.*' "$log" | tail -1)$how")
    failed=1
  fi
  rm -f "$log"
done
for line in "${summary[@]}"; do
  echo "ctest.sh: $line"
  [[ -z ${KELGUI_SUMMARY:-} ]] || echo "$line" >>"$KELGUI_SUMMARY"
done
exit $failed
