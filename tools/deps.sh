#!/usr/bin/env bash
# Installs the Debian packages Lumivex needs, only those that are missing.
#   tools/deps.sh run    what building and playing needs
#   tools/deps.sh test   that, plus what the tests need
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev iproute2 util-linux fonts-dejavu-core)
if [ "${1:-run}" = test ]; then
    packages+=(xvfb xauth x11-utils xdotool imagemagick clang libclang-rt-14-dev
               dpkg-dev lintian appstream desktop-file-utils help2man librsvg2-bin)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "lumivex: all required packages are installed"
    exit 0
fi
sudo=()
[ "$(id -u)" = 0 ] || sudo=(sudo)
echo "lumivex: installing ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
