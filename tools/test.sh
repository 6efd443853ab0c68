#!/usr/bin/env bash
# Installs what is missing, builds Lumivex with its tests and runs every test. Tests that
# use sockets run in private network namespaces; without them the run fails.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/deps.sh" test
if ! "$top/tools/netns-run" true; then
    echo "lumivex: the network tests need private network namespaces; stopping." >&2
    exit 1
fi
build="${LUMIVEX_BUILD_DIR:-$top/build-tests}"
echo "lumivex: building with tests in $build"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMIVEX_TESTS=ON >/dev/null
cmake --build "$build"
echo "lumivex: running the tests"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600
