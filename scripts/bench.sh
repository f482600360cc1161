#!/usr/bin/env bash
# Builds and runs the benchmarks in an optimised build of their own.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQELEC_CORE_ONLY=ON -DQELEC_BENCH=ON >/dev/null
cmake --build build-bench -j "$(nproc)" --target profile_benchmark
build-bench/bench/profile_benchmark "$@"
