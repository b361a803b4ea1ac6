#!/usr/bin/env bash
# Installs the build into a staging folder as a package does and checks what the desktop needs: the
# three programs, the user guides, a menu entry desktop-file-validate accepts, the icon in every size,
# the type of *.ign files, AppStream metainfo appstreamcli accepts, the manual pages, the copyright and
# the changelog.
# Usage: check_install.sh BUILD_DIR ICON_SIZE...
set -euo pipefail
build=$1
shift
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr

for program in zarvex1 zarvex1-cli zarvex1-sim; do
    [ -x "$usr/bin/$program" ] || fail "$program is not installed"
done
for language in en de cz; do
    [ -s "$usr/share/zarvex1/manual_ZARVEX1_$language.pdf" ] || fail "manual_ZARVEX1_$language.pdf missing"
done

desktop=$usr/share/applications/zarvex1.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects zarvex1.desktop"
grep -qx 'Exec=zarvex1 %f' "$desktop" || fail "the menu entry does not hand a file to the program"
grep -qx 'Icon=zarvex1' "$desktop" || fail "the menu entry names another icon"
grep -qx 'MimeType=application/x-zarvex1-parameters;' "$desktop" || fail "the menu entry takes no *.ign"

for size in "$@"; do
    icon=$usr/share/icons/hicolor/${size}x${size}/apps/zarvex1.png
    file "$icon" | grep -q "PNG image data, $size x $size," || fail "no ${size}x${size} icon"
done
[ -s "$usr/share/icons/hicolor/scalable/apps/zarvex1.svg" ] || fail "no scalable icon"

# shared-mime-info builds its database from the package file: *.ign and the key word must be in it.
mime=$usr/share/mime
XDG_DATA_DIRS=$usr/share XDG_DATA_HOME=$usr/share update-mime-database "$mime" 2>"$stage/mime.log" || fail "update-mime-database: $(cat "$stage/mime.log")"
[ ! -s "$stage/mime.log" ] || fail "update-mime-database: $(cat "$stage/mime.log")"
grep -q '^50:application/x-zarvex1-parameters:\*\.ign$' "$mime/globs2" || fail "*.ign is not known"
grep -q 'MORVANEL_KEY' "$mime/magic" || fail "the key word is not in the magic"
grep -qx 'application/x-zarvex1-parameters:zarvex1' "$mime/icons" || fail "the type has no icon"
metainfo=$usr/share/metainfo/invalid.zarvex1.studio.metainfo.xml
[ -s "$metainfo" ] || fail "no AppStream metainfo"
appstreamcli validate --pedantic "$metainfo" >"$stage/appstream.log" 2>&1 || fail "appstreamcli: $(cat "$stage/appstream.log")"
grep -q '<launchable type="desktop-id">zarvex1.desktop</launchable>' "$metainfo" || fail "metainfo names another menu entry"
grep -q '<mediatype>application/x-zarvex1-parameters</mediatype>' "$metainfo" || fail "metainfo lacks the *.ign type"

# man finds every page by the program's name and shows its options.
for program in zarvex1 zarvex1-cli zarvex1-sim; do
    page=$(MANWIDTH=100 man --manpath="$usr/share/man" "$program" 2>"$stage/man.log") || fail "man $program: $(cat "$stage/man.log")"
    grep -q -- '--version' <<<"$page" || fail "man $program does not show --version"
done
man --manpath="$usr/share/man" zarvex1-cli 2>/dev/null | grep -q 'monitor' || fail "man zarvex1-cli lacks its commands"

doc=$usr/share/doc/zarvex1
grep -q 'License: GPL-3+' "$doc/copyright" || fail "no copyright file with the licence"
zcat "$doc/changelog.gz" | grep -q '^## 1\.0 ' || fail "no changelog"
echo "install layout: all present"
