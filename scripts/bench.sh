#!/usr/bin/env bash
# Builds and runs the benchmarks in an optimised build of their own.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQELEC_CORE_ONLY=ON -DQELEC_BENCH=ON >/dev/null
cmake --build build-bench -j "$(nproc)" --target profile_benchmark
build-bench/bench/profile_benchmark "$@"

# The program itself: start to first complete paint, peak memory, one full repaint at scale 1.5
# (a 1920 x 1080 screen), on a virtual keyboard of its own.
cmake -S . -B build-bench-app -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench-app -j "$(nproc)" --target qelec qelec-vkbd
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QELEC_VKBD_STATE=$work/keyboard.txt XDG_RUNTIME_DIR=$work
build-bench-app/tools/vkbd/qelec-vkbd create --variant 4 --version 'QelEC(RGB);V2.10' --force >/dev/null
for run in 1 2 3 4 5; do
    echo "run $run:"
    xvfb-run -a -s '-screen 0 1920x1080x24' build-bench-app/app/qelec --first-paint-probe 2>&1 | grep -E '^(first|peak|full)'
done

# Every dialog: from the click that opens it to its first complete paint, and one full repaint, at
# scale 1.5. A window the program does not have yet says so.
for dialog in key-assignment virtual-keys rapid-trigger fine-adjust track backlight multi-key-colour firmware; do
    for run in 1 2 3; do
        echo "$dialog run $run:"
        xvfb-run -a -s '-screen 0 1920x1080x24' build-bench-app/app/qelec --first-paint-probe "$dialog" 2>&1 |
            grep -E '^dialog-'
    done
done

# The travel view's timer tick at scale 1.5: reading the virtual keyboard without a repaint, the
# window's own work, and a tick that repaints the whole window.
cmake --build build-bench-app -j "$(nproc)" --target trigger_window_tests
for run in 1 2 3; do
    echo "track tick run $run:"
    QT_QPA_PLATFORM=offscreen build-bench-app/tests/trigger/trigger_window_tests --gtest_also_run_disabled_tests \
        --gtest_filter='*TickFigures*' 2>/dev/null | grep -E '^track-tick'
done
