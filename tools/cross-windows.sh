#!/usr/bin/env bash
# Builds Lumivex for Windows x86-64 with Debian's mingw-w64 (posix threads).
#
#   tools/cross-windows.sh          the libraries (once, into the cache), then the program
#   tools/cross-windows.sh libs     the libraries only
#
# Every library comes from Debian's own source packages, fetched with apt-get source
# through an apt configuration of this script's own (the machine's sources stay as they
# are), cross-built once into LUMIVEX_WIN_PREFIX (default ~/.cache/lumivex/win64) and
# reused from there: a stamp per library names the source version it was built from.
# The program goes to LUMIVEX_WIN_BUILD (default build-win/ in the project).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=${LUMIVEX_WIN_PREFIX:-$HOME/.cache/lumivex/win64}
build=${LUMIVEX_WIN_BUILD:-$root/build-win}
work=$prefix.work                     # sources and library builds; may be deleted any time
jobs=$(nproc)
toolchain=$root/cmake/mingw-w64.cmake
triple=x86_64-w64-mingw32
export LUMIVEX_WIN_PREFIX=$prefix
mkdir -p "$prefix/.stamps" "$work/src"

say() { echo "cross-windows: $*"; }

# apt-get source through lists of our own, kept in the work folder: deb-src entries made from
# the machine's own apt configuration (tools/deb-src.py), so the same archives serve.
aptsrc() {
    local a=$work/apt
    if [ ! -f "$a/parts/src.sources" ]; then
        mkdir -p "$a/lists/partial" "$a/cache/archives/partial" "$a/parts"
        . /etc/os-release
        python3 "$root/tools/deb-src.py" "$VERSION_CODENAME" > "$a/parts/src.sources.new"
        [ -s "$a/parts/src.sources.new" ] || { say "no Debian $VERSION_CODENAME archive in apt's configuration"; exit 1; }
        mv "$a/parts/src.sources.new" "$a/parts/src.sources"
    fi
    local opts=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$a/parts"
                -o "Dir::State::Lists=$a/lists" -o "Dir::Cache=$a/cache" -o APT::Sandbox::User=root)
    [ -n "$(ls "$a/lists" 2>/dev/null | grep -v partial)" ] || apt-get -qq "${opts[@]}" update
    apt-get -qq "${opts[@]}" "$@"
}

# unpack NAME SPEC DIRVAR: fetch Debian's source package SPEC (name[=version]) into the
# work folder once and unpack it with Debian's patches applied; sets DIRVAR to the tree.
unpack() {
    local name=$1 spec=$2 dir=$work/src/$1
    if [ ! -d "$dir" ]; then
        (cd "$work/src" && aptsrc source --download-only "$spec" >/dev/null)
        local dsc
        dsc=$(ls -t "$work/src/${spec%%=*}"_*.dsc | head -1)
        dpkg-source --no-check -x "$dsc" "$dir" >/dev/null
    fi
    printf -v "$3" '%s' "$dir"
}

# A library is built when its stamp names the version asked for.
built() { [ -f "$prefix/.stamps/$1" ] && [ "$(cat "$prefix/.stamps/$1")" = "$2" ]; }
stamp() { echo "$2" > "$prefix/.stamps/$1"; say "$1 $2 built"; }

cmake_lib() { # SRC BUILD ARGS...: configure, build and install a CMake project
    local s=$1 b=$2; shift 2
    # A library is built once into the cache: a compiler cache would only hold it twice.
    env -u CMAKE_C_COMPILER_LAUNCHER -u CMAKE_CXX_COMPILER_LAUNCHER \
    cmake -S "$s" -B "$b" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" "$@" >"$b.log" 2>&1 ||
        { tail -30 "$b.log"; return 1; }
    cmake --build "$b" -j "$jobs" >>"$b.log" 2>&1 || { tail -40 "$b.log"; return 1; }
    cmake --install "$b" >>"$b.log" 2>&1
}

