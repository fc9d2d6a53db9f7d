# Shared by scripts/run, scripts/test, scripts/wine-run and the end-to-end scripts: which Wine
# runs the Windows programs, its prefix, Xvfb and the persistent wineserver.
root=$(cd "$(dirname "${BASH_SOURCE[0]:-$0}")/.." && pwd)

# TARVEL_BED names the Wine: unset, the host's own (64-bit); otherwise a test bed, another Debian
# made once under build/beds (scripts/bed.sh) with its Wine installed as a user installs it:
#   deb13       Debian 13 (trixie), Wine 10, 64-bit, entered per command (a chroot)
#   deb12-i386  Debian 12 (bookworm) for 32-bit x86, Wine 8, 32-bit alone: a virtual machine on
#               an emulated processor (scripts/vm.sh), as this machine's kernel runs no 32-bit
#               programs; a whole test stage runs inside it
# Each Wine has prefixes of its own (a wineserver of one version must never open another's):
# build/wineprefix[-BED] (a virtual machine's on its own disk, below), and the same with -144 at
# 150 % display scale. TARVEL_DPI=144 picks the latter for one run. TARVEL_NO_DESKTOP=1 picks
# one without Wine's own desktop (-nodesktop): each top-level window an X window of its own.
bed="${TARVEL_BED:-}"
bed_vm=""                        # set for a bed that is a virtual machine
wine_loader=/usr/lib/wine/wine64 # not Debian's `wine` wrapper, which starts the 32-bit loader first
wine_arch=win64                  # what the prefixes are made for
case "$bed" in
"") ;;
deb13) bed_recipe=(trixie amd64 "wine wine64") ;;
deb12-i386)
  # The test stage runs inside: Xvfb, xdotool, ImageMagick and CTest come with it.
  bed_recipe=(bookworm i386 "wine wine32-preloader"
    "xvfb xdotool x11-xserver-utils imagemagick x11-utils cmake python3")
  bed_vm=1
  wine_loader=/usr/lib/wine/wine wine_arch=win32
  ;;
*)
  echo "unknown test bed TARVEL_BED=$bed" >&2
  return 1 2>/dev/null || exit 1
  ;;
esac
wine_prefix="$root/build/wineprefix${bed:+-$bed}"
# A virtual machine keeps its prefixes on its own disk: writing their thousand files through the
# share with the host took twelve minutes.
[ -z "$bed_vm" ] || wine_prefix=/var/lib/tarvel/wineprefix
# TARVEL_WINEPREFIX names a prefix of a script's own instead (tests/e2e/setup.sh's fresh one).
WINEPREFIX="$wine_prefix${TARVEL_DPI:+-$TARVEL_DPI}${TARVEL_NO_DESKTOP:+-nodesktop}"
export WINEPREFIX="${TARVEL_WINEPREFIX:-$WINEPREFIX}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=" # no .NET or Gecko installers during wineboot

# Commands of the chosen Wine, wherever it is (scripts/wine-run): $wine runs a Windows program,
# also the prefix's own tools (wineboot, reg).
wine="$root/scripts/wine-run"
wineserver() { "$root/scripts/wine-run" --server "$@"; }

# Whether this shell already runs inside the bed TARVEL_BED names (the virtual machine's disk
# says which bed it is).
in_bed() { [ -n "$bed" ] && [ "$(cat /etc/tarvel-bed 2>/dev/null)" = "$bed" ]; }

# Makes the test bed TARVEL_BED names unless it is current (scripts/bed.sh, scripts/vm.sh). One
# process at a time makes it: another waits until it is made (scripts/test makes the beds in the
# background while the stages before theirs run).
ensure_bed() {
  . "$root/scripts/bed.sh"
  [ -z "$bed_vm" ] || . "$root/scripts/vm.sh"
  bed_enterable && mkdir -p "$bed_root" && (
    flock 9
    if [ -n "$bed_vm" ]; then
      vm_ensure "$bed" "${bed_recipe[@]}"
    else
      bed_ensure "$bed" "${bed_recipe[@]}"
    fi
  ) 9>"$bed_root/$bed.lock"
}

# Which Wine runs the programs, for the logs: "wine-8.0 (Debian 8.0~repack-4), 64-bit, host".
wine_version() {
  echo "$("$wine" --version 2>/dev/null), ${wine_arch#win}-bit, ${bed:-host}"
}

