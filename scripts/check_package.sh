#!/usr/bin/env bash
# Installs the package that scripts/package.sh built with apt, as a user would, runs both
# programs from /usr/bin, then removes it and checks that none of its files is left.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(ls build/package/quorvel_*_amd64.deb)
export DEBIAN_FRONTEND=noninteractive
apt-get install -y "./$deb"
files=$(dpkg-query -L quorvel | while read -r f; do [ -f "$f" ] && echo "$f"; done)
for f in /usr/bin/quorvel /usr/bin/quorvel-table /usr/share/quorvel/help.chm \
         /usr/share/applications/io.github.quorvel.Quorvel.desktop \
         /usr/share/icons/hicolor/scalable/apps/io.github.quorvel.Quorvel.svg \
         /usr/share/metainfo/io.github.quorvel.Quorvel.metainfo.xml; do
    grep -qx "$f" <<<"$files" || { echo "not installed: $f" >&2; exit 1; }
done
quorvel-table --help >/dev/null
test "$(quorvel-table --shell spherical --set Edit34=1000 --curve 3)" = "$(printf '0,0.00\n500,261.80\n1000,523.60')"
folders=$(env -u DISPLAY -u WAYLAND_DISPLAY quorvel --print-folders)
echo "$folders"
# An installed program keeps no files in /usr/bin, even for root, who could write there.
test "$(sed -n 1p <<<"$folders")" != /usr/bin
test "$(sed -n 2p <<<"$folders")" = /usr/share/quorvel/help.chm
apt-get remove -y quorvel
for f in $files; do
    if [ -e "$f" ]; then echo "left after removal: $f" >&2; exit 1; fi
done
if dpkg-query -W -f='${Status}' quorvel 2>/dev/null | grep -q "install ok installed"; then
    echo "quorvel is still installed" >&2
    exit 1
fi
echo "installed, ran and removed $deb"
