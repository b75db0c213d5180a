#!/usr/bin/env bash
# Checks the shape of the code: every C++ file formatted with the repository's .clang-format,
# no #include crossing the layer order (scripts/check_layers.py), and the core with
# quorvel-table and their tests built and passing without Qt (the "core" preset).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
python3 scripts/check_layers.py
cmake --preset core >/dev/null
cmake --build --preset core
ctest --preset core
