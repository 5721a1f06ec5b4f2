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
