#!/usr/bin/env bash
# Starts the main window on a virtual X display (Xvfb, 1024 × 768) with the default job, in a
# scratch working directory so that no Qubrin.cfg is read or left behind, and saves the window
# as docs/main-window.png, then the two steps of the setup wizard as docs/wizard-step1.png and
# docs/wizard-step2.png.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh
# QUBRIN_BUILD_DIR: an existing build folder to use instead of the default preset's.
if [[ -n "${QUBRIN_BUILD_DIR:-}" ]]; then
    build=$QUBRIN_BUILD_DIR
else
    build=build/default
    cmake --preset default
fi
cmake --build "$build" -j "${QUBRIN_JOBS:-2}" --target qubrin
program=$(cd "$build" && pwd)/app/qubrin

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p docs

# Runs inside the virtual display: the program, a wait until its window is drawn, the capture.
cat >"$scratch/capture.sh" <<'INNER'
set -euo pipefail
program=$1 out=$2
unset QT_QPA_PLATFORM
QT_ENABLE_HIGHDPI_SCALING=0 "$program" 2>"$PWD/qubrin.log" &
pid=$!
title="Barcode Printing System"
# import waits for a window that is not there yet, so wait for it to be mapped first.
for _ in $(seq 150); do
    if xwininfo -name "$title" 2>/dev/null | grep -q "Map State: IsViewable"; then break; fi
    kill -0 "$pid" 2>/dev/null || { cat "$PWD/qubrin.log" >&2; exit 1; }
    sleep 0.2
done
sleep 1 # the first sheet's preview is painted after the window appears
import -window "$title" "$out/main-window.png"

# The setup wizard: a click on its button, a capture of each step, Alt+N between them.
window=$(xdotool search --name "$title" | head -n 1)
xdotool mousemove --window "$window" 507 479 click 1
wizard="Setup Wizard"
for _ in $(seq 50); do
    if xwininfo -name "$wizard" 2>/dev/null | grep -q "Map State: IsViewable"; then break; fi
    sleep 0.2
done
sleep 0.5
import -window "$wizard" "$out/wizard-step1.png"
xdotool key --window "$(xdotool search --name "$wizard" | head -n 1)" alt+n
sleep 0.5
import -window "$wizard" "$out/wizard-step2.png"
kill "$pid"
INNER

(cd "$scratch" && xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    bash "$scratch/capture.sh" "$program" "$root/docs")
echo "The screenshots are in $root/docs: main-window.png, wizard-step1.png, wizard-step2.png"
