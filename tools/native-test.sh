#!/usr/bin/env bash
# The block layouts built natively with clang under ASan and UBSan (build-native/):
# their unit tests, then each fuzz target for SECONDS (default 15) from the seed
# corpus in tests/fuzz/corpus/<layout>/ (new inputs go to build-native/corpus/).
# With KELGUI_FUZZ_MERGE=1 the inputs that reach new code join the tree's corpus.
# Usage: tools/native-test.sh [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-15}
out=build-native

bash tools/packages.sh
if [[ ! -f $out/build.ninja ]]; then
  CC=clang CXX=clang++ cmake -S tests/native -B $out -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build $out
$out/block_tests --gtest_brief=1 && echo "native-test: block tests passed under ASan and UBSan"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
for source in tests/fuzz/*_fuzz.cpp; do # the tree's targets, not stale binaries
  name=$(basename "$source" _fuzz.cpp) target=$out/fuzz/$(basename "$source" .cpp)
  seeds=tests/fuzz/corpus/$name work=$out/corpus/$name log=$out/$name.fuzz.log
  mkdir -p "$seeds" "$work" $out/artifacts
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=$out/artifacts/$name- "$work" "$seeds" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "native-test: $name fuzz target failed; input kept in $out/artifacts/" >&2
    exit 1
  fi
  echo "native-test: $name fuzzed $seconds s: $(grep -o 'Done [0-9]* runs' "$log" || echo '?')"
  if [[ ${KELGUI_FUZZ_MERGE:-0} == 1 ]]; then
    "$target" -merge=1 "$seeds" "$work" >>"$log" 2>&1
    echo "native-test: $name corpus in the tree: $(ls "$seeds" | wc -l) files"
  fi
done
