#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its dependencies (Debian's Qt packages) and contents.
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
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6printsupport6 qt6-qpa-plugins; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "$package missing in Depends: $depends"
done
contents=$(dpkg-deb -c "$deb")
for path in usr/bin/zarvex1 usr/bin/zarvex1-cli usr/bin/zarvex1-sim usr/share/applications/zarvex1.desktop \
    usr/share/mime/packages/zarvex1.xml usr/share/icons/hicolor/48x48/apps/zarvex1.png \
    usr/share/zarvex1/manual_ZARVEX1_en.pdf; do
    grep -q " \./$path\$" <<<"$contents" || fail "$path missing in $(basename "$deb")"
done
echo "$(basename "$deb"): Depends: $depends"
