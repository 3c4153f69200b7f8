#!/usr/bin/env bash
# Builds everything and runs every test: the core's layer check, the CI build (warnings are
# errors; the benchmarks are built, not run, so that they keep compiling) and a first start from
# its install, the Debian package and its checks (lintian,
# AppStream, the desktop entry, the programs' help), a short fuzzing run, then the same tests under
# AddressSanitizer + UndefinedBehaviorSanitizer, and the programs without Qt built for Windows
# with their tests run under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
tools/check-layers.sh
tools/check-display-reads.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake --preset ci >/dev/null
cmake --build --preset ci -j "$jobs"
ctest --preset ci -j "$jobs"
tools/install-check.sh build/ci
tools/package-check.sh "$jobs"

tools/fuzz.sh --seconds 10

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset sanitize -j "$jobs"

# Windows: a throwaway Wine prefix, made once before the tests start in parallel.
wine_prefix="$(mktemp -d)"
trap 'WINEPREFIX="$wine_prefix" wineserver -k 2>/dev/null || true; rm -rf "$wine_prefix"' EXIT
export WINEPREFIX="$wine_prefix" WINEDEBUG=-all
cmake --preset windows-cross >/dev/null
cmake --build --preset windows-cross -j "$jobs"
wineboot --init && wineserver -w
ctest --preset windows-cross -j "$jobs"