autotools_lib() { # SRC ARGS...: an autotools library, static
    local s=$1; shift
    (cd "$s" && ./configure --host=$triple --prefix="$prefix" --disable-shared --enable-static \
        CC=$triple-gcc-posix "$@" >configure.out 2>&1 && make -j "$jobs" >make.out 2>&1 &&
        make install >>make.out 2>&1) || { tail -30 "$s"/*.out; return 1; }
}

zlib_v=1:1.2.13.dfsg-1
build_zlib() {
    built zlib $zlib_v && return
    local s; unpack zlib zlib=$zlib_v s
    local o=$work/zlib
    mkdir -p "$o" "$prefix/lib"
    for c in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast \
             inflate inftrees trees uncompr zutil; do
        $triple-gcc-posix -O2 -c "$s/$c.c" -o "$o/$c.o"
    done
    rm -f "$prefix/lib/libz.a"
    $triple-gcc-ar-posix rcs "$prefix/lib/libz.a" "$o"/*.o
    install -D -m644 "$s/zlib.h" "$prefix/include/zlib.h"
    install -D -m644 "$s/zconf.h" "$prefix/include/zconf.h"
    stamp zlib $zlib_v
}

sodium_v=1.0.18-1+deb12u1
build_sodium() {
    built libsodium $sodium_v && return
    local s; unpack libsodium libsodium=$sodium_v s
    [ -x "$s/configure" ] || (cd "$s" && ./autogen.sh -s >/dev/null 2>&1)
    autotools_lib "$s" --disable-pie
    stamp libsodium $sodium_v
}

miniupnpc_v=2.2.4-1
build_miniupnpc() {
    built miniupnpc $miniupnpc_v && return
    local s; unpack miniupnpc miniupnpc=$miniupnpc_v s
    cmake_lib "$s" "$work/miniupnpc" -DUPNPC_BUILD_STATIC=ON -DUPNPC_BUILD_SHARED=OFF \
        -DUPNPC_BUILD_TESTS=OFF -DUPNPC_BUILD_SAMPLE=OFF
    stamp miniupnpc $miniupnpc_v
}

# NAT-PMP is left out of the Windows build: the archive no longer serves libnatpmp's source
# for this release (its .dsc is listed, its files are gone) nor whole for the next one, and
# the program maps ports by UPnP alone there, which most home routers speak.

sdl_v=2.26.5+dfsg-1
sdl_build=2   # bumped when the options change
build_sdl() {
    built SDL2 "$sdl_v.$sdl_build" && return
    local s; unpack libsdl2 libsdl2=$sdl_v s
    # Only the game-controller part is used: no sound or drawing. DirectX stays on for
    # XInput and DirectInput, the pads' own interfaces on Windows.
    cmake_lib "$s" "$work/sdl" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF \
        -DSDL_AUDIO=OFF -DSDL_RENDER=OFF -DSDL_VIDEO=ON -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF \
        -DSDL_VULKAN=OFF -DSDL_RENDER_D3D=OFF -DSDL_WASAPI=OFF
    grep -q 'define SDL_JOYSTICK_XINPUT 1' "$work/sdl/include-config-release/SDL_config.h" ||
        { say "SDL has no XInput: pads would not work"; exit 1; }
    stamp SDL2 "$sdl_v.$sdl_build"
}

qt_v=6.4.2
qt_common=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
           -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON)
# Only what the program uses is built: Core, Gui, Widgets, Network, OpenGL (the Windows platform
# plugin of 6.4 needs it on; it picks desktop GL or ANGLE at run time), Concurrent (Qt Multimedia's
# Windows plugin runs its decoding through it) and Test, the windows platform and vista style
# plugins. No SQL, D-Bus, print support or Xml modules, no TLS (online play seals with
# libsodium), no Direct2D platform, no JPEG or GIF, no PDF, ODF or Markdown, and none of the
# widget classes the program never shows (graphics view, MDI, calendar, date editors, wizard,
# dial, ...). Debian's tarball lacks the wintab header: no tablet events. Without Direct2D,
# Qt 6.4 builds no DirectWrite 3 font database but its platform plugin would still ask for one:
# it is switched off too (fonts go through GDI, as by default in 6.4). This cut qtbase's compile
# units from 1,164 to 967.
qtbase_features=(sql dbus printsupport xml tabletevent openssl ssl dtls ocsp zstd system_zlib
                 vulkan direct2d directwrite3 tuiotouch gif jpeg movie pdf textodfwriter textmarkdownreader
                 textmarkdownwriter networklistmanager sctp graphicsview graphicseffect mdiarea
                 calendarwidget datetimeedit fontcombobox fontdialog wizard undoview undogroup
                 undostack undocommand dial lcdnumber keysequenceedit splashscreen commandlinkbutton
                 toolbox columnview datawidgetmapper syntaxhighlighter errormessage tablewidget
                 jalalicalendar islamiccivilcalendar hijricalendar schannel)
qtbase_build=4   # bumped when the options change; the Qt modules built on it follow
build_qtbase() {
    built qtbase "$qt_v+dfsg-10.$qtbase_build" && return
    local s; unpack qtbase qt6-base=$qt_v+dfsg-10 s
    local off=() f
    for f in "${qtbase_features[@]}"; do off+=("-DFEATURE_$f=OFF"); done
    cmake_lib "$s" "$work/qtbase" "${qt_common[@]}" -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
        -DFEATURE_opengl_dynamic=ON -DFEATURE_testlib=ON -DFEATURE_network=ON \
        -DFEATURE_concurrent=ON "${off[@]}"
    stamp qtbase "$qt_v+dfsg-10.$qtbase_build"
}

# A Qt module with nothing of its own to set: its name, Debian's source package and revision.
qt_module() {
    built "$1" "$qt_v-$3.$qtbase_build" && return
    local s; unpack "$1" "$2=$qt_v-$3" s
    cmake_lib "$s" "$work/$1" "${qt_common[@]}"
    stamp "$1" "$qt_v-$3.$qtbase_build"
}

build_qtshadertools() { qt_module qtshadertools qt6-shadertools 1; }

build_qtmultimedia() {
    built qtmultimedia "$qt_v-5.$qtbase_build" && return
    local s; unpack qtmultimedia qt6-multimedia=$qt_v-5 s
    # mingw-w64's import libraries are lower case, and Qt's search asks for Mf, Mfplat, ...:
    # every one is named here.
    local l=/usr/$triple/lib wmf=()
    for n in strmiids amstrmid dmoguids uuid msdmo ole32 oleaut32 mf mfuuid mfplat mfcore propsys; do
        wmf+=("-DWMF_${n^^}_LIBRARY=$l/lib$n.a")
    done
    # The same for headers: the sources include <Mferror.h>, "QUrl.h" and the like, which
    # Windows finds whatever the case; here a header of that name includes the real one.
    local shims=$work/case-shims h low found
    mkdir -p "$shims"
    for h in $(grep -rhoE '#include [<"][A-Za-z0-9_]*[A-Z][A-Za-z0-9_]*\.h[>"]' "$s/src" |
               sed 's/.*[<"]\(.*\)[>"]/\1/' | sort -u); do
        [ -f "/usr/$triple/include/$h" ] || [ -n "$(find "$s/src" -name "$h" -print -quit)" ] && continue
        low=${h,,}
        if [ -f "/usr/$triple/include/$low" ]; then
            echo "#include <$low>" > "$shims/$h"
        elif found=$(cd "$prefix/include" && ls */"$low" 2>/dev/null | head -1) && [ -n "$found" ]; then
            echo "#include <$found>" > "$shims/$h"
        fi
    done
    cmake_lib "$s" "$work/qtmultimedia" "${qt_common[@]}" "${wmf[@]}" "-DCMAKE_CXX_FLAGS=-I$shims" -DFEATURE_ffmpeg=OFF \
        -DFEATURE_gstreamer=OFF -DFEATURE_spatialaudio=OFF -DFEATURE_spatialaudio_quick3d=OFF
    # Without Windows Media Foundation there would be no sound at all, silently.
    [ -f "$prefix/plugins/multimedia/windowsmediaplugin.dll" ] ||
        { say "no Windows Media Foundation plugin: sound would be missing"; exit 1; }
    stamp qtmultimedia "$qt_v-5.$qtbase_build"
}

