#!/usr/bin/env bash
# Times the connect through corvane-script against two references on the same snapshot:
#   wc -l                        the cost of reading the file once
#   awk -F: '$17=="EDDF"{...}'   what a user would script to list the departures
# and prints the ratios and the peak resident memory of each.
#   bench/compare.sh [LINES ...]     (default: 3000 100000 1000000)
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
cd "$repo"

sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(3000 100000 1000000)
runs=5

tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target corvane-script corvane-sim >/dev/null

bin="$repo/build/release/bin"
work="$repo/build/compare"
rm -rf "$work" && mkdir -p "$work/home/DATA" "$work/SIDSTARS"
cp data/DATA/* "$work/home/DATA/"
cp data/SIDSTARS/EDDF.txt "$work/SIDSTARS/"
printf '%s\r\n' "$work/SIDSTARS" > "$work/home/DATA/dirSidStar.txt"
printf 'start\ntype TxtOperatorName JANE DOE\nclick CmdExecute\n' > "$work/connect.txt"

# Best wall time of $runs runs, in milliseconds.
best_ms() {
    local best=""
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        local ms=$(( (end - start) / 1000 ))
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    awk -v us="$best" 'BEGIN { printf "%.2f", us / 1000 }'
}

peak_kib() { /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -1; }

printf '| lines | connect (ms) | wc -l (ms) | awk (ms) | connect / wc | awk / connect | connect peak RSS (MiB) | wc peak RSS (MiB) | awk peak RSS (MiB) |\n'
printf '|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n'
for lines in "${sizes[@]}"; do
    snapshot="$work/recent-$lines.dat"
    "$bin/corvane-sim" --once --aircraft "$lines" --out "$snapshot"
    printf '%s\r\n' "$snapshot" > "$work/home/DATA/dirRecent.txt"
    connect=(env "$bin/corvane-script" --home "$work/home" "$work/connect.txt")
    wc_cmd=(wc -l "$snapshot")
    awk_cmd=(awk -F: '$17=="EDDF"{print $1}' "$snapshot")
    c=$(best_ms "${connect[@]}")
    w=$(best_ms "${wc_cmd[@]}")
    a=$(best_ms "${awk_cmd[@]}")
    cm=$(peak_kib "${connect[@]}")
    wm=$(peak_kib "${wc_cmd[@]}")
    am=$(peak_kib "${awk_cmd[@]}")
    awk -v l="$lines" -v c="$c" -v w="$w" -v a="$a" -v cm="$cm" -v wm="$wm" -v am="$am" 'BEGIN {
        printf "| %d | %.2f | %.2f | %.2f | %.2f | %.2f | %.1f | %.1f | %.1f |\n",
               l, c, w, a, c / w, a / c, cm / 1024, wm / 1024, am / 1024 }'
done
