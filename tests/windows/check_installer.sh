#!/usr/bin/env bash
# The Windows installer, silently under Wine (tools/wine-run): it lays out the program, the
# Start-menu entry, the lumivex:// handler and the uninstaller; the installed program runs;
# the uninstaller takes all of it away again. Wine has no Windows firewall, so the firewall
# rule is checked in the installer's script: added on install, deleted on uninstall.
#   check_installer.sh SETUP_EXE VERSION
set -uo pipefail
setup=$1
version=$2
top="$(cd "$(dirname "$0")/../.." && pwd)"
nsi=$top/share/windows/lumivex.nsi
fail() { echo "FAIL: $*"; exit 1; }
[ -s "$setup" ] || fail "no installer at $setup"
install_part=$(sed -n '/^Section "Lumivex"/,/^SectionEnd/p' "$nsi")
uninstall_part=$(sed -n '/^Section "Uninstall"/,/^SectionEnd/p' "$nsi")
for rule in FIREWALL_LAN FIREWALL_ONLINE; do
    echo "$install_part" | grep -q "firewall add rule \${$rule}" || fail "the installer does not add $rule"
    grep -q "^!define $rule .*program=\"\$INSTDIR\\\\lumivex.exe\" protocol=UDP" "$nsi" ||
        fail "$rule is not for the program's UDP"
done
grep -q '^!define FIREWALL_LAN .*localport=31314 profile=private remoteip=localsubnet' "$nsi" ||
    fail "the LAN port is not kept to private networks and the local subnets"
grep -q '^!define FIREWALL_ONLINE .*localport=1-31313,31315-65535 profile=any' "$nsi" ||
    fail "the online rule does not leave the LAN port out"
echo "$uninstall_part" | grep -q 'firewall delete rule name="Lumivex"' || fail "the uninstaller leaves the firewall rule"

cat > /tmp/lumivex-installer-check.$$ <<'INNER'
set -u
setup=$1 version=$2
c=$WINEPREFIX/drive_c
where="$c/Program Files/Lumivex"
fail() { echo "FAIL: $*"; exit 1; }
wine "$setup" /S >/dev/null 2>&1 || fail "the silent install failed"
for f in lumivex.exe lumivex-help.html uninstall.exe Qt6Core.dll Qt6Widgets.dll Qt6Multimedia.dll SDL2.dll \
         platforms/qwindows.dll multimedia/windowsmediaplugin.dll libstdc++-6.dll libwinpthread-1.dll; do
    [ -f "$where/$f" ] || fail "not installed: $f"
done
find "$c" -iname 'Lumivex.lnk' | grep -q . || fail "no Start-menu entry"
for key in 'HKCR\lumivex\shell\open\command' 'HKCR\Lumivex.Replay\shell\open\command'; do
    wine reg query "$key" 2>/dev/null | grep -q 'lumivex.exe" -- "%1"' || fail "$key does not pass its argument after --"
done
wine reg query 'HKCR\lumivex' /v 'URL Protocol' >/dev/null 2>&1 || fail "lumivex:// is not a URL protocol"
got=$(QT_QPA_PLATFORM=offscreen wine "$where/lumivex.exe" --version 2>/dev/null | tr -d '\r')
echo "$got" | grep -q "$version" || fail "the installed program does not run (--version said: $got)"
# It speaks the system's language, its own texts and Qt's (its help's "Usage:"), from the
# translations installed beside it.
for lang in de_DE:Aufruf:Spieler ja_JP:使い方:プレイヤー ar_EG:الاستخدام:لاعبين; do
    IFS=: read -r locale qt own <<<"$lang"
    said=$(LANG=$locale.UTF-8 LC_ALL= LANGUAGE= QT_QPA_PLATFORM=offscreen wine "$where/lumivex.exe" --help 2>/dev/null | tr -d '\r')
    echo "$said" | grep -q "$qt" && echo "$said" | grep -q "$own" ||
        fail "under $locale the help is not translated: $(echo "$said" | head -2 | tr '\n' ' ')"
done
[ -f "$where/translations/lumivex_de.qm" ] && [ -f "$where/translations/qtbase_de.qm" ] || fail "no translations installed"
echo "installer: installed $(find "$where" -type f | wc -l) files, $(du -sm "$where" | cut -f1) MB; the program says: $got; its help is in German, Japanese and Arabic under their locales"
wine "$where/uninstall.exe" /S >/dev/null 2>&1
# The uninstaller runs from a copy of itself; wait until it has finished.
for _ in $(seq 60); do [ -e "$where" ] || break; sleep 0.5; done
[ ! -e "$where" ] || fail "left behind: $(cd "$where" && find . -type f | head -5 | tr '\n' ' ')"
! find "$c" -iname 'Lumivex.lnk' | grep -q . || fail "the Start-menu entry stayed"
! wine reg query 'HKCR\lumivex' >/dev/null 2>&1 || fail "the lumivex:// handler stayed"
echo "installer: uninstalled, nothing left"
INNER
"$top/tools/wine-run" bash /tmp/lumivex-installer-check.$$ "$setup" "$version"
status=$?
rm -f /tmp/lumivex-installer-check.$$
exit $status
