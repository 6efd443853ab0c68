#!/usr/bin/env bash
# One computer of the end-to-end test: computers 1..3 run the game with their own settings
# file; computer 4 runs the observer.
set -euo pipefail
dir=$LUMIVEX_E2E_DIR
if [ "$LUMIVEX_COMPUTER" = 4 ]; then
    exec "$LUMIVEX_E2E_OBSERVER" "$dir" 300
fi
mkdir -p "$HOME/.config"
# Two round wins take the match, and the game window at 1x so three fit the screen;
# everything else as a new player would have it.
printf '[Main]\nName=Comp%s\nMatch=1\n[View]\nZoom=1\n' "$LUMIVEX_COMPUTER" > "$HOME/.config/lumivex.ini"
exec "$LUMIVEX_E2E_GAME" >"$dir/game$LUMIVEX_COMPUTER.log" 2>&1
