#!/usr/bin/env bash
# The command line of online play, in a private network: a malformed link or port, or a link
# or replay file with options beside it, is one line and exit code 2 (and touches no file);
# a joining copy's key is not in the process list; a link whose gateway does not answer, or whose key is wrong, is one
# line and exit code 1 within the 5 s a join may take.
#   online_cli.sh GAME
set -uo pipefail
game=$1
top="$(cd "$(dirname "$0")/../.." && pwd)"
inner='
game=$1
dir=$(mktemp -d)
export QT_QPA_PLATFORM=offscreen HOME=$dir
fails=0
expect() { # expect CODE PATTERN -- ARGS...
    local code=$1 pattern=$2; shift 3
    local out rc
    out=$("$game" --config "$dir/c.ini" "$@" 2>&1 </dev/null); rc=$?
    out=$(grep -v "^QStandardPaths\|^qt\.\|plugin does not" <<<"$out")
    if [ "$rc" != "$code" ] || [ "$(wc -l <<<"$out")" != 1 ] || ! grep -q "$pattern" <<<"$out"; then
        echo "FAIL: $* gave exit $rc and: $out"; fails=1
    else
        echo "ok: $* -> $rc: $out"
    fi
}
key=$(head -c 32 /dev/urandom | base64 | tr "+/" "-_" | tr -d "=")
expect 2 "not a Lumivex link" -- --join "lumivex://127.0.0.1:31315"
expect 2 "not a Lumivex link" -- --join "lumivex://127.0.0.1:99999#$key"
expect 2 "UDP port from 1 to 65535" -- --open 70000
expect 2 "exclude each other" -- --open --join "lumivex://127.0.0.1#$key"
expect 1 "did not answer" -- --join "lumivex://127.0.0.1:31399#$key"
# A link, or a replay file opened from the desktop, comes alone: with anything beside it, it is
# refused in one line, and no file is touched. --record writes over a replay only.
echo "a file that is no replay" > "$dir/precious"
before=$(sha256sum < "$dir/precious")
link="lumivex://127.0.0.1:31399#$key"
while read -r pattern args; do
    out=$("$game" $args 2>&1 </dev/null); rc=$?
    out=$(grep -v "^QStandardPaths\|^qt\.\|plugin does not" <<<"$out")
    if [ "$rc" != 2 ] || [ "$(wc -l <<<"$out")" != 1 ] || ! grep -q "$pattern" <<<"$out" ||
       [ "$(sha256sum < "$dir/precious")" != "$before" ]; then
        echo "FAIL: $args gave exit $rc and: $out"; fails=1
    else
        echo "ok: $args -> $rc: $out"
    fi
done <<TABLE
opens.alone $link --record $dir/precious
opens.alone --record $dir/precious $link
opens.alone $link --config $dir/precious
opens.alone --demo 2 $link
opens.alone $link --relay
unexpected $link -- --record $dir/precious
opens.alone $dir/m.lumivex-replay --record $dir/precious
opens.alone --config $dir/precious file://$dir/m.lumivex-replay
not.a.Lumivex.replay --record $dir/precious
TABLE
# The key leaves the process list once read: other users of the computer can read it there.
"$game" --config "$dir/p.ini" --join "$link" >/dev/null 2>&1 & joiner=$!
sleep 1
if tr "\0" " " < /proc/$joiner/cmdline | grep -qF -- "$key"; then
    echo "FAIL: the key shows in the process list: $(tr "\0" " " < /proc/$joiner/cmdline)"; fails=1
else
    echo "ok: the process list shows $(tr "\0" " " < /proc/$joiner/cmdline)"
fi
kill $joiner 2>/dev/null; wait $joiner 2>/dev/null
"$game" --config "$dir/g.ini" --open 31315 >"$dir/link" 2>/dev/null & gw=$!
for _ in $(seq 50); do grep -q "^lumivex://" "$dir/link" && break; sleep 0.1; done
expect 1 "did not accept the link" -- --join "lumivex://127.0.0.1:31315#$key"
room=AAAAAAAAAAAAAAAAAAAAAA
expect 2 "takes HOST:PORT" -- --open --relay-server nowhere
expect 2 "goes with --relay" -- --port 5000
expect 1 "relay at 127.0.0.1:31398 did not answer" -- --join "lumivex://127.0.0.1:31398/$room#$key"
"$game" --relay --port 31316 >"$dir/relay.log" 2>&1 & relay=$!
sleep 0.3
expect 1 "cannot use UDP port 31316" -- --relay --port 31316
expect 1 "has no such game" -- --join "lumivex://127.0.0.1:31316/$room#$key"
kill $relay; wait $relay 2>/dev/null
kill $gw; wait $gw 2>/dev/null
rm -rf "$dir"
exit $fails
'
exec "$top/tools/netns-run" bash -c "$inner" online_cli "$game"
