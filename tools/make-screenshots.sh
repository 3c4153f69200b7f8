#!/usr/bin/env bash
# Regenerates the pictures in docs/screenshots/: the splash, the collapsed window, each panel
# and the flight plan sheet, drawn on Qt's offscreen platform (no display needed) from one
# demo snapshot of corvane-sim around EDDF and the bundled DATA and SIDSTARS files.
#   tools/make-screenshots.sh               # builds into build/screenshots
#   tools/make-screenshots.sh BUILD_DIR     # uses (and builds the targets in) an existing build
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$repo/build/screenshots}"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target corvane-screenshots corvane-sim

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home/DATA" "$work/radar"
cp "$repo"/data/DATA/* "$work/home/DATA/"
printf '%s\r\n' "$work/radar/recent.dat" > "$work/home/DATA/dirRecent.txt"
printf '%s\r\n' "$repo/data/SIDSTARS" > "$work/home/DATA/dirSidStar.txt"
# A fixed seed and start time, so the pictures only change when the program does.
"$build/bin/corvane-sim" --once --seed 7 --at 1800 --out "$work/radar/recent.dat"

QT_QPA_PLATFORM=offscreen "$build/bin/corvane-screenshots" \
    --home "$work/home" --out "$repo/docs/screenshots" --account "JANE DOE"
