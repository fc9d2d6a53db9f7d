# Shared by scripts/run, scripts/test, scripts/wine-run and the end-to-end scripts: which Wine
# runs the Windows programs, its prefix, Xvfb and the persistent wineserver.
root=$(cd "$(dirname "${BASH_SOURCE[0]:-$0}")/.." && pwd)

# TARVEL_BED names the Wine: unset, the host's own (64-bit); otherwise a test bed, another Debian
# made once under build/beds (scripts/bed.sh) with its Wine installed as a user installs it:
#   deb13       Debian 13 (trixie), Wine 10, 64-bit
#   deb12-i386  Debian 12 (bookworm), Wine 8, 32-bit on an emulated processor (qemu-user)
# Each Wine has prefixes of its own (a wineserver of one version must never open another's):
# build/wineprefix[-BED], and build/wineprefix[-BED]-144 at 150 % display scale. TARVEL_DPI=144
# picks the latter for one run.
bed="${TARVEL_BED:-}"
wine_loader=/usr/lib/wine/wine64 # not Debian's `wine` wrapper, which starts the 32-bit loader first
case "$bed" in
"") ;;
deb13) bed_recipe=(trixie amd64 "wine wine64") ;;
# The 32-bit loader, not wine64, which would put start.exe between the test and the program. The
# 64-bit Wine is there for its wineserver, which then runs natively.
deb12-i386)
  bed_recipe=(bookworm amd64 "wine wine64 wine32:i386 wine32-preloader:i386" i386)
  wine_loader=/usr/lib/wine/wine
  # llvmpipe draws in the calling thread: qemu-user runs the threads of a 32-bit process unreliably.
  export LP_NUM_THREADS=0
  ;;
*)
  echo "unknown test bed TARVEL_BED=$bed" >&2
  return 1 2>/dev/null || exit 1
  ;;
esac
wine_prefix="$root/build/wineprefix${bed:+-$bed}"
export WINEPREFIX="$wine_prefix${TARVEL_DPI:+-$TARVEL_DPI}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=" # no .NET or Gecko installers during wineboot

# Commands of the chosen Wine, wherever it is (scripts/wine-run): $wine runs a Windows program;
# the prefix is made and set with the 64-bit loader, which every Wine here has.
wine="$root/scripts/wine-run"
wine_prefix_tool() { "$root/scripts/wine-run" --wine64 "$@"; }
wineserver() { "$root/scripts/wine-run" --server "$@"; }

# Makes the test bed TARVEL_BED names unless it is current (scripts/bed.sh) and readies it.
# The 32-bit one needs the emulated processor registered with the kernel, and Wine's preloader
# in a form qemu-user loads: without a preloader every start takes about 105 s under qemu.
ensure_bed() {
  . "$root/scripts/bed.sh"
  bed_ensure "$bed" "${bed_recipe[@]}" || return 1
  [ "$bed" = deb12-i386 ] || return 0
  bed_emulate_i386 "$bed" || return 1
  local lib
  lib="$(bed_dir "$bed")/usr/lib/wine"
  [ "$(readlink "$lib/wine-preloader")" = wine-preloader.static ] &&
    "$root/scripts/preloader-for-qemu" "$lib/wine-preloader.static" "$lib/wine-preloader"
  "$wine" --version >/dev/null 2>&1 || {
    echo "the 32-bit Wine of the test bed $bed does not start on the emulated processor" >&2
    return 1
  }
}

# Which Wine runs the programs, for the logs: "wine-8.0 (Debian 8.0~repack-4), 64-bit, host".
wine_version() {
  echo "$("$wine" --version 2>/dev/null), $([ "$wine_loader" = /usr/lib/wine/wine ] && echo 32 || echo 64)-bit, ${bed:-host}"
}

# Creates the Wine prefix once (about ten seconds); later runs reuse it. $1: the size of Wine's
# desktop, 1280x1024 unless given.
ensure_wine_prefix() {
  desktop="${1:-1280x1024}"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    echo "creating the Wine prefix in $WINEPREFIX"
    wine_prefix_tool wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Under emulation Wine's debugger, started at a crash, hangs instead of reporting: there a
  # crash ends the process at once (no debugger to start, in either registry view).
  if [ "$wine_loader" = /usr/lib/wine/wine ] &&
    [ "$(grep -c '^"Debugger"=""' "$WINEPREFIX/system.reg")" -lt 2 ]; then
    for view in "" 'Wow6432Node\'; do
      wine_prefix_tool reg add 'HKLM\Software\'"$view"'Microsoft\Windows NT\CurrentVersion\AeDebug' \
        /v Debugger /d "" /f >/dev/null 2>&1
    done
    wineserver -w
  fi
  # Wine's own desktop: top-level windows live inside one X window, so hiding or destroying
  # one does not wait two seconds for a window manager that Xvfb does not have, maximising
  # works, and screenshots show title bars.
  if ! grep -q '"Desktop"="Default"' "$WINEPREFIX/user.reg" 2>/dev/null ||
    ! grep -q "\"Default\"=\"$desktop\"" "$WINEPREFIX/user.reg"; then
    wine_prefix_tool reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine_prefix_tool reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop" /f \
      >/dev/null 2>&1
    wineserver -w
  fi
}

# A second prefix at 150 % display scale (LogPixels 144), for the display-scale tests; made like
# the first, once, then reused. Its desktop is as large as a screen that is used at 150 %. A third
# is at 150 % on a 1280 x 1024 screen, too small for some windows at their designed places.
# $1: the prefix's suffix, which TARVEL_DPI names (144 unless given), $2: its desktop's size.
scaled_wineprefix="$wine_prefix-144"
ensure_scaled_wine_prefix() {
  (
    export TARVEL_DPI="${1:-144}"
    export WINEPREFIX="$wine_prefix-$TARVEL_DPI"
    ensure_wine_prefix "${2:-1920x1440}"
    if ! awk '/^\[Control Panel\\\\Desktop\]/ { desk = 1; next } /^\[/ { desk = 0 }
              desk && /^"LogPixels"=dword:00000090/ { found = 1 } END { exit !found }' \
      "$WINEPREFIX/user.reg"; then
      wine_prefix_tool reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f \
        >/dev/null 2>&1
      wineserver -w
    fi
  )
}

# Starts Xvfb on the first free display number from 90 and exports DISPLAY.
start_xvfb() {
  n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

stop_xvfb() {
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
}
