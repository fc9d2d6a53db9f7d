#!/bin/bash
# The 3D view's demo program as a person uses it: its scene shows on the screen and turns; a right
# click opens the view's popup menu, its "Опции" > "Анимация" opens the animation-speed window
# with the speed in its field, where 0 stops the animation; a left drag then turns the scene on the
# screen; closing the window ends the program.
set -u
. "$(dirname "$0")/common.bash"
cd "$work"

[ -x "$bin/GLViewerDemo.exe" ] || fail "GLViewerDemo.exe is not built in $bin"
"$wine" "$bin/GLViewerDemo.exe" &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT
probe wait "GLViewer Demo" 20000 || fail "the demo window did not open"
probe front "GLViewer Demo"
sleep 1

# The scene (axes, cube and leaf on the dark background 0x302020) shows and turns by itself.
read -r gl_left gl_top gl_right gl_bottom <<<"$(probe rect "GLViewer Demo" Tarvel.OpenGL | tr -d '\r')"
[ -n "${gl_bottom:-}" ] || fail "no view in the demo window"
view="$((gl_right - gl_left))x$((gl_bottom - gl_top))+$gl_left+$gl_top"
shoot_view() { import -window root -crop "$view" +repage "$shots/$1"; }
shoot_view demo-view1.png
sleep 0.6
shoot_view demo-view2.png
drawn=$(percent_not "$shots/demo-view1.png" "rgb(32,32,48)")
at_least "$drawn" 2 || fail "the demo's view shows $drawn % of its pixels drawn, not at least 2 %"
differ "$shots/demo-view1.png" "$shots/demo-view2.png" || fail "the demo's scene does not turn"

# The window is placed at (100, 100), 640 x 480, and the view fills its client area, so this
# point is in the view. The menu opens down and to the right of the click.
x=420 y=340
whiteness() { # percentage of white in the 60 x 60 screen square just below and right of the click
  import -window root -crop 60x60+$((x + 5))+$((y + 5)) +repage "$1" 2>/dev/null
  awk -v p="$(percent_not "$1" white)" 'BEGIN { print 100 - p }'
}
before=$(whiteness "$shots/demo-before-menu.png") # the scene has no white
xdotool mousemove --sync "$x" "$y" click 3
menu=""
for _ in $(seq 10); do # looked at every half second, for up to five seconds on a loaded machine
  sleep 0.5
  after=$(whiteness "$shots/demo-menu.png")
  if at_least "$after" 50; then
    menu=yes
    break
  fi
done
import -window root "$shots/demo-menu-screen.png"
[ -n "$menu" ] || fail "no popup menu at the right click ($before % white before, $after % after)"

# The last top-level item is "Опции"; its last item is "Анимация".
key Up Right Up Return
probe wait "Скорость анимации" 60000 || fail "Анимация did not open the animation-speed window"
speed="$(probe text "Скорость анимации" Edit)"
[ "$speed" = "1" ] || fail "the speed field holds '$speed', not the demo's speed 1"
import -window root "$shots/demo-speed-window.png"

# Speed 0 stops the animation: the picture stands still.
read -r edit_left edit_top edit_right edit_bottom <<<"$(probe rect "Скорость анимации" Edit | tr -d '\r')"
xdotool mousemove --sync $(((edit_left + edit_right) / 2)) $(((edit_top + edit_bottom) / 2)) click 1
key End BackSpace BackSpace 0 Return
sleep 0.5
shoot_view demo-still1.png
sleep 0.6
shoot_view demo-still2.png
differ "$shots/demo-still1.png" "$shots/demo-still2.png" && fail "speed 0 did not stop the scene"

# A left drag across the view turns it on the screen.
probe front "GLViewer Demo"
sleep 0.3
xdotool mousemove --sync 300 "$y" mousedown 1 mousemove --sync 360 "$y" mousemove --sync 500 "$y" \
  mouseup 1
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the demo ended during the drag"
shoot_view demo-dragged.png
differ "$shots/demo-still2.png" "$shots/demo-dragged.png" || fail "the drag did not turn the scene"

probe front "GLViewer Demo"
key alt+F4
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the demo did not end when its window was closed"
wait "$pid" || fail "the demo exited with status $?"
echo "glviewer_demo: scene shown ($drawn % of the view) and turning, popup menu, speed window," \
  "stopped, turned by a drag, closed"
