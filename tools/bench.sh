#!/usr/bin/env bash
# Runs every benchmark program (tools/programs/*_bench.cpp) under Wine, the
# x86_64 build's (build/bin) and then the i686 build's (build-i686/bin), and
# writes docs/performance.md: per measure and architecture the library's
# figure, its floor's from the same run and their ratio, the target and
# whether both architectures meet it, with the machine the run was on. Where
# i686 programs run under user-mode emulation only their ratios are shown.
# Targets: "<=X" a ratio of at most X; "==0" a figure of 0; "no growth"
# (figures "+A/+B": growth after 100 and after 1,000 cycles) B not above A,
# with 64 KiB of slack for private bytes (the heap grows in steps); "flat"
# (page_growth_bench) heap under 1 byte and 0.01 blocks a cycle, private
# bytes, GDI and USER objects +0.
# The per-kind growth runs take KELGUI_GROWTH_CYCLES cycles (default 4000).
# KELGUI_BENCH_PROGRAMS="a_bench b_bench" runs only those (a partial table).
# Usage: tools/bench.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$kelgui_root"
growth_cycles=${KELGUI_GROWTH_CYCLES:-4000}
[[ -f build/build.ninja && -f build-i686/build.ninja ]] || bash tools/build.sh
programs=$(echo ${KELGUI_BENCH_PROGRAMS:-$(ls tools/programs/*_bench.cpp | xargs -n1 basename | sed 's/\.cpp$//')})
unset DISPLAY
kelgui_start_session
dirs=build
cmake --build build --target kelgui $programs
if [[ $KELGUI_I686_MODE != none ]]; then
  dirs="build build-i686"
  cmake --build build-i686 --target kelgui $programs
fi

work=$(mktemp -d)
trap 'rm -rf "$work"; kelgui_stop_session' EXIT
run() { # dir program [args...]: its BENCH lines, as "measure|library|floor|ratio|target"
  local dir=$1 program=$2
  shift 2
  echo "bench.sh: $dir $program $*"
  if ! LC_ALL=C.UTF-8 kelgui_wine "$dir/bin/$program.exe" "$@" </dev/null | tr -d '\r' |
    tee "$work/$dir.$program.log" | sed -n 's/^BENCH|//p' >"$work/$dir.$program"; then
    echo "bench.sh: $dir $program failed:" >&2
    tail -5 "$work/$dir.$program.log" >&2
    touch "$work/failed"
  fi
}
# One program at a time: besides the timings, the USER object count fills the
# wineserver's handle table, which all programs share.
for dir in $dirs; do
  for program in $programs; do
    if [[ $program == page_growth_bench ]]; then
      run "$dir" "$program" "$growth_cycles"
    else
      run "$dir" "$program"
    fi
  done
done
status=0
[[ ! -f $work/failed ]] || status=1
for dir in $dirs; do
  for program in $programs; do cat "$work/$dir.$program"; done >"$work/$dir.all"
done
[[ -f $work/build-i686.all ]] || : >"$work/build-i686.all"

verdict() { # figure ratio target
  local figure=$1 ratio=$2 target=$3
  case $target in
    '<='*) awk -v r="$ratio" -v t="${target#<=}" 'BEGIN { print (r + 0 <= t + 0) ? "met" : "not met" }' ;;
    '==0') [[ $figure == 0 ]] && echo met || echo "not met" ;;
    'no growth')
      awk -v f="$figure" 'BEGIN { split(f, p, "/"); a = p[1] + 0; b = p[2] + 0;
        slack = (f ~ /KiB/) ? 64 : 0; print (b <= a + slack) ? "met" : "not met" }' ;;
    flat)
      awk -v f="$figure" 'BEGIN { n = split(f, w, /[ ,;]+/); ok = 1
        for (i = 1; i <= n; ++i) {
          if (w[i + 1] == "B") ok = ok && w[i] + 0 < 1
          if (w[i + 1] == "blocks") ok = ok && w[i] + 0 < 0.01
          if (w[i] == "private" || w[i] == "GDI" || w[i] == "USER") ok = ok && w[i + 1] + 0 == 0 }
        print ok ? "met" : "not met" }' ;;
    *) echo "no target" ;;
  esac
}
both() { # verdict for x86_64 and, when it ran, i686
  local a=$1 b=${2:-}
  if [[ $a == "no target" ]]; then echo "$a"
  elif [[ $a == met && ( -z $b || $b == met ) ]]; then echo met
  else echo "not met"; fi
}
times_shown() { # figure: dropped under emulation when it is a time
  [[ $KELGUI_I686_MODE == emulated && $1 == *' ms'* ]] && echo "(emulated)" || echo "$1"
}

i686_how="i686 not run ($KELGUI_I686_WHY)"
[[ $KELGUI_I686_MODE == native ]] && i686_how="i686 run natively"
[[ $KELGUI_I686_MODE == emulated ]] && i686_how="i686 run under qemu-i386: its times are not comparable, its ratios are"
{
  echo "# Performance"
  echo
  echo "Written by \`tools/bench.sh\` on $(date -u '+%Y-%m-%d %H:%M UTC'). Machine: $(nproc) cores,"
  echo "$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), $(/usr/lib/wine/wine64 --version)"
  echo "on Xvfb; $i686_how. The library's and the floor's figures come from the same"
  echo "run of the same program, timed in alternating batches (medians) or, for first opens,"
  echo "in alternating fresh processes."
  echo
  echo "Floors: the toolbar's is a plain tool window of the same look built on comctl32 (the"
  echo "same 27 flat 23 x 22 check buttons from the same mapped bitmap, two a row, the frame"
  echo "made at the bar's size, shown active the same way), checked to match the library's"
  echo "pixel for pixel. A sheet's floor is a bare comctl32 property sheet of the library's"
  echo "own templates, in the same order, with the same tab texts and caption and the same"
  echo "page in front, painted and closed with OK the same way; its pages show the templates'"
  echo "controls unfilled, except the font page, whose procedure lists the faces as the"
  echo "library does. Block measures are floored by the plain copies they cannot beat."
  echo
  echo "Leak figures \"+A/+B\" are growth after 100 / after 1,000 cycles (after a few warm-up"
  echo "cycles); \"no growth\" is met when B is not above A (64 KiB slack for private bytes)."
  echo "Per-kind growth is over $growth_cycles cycles of each page kind on its own, after a"
  echo "warm-up; \"flat\" is met below 1 byte and 0.01 blocks of heap a cycle with private"
  echo "bytes, GDI and USER objects +0. \`GetGuiResources\` counts nothing under Wine, so GDI"
  echo "objects are counted by handle slot and USER objects as the handle slots no longer free."
  echo
  echo "| measure | x86_64 | floor | ratio | i686 | floor | ratio | target | |"
  echo "| --- | --- | --- | --- | --- | --- | --- | --- | --- |"
  while IFS='|' read -r measure library floor ratio target; do
    library32= floor32= ratio32=
    IFS='|' read -r _ library32 floor32 ratio32 _ < <(awk -F'|' -v m="$measure" '$1 == m { print; exit }' \
      "$work/build-i686.all") || true
    a=$(verdict "$library" "$ratio" "$target")
    b=
    [[ -n ${library32:-} ]] && b=$(verdict "$library32" "$ratio32" "$target")
    echo "| $measure | $library | $floor | $ratio | $(times_shown "${library32:--}") |" \
      "$(times_shown "${floor32:--}") | ${ratio32:--} | $target | $(both "$a" "$b") |"
  done <"$work/build.all"
} >docs/performance.md
echo "bench.sh: wrote docs/performance.md"
cat docs/performance.md
exit $status
