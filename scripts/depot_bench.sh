#!/usr/bin/env bash
# A depot's register made and batched: COUNT tank files (default 100) of every shell and head
# kind, taken in turn from the table sweep's cases (scripts/table_sweep_cases.txt), each with
# its own tank number, are written with --save-tank into a register's tanks/ folder; then
# `--batch` makes their workbooks, and again with PDFs, timed with their peak memory. A batch
# of a tenth of them gives the memory to compare: memory is flat when both peaks are alike.
#
#   scripts/depot_bench.sh PROGRAM [COUNT]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
program="$(realpath "$1")"
count="${2:-100}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
eval "$(grep -E '^(H|E|T|S|C|W|WG|ID)=' "$here/scripts/table_sweep.sh")"
mkdir -p "$work/tanks"
mapfile -t cases < <(grep -E '^[a-z_0-9]+ +\| +\$[HETSC] ' "$here/scripts/table_sweep_cases.txt" |
    grep -vE 'no_solid|huge|missing|negative|refus|beyond|overlong|zero' |
    grep -E -- '--csv *$' | sed -E 's/^[^|]*\| *//; s/--method [a-z]+//; s/--csv *$//')
made=0
i=0
while [ "$made" -lt "$count" ]; do
    args="${cases[$((i % ${#cases[@]}))]}"
    i=$((i + 1))
    number="$(printf 'T-%03d' "$((made + 1))")"
    # shellcheck disable=SC2086
    # A case whose table is refused (none of its rows, too many) is no tank of the register.
    if eval "\"$program\" $args --tank-number $number --save-tank \"$work/tanks/$number.json\" --csv" \
        >/dev/null 2>&1; then
        made=$((made + 1))
    else
        rm -f "$work/tanks/$number.json"
    fi
done
echo "$count tanks from ${#cases[@]} sweep cases"
measure() {
    local label="$1"
    shift
    /usr/bin/time -f "$label: %e s, peak %M kB" "$program" "$@" 2>"$work/err" >/dev/null || true
    tail -n 1 "$work/err"
    grep -E "tables made|refused:" "$work/err" | cut -c1-220 || true
}
mkdir -p "$work/few"
cp $(ls "$work"/tanks/*.json | head -n $((count / 10))) "$work/few/"
measure "batch of $((count / 10)) workbooks" --batch "$work/few" --out-dir "$work/out1"
measure "batch of $count workbooks" --batch "$work/tanks" --out-dir "$work/out2"
measure "batch of $((count / 10)) workbooks and PDFs" --batch "$work/few" --out-dir "$work/out3" --pdf
measure "batch of $count workbooks and PDFs" --batch "$work/tanks" --out-dir "$work/out4" --pdf
