#!/usr/bin/env bash
# Builds the program and starts it on the virtual keyboard, creating the keyboard on first use.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

vkbd=build/tools/vkbd/qelec-vkbd
if ! "$vkbd" show >/dev/null 2>&1; then
    "$vkbd" create --variant 4 --version 'QelEC(RGB);V2.10' --force
fi
"$vkbd" show