build_qtwebsockets() { qt_module qtwebsockets qt6-websockets 1; }
build_qthttpserver() { qt_module qthttpserver qt6-httpserver 1; }

# The QR code of the address browsers join at.
qrencode_v=4.1.1-1
build_qrencode() {
    built qrencode $qrencode_v && return
    local s; unpack qrencode qrencode=$qrencode_v s
    cmake_lib "$s" "$work/qrencode" -DWITH_TOOLS=NO -DBUILD_SHARED_LIBS=OFF -DWITH_TESTS=NO
    stamp qrencode $qrencode_v
}

build_libs() {
    command -v $triple-g++-posix >/dev/null ||
        { say "needs g++-mingw-w64-x86-64-posix (tools/deps.sh windows)"; exit 1; }
    local lib t
    for lib in zlib sodium miniupnpc sdl qtbase qtshadertools qtmultimedia; do
        t=$SECONDS
        "build_$lib"
        [ $((SECONDS - t)) -lt 2 ] || say "$lib took $((SECONDS - t)) s"
    done
    # What browser seats need. The archive this machine reaches lists these source packages
    # but no longer serves their files (as with libnatpmp): without them, the Windows build
    # lends no seats to browsers, and says so.
    for lib in qrencode qtwebsockets qthttpserver; do
        t=$SECONDS
        # (Not in an if: there a failing step inside would not stop the subshell.)
        set +e
        ( set -e; "build_$lib" ) >"$work/$lib.out" 2>&1
        local rc=$?
        set -e
        if [ $rc -ne 0 ]; then
            say "$lib: no source to build from ($(grep -m1 -o '404 *Not Found' "$work/$lib.out" || tail -1 "$work/$lib.out")); no browser seats on Windows"
            continue
        fi
        [ $((SECONDS - t)) -lt 2 ] || say "$lib took $((SECONDS - t)) s"
    done
}

build_program() {
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$prefix" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
    cmake --build "$build" -j "$jobs"
}

start=$SECONDS
if [ "${1:-all}" = only ]; then "build_$2"; exit 0; fi   # one library, for working on it
build_libs
say "libraries ready in $prefix ($((SECONDS - start)) s, $(du -sh "$prefix" | cut -f1))"
[ "${1:-all}" = libs ] && exit 0
build_program
say "built in $build ($((SECONDS - start)) s in all)"
