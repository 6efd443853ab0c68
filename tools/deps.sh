#!/usr/bin/env bash
# Installs the Debian packages Lumivex needs, only those that are missing.
#   tools/deps.sh run    what building and playing needs
#   tools/deps.sh package  that, plus what building and checking the Debian package needs
#   tools/deps.sh windows  what the Windows build needs (tools/cross-windows.sh), its
#                        installer and Wine
#   tools/deps.sh test   all of it, plus what the tests need
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev iproute2 util-linux fonts-dejavu-core
          librsvg2-bin qt6-multimedia-dev libsodium-dev pkg-config libminiupnpc-dev libnatpmp-dev
          zlib1g-dev libsdl2-dev qt6-httpserver-dev qt6-websockets-dev libqrencode-dev
          qt6-l10n-tools qt6-translations-l10n)
case "${1:-run}" in
package | test) packages+=(dpkg-dev file help2man lintian appstream desktop-file-utils libxml2-utils) ;;
esac
case "${1:-run}" in
windows | test) packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix dpkg-dev
                           ca-certificates autoconf automake libtool qt6-shadertools-dev nsis
                           wine wine64 python3) ;;
esac
if [ "${1:-run}" = test ]; then
    packages+=(xvfb xauth x11-utils xdotool imagemagick openbox clang libclang-rt-14-dev nftables python3
              miniupnpd-nftables ccache chromium)
    # The browser page's tests run on Node.js: Debian's, unless the machine has its own.
    command -v node >/dev/null || packages+=(nodejs)
    command -v npm >/dev/null || packages+=(npm)
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
