#!/usr/bin/env bash
# Runs ctest in build/ with one Xvfb and one kept-alive wineserver for the whole run.
# Usage: tools/ctest.sh [ctest args], e.g. tools/ctest.sh -R harness -V
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$kelgui_root"
# A display of our own even when the caller has one: tests move the mouse and focus.
unset DISPLAY
kelgui_start_session
echo "ctest.sh: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
ctest --test-dir build "$@"
