#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test: the full build with GCC, then the core again under
# AddressSanitizer and UndefinedBehaviorSanitizer, the program used at random under them, a short
# fuzzing run, and the formatting check.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

scripts/install-deps.sh

passed=0
# Runs one build folder's tests and adds them to the count; any failure ends the run.
run_tests() {
    local log
    log=$(mktemp)
    "$@" 2>&1 | tee "$log"
    local total
    total=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log")
    rm -f "$log"
    passed=$((passed + ${total:-0}))
}

echo "== build (GCC)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

echo "== tests"
run_tests ctest --test-dir build --output-on-failure -j "$jobs"

echo "== the program end to end under Xvfb, clicked with xdotool"
# A desktop run is slow to settle on a loaded machine; one retry keeps a slow start from failing the
# run, a real fault fails both.
if scripts/e2e.sh build out/e2e || scripts/e2e.sh build out/e2e; then
    passed=$((passed + 1))
else
    echo "the end-to-end run failed (see out/e2e/failure.png)"
    exit 1
fi

echo "== installed into a temporary folder: desktop files, icons, manuals, the program, the Debian package"
if scripts/install-check.sh build --package; then
    passed=$((passed + 1))
else
    echo "the install check failed"
    exit 1
fi

echo "== every command the help document prints, run as printed on a virtual keyboard"
if scripts/help-commands-check.sh build; then
    passed=$((passed + 1))
else
    echo "a command of the help document failed"
    exit 1
fi

echo "== under AddressSanitizer + UndefinedBehaviorSanitizer: the core's tests, and the program used at random"
# One sanitizer build for both: the core's test programs (every test without the label "gui") and the
# four programs the monkey runs.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQELEC_SANITIZE=ON >/dev/null
mapfile -t core_tests < <(ctest --test-dir build-asan -N -LE gui | sed -n 's/^ *Test *#[0-9]*: \([a-z_]*_tests\)$/\1/p')
cmake --build build-asan -j "$jobs" --target "${core_tests[@]}" qelec qelec-ctl qelec-vkbd qelec-res
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_tests ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE gui
# The monkey (scripts/monkey.sh) with fixed seeds, so that a red run can be repeated; --seed random
# hunts further.
for seed in 1 2; do
    scripts/monkey.sh --build build-asan --seconds 30 --seed "$seed" --out "out/monkey-$seed"
    passed=$((passed + 1))
done

echo "== fuzzing the readers of outside input (clang, ASan + UBSan)"
# Each fuzzer reads its seeds from fuzz/corpus/<first word of its name>.
fuzzers=(xml_parse profile_load vkbd_state firmware_image assignment_codec command_line recovery_file)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQELEC_CORE_ONLY=ON \
    -DQELEC_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs" --target "${fuzzers[@]/%/_fuzzer}"
for fuzzer in "${fuzzers[@]}"; do
    corpus=$(mktemp -d)
    log=$(mktemp)
    if ! build-fuzz/fuzz/${fuzzer}_fuzzer -max_total_time="${QELEC_FUZZ_SECONDS:-12}" -max_len=8192 \
        -print_final_stats=1 "$corpus" "fuzz/corpus/${fuzzer%%_*}" >"$log" 2>&1; then
        cat "$log"
        echo "the $fuzzer fuzzer found a fault"
        exit 1
    fi
    grep -E '^Done|stat::number_of_executed_units' "$log" | head -n 2
    rm -rf "$corpus" "$log"
done

echo "== formatting"
mapfile -t sources < <(git -C "$root" ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"
echo "formatting clean (${#sources[@]} files)"
# Every source and script says its licence in its first lines.
mapfile -t licensed < <(git -C "$root" ls-files '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' '*.sed' '*CMakeLists.txt' .ci/run \
    'dist/bash-completion/*')
unlicensed=$(for file in "${licensed[@]}"; do
    head -n 2 "$root/$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$file"
done)
[ -z "$unlicensed" ] || { echo "no SPDX-License-Identifier line in: $unlicensed"; exit 1; }
echo "licence named in all ${#licensed[@]} sources and scripts"

echo "summary: $passed passed, 0 failed"
