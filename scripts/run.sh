#!/usr/bin/env bash
# Builds Quorvel (release) and runs its main job: the capacity table of the bundled example
# tank (examples/Config.ini, a horizontal diesel tank) written as a workbook beside the
# program, as the window's generate button writes it.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release
program=build/release/src/cli/quorvel-table
book="$(dirname "$program")/~001.xlsx"
"$program" --shell horizontal --settings examples/Config.ini --grid examples/bd.txt --out "$book"
echo "Capacity table written to $book"
