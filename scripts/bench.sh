#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the benchmarks in an optimised build of their own.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQELEC_CORE_ONLY=ON -DQELEC_BENCH=ON >/dev/null
cmake --build build-bench -j "$(nproc)" --target profile_benchmark
# Medians of 7 by default, and the ratios to pugixml on the same document (processor time).
profile_figures=$(build-bench/bench/profile_benchmark --benchmark_repetitions=7 --benchmark_report_aggregates_only=true "$@")
echo "$profile_figures"
echo "$profile_figures" | awk '
/^BM_.*_median/ { sub(/_median$/, "", $1); cpu[$1] = $4 }
END {
    printf "profile load: %.0f us, pugixml load and read %.0f us, ratio %.2f\n", cpu["BM_LoadProfile"],
        cpu["BM_PugixmlLoadAndRead"], cpu["BM_LoadProfile"] / cpu["BM_PugixmlLoadAndRead"]
    printf "profile save: %.0f us, pugixml save %.0f us, ratio %.2f\n", cpu["BM_SaveProfile"], cpu["BM_PugixmlSave"],
        cpu["BM_SaveProfile"] / cpu["BM_PugixmlSave"]
}'

# The edit history at the same scale: the bytes one step of each kind keeps, and the time to record a
# Read All that replaced every key's macro, to undo it, and to take the recovery file's text.
cmake --build build-bench -j "$(nproc)" --target history_benchmark
history_figures=$(build-bench/bench/history_benchmark --benchmark_repetitions=7 --benchmark_report_aggregates_only=true)
echo "$history_figures"
echo "$history_figures" | awk '
/^BM_StepMemory\/[0-9]+\/iterations:1_median/ {
    for (i = 1; i <= NF; i++) if ($i ~ /^step_bytes=/) { bytes = $i; sub(/step_bytes=/, "", bytes); label = ""; for (j = i + 1; j <= NF; j++) label = label " " $j }
    printf "history step memory:%s: %s bytes\n", label, bytes
}
/^BM_(RecordReadAll|UndoReadAll|RecoveryText)_median/ { sub(/_median$/, "", $1); printf "%s: %.2f ms\n", $1, $4 }'

# The program itself: start to first complete paint, peak memory, one full repaint at scale 1.5
# (a 1920 x 1080 screen), on a virtual keyboard of its own.
cmake -S . -B build-bench-app -G Ninja -DCMAKE_BUILD_TYPE=Release -DQELEC_BENCH=ON >/dev/null
cmake --build build-bench-app -j "$(nproc)" --target qelec qelec-vkbd bare_window key_assignment_timings recorder_timings
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QELEC_VKBD_STATE=$work/keyboard.txt XDG_RUNTIME_DIR=$work
build-bench-app/tools/vkbd/qelec-vkbd create --variant 4 --version 'QelEC(RGB);V2.10' --force >/dev/null
# Beside each run of the program, the bare window of the same size with one line of Chinese text,
# so that the figures are read as ratios to an anchor measured in the same run. Medians of 7 runs.
probe_runs=$work/probe-runs.txt
: >"$probe_runs"
for run in 1 2 3 4 5 6 7; do
    xvfb-run -a -s '-screen 0 1920x1080x24' build-bench-app/app/qelec --first-paint-probe 2>&1 |
        grep -E '^(first|peak|file|anon|full|reader)' | tr '\n' ' ' >>"$probe_runs"
    xvfb-run -a -s '-screen 0 1920x1080x24' build-bench-app/bench/bare_window 2>&1 | grep -E '^bare' |
        tr '\n' ' ' >>"$probe_runs"
    echo >>"$probe_runs"
done
awk '
function median(values, n,    sorted, i, j, t) {
    for (i = 1; i <= n; i++) sorted[i] = values[i]
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (sorted[j] < sorted[i]) { t = sorted[i]; sorted[i] = sorted[j]; sorted[j] = t }
    return sorted[int((n + 1) / 2)]
}
{
    for (i = 1; i <= NF; i++) {
        if ($i == "first-paint-ms:") paint[NR] = $(i + 1)
        if ($i == "peak-rss-kb:") rss[NR] = $(i + 1)
        if ($i == "file-rss-kb:") fileRss[NR] = $(i + 1)
        if ($i == "anon-rss-kb:") anonRss[NR] = $(i + 1)
        if ($i == "full-repaint-ms:") repaint[NR] = $(i + 1)
        if ($i == "reader-tree-ms:") tree[NR] = $(i + 1)
        if ($i == "bare-first-paint-ms:") barePaint[NR] = $(i + 1)
        if ($i == "bare-peak-rss-kb:") bareRss[NR] = $(i + 1)
    }
}
END {
    p = median(paint, NR); bp = median(barePaint, NR); r = median(rss, NR); br = median(bareRss, NR)
    printf "main window first paint: %d ms, bare window %d ms, ratio %.2f (medians of %d)\n", p, bp, p / bp, NR
    printf "peak memory at first paint: %.1f MB, bare window %.1f MB, ratio %.2f\n", r / 1024, br / 1024, r / br
    printf "  of which at first paint: %.1f MB allocated, %.1f MB pages of the program and its libraries\n", median(anonRss, NR) / 1024, median(fileRss, NR) / 1024
    printf "main window full repaint at scale 1.5: %.2f ms\n", median(repaint, NR)
    printf "main window whole accessible tree read once a screen reader attaches: %.2f ms\n", median(tree, NR)
}' "$probe_runs"
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

# The firmware window's bar during a download: how many repaints its progress causes (at most one per
# progress step) and the slowest of them, at scale 1.5 on the offscreen platform.
cmake --build build-bench-app -j "$(nproc)" --target firmware_window_tests
for run in 1 2 3; do
    QT_QPA_PLATFORM=offscreen build-bench-app/tests/firmware/firmware_window_tests \
        --gtest_filter='*ProgressRepaintsOnlyTheBarOncePerStep' | grep -E '^bar repaints'
done

# The key assignment dialog once open: a page shown for the first time, and a hover repaint.
xvfb-run -a -s '-screen 0 1920x1080x24' build-bench-app/bench/key_assignment_timings 2>&1 | grep -E '^key-assignment'

# The macro recorder: recorded delays against the true gaps of key events fed through the hook at
# 1,000 per second; a 1,600-item macro opened, scrolled to its end and repainted, at scale 1.5.
xvfb-run -a -s '-screen 0 1920x1080x24' build-bench-app/bench/recorder_timings 2>&1 |
    grep -E '^(recorder|bare|plain|long|\()'
