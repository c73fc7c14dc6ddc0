#!/usr/bin/env bash
# Longer fuzzing of every block layout: SECONDS per target (default 300). Inputs
# that reach new code are merged into tests/fuzz/corpus/ to be committed.
# Usage: tools/fuzz.sh [SECONDS]
set -euo pipefail
KELGUI_FUZZ_MERGE=1 exec bash "$(dirname "${BASH_SOURCE[0]}")/native-test.sh" "${1:-300}"
