#!/bin/bash
# The release as a user downloads it: scripts/package writes the two archives, the two setups
# and their checksum list; each archive holds the programs the tests ran (less their symbols),
# undated PE headers, no build folder, system DLLs only, a manifest aware of the display scale,
# and a Windows-1251 README; every entry carries the last commit's date. Each setup is the one
# its build made, for its machine, with the version and the program's icon (tests/e2e/setup.sh
# installs it). No program imports a function newer than Windows 7 SP1.
set -u
. "$(dirname "$0")/common.bash"
cd "$root"

version=5.5.0.5
archives=("Tarvel-$version-win32.zip" "Tarvel-$version-win64.zip")
setups=("Tarvel-$version-win32-setup.exe" "Tarvel-$version-win64-setup.exe")
"$root/scripts/package" >"$work/package.log" 2>&1 || fail "scripts/package failed: $(tail -20 "$work/package.log")"

listed=$(printf '%s\n' SHA256SUMS "${archives[@]}" "${setups[@]}" | LC_ALL=C sort)
[ "$(ls dist | LC_ALL=C sort)" = "$listed" ] || fail "dist holds: $(ls dist)"
sums=$(cut -d' ' -f3 dist/SHA256SUMS)
[ "$sums" = "$(printf '%s\n' "${archives[0]}" "${setups[0]}" "${archives[1]}" "${setups[1]}")" ] ||
  fail "SHA256SUMS names: $sums"
(cd dist && sha256sum --check --strict --quiet SHA256SUMS) || fail "a checksum does not match"

# Listing, dates and README, read with the zip reader of Python's library.
python3 - "$(git log -1 --format=%ct)" "$version" "$work" "${archives[@]/#/dist/}" <<'PY' || fail "archive contents"
import sys, time, zipfile
epoch, version, out, archives = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4:]
stamp = time.gmtime(epoch - epoch % 2)[:6]  # a zip time counts in two-second steps
ok = True
def check(condition, what):
    global ok
    if not condition:
        print("FAIL:", what)
        ok = False
for path in archives:
    arch = path[-9:-4]
    with zipfile.ZipFile(path) as archive:
        entries = archive.infolist()
        check([e.filename for e in entries] == ["Tarvel.exe", "GLViewerDemo.exe", "README.txt"],
              f"{path} lists {[e.filename for e in entries]}")
        for e in entries:
            check(e.date_time == stamp, f"{e.filename} dated {e.date_time}, not {stamp}")
            check(e.extra == b"" and e.create_system == 0, f"{e.filename}: extra fields or mode")
        check(archive.testzip() is None, f"{path} is damaged")
        archive.extractall(f"{out}/{arch}")
    readme = open(f"{out}/{arch}/README.txt", "rb").read()
    check(readme.replace(b"\r\n", b"").find(b"\n") < 0 and readme.endswith(b"\r\n"), "README lines")
    text = readme.decode("cp1251")
    check(text.startswith("Тарвель, версия " + version), "README title")
    for phrase in ("Your.txt", ".\\untitled.ini", "Enter", "Tarvel.exe", "GLViewerDemo.exe",
                   "-setup.exe", ".zip"):
        check(phrase in text, f"README does not name {phrase}")
sys.exit(0 if ok else 1)
PY

# The programs import only functions that Windows 7 SP1 has (release/windows7-imports.txt);
# newer ones are looked up at run time.
"$root/scripts/check-imports" "$work"/win{32,64}/{Tarvel,GLViewerDemo}.exe >&2 ||
  fail "a program imports a function that Windows 7 SP1 lacks"

# The programs: the tested builds less their symbols, with undated headers, no build folder and
# only Windows' own DLLs; both declare that they scale themselves to the display.
system_dlls=" kernel32.dll user32.dll gdi32.dll comdlg32.dll shell32.dll msvcrt.dll opengl32.dll "
cached() { sed -n "s/^$2:[A-Z]*=//p" "$root/build/release-$1/CMakeCache.txt"; } # cached ARCH NAME
declare -A format=([win32]=pei-i386 [win64]=pei-x86-64)
for arch in win32 win64; do
  for program in Tarvel GLViewerDemo; do
    shipped="$work/$arch/$program.exe"
    tested="$root/build/$arch/bin/$program.exe"
    if [ -f "$tested" ]; then
      SOURCE_DATE_EPOCH=0 "$(cached $arch CMAKE_STRIP)" -o "$work/tested.exe" "$tested"
      cmp -s "$work/tested.exe" "$shipped" || fail "$arch/$program.exe is not the tested build"
    fi
    dump=$(TZ=UTC "$(cached $arch CMAKE_OBJDUMP)" -p "$shipped") # dates in UTC
    grep -q "file format ${format[$arch]}$" <<<"$dump" || fail "$arch/$program.exe: wrong machine"
    grep -q $'^Time/Date\t\tThu Jan  1 00:00:00 1970$' <<<"$dump" ||
      fail "$arch/$program.exe has a dated header"
    for dll in $(sed -n 's/^\tDLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z'); do
      [[ "$system_dlls" == *" $dll "* ]] || fail "$arch/$program.exe imports $dll"
    done
    ! grep -q -a -F -e "$root" -e "build/release" "$shipped" || fail "$arch/$program.exe names a build folder"
    grep -q -a '<dpiAwareness [^>]*>PerMonitorV2, PerMonitor</dpiAwareness>' "$shipped" ||
      fail "$arch/$program.exe does not declare itself aware of the display scale"
  done
done

for arch in win32 win64; do
  setup="dist/Tarvel-$version-$arch-setup.exe"
  TZ=UTC "$(cached $arch CMAKE_OBJDUMP)" -p "$setup" | grep -q "file format ${format[$arch]}$" ||
    fail "$setup: wrong machine"
  python3 "$root/tests/e2e/version_and_icon.py" "$setup" "$version" "$root/src/app/tarvel.ico" ||
    fail "$setup lacks the version or the icon"
done
echo "package: $(tr '\n' ' ' <dist/SHA256SUMS)"
