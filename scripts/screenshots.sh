#!/usr/bin/env bash
# Takes the README's screenshots without a screen, on Qt's offscreen
# platform: the start window, the main menu and each generator window with a
# result on screen, and the character window maximized on a 1366x768 laptop
# screen at 125 %.
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
pdftoppm -png -r 60 -singlefile docs/screenshots/party-sheet.pdf \
  docs/screenshots/party-sheet
rm docs/screenshots/party-sheet.pdf

# The character window as it opens on a small laptop at 125 %: the screen is
# 1366x768 device pixels, which the program sees as 1093x614.
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/ui/screens/1366x768.json" \
  QT_SCALE_FACTOR=1.25 \
  "$build_dir/tools/quendaro_screenshots" "$shots" --as-opened > /dev/null
cp "$shots/form1.png" docs/screenshots/character-window-1366x768-125.png
echo docs/screenshots/character-window-1366x768-125.png
