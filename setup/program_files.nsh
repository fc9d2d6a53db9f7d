; The program's files in the install folder, replaced so that a failure at any point (a full
; disk, a locked file) leaves the copy that was there whole: the new files are written beside the
; old ones under temporary names (.new), and only once all are written are the old ones set aside
; (.old) and the new ones moved in, each a rename; a failure puts the old ones back.

!define SHIPPED_PROGRAMS "Tarvel.exe GLViewerDemo.exe" ; what a running program would hold

Var Step       ; how far the replacement got: "", extracting, swapping, done
Var MadeFolder ; 1 when this setup created the install folder

!macro ForEachProgramFile MACRO
  !insertmacro ${MACRO} Tarvel.exe
  !insertmacro ${MACRO} GLViewerDemo.exe
  !insertmacro ${MACRO} Uninstall.exe
!macroend

; Sets $0 to the first program file in FOLDER that is in use. A running program's file cannot be
; opened for writing (Windows and Wine alike); opening it changes nothing.
!macro FindFileInUse FOLDER FILE
  ${If} $0 == ""
  ${AndIf} ${FileExists} "${FOLDER}\${FILE}"
    ClearErrors
    FileOpen $1 "${FOLDER}\${FILE}" a
    ${If} ${Errors}
      StrCpy $0 "${FOLDER}\${FILE}"
    ${Else}
      FileClose $1
    ${EndIf}
  ${EndIf}
!macroend

; Before anything changes: a program running from the install folder (or from the folder of the
; copy installed so far) is to be closed first. Asks to retry or cancel; silently, fails.
!macro CloseRunningPrograms UN
  Function ${UN}CloseRunningPrograms
    ${Do}
      StrCpy $0 ""
      !insertmacro FindFileInUse $INSTDIR Tarvel.exe
      !insertmacro FindFileInUse $INSTDIR GLViewerDemo.exe
      ${If} $Registered != ""
        !insertmacro FindFileInUse $Registered Tarvel.exe
        !insertmacro FindFileInUse $Registered GLViewerDemo.exe
      ${EndIf}
      ${If} $0 == ""
        Return
      ${EndIf}
      ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Тарвель сейчас запущен \
          (занят файл «$0»). Закройте его и повторите попытку." /SD IDCANCEL IDRETRY`
        SetErrorLevel ${EXIT_RUNNING}
        Abort
      ${EndIf}
    ${Loop}
  FunctionEnd
!macroend
!insertmacro CloseRunningPrograms ""
!insertmacro CloseRunningPrograms "un."

; Pushes "ok" when the install folder can take the program: made where missing, a file written
; there and deleted. A folder it made in vain goes again.
Function CanWriteInstallFolder
  Push $0
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    CreateDirectory $INSTDIR
    StrCpy $MadeFolder 1
  ${EndIf}
  ClearErrors
  FileOpen $0 "$INSTDIR\Tarvel-setup.tmp" w
  ${If} ${Errors}
    StrCpy $0 no
    ${If} $MadeFolder == 1
      RMDir $INSTDIR
      StrCpy $MadeFolder ""
    ${EndIf}
  ${Else}
    FileClose $0
    Delete "$INSTDIR\Tarvel-setup.tmp"
    StrCpy $0 ok
  ${EndIf}
  Exch $0
FunctionEnd

; Puts the files back at once (an interactive setup stays open on its page until closed) and
; fails.
!macro FailReplacing TEXT
  Call RestoreProgramFiles
  !insertmacro Fail ${EXIT_FAILED} "${TEXT}$\r$\nУстановка прервана, прежние файлы на месте."
!macroend

!macro DeleteLeftOver FILE ; an .old file an earlier setup could not delete
  Delete "$INSTDIR\${FILE}.old"
  ${If} ${FileExists} "$INSTDIR\${FILE}.old"
    !insertmacro FailReplacing "Не удалось удалить файл «$INSTDIR\${FILE}.old»: он занят."
  ${EndIf}
!macroend

!macro SetAside FILE
  ${If} ${FileExists} "$INSTDIR\${FILE}"
    ClearErrors
    Rename "$INSTDIR\${FILE}" "$INSTDIR\${FILE}.old"
    ${If} ${Errors}
      !insertmacro FailReplacing "Не удалось заменить файл «$INSTDIR\${FILE}»: он занят."
    ${EndIf}
  ${EndIf}
!macroend

!macro MoveIn FILE
  ClearErrors
  Rename "$INSTDIR\${FILE}.new" "$INSTDIR\${FILE}"
  ${If} ${Errors}
    !insertmacro FailReplacing "Не удалось записать файл «$INSTDIR\${FILE}»."
  ${EndIf}
