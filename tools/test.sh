#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test five ways:
#   1. the Release build and its tests (tests that use sockets run in private networks);
#   2. the in-process tests again in a build with AddressSanitizer and UndefinedBehaviorSanitizer
#      (the list and its reason are below);
#   3. the fuzz targets (clang, libFuzzer, both sanitizers, a worker a core): datagram
#      sequences into a running match for LUMIVEX_FUZZ_SECONDS seconds (default 60), then the
#      message parser, the gateway, the relay, the replay reader and the replay player alone;
#   4. the Debian package: built, unpacked and checked, and (as root in CI) installed and removed;
#   5. the Windows build (tools/cross-windows.sh; its libraries are built once into a cache):
#      its tests under Wine, a match of a Windows copy and a Linux copy each way, and the
#      installer, installed and removed silently under Wine.
# The Windows build starts at once in the background, at the lowest priority: its libraries
# (Qt from Debian's sources) take longest of anything here, and the Linux phases leave the
# cores idle while their tests wait on timers and sockets. Tests run side by side, two at a
# time, each network test in a private network of its own. Compilers go through ccache when
# it is there (~/.cache/ccache), so a second run rebuilds little.
# Without private network namespaces the run stops: it never falls back to the real network.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
t0=$SECONDS
say() { printf 'lumivex: [%d:%02d] %s\n' $(((SECONDS - t0) / 60)) $(((SECONDS - t0) % 60)) "$*"; }
"$top/tools/deps.sh" test
if ! "$top/tools/netns-run" true; then
    echo "lumivex: the network tests need private network namespaces; stopping." >&2
    exit 1
fi
# The browser test's one npm package, as the lockfile pins it (into tests/web/node_modules).
(cd "$top/tests/web" && npm ci --no-audit --no-fund --silent)
say "packages ready"
export QT_QPA_PLATFORM=offscreen
# The copies the tests start keep their matches as replays: in a folder of the run's own.
XDG_DATA_HOME="$(mktemp -d /tmp/lumivex-test-data.XXXXXX)"
export XDG_DATA_HOME
if command -v ccache >/dev/null; then
    # Fresh clones in other folders hit the same cache: paths below the project count as
    # relative, and the build folder is not part of what a debug build's object is keyed on.
    export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR="$top" CCACHE_NOHASHDIR=true CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-4G}
    ccache --zero-stats >/dev/null
fi
parallel=$(( $(nproc) >= 2 ? 2 : 1 ))

# Phase 5's build, in the background from the start: libraries (once), the program and its
# tests, and the Wine prefix. Its own session, so that it ends with this script; a session is
# a scheduling group of its own where the kernel groups by session (autogroup), and there the
# group's own nice value is what yields to the Linux phases.
winlog="$top/build-win.log"
setsid bash -c 'echo 19 > /proc/self/autogroup 2>/dev/null || true
                LUMIVEX_WIN_BUILD="$1/build-win" nice -n 19 "$1/tools/cross-windows.sh" &&
                nice -n 19 "$1/tools/wine-run" true' windows-build "$top" >"$winlog" 2>&1 &
winpid=$!
corpus=
cleanup() {
    kill -TERM -- "-$winpid" 2>/dev/null || true
    rm -rf "$XDG_DATA_HOME" ${corpus:+"$corpus"}
}
trap cleanup EXIT
say "the Windows build runs in the background (log: $winlog)"

say "[1/5] Release build with tests"
# Built as the package is (phase 4 packages this very build).
LUMIVEX_TESTS=ON LUMIVEX_BUILD_ONLY=1 "$top/tools/package.sh" "$top/build-tests"
say "[1/5] tests"
(cd "$top/build-tests" && ctest --output-on-failure --timeout 600 -j "$parallel")

say "[2/5] the in-process tests with AddressSanitizer and UndefinedBehaviorSanitizer"
# Every QtTest program: they drive the engine, the match, the dispatcher, the gateway, the
# relay, replays, the panel and the game window in one process, which is where a memory or
# undefined-behaviour fault shows. The scripts that start whole programs in private networks
# (matches on a LAN and online, replays, port mapping, the command line) prove behaviour over
# real sockets and timers; they ran in phase 1, and the fuzz targets of phase 3 run the wire,
# gateway, relay and replay code under both sanitizers. One of them stays here, so the
# program's own start-up, match and shutdown run sanitized too.
sanitized=$(cd "$top/build-tests" && ctest -N | sed -n 's/^ *Test *#[0-9]*: \(tst_[A-Za-z_]*\)$/\1/p')
sanitized="$sanitized e2e_demo"
cmake -S "$top" -B "$top/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMIVEX_SANITIZE=ON >/dev/null
cmake --build "$top/build-asan"
(cd "$top/build-asan" && UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure \
    --timeout 900 -j "$parallel" -R "^($(echo $sanitized | tr ' ' '|'))\$")

say "[3/5] fuzzing: a running match for ${LUMIVEX_FUZZ_SECONDS:-60} s, the message parser, the gateway, the relay, the replay reader and the replay player for 15 s each"
CC=clang CXX=clang++ cmake -S "$top" -B "$top/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMIVEX_FUZZ=ON >/dev/null
cmake --build "$top/build-fuzz"
corpus="$(mktemp -d)"
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
fuzz fuzz_match "${LUMIVEX_FUZZ_SECONDS:-60}" "$parallel"
fuzz fuzz_wire 15 1
fuzz fuzz_gateway 15 1
fuzz fuzz_relay 15 1
fuzz fuzz_replay 15 1
fuzz fuzz_replay_play 15 1
echo "lumivex: fuzzing found nothing"

say "[4/5] the Debian package, of the build the tests ran"
LUMIVEX_TESTS=ON "$top/tools/package.sh" "$top/build-tests"
version=$(sed -n 's/^project(Lumivex VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
"$top/tests/package/check_package.sh" "$top/dist/lumivex_${version}_amd64.deb" \
    "$top/dist/lumivex-relay_${version}_amd64.deb" "$version"

say "[5/5] the Windows build, under Wine: waiting for the background build"
if ! wait "$winpid"; then
    tail -n 60 "$winlog" >&2
    echo "lumivex: the Windows build failed (log: $winlog)" >&2
    exit 1
fi
grep -E '^cross-windows: (.* built|libraries ready|built in)' "$winlog" || true
say "[5/5] the Windows build is ready; its tests under Wine"
"$top/tests/windows/wine_tests.sh" "$top/build-win"
say "[5/5] a Windows copy and a Linux copy, one match each way"
"$top/tests/windows/wine_match.sh" "$top/build-tests/app/lumivex" "$top/build-win/app/lumivex.exe"
say "[5/5] the installer"
"$top/tools/package-windows.sh" "$top/build-win"
"$top/tests/windows/check_installer.sh" "$top/dist/lumivex-$version-setup.exe" "$version"
if command -v ccache >/dev/null; then
    ccache --show-stats | grep -E 'Hits|Misses|Cache size' | sed 's/^/lumivex: ccache: /' || true
fi
say "every phase passed"
