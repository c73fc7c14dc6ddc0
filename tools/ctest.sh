#!/usr/bin/env bash
# Runs ctest in build/ (x86_64) and then in build-i686/ (the shipping 32-bit
# target) with one Xvfb and one kept-alive wineserver for the whole run; the
# prefix runs both. Both are run even when the first fails; either failing
# fails the whole.
# Usage: tools/ctest.sh [ctest args], e.g. tools/ctest.sh -R harness -V
#        KELGUI_TEST_BUILDS=build tools/ctest.sh ...   (one architecture only)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$kelgui_root"
# A display of our own even when the caller has one: tests move the mouse and focus.
unset DISPLAY
kelgui_start_session
echo "ctest.sh: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
failed=()
for dir in ${KELGUI_TEST_BUILDS:-build build-i686}; do
  if [[ ! -f $dir/CTestTestfile.cmake ]]; then
    echo "ctest.sh: $dir has no tests; build it with tools/build.sh" >&2
    failed+=("$dir")
    continue
  fi
  echo "ctest.sh: running the tests of $dir"
  ctest --test-dir "$dir" "$@" || failed+=("$dir")
done
if [[ ${#failed[@]} -gt 0 ]]; then
  echo "ctest.sh: failed in ${failed[*]}" >&2
  exit 1
fi
