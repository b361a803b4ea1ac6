#!/usr/bin/env bash
# Checks the binary package that debian/rules built: its dependencies (Debian's Qt packages, once each),
# what it recommends, its contents, and that the programs carry the hardening (relro, immediate binding,
# position-independent, stack protector, fortified functions). lintian runs in scripts/package.sh.
# Usage: check_deb.sh DEB
set -euo pipefail
deb=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6printsupport6 qt6-qpa-plugins \
               libqcustomplot2.1-qt6; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "$package missing in Depends: $depends"
done
repeated=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | sort | uniq -d)
[ -z "$repeated" ] || fail "Depends names $repeated more than once: $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ "$recommends" == *xdg-utils* ]] || fail "xdg-utils not recommended (Help > Contents needs it)"
[[ "$recommends" == *pdf-viewer* ]] || fail "no PDF viewer recommended (the user guides are PDFs)"

contents=$(dpkg-deb -c "$deb")
for path in usr/bin/zarvex1 usr/bin/zarvex1-cli usr/bin/zarvex1-sim usr/share/applications/zarvex1.desktop \
    usr/share/mime/packages/zarvex1.xml usr/share/icons/hicolor/48x48/apps/zarvex1.png \
    usr/share/icons/hicolor/scalable/apps/zarvex1.svg usr/share/zarvex1/manual_ZARVEX1_en.pdf \
    usr/share/zarvex1/manual_ZARVEX1_de.pdf usr/share/zarvex1/manual_ZARVEX1_cz.pdf \
    usr/share/man/man1/zarvex1.1.gz usr/share/man/man1/zarvex1-cli.1.gz usr/share/man/man1/zarvex1-sim.1.gz \
    usr/share/doc/zarvex1/copyright usr/share/doc/zarvex1/changelog.gz usr/share/doc/zarvex1/changelog.Debian.gz \
    usr/share/doc/zarvex1/README.Debian usr/share/metainfo/invalid.zarvex1.studio.metainfo.xml; do
    grep -q " \./$path\$" <<<"$contents" || fail "$path missing in $(basename "$deb")"
done

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
echo "$(basename "$deb"): Depends: $depends"
