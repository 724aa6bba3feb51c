#!/usr/bin/env bash
# Draws every picture and the game's icon afresh with gen_art and compares them with the
# committed ones (assets/pictures, its international pieces in intl, desktop/icons): fails naming each picture that differs beyond
# picdiff's small tolerance, or that only one side has. After changing the drawing, re-run gen_art
# as tools/README.md says and commit the pictures with the change.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
dir=build-test
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j"$(nproc)" --target gen_art picdiff >/dev/null
drawn=$(mktemp -d)
trap 'rm -rf "$drawn"' EXIT
QT_QPA_PLATFORM=offscreen "$dir/tools/gen_art/gen_art" "$drawn/pictures" "$drawn/icons" >/dev/null
status=0
"$dir/tools/picdiff/picdiff" assets/pictures "$drawn/pictures" || status=1
"$dir/tools/picdiff/picdiff" assets/pictures/intl "$drawn/pictures/intl" || status=1
"$dir/tools/picdiff/picdiff" desktop/icons "$drawn/icons" || status=1
exit "$status"
