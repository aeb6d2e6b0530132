#!/usr/bin/env bash
# Takes the README's screenshots without a screen, on Qt's offscreen
# platform: the start window, the main menu and each generator window with a
# result on screen.
#
#   scripts/screenshots.sh [build-dir]    (default: build)
#
# The pictures go to docs/screenshots/. The build directory is configured
# first if it is not yet.
set -euo pipefail

cd "$(dirname "$0")/.."
build_dir=${1:-build}

if [[ ! -f $build_dir/CMakeCache.txt ]]; then
  cmake -S . -B "$build_dir" -G Ninja
fi
cmake --build "$build_dir" --target quendaro_screenshots

# One device pixel per pixel, whatever the desktop running the script says.
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 QT_ENABLE_HIGHDPI_SCALING=0 \
  "$build_dir/tools/quendaro_screenshots" docs/screenshots

# The character's PDF sheet as a picture (pdftoppm, from poppler-utils).
pdftoppm -png -r 60 -singlefile docs/screenshots/character-sheet.pdf \
  docs/screenshots/character-sheet
rm docs/screenshots/character-sheet.pdf
