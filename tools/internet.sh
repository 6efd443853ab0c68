#!/usr/bin/env bash
# Simulates two homes on the internet, on this machine only: LAN A (10.1.0.0/24) and LAN B
# (10.2.0.0/24), each behind a router that masquerades (nftables). Router A's public address
# is 198.51.100.1 and it forwards UDP port 31315 to 10.1.0.2; router B's is 203.0.113.7.
# Those addresses exist only inside private network namespaces, which have no way out.
#
#   tools/internet.sh [-a N] [-b M] [-c K] [-n] [-r] [-u] -- COMMAND [ARGS...]
#
# N computers on LAN A (10.1.0.2 ...), M on LAN B (10.2.0.2 ...), and K on a third home's LAN C
# (10.3.0.2 ..., behind a router whose public address is 198.51.100.77; none without -c). COMMAND
# runs once per computer, all at once, with LUMIVEX_COMPUTER set to A1, A2, ..., B1, ..., C1, ...
# and HOME a folder of its own. The exit status is the first non-zero status of the commands.
#   -n  router A forwards no port.
#   -r  COMMAND also runs as R1 on a public server, 203.0.113.254 (for a relay).
#   -u  router A forwards no port by hand but runs miniupnpd (UPnP IGD and NAT-PMP). That
#       daemon refuses to map behind an address of a reserved range (the documentation ones
#       included), so router A's public address is then 100.63.0.1, which it takes for public.
#       MINIUPNPD_UPNP=no leaves it NAT-PMP only; MINIUPNPD_NATPMP=no, UPnP only.
# Every command sees LUMIVEX_ROUTER_A, the process whose network namespace is router A's, and
# LUMIVEX_RELAY, the server's address and port.
set -euo pipefail
na=2
nb=1
nc=0
forward=1
server=0
upnp=0
while [ $# -gt 0 ]; do
    case "$1" in
        -a) na=$2; shift 2 ;;
        -b) nb=$2; shift 2 ;;
        -c) nc=$2; shift 2 ;;
        -n) forward=0; shift ;;
        -r) server=1; shift ;;
        -u) upnp=1; forward=0; shift ;;
        --) shift; break ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [-a N] [-b M] -- COMMAND [ARGS...]" >&2; exit 2; }
here="$(cd "$(dirname "$0")" && pwd)"
if [ "${LUMIVEX_INTERNET_CORE:-}" != 1 ]; then
    # This namespace is the internet's core router; it is private like every other.
    flags=()
    [ $forward = 1 ] || flags+=(-n)
    [ $server = 0 ] || flags+=(-r)
    [ $upnp = 0 ] || flags+=(-u)
    LUMIVEX_INTERNET_CORE=1 exec "$here/netns-run" "$0" -a "$na" -b "$nb" -c "$nc" "${flags[@]}" -- "$@"
fi

homes="$(mktemp -d /tmp/lumivex-internet.XXXXXX)"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$homes"
}
trap cleanup EXIT
spawn() { # a fresh namespace; its pid in $ns
    unshare --net -- sleep infinity &
    ns=$!
    pids+=("$ns")
    sleep 0.05
    nsenter -t "$ns" -n ip link set lo up
}
in_ns() { local p=$1; shift; nsenter -t "$p" -n -- "$@"; }

sysctl -qw net.ipv4.ip_forward=1
# router NAME PUBLIC CORE-SIDE LANPREFIX FORWARD(0/1) [MASK]; sets $router. With MASK 32 the
# link is point to point, inside a /24 that another router's link holds (the core answers ARP
# for it there), so that every public address stays a documentation one.
router() {
    spawn
    router=$ns
    local mask=${6:-24}
    ip link add "c$1" type veth peer name wan netns "$router"
    ip addr add "$3/$mask" dev "c$1"
    ip link set "c$1" up
    in_ns "$router" ip addr add "$2/$mask" dev wan
    in_ns "$router" ip link set wan up
    if [ "$mask" = 32 ]; then
        ip route add "$2/32" dev "c$1"
        in_ns "$router" ip route add "$3/32" dev wan
        for c in /proc/sys/net/ipv4/conf/c*/proxy_arp; do echo 1 > "$c"; done
    fi
    in_ns "$router" ip route add default via "$3"
    in_ns "$router" sysctl -qw net.ipv4.ip_forward=1
    in_ns "$router" ip link add lan type bridge
    in_ns "$router" ip link set lan type bridge mcast_snooping 0
    in_ns "$router" ip addr add "$4.1/24" dev lan
    in_ns "$router" ip link set lan up
    local rules="table ip nat {
        chain pre { type nat hook prerouting priority -100; $( [ "$5" = 1 ] && echo "iifname \"wan\" udp dport 31315 dnat to $4.2;" ) }
        chain post { type nat hook postrouting priority 100; oifname \"wan\" masquerade; }
    }"
    in_ns "$router" nft -f - <<<"$rules"
}
# computer ROUTER-PID LANPREFIX INDEX; sets $ns
computer() {
    local r=$1
    spawn
    ip link add "h$ns" type veth peer name eth0 netns "$ns"
    ip link set "h$ns" netns "$r"
    in_ns "$r" ip link set "h$ns" master lan up
    in_ns "$ns" ip addr add "$2.$(( $3 + 1 ))/24" dev eth0
    in_ns "$ns" ip link set eth0 up
    in_ns "$ns" ip route add default via "$2.1"
    in_ns "$ns" ip route add 224.0.0.0/4 dev eth0
}

