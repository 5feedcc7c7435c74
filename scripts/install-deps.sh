#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, running, testing, benchmarking, fuzzing and
# mutating Zelkor need, when any of them is missing. Used by `make run`, `make test` and the
# other targets; `install-deps.sh package` adds what building the Debian packages needs
# (`make package`), `install-deps.sh docs` what the reference manual needs (`make docs`).
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-qpa-plugins libgl-dev
    fonts-ipafont-gothic
    libbenchmark-dev
    clang-14 libclang-rt-14-dev llvm-14 # libFuzzer and its sanitizers; llvm-symbolizer
    xvfb xauth xdotool imagemagick time
    libwayland-dev qt6-base-private-dev qt6-wayland weston x11-xkb-utils # the Wayland frame, its checks
    dbus-daemon at-spi2-core python3-pyatspi        # the check through the accessibility bus
    ibus ibus-mozc fcitx5 fcitx5-mozc fcitx5-frontend-qt6 # the check with a Japanese input method
    desktop-file-utils appstream
    reuse # the licence check
    abigail-tools # the library's ABI check (abidiff) and its baseline (abidw)
    python3 # make mutate
    doxygen # the reference manual, which the tests check for undocumented members
)
# The reference manual's Qt help file: qhelpgenerator, and sqlite3 to check the file.
docs_packages=(qt6-documentation-tools sqlite3)
if [ "${1:-}" = package ]; then
    packages+=(build-essential debhelper dpkg-dev lintian pkg-kde-tools "${docs_packages[@]}")
elif [ "${1:-}" = docs ]; then
    packages+=("${docs_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
