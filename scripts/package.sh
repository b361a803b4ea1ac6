#!/usr/bin/env bash
# Builds the Debian source package and its binary package out of a clean export of the tree (the
# working tree is left as it is) and checks them as a distribution would:
#   1. dpkg-buildpackage -us -uc from the orig tarball and debian/ (the unit tests run in the build);
#   2. lintian, pedantic: no error and no warning; the overrides in debian/*lintian-overrides say why;
#   3. packaging/check_deb.sh: dependencies, contents and hardening of the binary package;
#   4. the autopkgtest (debian/tests) on this machine with the null runner: it installs the package;
#   5. reproducibility: the source package built again in another folder (without its tests) with the
#      same SOURCE_DATE_EPOCH gives the same .deb files, byte for byte.
# Installs the Debian packages it needs (as root, or through sudo). docs/packaging.md tells more.
# Usage: package.sh [OUT_DIR]           (default build-package/ in the repository)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$(realpath -m "${1:-$root/build-package}")
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
started=$SECONDS
step() {
    echo "== $* ($((SECONDS - started)) s)"
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

step "packaging tools and build dependencies"
tools=(dpkg-dev debhelper lintian autopkgtest xz-utils)
missing=()
for p in "${tools[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    $sudo_cmd apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
if ! dpkg-checkbuilddeps >/dev/null 2>&1; then
    $sudo_cmd apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get build-dep -y "$root"
fi

version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
arch=$(dpkg --print-architecture)
# Both builds take their date from the changelog, as a buildd does.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -S Timestamp)
export SOURCE_DATE_EPOCH
jobs="parallel=$(nproc)"

rm -rf "$out"
mkdir -p "$out/first" "$out/second"
first=$out/first
step "source package zarvex1_$version from the tree"
./scripts/orig-tarball.sh "$first" >/dev/null
tar -xJf "$first/zarvex1_$upstream.orig.tar.xz" -C "$first"
tree=$(git -c user.name=package -c user.email=package@localhost stash create)
git archive "${tree:-HEAD}" debian | tar -x -C "$first/zarvex1-$upstream"

step "first build (with the unit tests): $first"
(cd "$first/zarvex1-$upstream" && DEB_BUILD_OPTIONS="$jobs" nice -n 10 dpkg-buildpackage -us -uc) \
    >"$out/first.log" 2>&1 || fail "dpkg-buildpackage: see $out/first.log; its end: $(tail -40 "$out/first.log")"
grep -E '^[0-9]+% tests passed|tests? failed out of' "$out/first.log" || true
changes=$first/zarvex1_${version}_$arch.changes
deb=$first/zarvex1_${version}_$arch.deb
# Debian's flags make a warning of what the project's own -Werror build would reject.
if grep -E '(warning|error): ' "$out/first.log" | grep -Ev '^dpkg-|^dh_|lintian' >"$out/warnings.log"; then
    fail "the compiler warned: $(head -20 "$out/warnings.log")"
fi

step "lintian"
lintian --pedantic --display-info --fail-on error,warning --tag-display-limit 0 "$changes" >"$out/lintian.log" 2>&1 \
    || fail "lintian: $(cat "$out/lintian.log")"
cat "$out/lintian.log"

step "package contents"
packaging/check_deb.sh "$deb"

step "autopkgtest on this machine"
was_installed=$(dpkg-query -W -f='${Status}' zarvex1 2>/dev/null || true)
status=0
$sudo_cmd autopkgtest "$deb" "$first/zarvex1_$version.dsc" -- null >"$out/autopkgtest.log" 2>&1 || status=$?
# The test installed the package; take it away again unless it was there before.
if [[ "$was_installed" != *"install ok installed"* ]]; then
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get remove -y zarvex1 >/dev/null 2>&1 || true
fi
[ "$status" -eq 0 ] || fail "autopkgtest (exit $status): $(tail -40 "$out/autopkgtest.log")"
grep -E '^[a-z-]+ +(PASS|FAIL|SKIP)' "$out/autopkgtest.log"

second=$out/second
step "second build (another folder and time zone, no tests): $second"
dpkg-source -x "$first/zarvex1_$version.dsc" "$second/zarvex1-$upstream" >/dev/null
(cd "$second/zarvex1-$upstream" && TZ=Pacific/Kiritimati DEB_BUILD_OPTIONS="nocheck $jobs" nice -n 10 \
    dpkg-buildpackage -b -us -uc) >"$out/second.log" 2>&1 || fail "second build: see $out/second.log"

step "reproducibility"
different=0
for built in "$first"/*.deb; do
    name=$(basename "$built")
    if cmp -s "$built" "$second/$name"; then
        echo "same: $name"
        continue
    fi
    different=1
    echo "DIFFERENT: $name"
    for side in first second; do
        mkdir -p "$out/unpacked-$side/$name"
        dpkg-deb -R "$out/$side/$name" "$out/unpacked-$side/$name"
        (cd "$out/unpacked-$side/$name" && find . -type f -exec sha256sum {} + | sort -k 2) >"$out/$side-$name.sums"
    done
    diff "$out/first-$name.sums" "$out/second-$name.sums" || true
done
[ "$different" -eq 0 ] || fail "the two builds differ (unpacked in $out/unpacked-*)"
step "done: $out"
echo "package: 5 passed, 0 failed"
