#!/usr/bin/env bash
# The test command: full build, then every test under Wine + Xvfb.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
start=$SECONDS
bash tools/build.sh
echo "test.sh: build done in $((SECONDS - start)) s"
bash tools/ctest.sh --output-on-failure -j2
echo "test.sh: all done in $((SECONDS - start)) s"
# The block layouts natively under the sanitizers, and each fuzz target for 15 s.
bash tools/native-test.sh 15
echo "test.sh: native tests and fuzzing done in $((SECONDS - start)) s"
