#!/usr/bin/env bash
# Runs one Windows program under the Wine of its architecture: ctest's emulator
# for the test programs. Uses DISPLAY when set (tools/ctest.sh sets it); without
# one, runs itself again under a throw-away Xvfb.
set -euo pipefail
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "${BASH_SOURCE[0]}" "$@"
fi
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
kelgui_decide_machine 2>/dev/null # said already by the run that started ctest
arch=$(kelgui_pe_arch "$1")
kelgui_ensure_prefix "$arch"
kelgui_wine_as "$arch" "$@"
