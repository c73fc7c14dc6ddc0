#!/usr/bin/env bash
# Regenerates docs/gallery: the reference host's tour (the toolbar, every tab of
# every mark type's sheet, a validation message, the host with its marks) in
# English and in Japanese, and docs/gallery/README.md with the captions; then a
# few pages again at 192 dpi and under a dark scheme.
# Usage: tools/gallery.sh   (builds what it needs first)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$kelgui_root"
[[ -f build/build.ninja ]] || bash tools/build.sh
cmake --build build --target kelgui-demo dark_scheme_run
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
  sed -i 's/\r$//' "$gallery/$lang/index.txt" # the host writes Windows line ends
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

# The pages that draw parts of their own (the arrow list and sample, the colour
# swatches, the font sample, the play button) at 192 dpi, and at 96 dpi under a
# dark scheme (dark_scheme_run.exe sets it for the session and puts the colours
# back after): English tours into a scratch folder, of which these are kept.
drawn=(sheet-506-1.png sheet-506-2.png sheet-506-3.png sheet-7-1.png sheet-503-1.png)
for look in dpi192 dark; do
  scratch=$(mktemp -d)
  out=$(cd "$scratch" && pwd -P)
  run=(kelgui_wine kelgui-demo.exe)
  [[ $look == dark ]] && run=(kelgui_wine dark_scheme_run.exe kelgui-demo.exe)
  [[ $look == dpi192 ]] && export KELGUI_DPI=192 && kelgui_ensure_prefix x86_64
  (cd build/bin && "${run[@]}" --tour "Z:${out//\//\\}")
  unset KELGUI_DPI
  rm -rf "${gallery:?}/$look"
  mkdir -p "$gallery/$look"
  for file in "${drawn[@]}"; do
    cp "$scratch/$file" "$gallery/$look/"
  done
  rm -rf "$scratch"
done
{
  echo
  echo "## Drawn parts at 192 dpi and under a dark scheme"
  echo
  echo "The pages that draw parts of their own, in English: at 192 dpi (200 per cent)"
  echo "their rows, heads, swatch rings and play picture are twice their 96-dpi size;"
  echo "under a dark scheme the arrow list and sample take the window colours and the"
  echo "swatches keep their colours inside a frame that stands out from the face."
  echo "The font sample shows the point size at the screen's scale: the demo's mark"
  echo "holds a 16-pixel font, which is 6 points at 192 dpi."
  echo
  echo "| 192 dpi | Dark scheme (96 dpi) |"
  echo "|---|---|"
  for file in "${drawn[@]}"; do
    caption=$(grep -P "^\Q$file\E\t" "$gallery/en/index.txt" | cut -f2-)
    echo "| **${caption}**<br>![${caption} at 192 dpi](dpi192/${file}) | ${caption}<br>![${caption} under a dark scheme](dark/${file}) |"
  done
} >>"$gallery/README.md"
echo "gallery.sh: added the pages at 192 dpi and under a dark scheme"
