#!/usr/bin/env bash
# Installs the Debian packages that are missing (as root, or through sudo):
#   scripts/deps.sh run    what building and running the program needs (run.sh)
#   scripts/deps.sh test   that and what the tests, benchmarks, manual pages and package checks need
#                          (test.sh; also what no argument installs)
# ccache and mold are in the first list although the program runs without them: they change how
# build/ compiles and links, and run.sh and test.sh must configure it alike so that neither rebuilds
# what the other built.
set -euo pipefail
run_packages=(cmake g++ make pkg-config qt6-base-dev qt6-serialport-dev libgl-dev libqcustomplot-dev
              qt6-translations-l10n fonts-dejavu-extra
              ccache mold)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth python3
               desktop-file-utils shared-mime-info dpkg-dev file
               help2man man-db gzip appstream lintian)
case "${1:-test}" in
    run) packages=("${run_packages[@]}") ;;
    test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
    *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y "${missing[@]}"
fi
