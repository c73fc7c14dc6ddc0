#!/usr/bin/env bash
# Regenerates docs/gallery: the reference host's tour (the toolbar, every tab of
# every mark type's sheet, a validation message, the host with its marks) in
# English and in Japanese, and docs/gallery/README.md with the captions.
# Usage: tools/gallery.sh   (builds what it needs first)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$kelgui_root"
[[ -f build/build.ninja ]] || bash tools/build.sh
cmake --build build --target kelgui-demo
unset DISPLAY # a display of our own: the pictures must show nothing else
kelgui_start_session

gallery=docs/gallery
for lang in en ja; do
  rm -rf "$gallery/$lang"
  mkdir -p "$gallery/$lang"
  locale=C.UTF-8
  [[ $lang == ja ]] && locale=ja_JP.UTF-8
  out=$(cd "$gallery/$lang" && pwd -P)
  (cd build/bin && LC_ALL=$locale kelgui_wine kelgui-demo.exe --tour "Z:${out//\//\\}")
  echo "gallery.sh: $lang: $(ls "$gallery/$lang"/*.png | wc -l) pictures"
done

# The captions come from the English tour's index (file, caption per line); the
# Japanese pictures have the same names.
{
  echo "# Gallery"
  echo
  echo "What the library shows a host, pictured by the reference host's tour"
  echo '(`kelgui-demo.exe --tour DIR`, run by `tools/gallery.sh` under Wine), in'
  echo "English and in Japanese. Sheets show every tab that the library has for the"
  echo "mark type; mark types without pages have no sheet."
  echo
  echo "| English | Japanese |"
  echo "|---|---|"
  while IFS=$'\t' read -r file caption; do
    ja=$(grep -P "^\Q$file\E\t" "$gallery/ja/index.txt" | cut -f2- || true)
    echo "| **${caption}**<br>![${caption}](en/${file}) | ${ja}<br>![${caption}](ja/${file}) |"
  done <"$gallery/en/index.txt"
} >"$gallery/README.md"
echo "gallery.sh: wrote $gallery/README.md"
