#!/usr/bin/env bash
# The browser seats' figures on the real program with its windows shown: in a private
# network, under Xvfb and openbox. Prints its figures.
#   tools/web-measure.sh [GAME] [SECONDS]   (default build-dev/app/lumivex, 30 s of play)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
game=$(realpath "${1:-$top/build-dev/app/lumivex}")
[ -d "$top/tests/web/node_modules/puppeteer-core" ] || (cd "$top/tests/web" && npm ci --no-audit --no-fund --silent)
exec "$top/tools/netns-run" bash -c '
Xvfb :91 -screen 0 1366x768x24 >/dev/null 2>&1 & x=$!
trap "kill \$x \$o 2>/dev/null" EXIT
sleep 1; export DISPLAY=:91
openbox >/dev/null 2>&1 & o=$!
sleep 0.5
node "$1/tools/web-measure.mjs" "$2" "$3"' measure "$top" "$game" "${2:-30}"
