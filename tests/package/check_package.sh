#!/usr/bin/env bash
# Checks the built Debian packages: the game's program runs from the unpacked tree, every file
# a desktop needs is there and valid; the relay's package holds its program, service and
# manual page and needs no desktop library; lintian finds no error in either. As root (CI) it
# also installs the packages for real, runs them and removes them again.
#   check_package.sh DEB RELAY_DEB VERSION
set -uo pipefail
deb=$1
relay=$2
version=$3
dir="$(mktemp -d /tmp/lumivex-package.XXXXXX)"
trap 'rm -rf "$dir"' EXIT
passed=0
failed=0
check() { # check NAME COMMAND...
    if "${@:2}" >"$dir/out" 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $1"
        sed 's/^/    /' "$dir/out"
    fi
}
dpkg-deb -x "$deb" "$dir/root" || { echo "FAIL: cannot unpack $deb"; exit 1; }
root=$dir/root
export QT_QPA_PLATFORM=offscreen
check "--version prints $version" bash -c "[ \"\$('$root/usr/games/lumivex' --version)\" = 'lumivex $version' ]"
check "--help lists the options" bash -c "'$root/usr/games/lumivex' --help | grep -q -- '--demo'"
for f in usr/share/applications/lumivex.desktop usr/share/icons/hicolor/scalable/apps/lumivex.svg \
    usr/share/icons/hicolor/48x48/apps/lumivex.png usr/share/icons/hicolor/256x256/apps/lumivex.png \
    usr/share/man/man6/lumivex.6.gz usr/share/metainfo/org.lumivex.Lumivex.metainfo.xml \
    usr/share/doc/lumivex/copyright usr/share/lumivex/lumivex-help.html usr/share/lumivex/translations/lumivex_de.qm; do
    check "$f is in the package" test -s "$root/$f"
done
check "the 256 pixel icon is 256 pixels" bash -c "file '$root/usr/share/icons/hicolor/256x256/apps/lumivex.png' | grep -q '256 x 256'"
check "the desktop entry is valid" desktop-file-validate "$root/usr/share/applications/lumivex.desktop"
check "clicking a lumivex:// link or a replay starts the game" grep -qx "MimeType=x-scheme-handler/lumivex;application/x-lumivex-replay;" "$root/usr/share/applications/lumivex.desktop"
check "replay files have their type" bash -c "xmllint --noout '$root/usr/share/mime/packages/lumivex.xml' && grep -q 'glob pattern=\"\\*.lumivex-replay\"' '$root/usr/share/mime/packages/lumivex.xml'"
check "the metainfo is valid" appstreamcli validate --no-net "$root/usr/share/metainfo/org.lumivex.Lumivex.metainfo.xml"
check "the package depends on Qt, found by shlibdeps" bash -c "dpkg-deb -f '$deb' Depends | grep -q libqt6widgets6 && dpkg-deb -f '$deb' Depends | grep -q libsodium"
dpkg-deb -x "$relay" "$dir/relay" || { echo "FAIL: cannot unpack $relay"; exit 1; }
service=$dir/relay/usr/lib/systemd/system/lumivex-relay.service
check "the game's package no longer holds the relay's service" test ! -e "$root/usr/lib/systemd/system/lumivex-relay.service"
check "the relay's --version prints $version" bash -c "[ \"\$('$dir/relay/usr/games/lumivex-relay' --version)\" = 'lumivex-relay $version' ]"
check "the relay's manual page is in its package" test -s "$dir/relay/usr/share/man/man6/lumivex-relay.6.gz"
check "the relay's service runs the packaged relay as a dynamic user" bash -c "grep -qx 'ExecStart=/usr/games/lumivex-relay --port 31316' '$service' && grep -qx 'DynamicUser=yes' '$service'"
check "the relay's service is shipped disabled (no maintainer script enables it)" bash -c "! dpkg-deb -e '$relay' '$dir/relay.ctl' 2>/dev/null || ! grep -qs 'systemctl\\|deb-systemd' '$dir/relay.ctl'/*"
check "the relay's package needs no desktop library" bash -c "dpkg-deb -f '$relay' Depends | grep -q libsodium && ! dpkg-deb -f '$relay' Depends | grep -Eq 'libqt6(gui|widgets|multimedia)|sdl|libx11'"
check "the relay program links no GUI module" bash -c "! readelf -d '$dir/relay/usr/games/lumivex-relay' | grep -Eq 'Qt6(Gui|Widgets)'"
check "lintian finds no error in the relay's package" lintian --fail-on error "$relay"
check "lintian finds no error" lintian --fail-on error "$deb"
if [ "$(id -u)" = 0 ] && [ "${CI:-}" = true ] && ! dpkg-query -W lumivex >/dev/null 2>&1; then
    check "apt-get installs the package" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(realpath "$deb")"
    check "the installed program runs" bash -c "[ \"\$(/usr/games/lumivex --version)\" = 'lumivex $version' ]"
    check "apt-get removes it again" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq lumivex
fi
if [ "$(id -u)" = 0 ] && [ "${CI:-}" = true ] && ! dpkg-query -W lumivex-relay >/dev/null 2>&1; then
    check "apt-get installs the relay's package" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(realpath "$relay")"
    check "the installed relay runs" bash -c "[ \"\$(/usr/games/lumivex-relay --version)\" = 'lumivex-relay $version' ]"
    check "apt-get removes the relay again" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq lumivex-relay
fi
echo "package: $(stat -c %s "$deb") bytes, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
echo "relay's package: $(stat -c %s "$relay") bytes, installed size $(dpkg-deb -f "$relay" Installed-Size) KiB"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
