#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# Builds the Debian packages of Zelkor and its numeric edit library into build/packages and
# checks them with lintian (no error and no warning may remain). Used by `make package`.
# With --symbols VERSION (`make symbols`) it instead rewrites debian/librynumedit1.symbols from
# the library built, the new symbols marked as coming with VERSION, and builds without tests.
set -euo pipefail
cd "$(dirname "$0")/.."

symbols_version=
if [ "${1:-}" = --symbols ]; then
    symbols_version=${2:?"--symbols needs the library version that brings the new symbols"}
fi

out=build/packages
rm -rf "$out"
mkdir -p "$out/src"
# dpkg-buildpackage writes its results beside the source folder, so it gets a copy of the
# tree inside build/ rather than the checkout itself.
tar --exclude=./build --exclude=./.git -cf - . | tar -xf - -C "$out/src"

if [ -n "$symbols_version" ]; then
    # At level 0 the build prints its difference to the symbols file instead of failing on it.
    symbols=debian/librynumedit1.symbols
    (cd "$out/src" && DPKG_GENSYMBOLS_CHECK_LEVEL=0 DEB_BUILD_OPTIONS=nocheck \
        dpkg-buildpackage -b -us -uc -j"$(nproc)") 2>&1 | tee "$out/build.log"
    if [ ! -f "$symbols" ]; then
        arch=$(dpkg --print-architecture)
        pkgkde-gensymbols -plibrynumedit1 -v"$symbols_version" -O"$out/symbols.$arch" \
            -e"$(echo "$out"/src/debian/librynumedit1/usr/lib/*/libRyNumEdit.so.*.*)" >/dev/null
        pkgkde-symbolshelper create -o "$symbols" -v "$symbols_version" "$out/symbols.$arch"
    elif grep -q "^+++ .*librynumedit1" "$out/build.log"; then
        # Applies the printed difference: new symbols come with this version, the others keep
        # theirs.
        pkgkde-symbolshelper patch -p librynumedit1 -v "$symbols_version" -i "$symbols" \
            -o "$symbols" <"$out/build.log"
    else
        echo "$symbols: the library exports exactly the symbols listed"
    fi
    # C++ entries: each symbol by its demangled name, which dpkg-gensymbols matches after
    # demangling what the library exports, and which a reader can check against the header.
    grep -o '^ _Z[^@]*' "$symbols" | sed 's/^ //' >"$out/mangled" || true
    c++filt <"$out/mangled" | paste -d '\t' "$out/mangled" - | while IFS=$'\t' read -r m d; do
        printf 's|^ %s@\\([^ ]*\\) | (c++)"%s@\\1" |\n' "$m" \
            "$(printf '%s' "$d" | sed 's/[|&\\]/\\&/g')"
    done >"$out/to-cpp.sed"
    sed -i -f "$out/to-cpp.sed" "$symbols"
    rm -rf "$out/src"
    echo "Review the change to $symbols (git diff) and commit it."
    exit 0
fi

(cd "$out/src" && dpkg-buildpackage -b -us -uc -j"$(nproc)")
rm -rf "$out/src"

echo
echo "lintian:"
lintian --fail-on error,warning --info "$out"/*.changes ||
    { echo "lintian reports errors or warnings" >&2; exit 1; }
echo
echo "packages in $out:"
for deb in "$out"/*.deb; do
    printf '  %-48s %8s bytes  installed %6s KiB\n' "$(basename "$deb")" "$(stat -c %s "$deb")" \
        "$(dpkg-deb -f "$deb" Installed-Size)"
done
