#!/usr/bin/env bash
# A computer with two network cards, on two networks that do not reach each other:
#   A: eth0 on network 1 (10.81.1.1), eth1 on network 2 (10.81.2.1)
#   B: on network 1 (10.81.1.2)        C: on network 2 (10.81.2.3)
# A hears both; --interface and the default route decide where A's datagrams go; a card
# plugged in later is joined, one pulled out is let go; a firewall that drops the game's
# port gets the hint. Everything lives in private namespaces.
#   interfaces.sh GAME LAN_PROBE
set -uo pipefail
game=$1
lanprobe=$2
top="$(cd "$(dirname "$0")/../.." && pwd)"
if [ "${LUMIVEX_IF_HUB:-}" != 1 ]; then
    LUMIVEX_IF_HUB=1 exec "$top/tools/netns-run" "$0" "$@"
fi
command -v nft >/dev/null || { echo "SKIP: nft is missing (tools/deps.sh test installs nftables)"; exit 0; }
dir="$(mktemp -d /tmp/lumivex-if.XXXXXX)"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null; done
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
failures=0
check() { # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then echo "PASS: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}

for br in br1 br2; do
    ip link add "$br" type bridge
    ip link set "$br" type bridge mcast_snooping 0
    ip link set "$br" up
done
declare -A ns
for c in A B C; do
    unshare --net -- sleep infinity &
    ns[$c]=$!
    pids+=($!)
done
sleep 0.1
on() { local c=$1; shift; nsenter -t "${ns[$c]}" -n -- "$@"; }
# A copy of the game left running on a computer; nsenter becomes the game, so its pid is the game's.
start_game() {
    nsenter -t "${ns[$1]}" -n -- env QT_QPA_PLATFORM=offscreen HOME="$dir/$1" "$game" --config "$dir/$1.ini" \
        >"$dir/game$1" 2>&1 &
    pids+=($!)
}
card() { # computer, its card, bridge, address
    ip link add "v$1$2" type veth peer name "$2" netns "${ns[$1]}"
    ip link set "v$1$2" master "$3" up
    on "$1" ip addr add "$4/24" dev "$2"
    on "$1" ip link set "$2" up
}
for c in A B C; do on "$c" ip link set lo up; done
card A eth0 br1 10.81.1.1
card A eth1 br2 10.81.2.1
card B eth0 br1 10.81.1.2
card C eth0 br2 10.81.2.3
sleep 0.5 # the bridges' ports start forwarding

# 1. A hears both networks.
probes=()
for c in A B C; do
    nsenter -t "${ns[$c]}" -n -- env LUMIVEX_COMPUTER=$c timeout 10 "$lanprobe" >"$dir/hear$c" 2>&1 &
    probes+=($!)
done
wait "${probes[@]}"
check "A hears B and C" bash -c "grep -qx 'computer A heard computer B' '$dir/hearA' && grep -qx 'computer A heard computer C' '$dir/hearA'"

# 2. Copies of the game in B and C answer roll calls.
start_game B
start_game C
sleep 2
answers() { # computer, probe arguments...: the answering addresses, sorted
    local c=$1
    shift
    on "$c" timeout 10 "$game" --probe 1 "$@" 2>&1 | awk 'NF >= 2 { print $NF }' | grep -E '^10\.' | sort -u | tr '\n' ' '
}
check "--interface eth0 reaches only network 1" test "$(answers A --interface eth0)" = "10.81.1.2 "
check "--interface eth1 reaches only network 2" test "$(answers A --interface eth1)" = "10.81.2.3 "
on A ip route add default dev eth1
check "Automatic follows the default route" test "$(answers A)" = "10.81.2.3 "
on A ip route del default dev eth1

# 3. A card plugged in after start-up is joined, and one pulled out is let go. A's saved
#    choice is eth1, missing at start: Automatic until it comes, eth1 while it is there,
#    Automatic again when it goes, and the choice itself is kept throughout.
on A ip link del eth1
printf '[Network]\nInterface=eth1\n' >"$dir/A.ini"
start_game A
gameA=${pids[-1]}
sleep 1.5
check "a saved card that is missing: Automatic meanwhile" bash -c "[[ ' $(answers B) ' == *' 10.81.1.1 '* ]]"
card A eth1 br2 10.81.2.1
sleep 3
check "a new card is joined and sent through" bash -c "[[ ' $(answers C) ' == *' 10.81.2.1 '* ]]"
on A ip link del eth1
sleep 3
check "a card pulled out: A keeps running" kill -0 "$gameA"
check "... and answers on the card it still has" bash -c "[[ ' $(answers B) ' == *' 10.81.1.1 '* ]]"
check "... and the choice is kept" grep -qx "Interface=eth1" "$dir/A.ini"

# 4. A firewall that drops the game's port: no answers, and the hint says what to check.
on C nft add table inet lvx
on C nft add chain inet lvx input '{ type filter hook input priority 0; }'
on C nft add rule inet lvx input udp dport 31314 drop
on C timeout 10 "$game" --probe 1 >"$dir/walled" 2>&1
check "behind the firewall --probe exits 1" test $? = 1
check "... naming the port, the group and the firewall" grep -q "firewall must let UDP port 31314 and the group 234.10.20.31" "$dir/walled"

# 5. Bad command lines: one line, exit 2, no window.
bad() { # expected words, then the arguments
    local words=$1
    shift
    out=$(on A timeout 10 "$game" "$@" 2>&1)
    [ $? = 2 ] && [ "$(wc -l <<<"$out")" = 1 ] && grep -q -- "$words" <<<"$out"
}
check "an unknown option" bad "Unknown option" --bogus
check "an interface that is not there names those that are" bad "there are: lo, eth0" --interface wlan9
check "--probe abc" bad "number of seconds" --probe abc

# 6. The LAN port answers the LAN only. Network 3 (10.81.3.0/24) lies beyond a router R from
#    network 1; E on network 3 sends Registers to a probe on network 1 (B); F on network 1
#    sends them to B and to the group; G shares network 1's wire with an address of another
#    subnet and sends them to the group. Only F's group Register is taken.
for c in R E F G; do
    unshare --net -- sleep infinity &
    ns[$c]=$!
    pids+=($!)
done
sleep 0.1
for c in R E F G; do on "$c" ip link set lo up; done
ip link add br3 type bridge
ip link set br3 up
card R eth0 br1 10.81.1.254
card R eth1 br3 10.81.3.254
on R sysctl -qw net.ipv4.ip_forward=1
card E eth0 br3 10.81.3.4
on E ip route add default via 10.81.3.254
card F eth0 br1 10.81.1.6
card G eth0 br1 10.81.9.7
on B ip route add 10.81.3.0/24 via 10.81.1.254
sleep 0.5
send() { # computer, destination, name: Registers for 2.5 s
    on "$1" python3 -c '
import socket, sys, time
dest, name, source = sys.argv[1], sys.argv[2], sys.argv[3]
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.setsockopt(socket.IPPROTO_IP, socket.IP_MULTICAST_IF, socket.inet_aton(source))
end = time.time() + 2.5
while time.time() < end:
    s.sendto(b"9\x013\x01" + name.encode() + b"\x01255\x01", (dest, 31314))
    time.sleep(0.1)
' "$2" "$3" "$4" &
    senders+=($!)
}
senders=()
send E 10.81.1.2 FarUnicast 10.81.3.4
send G 234.10.20.31 OtherSubnet 10.81.9.7
send F 10.81.1.2 NearUnicast 10.81.1.6
send F 234.10.20.31 NearGroup 10.81.1.6
on B timeout 10 "$game" --probe 2 >"$dir/lanonly" 2>&1
wait "${senders[@]}"
check "a Register sent to the group from this network is taken" grep -q " NearGroup .* 10.81.1.6$" "$dir/lanonly"
check "... one sent to this computer alone is not" bash -c "! grep -q NearUnicast '$dir/lanonly'"
check "... nor one from beyond a router" bash -c "! grep -q FarUnicast '$dir/lanonly'"
check "... nor one to the group from another subnet on the same wire" bash -c "! grep -q OtherSubnet '$dir/lanonly'"
check "... and the probe still hears this network's copies" grep -q " 10.81.1.1$" "$dir/lanonly"

[ "$failures" = 0 ] || { echo "($failures failed; files in $dir)"; trap - EXIT; exit 1; }
echo "PASS: all"
