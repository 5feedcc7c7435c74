#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# Builds the Debian packages of Zelkor and its numeric edit library into build/packages and
# checks them with lintian. Used by `make package`.
set -euo pipefail
cd "$(dirname "$0")/.."

out=build/packages
rm -rf "$out"
mkdir -p "$out/src"
# dpkg-buildpackage writes its results beside the source folder, so it gets a copy of the
# tree inside build/ rather than the checkout itself.
tar --exclude=./build --exclude=./.git -cf - . | tar -xf - -C "$out/src"
(cd "$out/src" && dpkg-buildpackage -b -us -uc -j"$(nproc)")
rm -rf "$out/src"

echo
echo "lintian:"
lintian --fail-on error --info "$out"/*.changes || { echo "lintian reports errors" >&2; exit 1; }
echo
echo "packages in $out:"
for deb in "$out"/*.deb; do
    printf '  %-48s %8s bytes  installed %6s KiB\n' "$(basename "$deb")" "$(stat -c %s "$deb")" \
        "$(dpkg-deb -f "$deb" Installed-Size)"
done
