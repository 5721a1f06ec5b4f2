#!/usr/bin/env bash
# Installs the dependencies, builds Qubrin (preset default) and draws one label's barcode,
# VORDA-0001 in Code 128 B with its text, into out/VORDA-0001.png.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j "${QUBRIN_JOBS:-2}"

mkdir -p out
build/default/cli/qubrin-cli encode --type bcCode128B --text VORDA-0001 --show-text code \
    --out out/VORDA-0001.png
echo "The picture is in $(pwd)/out/VORDA-0001.png"
