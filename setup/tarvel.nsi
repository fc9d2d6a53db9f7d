; The setup of Tarvel for one architecture, made by setup/CMakeLists.txt:
;   makensis -INPUTCHARSET UTF8 -DVERSION=5.5.0.5 -DARCH=win64|win32 -DPROGRAMS=FOLDER
;            -DICON=FILE.ico -DOUTFILE=SETUP.exe tarvel.nsi
; It installs for the current user alone, without administrator rights, into
; %LOCALAPPDATA%\Programs\Tarvel, and its shortcuts start the program in "Тарвель" in the user's
; Documents, where the program keeps the conversations (Your.txt, its journals, .\untitled.ini).
; That folder is the user's: neither the setup nor the uninstaller deletes anything in it.
;
; Exit codes (/S installs and uninstalls silently, /D= names the folder):
;   0 done, 1 cancelled by the user, 2 failed (nothing changed, or the program is whole),
;   3 the program is running from that folder, 4 a newer version is installed,
;   5 Windows is older than 7 SP1.
Unicode true
!if ${ARCH} == win64
  Target amd64-unicode
!else
  Target x86-unicode
!endif
SetCompressor /SOLID lzma
SetDateSave off ; no file times inside: the same commit gives the same bytes
RequestExecutionLevel user
ManifestDPIAware true
AllowSkipFiles off ; a file that cannot be written stops the setup, never skipped

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvel"
!define EXIT_FAILED 2
!define EXIT_RUNNING 3
!define EXIT_NEWER 4
!define EXIT_OLD_WINDOWS 5
!define MAIN_SHORTCUT "Тарвель.lnk"
!define FOLDER_SHORTCUT "Тарвель — папка разговоров.lnk"

Name "Тарвель"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tarvel"
InstallDirRegKey HKCU "${KEY}" InstallLocation
BrandingText "Тарвель ${VERSION}"

!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include WinVer.nsh
!include MUI2.nsh

Var Conversations ; the program's working folder: Тарвель in the user's Documents
Var Registered    ; the folder of the copy already installed, if any

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "Эта программа установит Тарвель ${VERSION} для вас; права \
  администратора не нужны.$\r$\n$\r$\nРазговоры Тарвель будет записывать в папку «Тарвель» \
  в ваших документах. При обновлении и при удалении программы они останутся.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Запустить Тарвель"
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Создать ярлык на рабочем столе"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION MakeDesktopShortcut
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "Тарвель будет удалён из этой папки. Разговоры в папке \
  «$Conversations» останутся."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Russian"

!pragma warning disable 9100 ; no LegalCopyright: the project names no holder
VIProductVersion ${VERSION}
VIFileVersion ${VERSION}
VIAddVersionKey /LANG=${LANG_RUSSIAN} ProductName "Тарвель"
VIAddVersionKey /LANG=${LANG_RUSSIAN} CompanyName "Проект Тарвель"
VIAddVersionKey /LANG=${LANG_RUSSIAN} FileDescription "Установка Тарвеля ${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} FileVersion ${VERSION}
VIAddVersionKey /LANG=${LANG_RUSSIAN} ProductVersion ${VERSION}

; Says why (no box when silent) and ends with an exit code; in a section the files already
; changed are put back first (.onInstFailed).
!macro Fail CODE TEXT
  MessageBox MB_OK|MB_ICONSTOP "${TEXT}" /SD IDOK
  SetErrorLevel ${CODE}
  Abort
!macroend

!include program_files.nsh

Function .onInit
  ${IfNot} ${AtLeastBuild} 7601 ; Windows 7 SP1, the programs' floor
    MessageBox MB_OK|MB_ICONSTOP "Тарвель работает в Windows 7 с пакетом обновления 1 (SP1) \
      и в более новых версиях Windows. На этом компьютере его установить нельзя." /SD IDOK
    SetErrorLevel ${EXIT_OLD_WINDOWS}
    Quit
  ${EndIf}
  ReadRegStr $0 HKCU "${KEY}" DisplayVersion
  ${If} $0 != ""
    ${VersionCompare} $0 ${VERSION} $1
    ${If} $1 == 1
      MessageBox MB_OK|MB_ICONSTOP "Уже установлена более новая версия Тарвеля ($0). Чтобы \
        установить версию ${VERSION}, сначала удалите её (Параметры — Приложения); разговоры \
        при этом останутся." /SD IDOK
      SetErrorLevel ${EXIT_NEWER}
      Quit
    ${EndIf}
  ${EndIf}
  ReadRegStr $Registered HKCU "${KEY}" InstallLocation
  StrCpy $Conversations "$DOCUMENTS\Тарвель"
FunctionEnd

Function DirectoryLeave
  Call CanWriteInstallFolder
  Pop $0
  ${If} $0 != ok
    MessageBox MB_OK|MB_ICONEXCLAMATION "В папку «$INSTDIR» нельзя записывать. Выберите \
      другую папку."
    Abort ; stays on the page
  ${EndIf}
