#!/usr/bin/env bash
# Builds the Debian package build/package/quorvel_<version>_amd64.deb: the programs built for
# release with /usr as their prefix, packed by CPack's DEB generator, whose dependencies
# dpkg-shlibdeps computes from the binaries; then lintian checks it and must find no error.
# Installs the Debian tools it needs (dpkg-dev, lintian) when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
missing=()
for p in dpkg-dev lintian file; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
cmake --preset package
cmake --build --preset package
rm -f build/package/quorvel_*.deb
(cd build/package && cpack -G DEB)
deb=$(ls build/package/quorvel_*_amd64.deb)
lintian --fail-on error "$deb"
echo "$deb"
