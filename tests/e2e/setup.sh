#!/bin/bash
# The setup as a user and an administrator use it, in a fresh prefix whose Documents lie under a
# Cyrillic user name: a silent install; the files, the Start-menu entries (read back through the
# shell's shortcut interface) and the Apps & features entry; the program started as its entry
# starts it, a thought answered, "Your.txt" in Documents\Тарвель; an install and an uninstall
# while it runs fail and change nothing; closed, an older setup is refused and the same one
# installs again; the quiet uninstall leaves the conversations alone and nothing else. In the
# host's stage also the setup's first page, shown and read. The setup is the one this build
# made (ship/, setup/CMakeLists.txt), of the programs this stage tests.
set -u
. "$(dirname "$0")/common.bash"
cd "$work"

ship=$(cd "$bin/../ship" 2>/dev/null && pwd)
setup=$(ls "$ship"/Tarvel-*-setup.exe 2>/dev/null)
[ -f "$setup" ] || fail "no setup in $bin/../ship"
version=${setup##*/Tarvel-}
version=${version%%-*}

# A prefix of its own, anew each time, where nothing was ever installed: the stage's are shared
# with the other scripts. It starts as a copy of the stage's ordinary one where there is one
# (made in minutes under emulation, copied in seconds). Its Wine desktop has a name of its own,
# so that the keys go to this one and not to the stage's.
export TARVEL_WINEPREFIX="$wine_prefix-setup"
export WINEPREFIX="$TARVEL_WINEPREFIX"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d" # no menu entries on this machine
wineserver -k 2>/dev/null
rm -rf "$WINEPREFIX"
copy_ordinary_wine_prefix
ensure_wine_prefix >/dev/null
"$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Setup /f >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Setup /d 1280x1024 /f >/dev/null 2>&1
desktop_window() { xdotool search --name "^Setup - Wine desktop\$" 2>/dev/null | head -1; }
# Documents and the desktop of a user whose name is Cyrillic, as the shell reports them.
for folder in Personal:Documents Desktop:Desktop; do
  mkdir -p "$WINEPREFIX/drive_c/users/Иван/${folder#*:}"
  "$wine" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' \
    /v "${folder%%:*}" /t REG_EXPAND_SZ /d "C:\\users\\Иван\\${folder#*:}" /f >/dev/null 2>&1
done
wineserver -p
trap 'wineserver -k 2>/dev/null' EXIT

unix_path() { local p="${1//\\//}" && echo "$WINEPREFIX/drive_c/${p#C:/}"; } # C:\ paths only
profile=$("$wine" cmd /c echo %USERPROFILE% | tr -d '\r')
install_win="$profile\\AppData\\Local\\Programs\\Tarvel"
install=$(unix_path "$install_win")
menu_win="$profile\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs"
menu=$(unix_path "$menu_win")
conversations_win='C:\users\Иван\Documents\Тарвель'
conversations=$(unix_path "$conversations_win")
desktop=$(unix_path 'C:\users\Иван\Desktop')
key='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvel'

# The Apps & features entry as regedit exports it, into $work/entry: empty when there is none.
# (Each Wine program takes seconds to start under emulation: the entry is read once a step.)
read_entry() {
  : >"$work/entry"
  "$wine" reg query "$key" >/dev/null 2>&1 || return 0 # Wine 10's regedit would show a box
  "$wine" regedit /E "Z:$work/entry.reg" "$key" >/dev/null 2>&1 &&
    iconv -f UTF-16 -t UTF-8 "$work/entry.reg" | tr -d '\r' >"$work/entry"
}
# A value of the entry last read: a string unquoted, a number as dword:XXXXXXXX.
entry_value() {
  sed -n "s/^\"$1\"=//p" "$work/entry" |
    sed -e 's/^"\(.*\)"$/\1/' -e 's/\\"/"/g' -e 's/\\\\/\\/g'
}
# The program files and the Apps & features entry, to tell whether anything changed.
state() {
  (cd "$install" 2>/dev/null && ls -A && sha256sum -- *)
  read_entry && cat "$work/entry"
}
# The quiet uninstall command exactly as the entry gives it to administrators.
uninstall_quietly() {
  local command program arguments
  command=$(entry_value QuietUninstallString)
  program=${command#\"} && program=${program%%\"*}
  read -r -a arguments <<<"${command#\""$program"\" }" # no spaces inside them here
  "$wine" "$program" "${arguments[@]}"
}

# Windows older than the programs' floor (7 SP1) is refused, and nothing is installed.
"$wine" reg add 'HKCU\Software\Wine' /v Version /d vista /f >/dev/null 2>&1
"$wine" "$setup" /S
status=$?
"$wine" reg delete 'HKCU\Software\Wine' /v Version /f >/dev/null 2>&1
[ "$status" = 5 ] || fail "on Windows Vista the setup ended with $status, not 5"
read_entry
[ ! -e "$install" ] && [ ! -s "$work/entry" ] || fail "installed on Windows Vista"

# The silent install: the programs this stage tests, less their symbols, and nothing else; the
# conversations' folder; no desktop shortcut unless chosen.
started=$(date +%s%N)
"$wine" "$setup" /S || fail "the silent install ended with $?"
echo "setup: silent install in $((($(date +%s%N) - started) / 1000000)) ms"
[ "$(ls -A "$install")" = $'GLViewerDemo.exe\nTarvel.exe\nUninstall.exe' ] ||
  fail "the install folder holds: $(ls -A "$install")"
for program in Tarvel GLViewerDemo; do
  cmp -s "$install/$program.exe" "$ship/$program.exe" || fail "$program.exe is not the tested one"
done
# The uninstaller too carries the version and the program's icon.
python3 "$root/tests/e2e/version_and_icon.py" "$install/Uninstall.exe" "$version" \
  "$root/src/app/tarvel.ico" || fail "Uninstall.exe lacks the version or the icon"
[ -d "$conversations" ] || fail "no folder $conversations_win"
[ ! -e "$desktop/Тарвель.lnk" ] || fail "a desktop shortcut though none was chosen"

# The Start-menu entries, as the shell reads them: the program started in the conversations'
# folder, and Explorer showing that folder.
link=$(probe link "$menu_win\\Тарвель.lnk") || fail "no Start-menu entry Тарвель"
[ "$link" = "$install_win\\Tarvel.exe"$'\n\n'"$conversations_win" ] ||
  fail "the entry Тарвель: $link"
link=$(probe link "$menu_win\\Тарвель — папка разговоров.lnk") || fail "no entry for the folder"
[[ "$link" == 'C:\windows\explorer.exe'$'\n'"\"$conversations_win\""$'\n'* ]] ||
  fail "the entry for the folder: $link"

# The Apps & features entry.
read_entry
expect() {
  [ "$(entry_value "$1")" = "$2" ] || fail "Apps & features: $1 is \"$(entry_value "$1")\", not \"$2\""
}
expect DisplayName "Тарвель"
expect DisplayVersion "$version"
expect Publisher "Проект Тарвель"
expect DisplayIcon "$install_win\\Tarvel.exe,0"
expect InstallLocation "$install_win"
expect UninstallString "\"$install_win\\Uninstall.exe\""
expect QuietUninstallString "\"$install_win\\Uninstall.exe\" /S _?=$install_win"
expect NoModify dword:00000001
expect NoRepair dword:00000001
size=$((16#$(entry_value EstimatedSize | sed 's/^dword://')))
programs=$((($(stat -c %s "$install/Tarvel.exe" "$install/GLViewerDemo.exe" | paste -sd+)) / 1024))
[ "$size" -ge "$programs" ] && [ "$size" -le $((programs + 16)) ] ||
  fail "Apps & features: EstimatedSize $size KB for $programs KB of programs"

# The program as its entry starts it: a thought answered.
probe open "$menu_win\\Тарвель.lnk" || fail "the Start-menu entry did not open"
probe wait "ver. $version" 20000 || fail "the entry did not start the program"
probe front "ver. $version"
sleep 0.5
type_text "Hello, оракул"
key Return
sleep 0.5
text="$(probe text "ver. $version" EDIT; printf x)"
answered=$'^Hello, оракул\r\n[0-9AB]{8} - [^\r\n]+\\.\r\nx$'
[[ "$text" =~ $answered ]] ||
  fail "no answer in the program started from the Start menu: $text"

# While it runs, installing and uninstalling fail silently and change nothing.
before=$(state)
"$wine" "$setup" /S
status=$?
[ "$status" = 3 ] || fail "installing over the running program ended with $status, not 3"
uninstall_quietly
status=$?
[ "$status" = 3 ] || fail "uninstalling the running program ended with $status, not 3"
[ "$(state)" = "$before" ] || fail "the installed copy changed while the program ran: $(state)"
probe wait "ver. $version" 1000 || fail "the program did not survive the setup"

# Closed, it has logged the conversation in the conversations' folder.
probe close "ver. $version"
probe gone "ver. $version" 20000 || fail "the program did not close"
for _ in $(seq 50); do # the record is appended, then the journal deleted
  [ -f "$conversations/Your.txt" ] && ! compgen -G "$conversations/Your.txt.*.journal" >/dev/null &&
    break
  sleep 0.1
done
log="$(iconv -f CP1251 -t UTF-8 "$conversations/Your.txt" 2>/dev/null; printf x)"
logged=$'^[^\r\n]+\r\nHello, оракул\r\n'
[[ "$log" =~ $logged ]] || fail "no conversation in $conversations_win\\Your.txt: $log"
[ "$(ls "$install")" = "$(printf '%s\n' GLViewerDemo.exe Tarvel.exe Uninstall.exe)" ] ||
  fail "the program wrote into its install folder: $(ls -A "$install")"
cp "$conversations/Your.txt" "$work/Your.txt"

# A setup older than the installed version is refused; the same one installs again, leaving
# the conversations alone.
"$wine" reg add "$key" /v DisplayVersion /d 99.0.0.0 /f >/dev/null 2>&1
before=$(state)
"$wine" "$setup" /S
status=$?
[ "$status" = 4 ] || fail "installing over a newer version ended with $status, not 4"
[ "$(state)" = "$before" ] || fail "the refused setup changed the installed copy"
"$wine" reg add "$key" /v DisplayVersion /d "$version" /f >/dev/null 2>&1
"$wine" "$setup" /S || fail "installing again ended with $?"
read_entry
expect DisplayVersion "$version"
[ "$(ls -A "$install")" = $'GLViewerDemo.exe\nTarvel.exe\nUninstall.exe' ] ||
  fail "after installing again the folder holds: $(ls -A "$install")"
cmp -s "$conversations/Your.txt" "$work/Your.txt" || fail "installing again changed Your.txt"

# The quiet uninstall, with its exit code: the program, its entries and its folder go (the
# uninstaller's own file a moment after it ends); the conversations stay, byte for byte.
uninstall_quietly || fail "the quiet uninstall ended with $?"
for _ in $(seq 100); do [ ! -e "$install" ] && break; sleep 0.1; done
[ ! -e "$install" ] || fail "left in the install folder: $(ls -A "$install")"
[ -z "$(ls "$menu" | grep Тарвель)" ] || fail "Start-menu entries left: $(ls "$menu")"
read_entry
[ ! -s "$work/entry" ] || fail "the Apps & features entry is left"
cmp -s "$conversations/Your.txt" "$work/Your.txt" || fail "uninstalling changed Your.txt"
[ -f "$conversations/untitled.ini" ] || fail "uninstalling deleted .\\untitled.ini"

# Once, in the host's stage: the setup's first page as a user sees it, in Russian.
if [ -z "$bed" ]; then
  "$wine" "$setup" &
  pid=$!
  probe wait "Установка Тарвель" 20000 || fail "the setup's first page did not show"
  sleep 1
  texts=$(probe texts "Установка Тарвель")
  for phrase in "Вас приветствует мастер установки Тарвель" "установит Тарвель $version" \
    "в папку «Тарвель» в ваших документах" "Далее" "Отмена"; do
    [[ "$texts" == *"$phrase"* ]] || fail "the first page does not say \"$phrase\": $texts"
  done
  import -window root "$shots/setup-welcome.png"
  kill "$pid" && wait "$pid"
  [ ! -e "$install" ] || fail "the setup's first page made $install"
fi
echo "setup: installed silently, started from its entry, refused while running and over a newer" \
  "version, uninstalled leaving the conversations"
