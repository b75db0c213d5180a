#!/usr/bin/env bash
# Runs a broad set of quorvel-table requests and keeps everything each one gives: standard
# output, standard error, the exit status, the workbook unzipped (its creation and change
# times taken out), the PDF's text and page count, the settings and grid files written. Two
# builds that give the same folder byte for byte give the same outputs: a restructuring
# that is meant to change nothing is checked so.
#
#   scripts/table_sweep.sh run PROGRAM FOLDER        the cases' results into FOLDER
#   scripts/table_sweep.sh compare OLD NEW           both programs, then the differences
#
# Each case runs in the same scratch folder, so the paths a message names are the same for
# both programs. Needs unzip, pdftotext and pdfinfo (poppler-utils).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cases="$here/scripts/table_sweep_cases.txt"

# Expands the case file's variables: tanks described once, used by many cases.
H="--shell horizontal --set Edit1=2000 --set Edit2=5000 --set Edit7=2000 --set Edit8=50"
E="--shell horizontal --set RadioButton2=1 --set Edit3=3000 --set Edit4=2000 --set Edit5=6000 --set Edit7=2000 --set Edit8=50"
T="--shell tilted --set Edit29=2 --set Edit30=3 --set Edit39=2000 --set Edit40=2200 --set Edit41=1800 --set Edit42=8000 --set Edit7=1800 --set Edit8=60"
S="--shell spherical --set Edit34=3000 --set Edit7=3000 --set Edit8=75"
C="--shell calibrated --set ComboBox2=3 --cell 1,2=500 --cell 2,2=2000 --cell 1,3=1000 --cell 2,3=5000 --cell 1,4=1500 --cell 2,4=9000 --set Edit7=1500 --set Edit8=50"
W="--set CheckBox1=1 --set Edit37=850 --set ComboBox1=Kg/m^3"
WG="--set CheckBox1=1 --set Edit37=0.85 --set ComboBox1=g/cm^3"
ID="--tank-number T-101 --owner 油库 --location 一区 --nominal-capacity 15立方米 --certificate C-7 --date 2026-12-09 --valid-until 2028-12-08 --compiled-by 张三 --checked-by 李四 --reference-height 2100 --uncertainty U=0.3%，k=2"
EX="--settings $here/examples/Config.ini --grid $here/examples/bd.txt"
OIL="--oil-temperature 25 --product products --density-observed 840.0 --density-temperature 22"
export H E T S C W WG ID EX OIL

# The workbook's parts, each pretty-printed when it is XML, the times of docProps/core.xml out.
unpack_workbook() {
    local book="$1" into="$2"
    mkdir -p "$into"
    unzip -qq -o "$book" -d "$into"
    find "$into" -name core.xml -exec sed -i -E \
        's#<dcterms:(created|modified)[^>]*>[^<]*</dcterms:(created|modified)>##g' {} +
    unzip -Z1 "$book" >"$into.parts"
}

run_cases() {
    local program="$1" out="$2" scratch
    scratch="$(mktemp -d)"
    mkdir -p "$out"
    local count=0 name line
    while IFS= read -r line || [ -n "$line" ]; do
        case "$line" in '' | '#'*) continue ;; esac
        name="${line%%|*}"
        name="${name// /}"
        local words
        eval "words=(${line#*|})"
        rm -rf "$scratch/run" && mkdir -p "$scratch/run"
        local status=0
        (cd "$scratch/run" && exec "$program" "${words[@]}") \
            >"$out/$name.out" 2>"$out/$name.err" || status=$?
        echo "$status" >"$out/$name.status"
        for file in "$scratch"/run/*; do
            [ -e "$file" ] || continue
            local base
            base="$(basename "$file")"
            case "$base" in
            *.xlsx) unpack_workbook "$file" "$out/$name.$base.d" ;;
            *.pdf)
                pdftotext -layout "$file" "$out/$name.$base.txt"
                pdfinfo "$file" | grep -E '^(Pages|Page size|Title|Creator):' >"$out/$name.$base.info"
                ;;
            *) cp "$file" "$out/$name.$base" ;;
            esac
        done
        count=$((count + 1))
    done <"$cases"
    rm -rf "$scratch"
    echo "$count cases"
}

case "${1:-}" in
run)
    run_cases "$(realpath "$2")" "$3"
    ;;
compare)
    old="$(realpath "$2")"
    new="$(realpath "$3")"
    work="$(mktemp -d)"
    run_cases "$old" "$work/old" >/dev/null
    run_cases "$new" "$work/new"
    if diff -r "$work/old" "$work/new" >"$work/differences"; then
        echo "0 differences"
        rm -rf "$work"
    else
        echo "differences (kept in $work):"
        head -80 "$work/differences"
        exit 1
    fi
    ;;
*)
    sed -n '2,12p' "$0"
    exit 2
    ;;
esac
