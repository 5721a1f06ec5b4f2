#!/usr/bin/env bash
# Builds the optimised preset and measures print runs of the default job into a PDF file: 100
# and 1,000 pages (3,000 and 30,000 labels), each run in a process of its own, several times
# (QUBRIN_BENCH_RUNS, default 3). Shows each run's wall time and peak memory, the best time and
# the highest peak of each length, and how they compare with the aims: 1,000 pages in under
# 1.5 s and 64 MB, and the peak of 1,000 pages within 1.5 times that of 100 pages (pages must
# not pile up in memory). Arguments: other page counts to measure instead of 100 and 1000.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh >&2
cmake --preset default >&2
cmake --build --preset default -j "${QUBRIN_JOBS:-2}" --target qubrin-print-bench >&2

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
bench=build/default/bench/qubrin-print-bench
runs=${QUBRIN_BENCH_RUNS:-3}
lengths=("$@")
((${#lengths[@]})) || lengths=(100 1000)

declare -A best_time peak_mb
for pages in "${lengths[@]}"; do
    for ((run = 1; run <= runs; run++)); do
        line=$("$bench" "$pages" 2> >(grep -v XDG_RUNTIME_DIR >&2))
        echo "$line"
        seconds=$(sed -n 's/.*time \([0-9.]*\) s.*/\1/p' <<<"$line")
        mb=$(sed -n 's/.*peak memory \([0-9.]*\) MB.*/\1/p' <<<"$line")
        best_time[$pages]=$(awk -v a="${best_time[$pages]:-}" -v b="$seconds" \
            'BEGIN { print (a == "" || b < a) ? b : a }')
        peak_mb[$pages]=$(awk -v a="${peak_mb[$pages]:-0}" -v b="$mb" 'BEGIN { print (b > a) ? b : a }')
    done
done

echo
echo "pages   best time   peak memory"
for pages in "${lengths[@]}"; do
    printf "%5d   %7.3f s   %8.1f MB\n" "$pages" "${best_time[$pages]}" "${peak_mb[$pages]}"
done

if [[ -n "${best_time[1000]:-}" && -n "${peak_mb[100]:-}" ]]; then
    awk -v t="${best_time[1000]}" -v m="${peak_mb[1000]}" -v m100="${peak_mb[100]}" 'BEGIN {
        printf "1,000 pages in under 1.5 s:          %s (%.3f s)\n", t < 1.5 ? "yes" : "NO", t
        printf "peak memory under 64 MB:             %s (%.1f MB)\n", m < 64 ? "yes" : "NO", m
        printf "peak within 1.5 x that of 100 pages: %s (%.2f x)\n", m <= 1.5 * m100 ? "yes" : "NO", m / m100
    }'
fi
