#!/usr/bin/env bash
# The test command: full build, then every test under Wine + Xvfb, then the
# block layouts natively under the sanitizers with each fuzz target for 15 s.
# Says at the start how this machine runs the i686 tests (tools/wine-env.sh)
# and at the end what ran and how it went.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$kelgui_root"
start=$SECONDS
bash tools/packages.sh
kelgui_decide_machine
bash tools/build.sh
echo "test.sh: build done in $((SECONDS - start)) s"
summary=$(mktemp)
trap 'rm -f "$summary"' EXIT
status=0
KELGUI_SUMMARY=$summary bash tools/ctest.sh --output-on-failure -j2 || status=1
echo "test.sh: Wine tests done in $((SECONDS - start)) s"
if bash tools/native-test.sh 15; then
  echo "native: block tests and fuzzing passed" >>"$summary"
else
  echo "native: FAILED" >>"$summary"
  status=1
fi
echo "test.sh: all done in $((SECONDS - start)) s"
sed 's/^/test.sh: /' "$summary"
exit $status
