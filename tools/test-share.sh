#!/usr/bin/env bash
# Prints the non-blank lines of the code (src/ and include/, resource scripts
# included) and of the tests (tests/, fuzz targets included, seed files not),
# and the tests' share of the code. The tests should stay at most 33% of the code.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
count() { # non-blank lines of the text files tracked under the given folders
  git ls-files -z "$@" | xargs -0 grep -I -v -h -c '^[[:space:]]*$' 2>/dev/null |
    awk '{ n += $1 } END { print n + 0 }'
}
code=$(count src include)
tests=$(count tests ':!tests/fuzz/corpus')
echo "code (src, include): $code"
echo "tests: $tests"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests / code: %.1f%%\n", 100 * t / c }'
