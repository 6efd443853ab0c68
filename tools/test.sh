#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test four ways:
#   1. the Release build and its tests (tests that use sockets run in private networks);
#   2. the same tests in a build with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. the fuzz targets (clang, libFuzzer, both sanitizers, a worker a core): datagram
#      sequences into a running match for LUMIVEX_FUZZ_SECONDS seconds (default 60), then the
#      message parser, the gateway, the relay, the replay reader and the replay player alone;
#   4. the Debian package: built, unpacked and checked, and (as root in CI) installed and removed;
#   5. the Windows build (tools/cross-windows.sh; its libraries are built once into a cache):
#      its tests under Wine, a match of a Windows copy and a Linux copy each way, and the
#      installer, installed and removed silently under Wine.
# Without private network namespaces the run stops: it never falls back to the real network.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/deps.sh" test
if ! "$top/tools/netns-run" true; then
    echo "lumivex: the network tests need private network namespaces; stopping." >&2
    exit 1
fi
export QT_QPA_PLATFORM=offscreen
# The copies the tests start keep their matches as replays: in a folder of the run's own.
XDG_DATA_HOME="$(mktemp -d /tmp/lumivex-test-data.XXXXXX)"
export XDG_DATA_HOME
trap 'rm -rf "$XDG_DATA_HOME"' EXIT

echo "lumivex: [1/5] Release build with tests"
# Built as the package is (phase 4 packages this very build).
LUMIVEX_TESTS=ON LUMIVEX_BUILD_ONLY=1 "$top/tools/package.sh" "$top/build-tests"
(cd "$top/build-tests" && ctest --output-on-failure --timeout 600)

echo "lumivex: [2/5] the same tests with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$top" -B "$top/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMIVEX_SANITIZE=ON >/dev/null
cmake --build "$top/build-asan"
(cd "$top/build-asan" && UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure --timeout 900)

echo "lumivex: [3/5] fuzzing: a running match for ${LUMIVEX_FUZZ_SECONDS:-60} s, the message parser, the gateway, the relay, the replay reader and the replay player for 15 s each"
CC=clang CXX=clang++ cmake -S "$top" -B "$top/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMIVEX_FUZZ=ON >/dev/null
cmake --build "$top/build-fuzz"
corpus="$(mktemp -d)"
trap 'rm -rf "$corpus" "$XDG_DATA_HOME"' EXIT
"$top/build-fuzz/fuzz/make_seeds" "$corpus"
cp "$top"/fuzz/corpus/* "$corpus/"
fuzz() { # fuzz TARGET SECONDS WORKERS
    local status=0 dir
    dir="$(mktemp -d)"
    # Each worker is a fuzzer process of its own, all sharing the corpus and picking up what
    # the others find; each writes fuzz-N.log in the directory it starts in. Leaks are looked
    # for once, at exit, over every world a worker built and threw away; a search after each
    # new input would scan the whole heap hundreds of times a minute.
    (cd "$dir" && "$top/build-fuzz/fuzz/$1" -jobs="$3" -workers="$3" -max_total_time="$2" -print_final_stats=1 \
        -dict="$top/fuzz/lumivex.dict" -detect_leaks=0 "$corpus" >main.log 2>&1) || status=$?
    for log in "$dir"/fuzz-*.log; do
        grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|fuzz_match:|Done|==[0-9]+==|SUMMARY)' \
            "$log" | sed "s/^/$1 $(basename "$log" .log): /" || true
    done
    cat "$dir"/fuzz-*.log | awk -v t="$1" -v s="$2" '/^stat::number_of_executed_units/ { n += $2 }
        /^fuzz_match: [0-9]+ datagrams/ { d += $2 }
        END { printf "%s: %d inputs in %d s over all workers%s\n", t, n, s, d ? sprintf(", %d datagrams", d) : "" }'
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$dir"/fuzz-*.log >&2
        echo "lumivex: the fuzz target $1 failed (exit $status)" >&2
        exit "$status"
    fi
    rm -rf "$dir"
}
# One worker a core, as many as two: the match target is what the budget is for.
workers=$(( $(nproc) >= 2 ? 2 : 1 ))
fuzz fuzz_match "${LUMIVEX_FUZZ_SECONDS:-60}" "$workers"
fuzz fuzz_wire 15 1
fuzz fuzz_gateway 15 1
fuzz fuzz_relay 15 1
fuzz fuzz_replay 15 1
fuzz fuzz_replay_play 15 1
echo "lumivex: fuzzing found nothing"

echo "lumivex: [4/5] the Debian package, of the build the tests ran"
LUMIVEX_TESTS=ON "$top/tools/package.sh" "$top/build-tests"
version=$(sed -n 's/^project(Lumivex VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
"$top/tests/package/check_package.sh" "$top/dist/lumivex_${version}_amd64.deb" "$version"
echo "lumivex: [5/5] the Windows build, under Wine"
windows_start=$SECONDS
LUMIVEX_WIN_BUILD="$top/build-win" "$top/tools/cross-windows.sh"
"$top/tests/windows/wine_tests.sh" "$top/build-win"
"$top/tests/windows/wine_match.sh" "$top/build-tests/app/lumivex" "$top/build-win/app/lumivex.exe"
"$top/tools/package-windows.sh" "$top/build-win"
"$top/tests/windows/check_installer.sh" "$top/dist/lumivex-$version-setup.exe" "$version"
echo "lumivex: the Windows phase took $((SECONDS - windows_start)) s"
echo "lumivex: every phase passed"