FunctionEnd

Section "-Тарвель" Program
  Call CloseRunningPrograms
  Call CanWriteInstallFolder
  Pop $0
  ${If} $0 != ok
    !insertmacro Fail ${EXIT_FAILED} "В папку «$INSTDIR» нельзя записывать."
  ${EndIf}
  ${IfNot} ${FileExists} "$Conversations\*.*"
    CreateDirectory $Conversations
    ${IfNot} ${FileExists} "$Conversations\*.*"
      !insertmacro Fail ${EXIT_FAILED} "Не удалось создать папку для разговоров «$Conversations»."
    ${EndIf}
  ${EndIf}
  !insertmacro ReplaceProgramFiles

  ; The shortcuts take $OUTDIR as their working folder.
  SetOutPath $Conversations
  ClearErrors
  CreateShortcut "$SMPROGRAMS\${MAIN_SHORTCUT}" "$INSTDIR\Tarvel.exe" "" "" "" "" "" \
    "Поговорить с Тарвелем"
  ; Explorer with the folder rather than a link to the folder: a link keeps its target's path in
  ; the ANSI code page too, which Wine reads back ("C:\users\????") under a Latin one.
  CreateShortcut "$SMPROGRAMS\${FOLDER_SHORTCUT}" "$WINDIR\explorer.exe" '"$Conversations"' \
    "$SYSDIR\shell32.dll" 3 "" "" "Папка, где Тарвель хранит разговоры (Your.txt)"
  ${If} ${FileExists} "$DESKTOP\${MAIN_SHORTCUT}" ; chosen at an earlier install: kept current
    CreateShortcut "$DESKTOP\${MAIN_SHORTCUT}" "$INSTDIR\Tarvel.exe"
  ${EndIf}

  SectionGetSize ${Program} $0
  WriteRegStr HKCU "${KEY}" DisplayName "Тарвель"
  WriteRegStr HKCU "${KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKCU "${KEY}" Publisher "Проект Тарвель"
  WriteRegStr HKCU "${KEY}" DisplayIcon "$INSTDIR\Tarvel.exe,0"
  WriteRegStr HKCU "${KEY}" InstallLocation "$INSTDIR"
  WriteRegDWORD HKCU "${KEY}" EstimatedSize $0
  WriteRegStr HKCU "${KEY}" UninstallString '"$INSTDIR\Uninstall.exe"'
  ; Runs in place and waits, so that the exit code is the uninstaller's own.
  WriteRegStr HKCU "${KEY}" QuietUninstallString '"$INSTDIR\Uninstall.exe" /S _?=$INSTDIR'
  WriteRegDWORD HKCU "${KEY}" NoModify 1
  WriteRegDWORD HKCU "${KEY}" NoRepair 1
  WriteRegStr HKCU "${KEY}" Conversations "$Conversations" ; for the uninstaller
  ${If} ${Errors}
    !insertmacro Fail ${EXIT_FAILED} "Тарвель установлен, но не удалось создать его ярлыки \
      или запись в списке программ."
  ${EndIf}
  Call RemoveEarlierCopy
SectionEnd

Function .onInstFailed
  Call RestoreProgramFiles
FunctionEnd

Function StartProgram
  SetOutPath $Conversations ; the working folder, as the shortcuts give it
  Exec '"$INSTDIR\Tarvel.exe"'
FunctionEnd

Function MakeDesktopShortcut
  SetOutPath $Conversations
  CreateShortcut "$DESKTOP\${MAIN_SHORTCUT}" "$INSTDIR\Tarvel.exe" "" "" "" "" "" \
    "Поговорить с Тарвелем"
FunctionEnd

Function un.onInit
  ${un.GetParameters} $0
  ClearErrors
  ${un.GetOptions} $0 /AFTER $1
  ${IfNot} ${Errors} ; started by the quiet uninstaller to delete its file (un.RemoveSelf)
    Call un.RemoveUninstallerOnceFree
    Quit
  ${EndIf}
  ReadRegStr $Conversations HKCU "${KEY}" Conversations
FunctionEnd

Section Uninstall
  Call un.CloseRunningPrograms
  !insertmacro DeleteProgramFiles $INSTDIR
  ${If} ${FileExists} "$INSTDIR\Tarvel.exe"
  ${OrIf} ${FileExists} "$INSTDIR\GLViewerDemo.exe"
    !insertmacro Fail ${EXIT_FAILED} "Не удалось удалить программу из папки «$INSTDIR»."
  ${EndIf}
  Delete "$SMPROGRAMS\${MAIN_SHORTCUT}"
  Delete "$SMPROGRAMS\${FOLDER_SHORTCUT}"
  Delete "$DESKTOP\${MAIN_SHORTCUT}"
  DeleteRegKey HKCU "${KEY}"
  ${If} $Conversations != ""
    RMDir $Conversations ; only when empty: the conversations stay
  ${EndIf}
  Call un.RemoveSelf
SectionEnd
