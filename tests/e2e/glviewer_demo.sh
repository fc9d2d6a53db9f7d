#!/bin/bash
# The 3D view's demo program as a person uses it: a right click opens the view's popup menu, its
# "Опции" > "Анимация" opens the animation-speed window with the speed in its field, a left drag
# goes to the view, and closing the window ends the program. That the drag turns the scene is
# checked in the Windows tests (demo_host_win_tests): Wine on Xvfb draws a child window's OpenGL
# but does not show it on the X screen, so the view's area looks empty in screenshots.
set -u
. "$(dirname "$0")/common.bash"
cd "$work"

[ -x "$bin/GLViewerDemo.exe" ] || fail "GLViewerDemo.exe is not built in $bin"
"$wine64" "$bin/GLViewerDemo.exe" &
pid=$!
probe wait "GLViewer Demo" 20000 || fail "the demo window did not open"
probe front "GLViewer Demo"
sleep 1

# The window is placed at (100, 100), 640 x 480, and the view fills its client area, so this
# point is in the view. The menu opens down and to the right of the click.
x=420 y=340
brightness() { # mean brightness of the 60 x 60 screen square just below and right of the click
  import -window root -crop 60x60+$((x + 5))+$((y + 5)) +repage "$1" 2>/dev/null
  convert "$1" -colorspace Gray -format "%[fx:mean]" info:
}
before=$(brightness "$shots/demo-before-menu.png")
xdotool mousemove --sync "$x" "$y" click 3
menu=""
for _ in $(seq 10); do # looked at every half second, for up to five seconds on a loaded machine
  sleep 0.5
  after=$(brightness "$shots/demo-menu.png")
  if awk -v b="$before" -v a="$after" 'BEGIN { exit !(a > b + 0.3) }'; then
    menu=yes
    break
  fi
done
import -window root "$shots/demo-menu-screen.png"
[ -n "$menu" ] || fail "no popup menu at the right click (brightness $before before, $after after)"

# The last top-level item is "Опции"; its last item is "Анимация".
key Up Right Up Return
probe wait "Скорость анимации" 5000 || fail "Анимация did not open the animation-speed window"
speed="$(probe text "Скорость анимации" Edit)"
[ "$speed" = "1" ] || fail "the speed field holds '$speed', not the demo's speed 1"
import -window root "$shots/demo-speed-window.png"

# A left drag across the view.
probe front "GLViewer Demo"
xdotool mousemove --sync 300 "$y" mousedown 1 mousemove --sync 360 "$y" mousemove --sync 500 "$y" \
  mouseup 1
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the demo ended during the drag"

probe front "GLViewer Demo"
key alt+F4
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the demo did not end when its window was closed"
wait "$pid" || fail "the demo exited with status $?"
echo "glviewer_demo: popup menu, speed window, drag, close"
