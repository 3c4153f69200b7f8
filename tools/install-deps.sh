#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need (run as root or with sudo).
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev
    qt6-base-dev libgl-dev
    nlohmann-json3-dev libcurl4-openssl-dev zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth dpkg-dev time
    fonts-liberation desktop-file-utils
    help2man librsvg2-bin lintian appstream man-db
    g++-mingw-w64-x86-64-posix googletest wine wine64
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
