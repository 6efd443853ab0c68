#!/usr/bin/env bash
# The unit and widget tests built for Windows, run under Wine with the offscreen platform, in
# one private network with a Wine prefix of its own (tools/wine-run). A program that passes
# every test function and then crashes on its way out is told apart from a failed test: it is
# reported as such, and does not fail the run.
#   wine_tests.sh BUILD_DIR [TEST...]     (default: every tst_*.exe in BUILD_DIR/tests)
set -uo pipefail
build=$(cd "$1" && pwd); shift
top="$(cd "$(dirname "$0")/../.." && pwd)"
tests=("$@")
[ ${#tests[@]} -gt 0 ] || tests=($(cd "$build/tests" && ls tst_*.exe | sed 's/\.exe$//'))
dir="$(mktemp -d /tmp/lumivex-winetests.XXXXXX)"
cat > "$dir/inner.sh" <<'INNER'
set -u
dir=$1 tests=$2; shift 2
for t in "$@"; do
    start=$SECONDS
    # The results go to a file: started from a Unix shell, the test's own output is not seen.
    timeout -s KILL 600 wine "$tests/$t.exe" -o "$dir/$t.log,txt" >"$dir/$t.out" 2>&1
    rc=$?
    # Now and then Wine fails to start a program at all: status 1 at once, nothing written, not
    # even the log that the test opens first. That is not the test failing: it gets one more go,
    # and the report says so.
    if [ $rc -ne 0 ] && [ ! -e "$dir/$t.log" ]; then
        echo "$t $rc" >>"$dir/restarted"
        timeout -s KILL 600 wine "$tests/$t.exe" -o "$dir/$t.log,txt" >"$dir/$t.out" 2>&1
        rc=$?
    fi
    echo "$t $rc $((SECONDS - start))" >>"$dir/results"
done
INNER
export QT_QPA_PLATFORM=offscreen
export XDG_DATA_HOME=$dir/data
# Two runs side by side on two cores, each in a network and a Wine prefix of its own; the
# programs are dealt out in turn, the longest first, so the two take about as long.
groups=$(( $(nproc) >= 2 ? 2 : 1 ))
order=($(for t in "${tests[@]}"; do
             case $t in tst_Riders) w=9 ;; tst_Match) w=8 ;; tst_Online | tst_Replays | tst_Replay) w=7 ;; *) w=1 ;; esac
             echo "$w $t"
         done | sort -k1,1nr -k2 | cut -d' ' -f2))
pids=()
for ((g = 0; g < groups; g++)); do
    mine=()
    for ((i = g; i < ${#order[@]}; i += groups)); do mine+=("${order[i]}"); done
    (cd "$build/tests" && "$top/tools/wine-run" bash "$dir/inner.sh" "$dir" "$build/tests" "${mine[@]}") &
    pids+=($!)
done
for p in "${pids[@]}"; do wait "$p"; done
failed=0
while read -r t rc seconds; do
    totals=$(grep -as '^Totals:' "$dir/$t.log" | tail -1)
    if [ "$rc" = 0 ]; then
        echo "wine: $t passed in $seconds s: $totals"
    elif echo "$totals" | grep -q ' 0 failed' && ! grep -aq '^FAIL!' "$dir/$t.log"; then
        echo "wine: $t passed every test in $seconds s, then crashed on exit (status $rc): $totals"
    else
        echo "wine: $t FAILED (status $rc) in $seconds s: ${totals:-no totals}"
        grep -as -B2 -A6 '^FAIL!\|^QFATAL\|Received signal\|Unhandled exception' "$dir/$t.log" | head -40
        [ -n "$totals" ] || tail -n 20 $(ls "$dir/$t.log" 2>/dev/null) "$dir/$t.out"
        failed=$((failed + 1))
    fi
done < "$dir/results"
[ -f "$dir/restarted" ] && while read -r t rc; do
    echo "wine: $t did not start the first time (status $rc, nothing written): started again"
done < "$dir/restarted"
[ "$(wc -l < "$dir/results")" -eq ${#tests[@]} ] || { echo "wine: not every test program ran"; failed=$((failed + 1)); }
[ $failed -eq 0 ] && rm -rf "$dir" || echo "(logs in $dir)"
exit $((failed > 0))
