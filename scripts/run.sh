#!/usr/bin/env bash
# Installs the dependencies and builds Qubrin (preset default). Where a display is available and
# the window program is built, starts it in out/ (its job file is out/Qubrin.cfg); otherwise
# writes the first sheet of the default job to out/sheet.pdf. Arguments go to the window.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default

# The programs only, not the test suites; the window once it is part of the build.
targets=(qubrin-cli)
# (grep reads the whole list: with pipefail an early exit would fail the pipeline.)
if cmake --build --preset default --target help | grep -x 'qubrin: phony' >/dev/null; then
    targets+=(qubrin)
fi
cmake --build --preset default -j "${QUBRIN_JOBS:-2}" --target "${targets[@]}"

mkdir -p out
window=$(find build/default -maxdepth 3 -type f -name qubrin -perm -u+x 2>/dev/null | head -n 1)
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && -n "$window" ]]; then
    echo "Starting the window; its job is kept in $(pwd)/out/Qubrin.cfg"
    cd out
    exec "../$window" "$@"
fi

# The default job needs no file: the preview reads a job file that does not exist.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
build/default/cli/qubrin-cli preview --config "$scratch/Qubrin.cfg" --out out/sheet.pdf
if [[ -z "$window" ]]; then
    why="the window program is not built yet"
else
    why="no display (DISPLAY or WAYLAND_DISPLAY) is available"
fi
echo "Wrote the first sheet of the default job to $(pwd)/out/sheet.pdf ($why)."
