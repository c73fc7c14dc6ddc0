#!/usr/bin/env bash
# The main job: builds the library and the reference host kelgui-demo.exe
# (installing what it needs), then runs the host under Wine. With a display it
# opens the host (marks kept in build/marks.kgm, or the file given); without
# one it runs the host's picture tour on a private Xvfb, so that it ends and
# leaves the pictures in build/tour/.
# Usage: tools/demo.sh [MARKS_FILE]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$kelgui_root"
start=$SECONDS
bash tools/packages.sh
kelgui_decide_machine
bash tools/build.sh --host
echo "demo.sh: built in $((SECONDS - start)) s"
marks=$(realpath -m "${1:-build/marks.kgm}")
if [[ -n ${DISPLAY:-} ]]; then
  kelgui_ensure_prefix x86_64
  cd build/bin
  kelgui_wine kelgui-demo.exe --marks "Z:${marks//\//\\}"
  exit
fi
kelgui_start_session
mkdir -p build/tour
tour=$(cd build/tour && pwd -P)
(cd build/bin && kelgui_wine kelgui-demo.exe --tour "Z:${tour//\//\\}")
echo "demo.sh: no display, so the host ran its tour: $(ls "$tour"/*.png | wc -l) pictures in build/tour/"
