#!/usr/bin/env bash
# Renders docs/window.png: the window with the example settings, drawn by the program itself
# on a virtual display. The program runs from a scratch folder holding a copy of the example
# files, so no settings of a real program folder are shown or changed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target quorvel
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp build/release/src/ui/quorvel examples/Config.ini examples/bd.txt "$scratch/"
mkdir -p docs
xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96" "$scratch/quorvel" --screenshot "$PWD/docs/window.png"
echo "docs/window.png written"
