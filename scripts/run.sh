#!/usr/bin/env bash
# Builds Quorvel (release) and runs its main job. Where a display exists ($DISPLAY or
# $WAYLAND_DISPLAY set) it starts the window; its program folder gets the bundled example
# tank (examples/Config.ini and bd.txt, a horizontal diesel tank) unless it already holds
# settings of its own. On a machine without a display it writes the example tank's capacity
# table as a workbook with the headless front end, as the window's generate button writes it.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    cmake --build --preset release --target quorvel
    folder=build/release/src/ui
    [ -f "$folder/Config.ini" ] || cp examples/Config.ini "$folder/"
    [ -f "$folder/bd.txt" ] || cp examples/bd.txt "$folder/"
    exec "$folder/quorvel"
fi
echo "No display found (\$DISPLAY and \$WAYLAND_DISPLAY are unset): writing the example table" \
     "with quorvel-table instead of starting the window."
cmake --build --preset release --target quorvel-table
program=build/release/src/cli/quorvel-table
book="$(dirname "$program")/~001.xlsx"
"$program" --shell horizontal --settings examples/Config.ini --grid examples/bd.txt --out "$book"
echo "Capacity table written to $book"
