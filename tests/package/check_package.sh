#!/usr/bin/env bash
# Checks a built Debian package: its program runs from the unpacked tree, every file a
# desktop needs is there and valid, and lintian finds no error. As root (CI) it also
# installs the package for real, runs it and removes it again.
#   check_package.sh DEB VERSION
set -uo pipefail
deb=$1
version=$2
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
    usr/share/doc/lumivex/copyright usr/share/lumivex/lumivex-help.html; do
    check "$f is in the package" test -s "$root/$f"
done
check "the 256 pixel icon is 256 pixels" bash -c "file '$root/usr/share/icons/hicolor/256x256/apps/lumivex.png' | grep -q '256 x 256'"
check "the desktop entry is valid" desktop-file-validate "$root/usr/share/applications/lumivex.desktop"
check "clicking a lumivex:// link or a replay starts the game" grep -qx "MimeType=x-scheme-handler/lumivex;application/x-lumivex-replay;" "$root/usr/share/applications/lumivex.desktop"
check "replay files have their type" bash -c "xmllint --noout '$root/usr/share/mime/packages/lumivex.xml' && grep -q 'glob pattern=\"\\*.lumivex-replay\"' '$root/usr/share/mime/packages/lumivex.xml'"
check "the metainfo is valid" appstreamcli validate --no-net "$root/usr/share/metainfo/org.lumivex.Lumivex.metainfo.xml"
check "the package depends on Qt, found by shlibdeps" bash -c "dpkg-deb -f '$deb' Depends | grep -q libqt6widgets6 && dpkg-deb -f '$deb' Depends | grep -q libsodium"
check "the relay's service runs the packaged program as a dynamic user" bash -c "grep -qx 'ExecStart=/usr/games/lumivex --relay --port 31316' '$root/usr/lib/systemd/system/lumivex-relay.service' && grep -qx 'DynamicUser=yes' '$root/usr/lib/systemd/system/lumivex-relay.service'"
check "the relay's service is shipped disabled (no maintainer script enables it)" bash -c "! dpkg-deb -e '$deb' '$root.ctl' 2>/dev/null || ! grep -qs 'systemctl\\|deb-systemd' '$root.ctl'/*"
check "lintian finds no error" lintian --fail-on error "$deb"
if [ "$(id -u)" = 0 ] && [ "${CI:-}" = true ] && ! dpkg-query -W lumivex >/dev/null 2>&1; then
    check "apt-get installs the package" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(realpath "$deb")"
    check "the installed program runs" bash -c "[ \"\$(/usr/games/lumivex --version)\" = 'lumivex $version' ]"
    check "apt-get removes it again" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq lumivex
fi
echo "package: $(stat -c %s "$deb") bytes, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
