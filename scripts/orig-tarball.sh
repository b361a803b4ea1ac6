#!/usr/bin/env bash
# Makes the upstream tarball of the Debian source package, zarvex1_VERSION.orig.tar.xz, from the
# repository: the tracked files without debian/ (the package's own part), under zarvex1-VERSION/.
# Uncommitted changes to tracked files are taken along, so that a package can be tried before a commit.
# Usage: orig-tarball.sh OUT_DIR
set -euo pipefail
out=$(realpath "$1")
cd "$(dirname "$0")/.."
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
tree=$(git -c user.name=package -c user.email=package@localhost stash create)
tree=${tree:-HEAD}
tarball=$out/zarvex1_$upstream.orig.tar.xz
git archive --format=tar --prefix="zarvex1-$upstream/" "$tree" -- . ':(exclude)debian' | xz -6 -T1 >"$tarball"
echo "$tarball"
