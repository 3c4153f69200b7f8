#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) and runs each for a fixed time on a copy
# of its seed corpus. A finding stops the run with a non-zero exit and leaves the crashing input
# in build/fuzz/findings/.
#   tools/fuzz.sh                   # 10 seconds per target (what CI runs)
#   tools/fuzz.sh --seconds 3600    # a longer run
#   tools/fuzz.sh --seconds 600 fuzz_snapshot
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=10
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        --seconds) seconds="$2"; shift 2 ;;
        *) targets+=("$1"); shift ;;
    esac
done
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_script fuzz_snapshot fuzz_procedures fuzz_squawk_table
                                     fuzz_airlines fuzz_settings fuzz_departure_log
                                     fuzz_feed fuzz_firs
                                     fuzz_line_reader)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]}"

mkdir -p build/fuzz/findings
for target in "${targets[@]}"; do
    corpus="build/fuzz/corpus/${target#fuzz_}"
    mkdir -p "$corpus"
    cp -n "fuzz/corpus/${target#fuzz_}/"* "$corpus/" 2>/dev/null || true
    echo "fuzzing $target for ${seconds}s"
    ASAN_OPTIONS=detect_leaks=1 "build/fuzz/bin/$target" -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/findings/$target-" "$corpus" 2>&1 |
        grep -E "^(stat::number_of_executed_units|==[0-9]+==|SUMMARY|#[0-9]+ *DONE)" || true
    status=${PIPESTATUS[0]}
    if [ "$status" -ne 0 ]; then
        echo "$target found a problem (exit $status); see build/fuzz/findings/" >&2
        exit "$status"
    fi
done
echo "fuzzing: ${#targets[@]} targets ran clean"
