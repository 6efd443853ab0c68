#!/usr/bin/env bash
# Builds the Debian packages (the game, and the relay server alone) and leaves them in dist/.
#   tools/package.sh [BUILD_DIR]    (default build-package)
# LUMIVEX_TESTS=ON builds the tests too (the test command builds and tests the very program it
# packages); LUMIVEX_BUILD_ONLY=1 stops before the package is made.
# The program goes to /usr/games, where Debian keeps the programs of its games section (and
# where lintian expects them); every user's PATH has it, root's does not.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build-package}"
"$top/tools/deps.sh" package
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMIVEX_TESTS="${LUMIVEX_TESTS:-OFF}" \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
    "-DCMAKE_CXX_FLAGS=-D_FORTIFY_SOURCE=2 -fstack-protector-strong" \
    "-DCMAKE_EXE_LINKER_FLAGS=-Wl,-z,relro -Wl,-z,now" >/dev/null
cmake --build "$build"
[ "${LUMIVEX_BUILD_ONLY:-0}" = 1 ] && exit 0
(cd "$build" && cpack -G DEB >/dev/null)
mkdir -p "$top/dist"
rm -f "$top"/dist/lumivex_*.deb "$top"/dist/lumivex-relay_*.deb
mv "$build"/lumivex_*.deb "$build"/lumivex-relay_*.deb "$top/dist/"
ls -1 "$top"/dist/lumivex_*.deb "$top"/dist/lumivex-relay_*.deb
