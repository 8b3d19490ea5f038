#!/usr/bin/env bash
# Regenerates docs/screenshots/windows/*.png from navik.exe under Wine: builds the windows
# preset, starts a virtual X display and lets screenshot_tour walk the program through its
# windows from a copy of its portable folder; the client areas are saved as on Linux. Wine's
# GDI+ draws shapes without anti-aliasing, so the capsules look jagged: that is Wine's.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
NAVIK_PACKAGES+=(imagemagick)
navik_setup

cmake --preset windows
cmake --build --preset windows -j"$(nproc)" --target screenshot_tour

out=docs/screenshots/windows
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export WINEPREFIX=$PWD/build-windows/wineprefix WINEDEBUG=-all
# Wine has no Arial, the face of the buttons' captions; its stand-in is wider, so captions wrap
# where on Windows they fit. Liberation Sans has Arial's metrics: the pictures show Windows' layout.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null
wineserver -w
xvfb-run -a -s "-screen 0 1280x1024x24" wine build-windows/tests/win32/screenshot_tour.exe "Z:$work"
for bitmap in "$work"/*.bmp; do
    name=$(basename "$bitmap" .bmp)
    convert "$bitmap" "$out/$name.png"
    echo "$out/$name.png"
done
