#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing need, from Debian's packages. Quick when all is there.
set -euo pipefail

packages=(
    g++ clang libclang-rt-14-dev cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev libpugixml-dev
    fonts-wqy-microhei xvfb xauth xdotool imagemagick x11-utils python3 python3-xlib
    at-spi2-core python3-pyatspi dbus-x11
    desktop-file-utils appstream librsvg2-bin help2man man-db bash-completion dpkg-dev file lintian
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if ((${#missing[@]})); then
    echo "installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
