#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (the fuzzer with the address and
# undefined-behaviour sanitizers) and runs each for SECONDS (default 60) over its corpus in
# fuzz/corpus/<target>/. New inputs go to a scratch corpus in the build folder, so the kept
# corpus does not change. Exits non-zero when the build fails or a target finds a failure; the
# input that failed is saved in the build folder and its path printed.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# QUBRIN_FUZZ_BUILD: the build folder (default build/fuzz); QUBRIN_JOBS: targets run at once
# and build jobs (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
all_targets=(fuzz_job_file fuzz_engine fuzz_engine_core fuzz_sheet)
targets=("$@")
((${#targets[@]} > 0)) || targets=("${all_targets[@]}")
build=${QUBRIN_FUZZ_BUILD:-build/fuzz}
jobs=${QUBRIN_JOBS:-2}

bash scripts/install-deps.sh

# The targets that draw use Qt's off-screen platform when there is no display.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    export QT_QPA_PLATFORM=offscreen
fi

# Freed memory is held back for 64 MB rather than 256 MB before it is reused: the sheet target
# frees whole pages of labels and PDF files, and with the default quarantine it grows past 1 GB.
export ASAN_OPTIONS="quarantine_size_mb=64${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
# Leaks are checked, but not fontconfig's configuration, which it keeps until exit.
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

echo "=== fuzz: building ${targets[*]} in $build ==="
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

# One target: its own scratch corpus and artifacts; the log stays in the build folder.
run_target() {
    local target=$1 work="$build/run/$1"
    rm -rf "$work"
    mkdir -p "$work/new" "$work/artifacts"
    "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
        "$work/new" "fuzz/corpus/$target" >"$work/log" 2>&1
}

# The targets run $jobs at a time; each one's summary is printed as it ends.
report() {
    local target=$1 status=$2 work="$build/run/$1"
    local last
    last=$(grep -E '^#[0-9]+' "$work/log" | tail -n 1 || true)
    if ((status == 0)); then
        echo "fuzz: $target passed: ${last:-no runs reported}"
    else
        echo "=== fuzz: $target FAILED (status $status, log $work/log) ===" >&2
        grep -v -E '^#[0-9]+' "$work/log" | tail -n 60 >&2 || true
        ls "$work/artifacts"/* 2>/dev/null | sed 's/^/fuzz: failing input: /' >&2 || true
    fi
}

status=0
declare -A running=() # pid -> target
wait_for_one() {
    local pid code
    wait -n -p pid && code=0 || code=$?
    report "${running[$pid]}" "$code"
    ((code == 0)) || status=1
    unset "running[$pid]"
}
for target in "${targets[@]}"; do
    while ((${#running[@]} >= jobs)); do wait_for_one; done
    echo "fuzz: running $target for ${seconds}s"
    run_target "$target" &
    running[$!]=$target
done
while ((${#running[@]} > 0)); do wait_for_one; done
exit "$status"
