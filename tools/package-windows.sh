#!/usr/bin/env bash
# The Windows installer and the portable zip, from the cross build (tools/cross-windows.sh):
#   dist/lumivex-VERSION-setup.exe   NSIS: Start menu, uninstaller, lumivex:// links, replays
#                                    open in the game, a firewall rule for its UDP
#   dist/lumivex-VERSION-win64.zip   the same files, to run without installing
# Usage: tools/package-windows.sh [BUILD_DIR]   (default build-win)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-win}" && pwd)
prefix=${LUMIVEX_WIN_PREFIX:-$HOME/.cache/lumivex/win64}
triple=x86_64-w64-mingw32
version=$(sed -n 's/^project(Lumivex VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
out=$build/package
stage=$out/Lumivex
rm -rf "$out"
mkdir -p "$stage" "$root/dist"
cmake --install "$build" --prefix "$stage" >/dev/null

# Qt's plugins sit beside the program, where Qt looks first: the window system, the native
# look and the sound output.
for p in platforms/qwindows.dll styles/qwindowsvistastyle.dll multimedia/windowsmediaplugin.dll \
         imageformats/qico.dll imageformats/qsvg.dll; do
    [ -f "$prefix/plugins/$p" ] || continue
    install -D -m644 "$prefix/plugins/$p" "$stage/$p"
done
[ -f "$stage/platforms/qwindows.dll" ] || { echo "package-windows: no qwindows.dll in $prefix" >&2; exit 1; }

# Qt's own translations for its dialogs, for each language the program speaks: Debian's
# (qt6-translations-l10n), the same Qt's, as the Linux program has them.
for qm in "$stage"/translations/lumivex_*.qm; do
    [ -f "$qm" ] || continue
    lang=$(basename "$qm" .qm); lang=${lang#lumivex_}
    for q in "/usr/share/qt6/translations/qtbase_$lang.qm" "/usr/share/qt6/translations/qtbase_${lang%%_*}.qm"; do
        [ -f "$q" ] && { install -m644 "$q" "$stage/translations/qtbase_$lang.qm"; break; }
    done
done

# Every DLL that the program and its plugins import, found among Qt's and SDL's and the
# compiler's own; what Windows itself provides is not shipped.
search=("$prefix/bin" "$(dirname "$($triple-g++-posix -print-file-name=libstdc++-6.dll)")"
        "/usr/$triple/lib")
find_dll() {
    local d f
    for d in "${search[@]}"; do
        f=$(find "$d" -maxdepth 1 -iname "$1" -print -quit 2>/dev/null)
        [ -n "$f" ] && { echo "$f"; return 0; }
    done
    return 0 # one of Windows' own
}
queue=("$stage"/lumivex.exe $(find "$stage" -mindepth 2 -name '*.dll'))
while [ ${#queue[@]} -gt 0 ]; do
    pe=${queue[0]}
    queue=("${queue[@]:1}")
    for dll in $($triple-objdump -p "$pe" | sed -n 's/^\s*DLL Name: //p'); do
        [ -n "$(find "$stage" -maxdepth 1 -iname "$dll" -print -quit)" ] && continue
        from=$(find_dll "$dll")
        [ -n "$from" ] || continue
        install -m644 "$from" "$stage/"
        queue+=("$stage/$(basename "$from")")
    done
done
$triple-strip --strip-unneeded "$stage"/*.dll "$stage"/*/*.dll "$stage"/lumivex.exe

# The uninstaller removes exactly what was installed.
(cd "$stage" && {
    find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
    find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
}) > "$stage.uninstall.nsh"

setup=$root/dist/lumivex-$version-setup.exe
zip=$root/dist/lumivex-$version-win64.zip
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$setup" "$root/share/windows/lumivex.nsi"
rm -f "$zip"
(cd "$out" && cmake -E tar cf "$zip" --format=zip Lumivex)
ls -l "$setup" "$zip" | awk '{ printf "package-windows: %s %.1f MB\n", $NF, $5 / 1048576 }'
