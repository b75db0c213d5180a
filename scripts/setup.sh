#!/usr/bin/env bash
# Installs every Debian 12 package Quorvel needs to build, run and test. Safe to re-run.
#   scripts/setup.sh [--fuzz]    --fuzz adds clang-14 and its runtime for scripts/fuzz.sh
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config git
    qt6-base-dev libxlsxwriter-dev libsimpleini-dev zlib1g-dev libzip-dev libexpat1-dev
    libgtest-dev libgmock-dev libbenchmark-dev libboost-dev libboost-math-dev python3-fluids
    nlohmann-json3-dev libgsl-dev
    fonts-noto-cjk python3-openpyxl xvfb xauth
    libcairo2-dev libpango1.0-dev poppler-utils
    qt6-svg-dev qt6-translations-l10n fp-utils-3.2.2 xchm libchm-bin desktop-file-utils appstream
)
if [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang-14 libclang-rt-14-dev)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
