#!/usr/bin/env bash
# The main job: builds everything (installing what it needs), then runs the
# reference host kelgui-demo.exe under Wine. With a display it opens the host
# (marks kept in build/marks.kgm, or the file given); without one it runs the
# host's picture tour on a private Xvfb, so that it ends and leaves the pictures
# in build/tour/.
# Usage: tools/demo.sh [MARKS_FILE]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$kelgui_root"
bash tools/build.sh
marks=$(realpath -m "${1:-build/marks.kgm}")
if [[ -n ${DISPLAY:-} ]]; then
  kelgui_ensure_prefix
  kelgui_ensure_japanese_font
  cd build/bin
  exec wine kelgui-demo.exe --marks "Z:${marks//\//\\}"
fi
kelgui_start_session
mkdir -p build/tour
tour=$(cd build/tour && pwd -P)
(cd build/bin && wine kelgui-demo.exe --tour "Z:${tour//\//\\}")
echo "demo.sh: no display, so the host ran its tour: $(ls "$tour"/*.png | wc -l) pictures in build/tour/"
