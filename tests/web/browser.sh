#!/usr/bin/env bash
# The browser test in a private network: browser.sh GAME [SHOTS_DIR]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
[ -d "$here/node_modules/puppeteer-core" ] || (cd "$here" && npm ci --no-audit --no-fund --silent)
export LUMIVEX=$1 LUMIVEX_SHOTS=${2:-}
exec "$here/../../tools/netns-run" node --test "$here/browser.test.mjs"