# Creates the Wine prefix once (about ten seconds); later runs reuse it. $1: the size of Wine's
# desktop, 1280x1024 unless given.
ensure_wine_prefix() {
  desktop="${1:-1280x1024}"
  # A prefix made for the other kind of Wine cannot serve this one: made anew.
  if [ -f "$WINEPREFIX/system.reg" ] && ! grep -q "^#arch=$wine_arch" "$WINEPREFIX/system.reg"; then
    rm -rf "$WINEPREFIX"
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    echo "creating the Wine prefix in $WINEPREFIX"
    "$wine" wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Under emulation Wine's debugger, started at a crash, did not report within minutes: there a
  # crash ends the process at once, reported by Wine's own line.
  if [ -n "$bed_vm" ] && ! grep -q '^"Debugger"=""' "$WINEPREFIX/system.reg"; then
    "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d "" /f \
      >/dev/null 2>&1
    wineserver -w
  fi
  # Wine's own desktop: top-level windows live inside one X window, so hiding or destroying
  # one does not wait two seconds for a window manager that Xvfb does not have, maximising
  # works, and screenshots show title bars. Users run without it, which a prefix of its own
  # tries (TARVEL_NO_DESKTOP).
  if [ -n "${TARVEL_NO_DESKTOP:-}" ]; then
    if grep -q '^"Desktop"=' "$WINEPREFIX/user.reg"; then
      "$wine" reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1
      wineserver -w
    fi
  elif ! grep -q '"Desktop"="Default"' "$WINEPREFIX/user.reg" 2>/dev/null ||
    ! grep -q "\"Default\"=\"$desktop\"" "$WINEPREFIX/user.reg"; then
    "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop" /f \
      >/dev/null 2>&1
    wineserver -w
  fi
}

# Starts the prefix $WINEPREFIX, where it is not made yet, as a copy of the ordinary one (made
# first): ready at once, where making one takes minutes under emulation. Wine's own program files
# in it, nearly all of its 700 MB, are shared with the ordinary prefix as hard links: nothing
# writes them but Wine's update of a prefix, which writes the same bytes into every prefix of that
# Wine. The rest (the registry, the settings) is each prefix's own. Nine prefixes as full copies
# had filled a machine's disk.
copy_ordinary_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ] && [ -f "$wine_prefix/system.reg" ]; then
    local programs='.*/drive_c/windows/.*\.\(dll\|exe\|sys\|drv\|ocx\|cpl\|acm\|tlb\|ds\|com\|ax'
    programs="$programs\\|nls\\|msstyles\\)"
    local own='for f; do cp -p "$f" "$f.own" && mv -f "$f.own" "$f" || exit 1; done'
    rm -rf "$WINEPREFIX" || return 1
    # Everything linked, then each file that is not one of Wine's programs made a file of its own.
    if cp -al "$wine_prefix" "$WINEPREFIX" 2>/dev/null; then
      find "$WINEPREFIX" -type f ! -iregex "$programs" -exec sh -c "$own" sh {} + && return 0
      rm -rf "$WINEPREFIX"
    fi
    cp -a "$wine_prefix" "$WINEPREFIX" # where the file system has no hard links
  fi
}

# A prefix without Wine's own desktop (TARVEL_NO_DESKTOP), made from the first, once, then reused.
ensure_no_desktop_wine_prefix() {
  (
    export TARVEL_NO_DESKTOP=1 WINEPREFIX="$wine_prefix-nodesktop"
    copy_ordinary_wine_prefix
    ensure_wine_prefix
  )
}

# A second prefix at 150 % display scale (LogPixels 144), for the display-scale tests; made from
# the first, once, then reused. Its desktop is as large as a screen that is used at 150 %. A third
# is at 150 % on a 1280 x 1024 screen, too small for some windows at their designed places.
# $1: the prefix's suffix, which TARVEL_DPI names (144 unless given), $2: its desktop's size.
ensure_scaled_wine_prefix() {
  (
    export TARVEL_DPI="${1:-144}"
    export WINEPREFIX="$wine_prefix-$TARVEL_DPI"
    copy_ordinary_wine_prefix
    ensure_wine_prefix "${2:-1920x1440}"
    if ! awk '/^\[Control Panel\\\\Desktop\]/ { desk = 1; next } /^\[/ { desk = 0 }
              desk && /^"LogPixels"=dword:00000090/ { found = 1 } END { exit !found }' \
      "$WINEPREFIX/user.reg"; then
      "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f \
        >/dev/null 2>&1
      wineserver -w
    fi
  )
}

# Starts Xvfb on the first free display number from 90 and exports DISPLAY. A number whose lock
# file is free may still be held by a server this /tmp does not show (one in another mount
# namespace shares the abstract socket): that Xvfb ends at once, and the next number is tried.
# -noreset: an X server resets, its keyboard map included, whenever its last client leaves, and
# between two programs Wine holds no connection (its desktop ends a second after the last one):
# the key a script gives a letter (tests/e2e/about.sh) would lose it before it is pressed.
start_xvfb() {
  local n=90
  for _ in 1 2 3 4 5; do
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      if [ -e "/tmp/.X11-unix/X$n" ]; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    stop_xvfb
    n=$((n + 1))
  done
  echo "Xvfb did not start on any display up to :$((n - 1))" >&2
  return 1
}

stop_xvfb() {
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
}
