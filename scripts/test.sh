#!/usr/bin/env bash
# Installs the dependencies, then configures, builds and runs every test suite twice: in the
# optimised build (preset default) and under the address and undefined-behaviour sanitizers
# (preset asan). Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

# The suites draw with Qt; without a display they use the off-screen platform.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    export QT_QPA_PLATFORM=offscreen
fi

# The print tests print through a real CUPS server and its PDF printer (cups-pdf): start one if
# none runs, once for both presets, and take down at the end only what was started here. When
# CUPS cannot be started, those tests say so and fail in CI (skip elsewhere).
trap 'bash scripts/cups.sh stop $$' EXIT
if bash scripts/cups.sh start $$; then
    QUBRIN_TEST_PRINTER=$(bash scripts/cups.sh printer-name)
    QUBRIN_TEST_PDF_DIR=$(bash scripts/cups.sh output-dir)
    export QUBRIN_TEST_PRINTER QUBRIN_TEST_PDF_DIR
else
    echo "test: the CUPS print server could not be started" >&2
fi

jobs=${QUBRIN_JOBS:-2}
status=0
for preset in default asan; do
    echo "=== preset $preset ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    # The full log stays in the build folder; the terminal gets ctest's summary, and on a failure
    # everything but the passing tests' lines.
    log="build/$preset/ctest.log"
    if ctest --preset "$preset" -j "$jobs" >"$log" 2>&1; then
        sed -n '/tests passed/,$p' "$log"
    else
        grep -v -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed|^ +Start +[0-9]+:' "$log" || true
        echo "=== preset $preset: tests failed (log: $log) ===" >&2
        status=1
    fi
done
exit "$status"
