#!/usr/bin/env bash
# render-icons.sh - regenerate every PNG under resources/images/ from the
# hand-written SVG sources in resources/images/src/.
#
# The PNGs are committed, so building Lockmere needs no SVG tools; run this
# script (it needs rsvg-convert, Debian package librsvg2-bin) only after
# editing an SVG source, then commit the changed PNGs with it.
#
#   tools/render-icons.sh        # from anywhere inside the work tree
#
# What it writes:
#   - the category icons, users24 and logout24: <name>24.png (24x24) and
#     <name>24@2x.png (48x48, picked by Qt on high-DPI screens), from
#     src/<name>.svg, drawn on a 24-unit grid with 2-unit strokes on whole
#     pixels so that both sizes are crisp;
#   - the application icon src/lockmere.svg (64-unit grid): lockmere-<N>.png
#     for N in 16 24 32 48 64 128 256, and lockmere.png (256x256).
#
# It overwrites its outputs and nothing else, so running it twice changes
# nothing. resources/lockmere.qrc lists the PNGs; keep it in step when adding
# an icon.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
src="$root/resources/images/src"
out="$root/resources/images"

if ! command -v rsvg-convert >/dev/null 2>&1; then
  echo "render-icons.sh: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
  exit 1
fi

render() { # render SVG SIZE PNG
  rsvg-convert --width "$2" --height "$2" --format png --output "$3" "$1"
}

icons=(email website computer software bankcard ebank router lock safe other users logout)
for name in "${icons[@]}"; do
  render "$src/$name.svg" 24 "$out/${name}24.png"
  render "$src/$name.svg" 48 "$out/${name}24@2x.png"
done

for size in 16 24 32 48 64 128 256; do
  render "$src/lockmere.svg" "$size" "$out/lockmere-$size.png"
done
render "$src/lockmere.svg" 256 "$out/lockmere.png"

echo "render-icons.sh: wrote $(( ${#icons[@]} * 2 + 8 )) PNGs to resources/images/"
