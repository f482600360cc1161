#!/usr/bin/env bash
# Builds everything and runs every test: the full build with GCC, then the core again under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the formatting check.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

scripts/install-deps.sh

echo "== build (GCC)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

echo "== tests"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== core under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQELEC_CORE_ONLY=ON -DQELEC_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== formatting"
mapfile -t sources < <(git -C "$root" ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"
echo "formatting clean (${#sources[@]} files)"
