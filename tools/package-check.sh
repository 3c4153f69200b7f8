#!/usr/bin/env bash
# The Debian package as a user gets it: builds the release preset and its .deb, then checks it
# with lintian (no error, no warning), appstreamcli and desktop-file-validate, checks that every
# installed program answers --help and --version with status 0 and without creating a file
# (HOME and the XDG folders point at an empty folder that must stay empty), and that the manual
# page of corvane-feed shows its options and exit status.
#   tools/package-check.sh [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="${1:-$(nproc)}"

cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"
rm -f build/release/corvane_*.deb
(cd build/release && cpack --config CPackConfig.cmake >/dev/null)
deb="$(ls build/release/corvane_*.deb)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }

# Informational tags (I:) are advice; errors and warnings fail.
lintian --tag-display-limit 0 "$deb" | tee "$work/lintian"
! grep -q '^[EW]:' "$work/lintian" || fail "lintian reports errors or warnings on $deb"

dpkg-deb -x "$deb" "$work/root"
root="$work/root"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$root/usr/share/applications/corvane.desktop" | tee "$work/desktop"
[ ! -s "$work/desktop" ] || fail "the desktop entry has hints"
for size in 16 22 24 32 48 64 128 256; do
    [ -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/corvane.png" ] || fail "no ${size} icon"
done
[ -s "$root/usr/share/doc/corvane/docs/screenshots/departure-panel.png" ] || fail "no screenshots"

mkdir "$work/home"
for program in corvane corvane-feed corvane-sim corvane-script corvane-demo; do
    for option in --help --version; do
        env -i PATH="$root/usr/bin:/usr/bin:/bin" HOME="$work/home" \
            XDG_DATA_HOME="$work/home/data" XDG_STATE_HOME="$work/home/state" \
            XDG_CONFIG_HOME="$work/home/config" XDG_CACHE_HOME="$work/home/cache" \
            XDG_RUNTIME_DIR="$work/home/run" TMPDIR="$work/home" \
            "$root/usr/bin/$program" "$option" >"$work/out" 2>&1 ||
            fail "$program $option: status $?"
        [ -z "$(ls -A "$work/home")" ] || fail "$program $option created $(ls -A "$work/home")"
        [ "$option" = --help ] || grep -q "GPL-3.0-or-later" "$work/out" ||
            fail "$program --version names no licence"
    done
    [ -s "$root/usr/share/man/man1/$program.1.gz" ] || fail "no manual page of $program"
done

page="$(MANWIDTH=100 man -l "$root/usr/share/man/man1/corvane-feed.1.gz" 2>/dev/null)"
for expected in OPTIONS --airports --timeout "Exit status" "a usage error"; do
    grep -qF -- "$expected" <<<"$page" || fail "man corvane-feed shows no $expected"
done
echo "package check: $deb is lintian-clean and its programs answer --help and --version"