!macroend

!macro DeleteSetAside FILE ; one that cannot go now is deleted by the next setup or the uninstaller
  Delete "$INSTDIR\${FILE}.old"
!macroend

; In the section (its size counts the files): the new files, then the swap.
!macro ReplaceProgramFiles
  StrCpy $Step extracting
  !insertmacro ForEachProgramFile DeleteLeftOver
  SetOutPath $INSTDIR
  SetOverwrite on
  ; A file that cannot be written stops the setup (AllowSkipFiles off; silently at once).
  File "/oname=Tarvel.exe.new" "${PROGRAMS}\Tarvel.exe"
  File "/oname=GLViewerDemo.exe.new" "${PROGRAMS}\GLViewerDemo.exe"
  ClearErrors
  WriteUninstaller "$INSTDIR\Uninstall.exe.new"
  ${If} ${Errors}
    !insertmacro FailReplacing "Не удалось записать файл «$INSTDIR\Uninstall.exe»: нет места на \
      диске или файл занят."
  ${EndIf}
  StrCpy $Step swapping
  !insertmacro ForEachProgramFile SetAside
  !insertmacro ForEachProgramFile MoveIn
  StrCpy $Step done
  !insertmacro ForEachProgramFile DeleteSetAside
!macroend

!macro PutBack FILE
  ${IfNot} ${FileExists} "$INSTDIR\${FILE}.new" ; moved in: the new one goes
    Delete "$INSTDIR\${FILE}"
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\${FILE}.old"
    Rename "$INSTDIR\${FILE}.old" "$INSTDIR\${FILE}"
  ${EndIf}
!macroend

!macro DeleteNew FILE
  Delete "$INSTDIR\${FILE}.new"
!macroend

; After a failure: the folder as it was before the setup. Once: the step is forgotten.
Function RestoreProgramFiles
  ${If} $Step == swapping
    !insertmacro ForEachProgramFile PutBack
  ${EndIf}
  ${If} $Step == swapping
  ${OrIf} $Step == extracting
    !insertmacro ForEachProgramFile DeleteNew
  ${EndIf}
  ${If} $MadeFolder == 1
    RMDir $INSTDIR ; only when empty: a failure before the files leaves no empty folder either
  ${EndIf}
  StrCpy $Step ""
FunctionEnd

!macro DeleteProgramFile FOLDER FILE
  Delete "${FOLDER}\${FILE}"
  Delete "${FOLDER}\${FILE}.old"
  Delete "${FOLDER}\${FILE}.new"
!macroend

; The program's files in FOLDER, and nothing else there.
!macro DeleteProgramFiles FOLDER
  !insertmacro DeleteProgramFile "${FOLDER}" Tarvel.exe
  !insertmacro DeleteProgramFile "${FOLDER}" GLViewerDemo.exe
  !insertmacro DeleteProgramFile "${FOLDER}" Uninstall.exe
!macroend

; Installed into another folder than the copy before: that copy's files go (it was not running,
; CloseRunningPrograms saw to it), the folder too when nothing else is left in it.
Function RemoveEarlierCopy
  ${If} $Registered != ""
  ${AndIf} $Registered != $INSTDIR
  ${AndIf} ${FileExists} "$Registered\Tarvel.exe"
    !insertmacro DeleteProgramFiles $Registered
    RMDir $Registered
  ${EndIf}
FunctionEnd

; Deletes the uninstaller's file as soon as no process runs from it, then the folder when empty.
Function un.RemoveUninstallerOnceFree
  ${For} $0 1 100
    Delete "$INSTDIR\Uninstall.exe"
    ${IfNot} ${FileExists} "$INSTDIR\Uninstall.exe"
      ${Break}
    ${EndIf}
    Sleep 100
  ${Next}
  RMDir $INSTDIR
FunctionEnd

; The uninstaller's own file goes last, once no process runs from it. Run as the quiet command
; (_?=, in place, so that the caller gets its exit code) this process runs from that file, which
; it holds open: it starts a copy of the uninstaller in TEMP that deletes the file once this
; process has ended, a moment after. Started without _?=, the uninstaller copies itself to TEMP
; and ends at once: this process is that copy.
Function un.RemoveSelf
  ${If} $EXEDIR == $INSTDIR
    Exec '"$INSTDIR\Uninstall.exe" /AFTER'
  ${Else}
    Call un.RemoveUninstallerOnceFree
  ${EndIf}
FunctionEnd
