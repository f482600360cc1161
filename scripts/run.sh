#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and starts it on the virtual keyboard, creating a QelEC(RGB) keyboard on first use.
# Without a display it says how to run it under a virtual X server instead of failing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

vkbd=build/tools/vkbd/qelec-vkbd
if ! "$vkbd" show >/dev/null 2>&1; then
    "$vkbd" create --variant 4 --version 'QelEC(RGB);V2.10' --force
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'TEXT'
There is no display to show the program on (DISPLAY and WAYLAND_DISPLAY are not set).
Run it under a virtual X server and look at it with a screenshot:
  xvfb-run -n 99 -s '-screen 0 1920x1080x24' build/app/qelec &
  sleep 2; DISPLAY=:99 import -window root shot.png
or drive it end to end with screenshots:  scripts/e2e.sh build out/e2e
TEXT
    exit 1
fi
exec build/app/qelec "$@"
