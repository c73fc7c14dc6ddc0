#!/usr/bin/env bash
# Runs one Windows program under Wine: ctest's emulator for the test programs.
# Uses DISPLAY when set (tools/ctest.sh sets it); without one, a throw-away Xvfb.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
kelgui_ensure_prefix
kelgui_ensure_japanese_font
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" wine "$@"
fi
exec wine "$@"
