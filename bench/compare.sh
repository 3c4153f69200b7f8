#!/usr/bin/env bash
# Times the connect through corvane-script against two references on the same snapshot:
#   wc -l                        the cost of reading the file once
#   awk -F: '$17=="EDDF"{...}'   what a user would script to list the departures
# and prints the ratios and the peak resident memory of each.
#   bench/compare.sh [LINES ...]     (default: 3000 100000 1000000)
#   RUNS=N bench/compare.sh ...      (runs of each command, default 15)
# The three commands take turns, run by run, so that a busy moment of the machine falls on all
# of them alike; the table shows the best and the median run of each.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
cd "$repo"

sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(3000 100000 1000000)
runs="${RUNS:-15}"

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

# Wall time of one run of the command, in microseconds (the clock is read without starting a
# process).
run_us() {
    local start="${EPOCHREALTIME/./}"
    "$@" >/dev/null
    local end="${EPOCHREALTIME/./}"
    echo $((10#$end - 10#$start))
}

# "best median" in milliseconds of the microsecond times given.
best_median_ms() {
    printf '%s\n' "$@" | sort -n | awk '{ t[NR] = $1 } END {
        m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
        printf "%.2f %.2f\n", t[1] / 1000, m / 1000 }'
}

peak_kib() { /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -1; }

printf 'Runs of each command: %s (best / median, ms); ratios of the medians.\n\n' "$runs"
printf '| lines | connect (ms) | wc -l (ms) | awk (ms) | connect / wc | awk / connect | connect peak RSS (MiB) | wc peak RSS (MiB) | awk peak RSS (MiB) |\n'
printf '|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n'
for lines in "${sizes[@]}"; do
    snapshot="$work/recent-$lines.dat"
    "$bin/corvane-sim" --once --aircraft "$lines" --out "$snapshot"
    printf '%s\r\n' "$snapshot" > "$work/home/DATA/dirRecent.txt"
    connect=("$bin/corvane-script" --home "$work/home" "$work/connect.txt")
    wc_cmd=(wc -l "$snapshot")
    awk_cmd=(awk -F: '$17=="EDDF"{print $1}' "$snapshot")
    "${connect[@]}" >/dev/null  # the first read brings the file into the page cache
    c=() w=() a=()
    for _ in $(seq "$runs"); do
        c+=("$(run_us "${connect[@]}")")
        w+=("$(run_us "${wc_cmd[@]}")")
        a+=("$(run_us "${awk_cmd[@]}")")
    done
    read -r cb cm < <(best_median_ms "${c[@]}")
    read -r wb wm < <(best_median_ms "${w[@]}")
    read -r ab am < <(best_median_ms "${a[@]}")
    cr=$(peak_kib "${connect[@]}")
    wr=$(peak_kib "${wc_cmd[@]}")
    ar=$(peak_kib "${awk_cmd[@]}")
    awk -v l="$lines" -v cb="$cb" -v cm="$cm" -v wb="$wb" -v wm="$wm" -v ab="$ab" -v am="$am" \
        -v cr="$cr" -v wr="$wr" -v ar="$ar" 'BEGIN {
        printf "| %d | %.2f / %.2f | %.2f / %.2f | %.2f / %.2f | %.2f | %.2f | %.1f | %.1f | %.1f |\n",
               l, cb, cm, wb, wm, ab, am, cm / wm, am / cm, cr / 1024, wr / 1024, ar / 1024 }'
done
