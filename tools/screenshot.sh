#!/usr/bin/env bash
# Regenerates docs/toolbar.png: the floating toolbar as Wine draws it on Xvfb,
# with a pressed tool and a tooltip, at twice its size.
# Usage: tools/screenshot.sh   (builds what it needs in build/ first)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$kelgui_root"
[[ -f build/build.ninja ]] || bash tools/build.sh
cmake --build build --target kelgui toolbar_picture
unset DISPLAY # a display of our own: the picture must not show anything else
kelgui_start_session
mkdir -p docs
png=$(pwd -P)/docs/toolbar.png
LC_ALL=C.UTF-8 wine build/bin/toolbar_picture.exe "Z:${png//\//\\}" >/dev/null
echo "screenshot.sh: wrote docs/toolbar.png"
