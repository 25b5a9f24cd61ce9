#!/usr/bin/env bash
# Runs one fuzz target for a bounded time: starts from the seed corpus in the
# repository (read only) plus what earlier runs found (kept in the build
# folder), and prints how many inputs were tried. Any crash, sanitizer report,
# timeout or broken rule fails the run and leaves the input in artifacts/.
# The summary line is also left in NAME.summary in the build folder.
set -euo pipefail
fuzzer=$1 seeds=$2 seconds=${3:-30}
name=$(basename "$fuzzer")
found="$PWD/corpus/$name"
mkdir -p "$found" artifacts
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$PWD/artifacts/$name-" \
    "$found" "$seeds" >"$log" 2>&1 || status=$?
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "$name failed (status $status) after ${runs:-?} executions"
    exit 1
fi
summary="$name: ${runs:-?} executions in $seconds s, corpus $(ls "$found" | wc -l) inputs"
echo "$summary" | tee "$PWD/$name.summary"
