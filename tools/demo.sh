#!/usr/bin/env bash
# Builds ATC Corvane and starts it on live demo traffic: corvane-sim rewrites a traffic snapshot
# around Frankfurt (EDDF) every few seconds, and corvane starts with a program folder whose
# settings already point at that snapshot and at the bundled procedure files.
# Connect as JANE DOE (or VID 123456): the station EDDF_APP. Corvane follows the traffic
# (--follow): its lists and the selected aircraft change with every snapshot the simulator
# writes. Closing Corvane stops the simulator.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
cd "$repo"

tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target corvane corvane-sim corvane-script

bin="$repo/build/release/bin"
demo="${CORVANE_DEMO_DIR:-$repo/build/demo}"
mkdir -p "$demo/home/DATA" "$demo/radar"
cp -n data/DATA/* "$demo/home/DATA/" 2>/dev/null || true
printf '%s\r\n' "$demo/radar/recent.dat" > "$demo/home/DATA/dirRecent.txt"
printf '%s\r\n' "$repo/data/SIDSTARS" > "$demo/home/DATA/dirSidStar.txt"

"$bin/corvane-sim" --out "$demo/radar/recent.dat" --interval 5 &
sim=$!
trap 'kill "$sim" 2>/dev/null || true' EXIT
# Wait for the first snapshot so the first connect finds the station.
for _ in $(seq 50); do [ -s "$demo/radar/recent.dat" ] && break; sleep 0.1; done

echo "Corvane demo: connect as JANE DOE (or VID 123456); program folder $demo/home"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
    echo "No display found: starting under a virtual X display (xvfb-run)." >&2
    xvfb-run -a -s "-screen 0 1920x1080x24" "$bin/corvane" --home "$demo/home" --follow
else
    "$bin/corvane" --home "$demo/home" --follow
fi
