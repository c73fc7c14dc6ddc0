#!/usr/bin/env bash
# The reference host end to end, on each build given (x86_64 and i686, one Wine prefix):
# click the arrow tool (button 10), drag an arrow, change its line size in its sheet, OK,
# close; start again on the same marks file and find the change and the arrow's block. A
# marks file cut short or damaged is refused with a message and left as it was.
# Usage: demo_test.sh KELGUI_DEMO_EXE...
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
kelgui_decide_machine
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
check() { # what, then a command that must succeed
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else echo "FAILED: $what"; failed=$((failed + 1)); fi
}

for exe in "$@"; do
  arch=$(basename "$(dirname "$(dirname "$exe")")")
  if [[ $(kelgui_pe_arch "$exe") == i686 && $KELGUI_I686_MODE == none ]]; then
    echo "$arch: NOT RUN ($KELGUI_I686_WHY)"
    continue
  fi
  marks=$work/$arch.kgm
  demo() { # script; stdout and stderr go to $work/out
    (cd "$(dirname "$exe")" && bash "$kelgui_root/tools/wine-exec.sh" kelgui-demo.exe \
      --marks "Z:${1//\//\\}" --script "$2") >"$work/out" 2>&1
  }
  demo "$marks" "click:10 drag:100,100,300,200 open:0 edit:0=7 ok close"
  check "$arch: first run ends" test $? = 0
  demo "$marks" "print close"
  check "$arch: the change is there after a restart" \
    grep -q '^mark 0: type 506 from 100,100 to 300,200 line 7 .* OiAnoDat:12' "$work/out"

  for damage in cut flip; do
    cp "$marks" "$work/$damage.kgm"
    if [[ $damage == cut ]]; then
      truncate -s -6 "$work/$damage.kgm"
    else
      printf '\x5a' | dd of="$work/$damage.kgm" bs=1 seek=60 conv=notrunc status=none
    fi
    cp "$work/$damage.kgm" "$work/before"
    demo "$work/$damage.kgm" "tool:3 drag:10,10,90,90 close"
    check "$arch: $damage file refused" test $? = 2
    check "$arch: $damage file message" grep -q 'cannot be used: .*damaged. It has not been changed' "$work/out"
    check "$arch: $damage file kept" cmp -s "$work/before" "$work/$damage.kgm"
  done
done
echo "$passed passed, $failed failed"
[[ $failed == 0 && $passed -gt 0 ]]
