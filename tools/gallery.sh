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

# The toolbar at 200 per cent and under a dark high-contrast scheme, with the
# arrow tool pressed (the language does not change it: English only).
toolbars=$gallery/toolbar
rm -rf "$toolbars"
mkdir -p "$toolbars"
out=$(cd "$toolbars" && pwd -P)
out=Z:${out//\//\\}
KELGUI_DPI=192 kelgui_ensure_prefix x86_64
(cd build/bin && KELGUI_DPI=192 kelgui_wine kelgui-demo.exe --script "shoot-toolbar:$out\\toolbar-192dpi.png close")
(cd build/bin && kelgui_wine kelgui-demo.exe --script "click:10 shoot-dark:$out\\toolbar-dark.png close")
echo "gallery.sh: toolbar: $(ls "$toolbars"/*.png | wc -l) pictures"

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
  echo
  echo "## The toolbar at other scales and schemes"
  echo
  echo "Its images are drawn for 100, 150 and 200 per cent, never stretched; under a dark"
  echo "or high-contrast scheme its lines take the text colour and the pressed tool is framed."
  echo
  echo "| At 192 dpi (200 per cent) | Under a dark high-contrast scheme |"
  echo "|---|---|"
  echo "| ![The toolbar at 192 dpi](toolbar/toolbar-192dpi.png) | ![The toolbar under a dark high-contrast scheme](toolbar/toolbar-dark.png) |"
} >"$gallery/README.md"
echo "gallery.sh: wrote $gallery/README.md"
