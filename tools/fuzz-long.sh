#!/usr/bin/env bash
# The long fuzz run, not part of the test command:  tools/fuzz-long.sh [SECONDS]
#   1. fuzz_match, with AddressSanitizer and UndefinedBehaviorSanitizer, for SECONDS
#      (default 900), from the seeds and the recorded match: inputs, datagrams, inputs per
#      second, and any report. Leaks are looked for at exit, over every world it built.
#   2. fuzz_wire for 60 s with both sanitizers, then 60 s with coverage alone, one worker per
#      core: the second figure is the parser's own speed under the fuzzer, per worker and in all.
# The corpus grows in build-fuzz/long-corpus and is kept for the next run.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-900}"
"$top/tools/deps.sh" test
export QT_QPA_PLATFORM=offscreen
CC=clang CXX=clang++ cmake -S "$top" -B "$top/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMIVEX_FUZZ=ON >/dev/null
cmake --build "$top/build-fuzz" >/dev/null
CC=clang CXX=clang++ cmake -S "$top" -B "$top/build-fuzz-plain" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DLUMIVEX_FUZZ=ON -DLUMIVEX_FUZZ_SANITIZE=OFF >/dev/null
cmake --build "$top/build-fuzz-plain" >/dev/null
corpus="$top/build-fuzz/long-corpus"
mkdir -p "$corpus"
"$top/build-fuzz/fuzz/make_seeds" "$corpus"
cp "$top"/fuzz/corpus/* "$corpus/"
log="$(mktemp)"
trap 'rm -f "$log" "$log".*' EXIT
failed() { # failed LABEL STATUS LOG...
    tail -n 60 "${@:3}" >&2
    echo "lumivex: $1 failed (exit $2)" >&2
    exit "$2"
}
run() { # run LABEL BINARY SECONDS
    local status=0
    "$2" -max_total_time="$3" -print_final_stats=1 -detect_leaks=0 -dict="$top/fuzz/lumivex.dict" \
        "$corpus" >"$log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb|fuzz_match:|==[0-9]+==|SUMMARY)' \
        "$log" | sed "s/^/$1: /" || true
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | sed "s/^/$1: /" || true
    if [ "$status" -ne 0 ]; then failed "$1" "$status" "$log"; fi
}
run "fuzz_match, sanitizers" "$top/build-fuzz/fuzz/fuzz_match" "$seconds"
run "fuzz_wire, sanitizers" "$top/build-fuzz/fuzz/fuzz_wire" 60
# The parser's speed under the fuzzer. The game's longest datagram is 70 bytes, so inputs stop
# at 128. Hit counts, the entropic schedule, comparison tracing, length control and the
# shrinking of corpus inputs are off: on a target this small their bookkeeping costs several
# times the parser itself. The run with the sanitizers above keeps libFuzzer's full guidance.
workers="$(nproc)"
for i in $(seq "$workers"); do
    "$top/build-fuzz-plain/fuzz/fuzz_wire" -max_total_time=60 -print_final_stats=1 -max_len=128 -entropic=0 \
        -use_counters=0 -use_cmp=0 -len_control=0 -reduce_inputs=0 -dict="$top/fuzz/lumivex.dict" "$corpus" >"$log.$i" 2>&1 &
done
status=0
for i in $(seq "$workers"); do wait -n || status=$?; done
if [ "$status" -ne 0 ]; then failed "fuzz_wire, coverage alone" "$status" "$log".*; fi
cat "$log".* | awk -v n="$workers" '/^stat::average_exec_per_sec/ { sum += $2; print "fuzz_wire, coverage alone: worker", ++k, $2, "inputs/s" }
    END { print "fuzz_wire, coverage alone:", n, "workers,", sum, "inputs/s in all" }'
rm -f "$log".*
echo "lumivex: the long fuzz run found nothing"