if [ $upnp = 1 ]; then
    router A 100.63.0.1 100.63.0.254 10.1.0 0
    ra=$router
    # The tables and chains miniupnpd fills, named in its configuration below.
    in_ns "$ra" nft -f - <<'NFT'
table inet filter {
    chain forward { type filter hook forward priority 0; policy accept; jump miniupnpd; }
    chain miniupnpd { }
    chain prerouting { type nat hook prerouting priority -100; policy accept; jump prerouting_miniupnpd; }
    chain postrouting { type nat hook postrouting priority 100; policy accept; jump postrouting_miniupnpd; }
    chain prerouting_miniupnpd { }
    chain postrouting_miniupnpd { }
}
NFT
    cat > "$homes/miniupnpd.conf" <<CONF
ext_ifname=wan
listening_ip=lan
http_port=0
enable_natpmp=${MINIUPNPD_NATPMP:-yes}
enable_upnp=${MINIUPNPD_UPNP:-yes}
secure_mode=yes
system_uptime=yes
notify_interval=60
clean_ruleset_interval=600
uuid=3ab2a9d4-6e1b-4c55-9d0e-1e5a57f0c0de
upnp_table_name=filter
upnp_nat_table_name=filter
upnp_forward_chain=miniupnpd
upnp_nat_chain=prerouting_miniupnpd
upnp_nat_postrouting_chain=postrouting_miniupnpd
allow 1024-65535 10.1.0.0/24 1024-65535
deny 0-65535 0.0.0.0/0 0-65535
CONF
    # nsenter itself becomes the daemon, so the pid kept is the daemon's (a shell function in
    # the background would leave it running when the subshell is ended).
    nsenter -t "$ra" -n -- miniupnpd -f "$homes/miniupnpd.conf" -d -P "$homes/miniupnpd.pid" >"$homes/miniupnpd.log" 2>&1 &
    pids+=($!)
else
    router A 198.51.100.1 198.51.100.254 10.1.0 $forward
    ra=$router
fi
export LUMIVEX_ROUTER_A=$ra LUMIVEX_RELAY=203.0.113.254:31316
router B 203.0.113.7 203.0.113.254 10.2.0 0
rb=$router
names=()
computers=()
for k in $(seq 1 "$na"); do computer "$ra" 10.1.0 "$k"; names+=("A$k"); computers+=("$ns"); done
for k in $(seq 1 "$nb"); do computer "$rb" 10.2.0 "$k"; names+=("B$k"); computers+=("$ns"); done
if [ "$nc" -gt 0 ]; then
    router C 198.51.100.77 198.51.100.253 10.3.0 0 32
    rc=$router
    for k in $(seq 1 "$nc"); do computer "$rc" 10.3.0 "$k"; names+=("C$k"); computers+=("$ns"); done
fi

if [ $server = 1 ]; then names+=(R1); computers+=($$); fi
jobs=()
for i in "${!names[@]}"; do
    mkdir -p "$homes/${names[$i]}"
    LUMIVEX_COMPUTER=${names[$i]} HOME="$homes/${names[$i]}" nsenter -t "${computers[$i]}" -n -- "$@" &
    jobs+=($!)
done
status=0
for j in "${jobs[@]}"; do
    wait "$j" || { s=$?; [ $status -ne 0 ] || status=$s; }
done
exit $status
