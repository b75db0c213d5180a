#!/usr/bin/env bash
# Builds the debug configuration (AddressSanitizer, UndefinedBehaviorSanitizer) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset debug
cmake --build --preset debug
ctest --preset debug
