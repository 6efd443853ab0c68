#!/usr/bin/env bash
# Replays end to end, in a private network:
#  1. a `--demo 4` match logs every round's outcome and arena (--round-log) while it records
#     (--record, and the default replays folder); --replay-check on either file must print the
#     same outcome and arena for every round the live copy logged;
#  2. a copy watching the replay (--replay) beside a copy that calls the roll puts nothing on the
#     wire: none of the match's datagrams, and not the Reset All its jumps make;
#  3. what --replay-check and --replay say of damaged, foreign and missing files.
#   replay_match.sh GAME OBSERVER
set -uo pipefail
game=$1
observer=$2
top="$(cd "$(dirname "$0")/../.." && pwd)"
dir="$(mktemp -d /tmp/lumivex-replay.XXXXXX)"
fail() { echo "FAIL: $*"; echo "(files in $dir)"; exit 1; }
mkdir -p "$dir/home/.config" "$dir/data"
printf '[Main]\nName=Demo\nSpeed=4\nWidth=360\nHeight=295\nMatch=3\n' > "$dir/home/.config/lumivex.ini"
export HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config" XDG_DATA_HOME="$dir/data" QT_QPA_PLATFORM=offscreen

# 1. The live copy is ended cleanly (SIGINT, as Ctrl+C) once it has logged two rounds (a
#    sanitized build takes most of a minute a round).
inner='"$1" --demo 4 --round-log --record "$2/run.lumivex-replay" >"$2/live.log" 2>"$2/live.err" & g=$!
       for _ in $(seq "$3"); do [ "$(grep -c "^round" "$2/live.log")" -ge 2 ] && break; sleep 0.5; done
       kill -INT $g; wait $g'
"$top/tools/netns-run" bash -c "$inner" live "$game" "$dir" "${REPLAY_LIMIT:-800}" || fail "the live copy did not end cleanly"
# round N arena HASH ... outcome CODE ...  ->  "round N: CODE HASH"
sed -nE 's/^round ([0-9]+) arena ([0-9a-f]+) .* outcome ([0-9]+|lost|\?) scores.*/round \1: \3 \2/p' "$dir/live.log" > "$dir/live.rounds"
[ "$(wc -l < "$dir/live.rounds")" -ge 2 ] || fail "the live copy logged fewer than two rounds"
"$game" --replay-check "$dir/run.lumivex-replay" > "$dir/run.rounds" 2>"$dir/run.err" || fail "--replay-check of --record's file: $(cat "$dir/run.err")"
# The live log may stop a round before the file does.
head -n "$(wc -l < "$dir/live.rounds")" "$dir/run.rounds" | diff "$dir/live.rounds" - > "$dir/run.diff" ||
    fail "--record's file replays differently: $(cat "$dir/run.diff")"
kept=("$dir"/data/lumivex/replays/*.lumivex-replay)
[ -s "${kept[0]}" ] || fail "no replay was kept in the replays folder"
"$game" --replay-check "${kept[0]}" > "$dir/kept.rounds" 2>"$dir/kept.err" || fail "--replay-check of the kept file: $(cat "$dir/kept.err")"
head -n "$(wc -l < "$dir/kept.rounds")" "$dir/live.rounds" | diff - "$dir/kept.rounds" > "$dir/kept.diff" ||
    fail "the kept match replays differently: $(cat "$dir/kept.diff")"

# 2. Sealed off: the observer hears the other copy (its roll call, its hello and goodbye), and
#    nothing of the replay's match or of its jumps: no Positions, outcome, settings, obstacle or reset.
inner='"$1" "$2" 8 & obs=$!; sleep 0.3
       "$3" --replay "$4" >"$2/watch.log" 2>&1 & w=$!
       sleep 1; "$3" --config "$2/other.ini" >/dev/null 2>&1 & o=$!
       sleep 4; kill $o $w; wait $o $w; wait $obs'
mkdir -p "$dir/wire"
"$top/tools/netns-run" bash -c "$inner" isolation "$observer" "$dir/wire" "$game" "$dir/run.lumivex-replay"
grep -q '^11|' "$dir/wire/traffic.log" || fail "the observer heard no roll call: the check would prove nothing"
grep -E '^(1|3|4|6|7|16)\|' "$dir/wire/traffic.log" > "$dir/wire/other.log" && fail "a copy watching a replay sent: $(head -3 "$dir/wire/other.log")"

# 3. Damaged and foreign files.
size=$(stat -c %s "$dir/run.lumivex-replay")
head -c $((size * 9 / 10)) "$dir/run.lumivex-replay" > "$dir/cut.lumivex-replay"
check() { # check EXIT ARGS...
    local want=$1; shift
    "$game" "$@" > "$dir/out" 2> "$dir/err"; local got=$?
    [ "$got" = "$want" ] || fail "$* exited $got, not $want: $(cat "$dir/err")"
}
check 1 --replay-check "$dir/cut.lumivex-replay"
grep -q "damaged at byte" "$dir/err" || fail "a cut file does not say where it stopped"
cut=$(wc -l < "$dir/out")
[ "$cut" -ge 1 ] || fail "a file cut at nine tenths gave no round"
head -n "$cut" "$dir/run.rounds" | diff - "$dir/out" >/dev/null || fail "a cut file plays other rounds"
check 2 --replay-check /etc/hostname
check 2 --replay-check "$dir/no such file"
check 2 --replay "$dir/no such file"
[ "$(wc -l < "$dir/err")" = 1 ] || fail "a missing file says more than one line"
check 2 "file://$dir/gone.lumivex-replay" # as the desktop passes a replay file
grep -q "gone.lumivex-replay: cannot be read" "$dir/err" || fail "a replay's file:// URL is not taken as a replay: $(cat "$dir/err")"
echo "replay: $(wc -l < "$dir/live.rounds") rounds agree with the live copy, $cut read from a cut file"
[ -n "${KEEP_DIR:-}" ] || rm -rf "$dir"
