#!/usr/bin/env bash
# Renders docs/window.png and docs/window_tilted.png: the window with the example settings on
# the horizontal page after a quick calculation at 1300 mm (so the curve shows), the second
# with the picture page "倾斜圆筒"; and docs/images/identify_dialog.png, the dialog 变位识别.
# Drawn by the program itself on a virtual display. The program runs from a scratch folder
# holding a copy of the example files, so no settings of a real program folder are shown or
# changed. BUILD_DIR picks an existing build (default: a
# release build made here).
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -z "${BUILD_DIR:-}" ]]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target quorvel
    BUILD_DIR=build/release
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp "$BUILD_DIR/src/ui/quorvel" examples/Config.ini examples/bd.txt "$scratch/"
mkdir -p docs
shot() {
    ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96" \
        "$scratch/quorvel" --shell-page 0 --quick 1300 --screenshot "$PWD/docs/$1" "${@:2}"
    echo "docs/$1 written"
}
shot window.png
shot window_tilted.png --picture-page 1
# 变位识别 after 识别 on the synthetic log of the tilted example tank (A = B = 2000 mm,
# L = 10000 mm, F = 3000 mm), typed into the scratch settings.
sed -i 's/^Edit39=0/Edit39=3000/; s/^Edit40=0/Edit40=2000/; s/^Edit41=0/Edit41=2000/;
        s/^Edit42=0/Edit42=10000/' "$scratch/Config.ini"
shot images/identify_dialog.png --identify-log "$PWD/tests/golden/cli/identify/outflow_40.csv"
