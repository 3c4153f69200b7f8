#!/usr/bin/env bash
# A first start from an install: installs BUILD_DIR to a temporary prefix, then runs the
# installed driver with an empty per-user folder. The tables must be seeded from the install,
# and a connect on the bundled procedure files and a simulator snapshot must find the station.
#   tools/install-check.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

desktop-file-validate "$prefix/share/applications/corvane.desktop" | tee "$work/validate"
[ ! -s "$work/validate" ] || { echo "install check: the desktop file has hints" >&2; exit 1; }
for document in copyright README.md; do
    [ -s "$prefix/share/doc/corvane/$document" ] || { echo "no doc $document" >&2; exit 1; }
done

mkdir -p "$work/radar" "$work/user"
"$prefix/bin/corvane-sim" --once --seed 7 --at 1800 --out "$work/radar/recent.dat"
dump="$(env -u CORVANE_HOME HOME="$work/user" XDG_DATA_HOME= "$prefix/bin/corvane-script" <<SCRIPT
start
folder $work/radar
click Command3(6)
folder $prefix/share/corvane/SIDSTARS
click Command3(5)
type TxtOperatorName JANE DOE
click CmdExecute
dump
SCRIPT
)"
seeded="$work/user/.local/share/corvane/DATA"
cmp "$seeded/ssr_code.txt" "$prefix/share/corvane/DATA/ssr_code.txt"
cmp "$seeded/airlines.dat" "$prefix/share/corvane/DATA/airlines.dat"
for expected in '"LblPositionName":"EDDF_APP"' '"LblNomeApt":"FRANKFURT MAIN"' '"lblTA":"5000"' \
    '"messages":[]'; do
    grep -qF "$expected" <<<"$dump" || { echo "install check: no $expected in $dump" >&2; exit 1; }
done
echo "install check: a first start from $prefix connects"
