# Shared by scripts/run and scripts/test: the Wine prefix, Xvfb and the persistent wineserver.
root=$(cd "$(dirname "${BASH_SOURCE[0]:-$0}")/.." && pwd)
export WINEPREFIX="$root/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no .NET or Gecko installers during wineboot

wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

# Creates the Wine prefix once (about ten seconds); later runs reuse it. $1: the size of Wine's
# desktop, 1280x1024 unless given.
ensure_wine_prefix() {
  desktop="${1:-1280x1024}"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    echo "creating the Wine prefix in $WINEPREFIX"
    "$wine64" wineboot -i >/dev/null 2>&1 || true
    "$wineserver" -w
  fi
  # Wine's own desktop: top-level windows live inside one X window, so hiding or destroying
  # one does not wait two seconds for a window manager that Xvfb does not have, maximising
  # works, and screenshots show title bars.
  if ! grep -q '"Desktop"="Default"' "$WINEPREFIX/user.reg" 2>/dev/null ||
    ! grep -q "\"Default\"=\"$desktop\"" "$WINEPREFIX/user.reg"; then
    "$wine64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$wine64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop" /f \
      >/dev/null 2>&1
    "$wineserver" -w
  fi
}

# A second prefix at 150 % display scale (LogPixels 144), for the display-scale tests; made like
# the first, once, then reused. Its desktop is as large as a screen that is used at 150 %. A third
# is at 150 % on a 1280 x 1024 screen, too small for some windows at their designed places.
# $1: the prefix, $2: its desktop's size (the second's unless given).
scaled_wineprefix="$root/build/wineprefix-144"
small_scaled_wineprefix="$root/build/wineprefix-144-1280"
ensure_scaled_wine_prefix() {
  (
    export WINEPREFIX="${1:-$scaled_wineprefix}"
    ensure_wine_prefix "${2:-1920x1440}"
    if ! awk '/^\[Control Panel\\\\Desktop\]/ { desk = 1; next } /^\[/ { desk = 0 }
              desk && /^"LogPixels"=dword:00000090/ { found = 1 } END { exit !found }' \
      "$WINEPREFIX/user.reg"; then
      "$wine64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f \
        >/dev/null 2>&1
      "$wineserver" -w
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
