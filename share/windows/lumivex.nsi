; The Lumivex installer for Windows (tools/package-windows.sh builds it with makensis).
; Defined on the command line: VERSION, STAGE (the files to install), OUTFILE.
Unicode true
Target amd64-unicode ; a 64-bit installer for a 64-bit program (and Wine without its 32-bit half)
SetCompressor /SOLID lzma
!include "MUI2.nsh"

Name "Lumivex ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Lumivex"
InstallDirRegKey HKLM "Software\Lumivex" "InstallDir"
RequestExecutionLevel admin
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Lumivex"
VIAddVersionKey "FileDescription" "Lumivex installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "The Lumivex developers"

!define MUI_ICON "${STAGE}/lumivex.ico"
!define MUI_UNICON "${STAGE}/lumivex.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\lumivex.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumivex"
; The game's sockets belong to the program. The LAN group's port takes only this computer's
; own subnets on a private network: on public Wi-Fi nobody else is a LAN peer. Every other
; port (the online one, which a player may change) is open to all: online play seals its
; datagrams. Both rules bear one name, so one delete takes both.
!define FIREWALL_LAN 'name="Lumivex" dir=in action=allow program="$INSTDIR\lumivex.exe" protocol=UDP localport=31314 profile=private remoteip=localsubnet enable=yes'
!define FIREWALL_ONLINE 'name="Lumivex" dir=in action=allow program="$INSTDIR\lumivex.exe" protocol=UDP localport=1-31313,31315-65535 profile=any enable=yes'

Section "Lumivex"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\Lumivex" "InstallDir" "$INSTDIR"

  CreateShortcut "$SMPROGRAMS\Lumivex.lnk" "$INSTDIR\lumivex.exe" "" "$INSTDIR\lumivex.exe" 0

  ; lumivex:// links open the game, which joins the online match they name. After "--" the
  ; link is only ever an argument: a link with a stray quote cannot smuggle in an option.
  WriteRegStr HKCR "lumivex" "" "URL:Lumivex link"
  WriteRegStr HKCR "lumivex" "URL Protocol" ""
  WriteRegStr HKCR "lumivex\DefaultIcon" "" "$INSTDIR\lumivex.exe,0"
  WriteRegStr HKCR "lumivex\shell\open\command" "" '"$INSTDIR\lumivex.exe" -- "%1"'
  ; Replays open in the game.
  WriteRegStr HKCR ".lumivex-replay" "" "Lumivex.Replay"
  WriteRegStr HKCR "Lumivex.Replay" "" "Lumivex replay"
  WriteRegStr HKCR "Lumivex.Replay\DefaultIcon" "" "$INSTDIR\lumivex.exe,0"
  WriteRegStr HKCR "Lumivex.Replay\shell\open\command" "" '"$INSTDIR\lumivex.exe" -- "%1"'

  nsExec::ExecToLog 'netsh advfirewall firewall delete rule name="Lumivex"'
  Pop $0
  nsExec::ExecToLog 'netsh advfirewall firewall add rule ${FIREWALL_LAN}'
  Pop $0
  nsExec::ExecToLog 'netsh advfirewall firewall add rule ${FIREWALL_ONLINE}'
  Pop $0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Lumivex"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Lumivex developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lumivex.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  nsExec::ExecToLog 'netsh advfirewall firewall delete rule name="Lumivex"'
  Pop $0
  Delete "$SMPROGRAMS\Lumivex.lnk"
  DeleteRegKey HKCR "lumivex"
  DeleteRegKey HKCR ".lumivex-replay"
  DeleteRegKey HKCR "Lumivex.Replay"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Lumivex"
  ; Only what the installer put there (its list is written by tools/package-windows.sh);
  ; the player's settings and replays live elsewhere and stay.
  !include "${STAGE}.uninstall.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
