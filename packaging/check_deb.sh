#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its dependencies (Debian's Qt packages), its contents,
# that lintian finds no error and no warning but those README.md explains, and that the programs carry
# the hardening (relro, immediate binding, stack protector, fortified functions).
# Usage: check_deb.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || fail "cpack: $(cat "$out/cpack.log")"
deb=$(ls "$out"/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6printsupport6 qt6-qpa-plugins \
               libqcustomplot2.1-qt6; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "$package missing in Depends: $depends"
done
contents=$(dpkg-deb -c "$deb")
for path in usr/bin/zarvex1 usr/bin/zarvex1-cli usr/bin/zarvex1-sim usr/share/applications/zarvex1.desktop \
    usr/share/mime/packages/zarvex1.xml usr/share/icons/hicolor/48x48/apps/zarvex1.png \
    usr/share/zarvex1/manual_ZARVEX1_en.pdf usr/share/man/man1/zarvex1-cli.1.gz usr/share/doc/zarvex1/copyright \
    usr/share/doc/zarvex1/changelog.gz usr/share/metainfo/invalid.zarvex1.studio.metainfo.xml; do
    grep -q " \./$path\$" <<<"$contents" || fail "$path missing in $(basename "$deb")"
done
[[ "$(dpkg-deb -f "$deb" Recommends)" == *xdg-utils* ]] || fail "xdg-utils not recommended (Help > Contents needs it)"

unpacked=$out/unpacked
dpkg-deb -x "$deb" "$unpacked"
for program in zarvex1 zarvex1-cli zarvex1-sim; do
    binary=$unpacked/usr/bin/$program
    grep -q GNU_RELRO <<<"$(readelf -lW "$binary")" || fail "$program has no read-only relocations"
    grep -Eq 'BIND_NOW|FLAGS.*NOW' <<<"$(readelf -dW "$binary")" || fail "$program is not bound at once (-z now)"
    grep -q 'Type: *DYN' <<<"$(readelf -hW "$binary")" || fail "$program is not position-independent"
done
# The stack protector and fortified functions show in the program's symbols (read whole first: grep -q
# would end the pipe early and pipefail would count that as a failure).
symbols=$(readelf -sW --dyn-syms "$unpacked/usr/bin/zarvex1")
grep -q '__stack_chk_fail' <<<"$symbols" || fail "zarvex1 has no stack protector"
grep -Eq '__[a-z]+_chk@' <<<"$symbols" || fail "zarvex1 has no fortified functions"

# lintian: no error, and no warning but the tags lintian-accepted.txt lists (README.md says why).
lintian --fail-on error,warning --tag-display-limit 0 \
    --suppress-tags-from-file "$(dirname "$0")/lintian-accepted.txt" "$deb" \
    >"$out/lintian.log" 2>&1 || fail "lintian: $(cat "$out/lintian.log")"
echo "$(basename "$deb"): Depends: $depends"
cat "$out/lintian.log"
