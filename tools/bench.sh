#!/usr/bin/env bash
# Runs every benchmark program (tools/programs/*_bench.cpp, built into build/bin)
# under Wine and writes docs/performance.md: per measure the library's figure,
# the baseline's from the same run, their ratio, the target and whether it is met,
# with the machine the run was on.
# A ratio target "<=X" is met when the ratio is at most X. A "no growth" target
# (figures "+A/+B": growth after 100 and after 1,000 cycles) is met when B is not
# above A, with 64 KiB of slack for private bytes (the heap grows in steps).
# Usage: tools/bench.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$kelgui_root"
[[ -f build/build.ninja ]] || bash tools/build.sh
programs=$(ls tools/programs/*_bench.cpp | xargs -n1 basename | sed 's/\.cpp$//')
cmake --build build --target kelgui $programs
unset DISPLAY
kelgui_start_session

lines=$(mktemp)
status=0
for program in $programs; do
  echo "bench.sh: $program"
  LC_ALL=C.UTF-8 kelgui_wine "build/bin/$program.exe" | tr -d '\r' | tee -a "$lines.log" | grep '^BENCH|' >>"$lines" ||
    { echo "bench.sh: $program failed" >&2; status=1; }
done

verdict() { # figure ratio target
  local figure=$1 ratio=$2 target=$3
  case $target in
    '<='*) awk -v r="$ratio" -v t="${target#<=}" 'BEGIN { print (r + 0 <= t + 0) ? "met" : "not met" }' ;;
    'no growth')
      awk -v f="$figure" 'BEGIN { split(f, p, "/"); a = p[1] + 0; b = p[2] + 0;
        slack = (f ~ /KiB/) ? 64 : 0; print (b <= a + slack) ? "met" : "not met" }' ;;
    *) echo "no target" ;;
  esac
}

{
  echo "# Performance"
  echo
  echo "Written by \`tools/bench.sh\` on $(date -u '+%Y-%m-%d %H:%M UTC'). Machine: $(nproc) cores,"
  echo "$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), $(/usr/lib/wine/wine64 --version)"
  echo "on Xvfb. Library and baseline figures come from the same run of the same program."
  echo
  echo "Leak figures are growth after 100 / after 1,000 cycles (after a few warm-up cycles)."
  echo "\`GetGuiResources\` counts nothing under Wine, so GDI objects are counted by handle"
  echo "slot and USER objects as the handle slots no longer free. \"no growth\" is met when"
  echo "the 1,000-cycle figure is not above the 100-cycle one (64 KiB slack for private bytes)."
  echo
  echo "| measure | library | baseline | ratio | target | |"
  echo "| --- | --- | --- | --- | --- | --- |"
  while IFS='|' read -r _ measure library baseline ratio target; do
    echo "| $measure | $library | $baseline | $ratio | $target | $(verdict "$library" "$ratio" "$target") |"
  done <"$lines"
} >docs/performance.md
rm -f "$lines" "$lines.log"
echo "bench.sh: wrote docs/performance.md"
cat docs/performance.md
exit $status
