#!/usr/bin/env bash
# The computer riders' strength tournament (long; not part of the test command): every pair
# of levels, ROUNDS rounds each on the default arena and on 1500 x 1500, with alternating
# start places, and ROUNDS eight-rider free-for-alls on each arena.
#   tools/strength.sh [ROUNDS]     (default 300)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/deps.sh" run
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$top/build" --target lumivex_bench
QT_QPA_PLATFORM=offscreen "$top/build/bench/lumivex_bench" tournament "${1:-300}"
