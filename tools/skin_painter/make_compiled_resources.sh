#!/usr/bin/env bash
# Regenerates the images compiled into the program (resources/yes_btn.png, no_btn.png and the
# animation resources/skin/loading.gif) from the skin painter. Run after changing the palette:
#   tools/skin_painter/make_compiled_resources.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
cmake --build "$build" --target skin_painter >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$build/tools/skin_painter" --compiled "$work"
cp "$work/yes_btn.png" "$work/no_btn.png" resources/
mkdir -p resources/skin
# ImageMagick's own convert (not a wrapper earlier in PATH); 8/100 s a frame, endless loop.
/usr/bin/convert -delay 8 -loop 0 -dispose Background "$work"/loading_frames/frame_*.png \
  -channel A -threshold 50% +channel -layers Optimize resources/skin/loading.gif
echo "wrote resources/yes_btn.png resources/no_btn.png resources/skin/loading.gif"
