#!/usr/bin/env bash
# Retakes the pictures of the user guide (companions/help/pages/images/) and the README
# (docs/images/board.png) from the built program, in a virtual X display. Run after a
# change to a window: bash scripts/help_screenshots.sh (after scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build -j"${NUVARO_JOBS:-2}" --target help_screenshots Nuvaro
images=companions/help/pages/images
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
mkdir -p "$images" docs/images
NUVARO_PROGRAM_DIR="$PWD/build/bin" NUVARO_DATA_DIR="$data" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x900x24" build/tools/help_screenshots "$images"
cp "$images/board.png" docs/images/board.png
echo "Pictures written to $images and docs/images/board.png"
