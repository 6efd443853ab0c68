#!/usr/bin/env bash
# Automatic port mapping against a real router daemon (miniupnpd, in router A's namespace of
# tools/internet.sh, with no port forwarded by hand): opening a game maps its port there and
# puts the router's public address in the link; a friend on LAN B joins through it and plays
# a round; ending the program removes the mapping. Once with UPnP IGD, once with NAT-PMP only.
#   upnp.sh GAME
set -uo pipefail
game=$1
top="$(cd "$(dirname "$0")/../.." && pwd)"
command -v miniupnpd >/dev/null || PATH=$PATH:/usr/sbin
command -v miniupnpd >/dev/null || { echo "miniupnpd is missing (tools/deps.sh test installs it)"; exit 1; }
status=0
for method in UPnP NAT-PMP; do
    dir="$(mktemp -d /tmp/lumivex-upnp.XXXXXX)"
    cat > "$dir/computer.sh" <<'INNER'
set -u
dir=$1 game=$2
me=$LUMIVEX_COMPUTER
export QT_QPA_PLATFORM=offscreen
printf '[Main]\nName=%s\nSpeed=4\nWidth=300\nHeight=250\n' "$me" > "$dir/$me.ini"
mapped() { nsenter -t "$LUMIVEX_ROUTER_A" -n nft list chain inet filter prerouting_miniupnpd 2>/dev/null | grep -c "dport 31315"; }
case $me in
A1)
    "$game" --config "$dir/A1.ini" --open 31315 --demo 3 --demo-delay 6000 --round-log >"$dir/A1.log" 2>"$dir/A1.err" & pid=$!
    for _ in $(seq 60); do grep -q '^lumivex://' "$dir/A1.log" && break; sleep 0.1; done
    grep '^lumivex://' "$dir/A1.log" > "$dir/link"
    echo "mapped while open: $(mapped)" >> "$dir/verdict"
    for _ in $(seq 300); do [ -e "$dir/played" ] && break; sleep 0.1; done
    kill -TERM $pid; wait $pid # as File > Exit: the mapping goes
    echo "mapped after exit: $(mapped)" >> "$dir/verdict"
    touch "$dir/done"
    ;;
B1)
    for _ in $(seq 80); do [ -s "$dir/link" ] && break; sleep 0.1; done
    "$game" --config "$dir/B1.ini" --join - --riders 1 --round-log <"$dir/link" >"$dir/B1.log" 2>"$dir/B1.err" & pid=$!
    for _ in $(seq 300); do grep -q '^round 1 arena' "$dir/B1.log" 2>/dev/null && break; sleep 0.1; done
    touch "$dir/played"
    for _ in $(seq 100); do [ -e "$dir/done" ] && break; sleep 0.1; done
    kill $pid; wait $pid 2>/dev/null
    ;;
esac
exit 0
INNER
    upnp=yes natpmp=no # the router speaks one of the two
    [ $method = NAT-PMP ] && upnp=no natpmp=yes
    MINIUPNPD_UPNP=$upnp MINIUPNPD_NATPMP=$natpmp "$top/tools/internet.sh" -a 1 -b 1 -u -- bash "$dir/computer.sh" "$dir" "$game"
    link=$(cat "$dir/link" 2>/dev/null)
    echo "$method: link $link"
    cat "$dir/verdict" 2>/dev/null
    fail() { echo "FAIL ($method): $1"; status=1; }
    grep -q "^lumivex://100.63.0.1:31315#" <<<"$link" || fail "the link does not name the router's public address"
    grep -q "forwards the port ($method)" "$dir/A1.err" || fail "the router's mapping was not reported: $(grep -v '^qt\|QStand\|plugin' "$dir/A1.err")"
    grep -q "mapped while open: [1-9]" "$dir/verdict" || fail "no mapping at the router while open"
    grep -q "mapped after exit: 0" "$dir/verdict" || fail "the mapping stayed after the program ended"
    grep -q '^round 1 arena' "$dir/B1.log" || fail "the friend did not play a round through the mapped port"
    [ $status = 0 ] && rm -rf "$dir" || echo "(files in $dir)"
done
[ $status = 0 ] && echo "PASS: mapped with UPnP and with NAT-PMP, joined through the mapping, removed at the end"
exit $status
