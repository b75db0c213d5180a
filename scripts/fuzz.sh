#!/usr/bin/env bash
# Builds the libFuzzer harnesses (needs clang-14 and libclang-rt-14-dev) and runs each in turn
# from its seed corpus in fuzz/corpus/<harness>/, under AddressSanitizer and
# UndefinedBehaviorSanitizer, for a fixed number of runs.
#   scripts/fuzz.sh [runs] [harness...]     runs defaults to 1000000; all harnesses by default
# New inputs go to build/fuzz/corpus/<harness>/ (the seeds stay as they are), a failing input
# to build/fuzz/artifacts/. Prints one line per harness: its runs and its result.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000000}
shift || true
cmake --preset fuzz >/dev/null
cmake --build build/fuzz
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
    for source in fuzz/*_fuzz.cpp; do
        harnesses+=("$(basename "$source" .cpp)")
    done
fi
mkdir -p build/fuzz/artifacts
status=0
summary=""
for h in "${harnesses[@]}"; do
    work=build/fuzz/corpus/$h
    mkdir -p "$work"
    log=build/fuzz/$h.log
    # One process at a time, at low priority: the machine is shared.
    if nice -n 10 "build/fuzz/fuzz/$h" -runs="$runs" -print_final_stats=1 \
        -artifact_prefix=build/fuzz/artifacts/"$h"- "$work" "fuzz/corpus/$h" >"$log" 2>&1; then
        result=clean
    else
        result="FAILED (see $log)"
        status=1
    fi
    done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    summary+="$h: ${done_runs:-?} runs, $result"$'\n'
    printf '%s: %s runs, %s\n' "$h" "${done_runs:-?}" "$result"
done
exit $status
