#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Uses the program at random, as a careless user would, under Xvfb on a virtual keyboard that is
# disturbed from outside (failing calls, unplugged, held, pressed, given firmware), and fails on a
# crash, a sanitizer report, a hang of more than 10 s, a keyboard state qelec-vkbd cannot read or a
# saved profile that does not load back whole. The same seed makes the same choices again.
#
#   scripts/monkey.sh [--seconds N] [--seed S|random] [--build DIR] [--out DIR] [--shots N] [--hurry]
#
# DIR is a build with the sanitizers (default build-monkey), made when it has no program yet:
#   cmake -S . -B build-monkey -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQELEC_SANITIZE=ON
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-monkey
arguments=("$@")
for ((at = 0; at < $#; at++)); do
    [ "${arguments[at]}" = --build ] && build=${arguments[at + 1]:-$build}
done

if [ ! -x "$build/app/qelec" ] || [ ! -x "$build/tools/res/qelec-res" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQELEC_SANITIZE=ON >/dev/null
    cmake --build "$build" -j "$(nproc)" --target qelec qelec-ctl qelec-vkbd qelec-res
fi
# Debian's own Python has the X library (python3-xlib); another Python may come first on the path.
exec /usr/bin/python3 scripts/monkey/monkey.py "$@"
