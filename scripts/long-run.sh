#!/usr/bin/env bash
# The long print run: builds the optimised preset and prints the default job on 10,000 pages
# (300,000 labels) into a PDF file with qubrin-cli, as a user would. Shows the run's wall and CPU
# time, the peak memory of the process and the file's size, and reads back pages at the start,
# across the first rollover, in the middle and at the end with zxing-cpp.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh >&2
cmake --preset default >&2
cmake --build --preset default -j "${QUBRIN_JOBS:-2}" --target e2e_tests qubrin-cli >&2

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cd build/default/tests
QUBRIN_LONG_RUNS=1 exec ./e2e_tests --gtest_filter='LongRun.*'
