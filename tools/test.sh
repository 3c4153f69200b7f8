#!/usr/bin/env bash
# Builds everything and runs every test: the CI build (warnings are errors) and a first start
# from its install, a short fuzzing run, then the same tests under AddressSanitizer +
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake --preset ci >/dev/null
cmake --build --preset ci -j "$jobs"
ctest --preset ci -j "$jobs"
tools/install-check.sh build/ci

tools/fuzz.sh --seconds 10

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset sanitize -j "$jobs"
