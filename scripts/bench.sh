#!/usr/bin/env bash
# Builds the optimised preset and runs the encoding benchmarks. Arguments go to the benchmark
# program, e.g. --benchmark_filter=Code128.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j "${QUBRIN_JOBS:-2}" --target qubrin-bench
exec build/default/bench/qubrin-bench "$@"
