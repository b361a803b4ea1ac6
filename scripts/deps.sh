#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need (as root, or through sudo).
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev qt6-serialport-dev libgl-dev libqcustomplot-dev
          qt6-translations-l10n
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth python3
          fonts-dejavu-extra
          desktop-file-utils shared-mime-info dpkg-dev file
          ccache mold help2man man-db gzip appstream lintian)
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
