#!/bin/bash
# The About window as a person uses it: opened from the keyboard and by the mouse, looked at,
# closed by its star; the conversation goes on beside it, and closing the conversation window
# ends the program even while the About window is open.
set -u
# The window titles passed to the probe are Russian: Wine reads its arguments in the locale's
# character set, which must therefore be UTF-8 whatever the caller's is.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
. "$(dirname "$0")/common.bash"
cd "$work"

main="Тарвель (ver. 5.5.0.5)" # the About title holds "Тарвель" in quotes, so this is unique
about="О программе"

# The access letter of "&Справка ", С, is on no key of Xvfb's US keyboard: a spare key gets it
# before the program starts, for this script's run, so that xdotool need not remap one for the
# press (a busy Wine reads a remapped key after the mapping moved on, and loses it). The first
# spare key: Wine 10 gives the last ones (248 and up) no scan code, and so no character. Xvfb
# keeps it while no program is connected only because it runs with -noreset (scripts/lib.sh).
spare=$(xmodmap -pke | awk 'NF == 3 { print $2; exit }')
[ -n "$spare" ] && xmodmap -e "keycode $spare = Cyrillic_es Cyrillic_ES" || fail "no spare key for С"
"$wine" "$bin/Tarvel.exe" &
pid=$!
trap 'kill "$pid" 2>/dev/null; xmodmap -e "keycode $spare ="' EXIT
probe wait "$main" 20000 || fail "the conversation window did not open"

# Screen rectangle of a window, or of a descendant of a class: "left top right bottom".
rect() { probe rect "$@" | tr -d '\r'; }
click_middle() { # click_middle LEFT TOP RIGHT BOTTOM
  xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) click 1
}

# From the keyboard: Alt and the access letter of "&Справка ".
probe front "$main"
focus_window "$main"
sleep 0.5
# Still С: else xdotool would remap a key of its own for the press and take it back at once, and
# Wine 8 finds the character of a key when the program translates it, by then from another key.
xmodmap -pke | grep -q "^keycode *$spare = Cyrillic_es " || fail "the spare key $spare lost its С"
key alt+Cyrillic_es
probe wait "$about" 60000 || fail "Alt+С did not open the About window"
probe rect "$about" >/dev/null || fail "no About window to measure"

# The instruction text: 34 lines, from the greeting to the farewell.
text="$(probe text "$about" EDIT; printf x)"
text="${text%x}"
[[ "$text" == "    Здравствуйте!"$'\r\n'* ]] || fail "unexpected start of the instructions: $text"
[[ "$text" == *$'\r\n\r\n'"    Счастливо! Ирна и Вельт." ]] || fail "unexpected end: $text"
lines=$(printf '%s' "$text" | grep -c $'\r$')
[ "$lines" -eq 33 ] || fail "the instructions have $((lines + 1)) lines, not 34"

# The 3D view as a person sees it: leaves (at least 2 % of its pixels coloured), turning. Its first
# column lies under the memo's edge.
read -r gl_left gl_top gl_right gl_bottom <<<"$(rect "$about" Tarvel.OpenGL)"
view="$((gl_right - gl_left - 1))x$((gl_bottom - gl_top))+$((gl_left + 1))+$gl_top"
sleep 0.5
import -window root -crop "$view" +repage "$shots/about-view1.png"
sleep 0.6
import -window root -crop "$view" +repage "$shots/about-view2.png"
coloured=$(percent_not "$shots/about-view1.png" black)
at_least "$coloured" 2 || fail "the About view shows $coloured % coloured pixels, not at least 2 %"
differ "$shots/about-view1.png" "$shots/about-view2.png" ||
  fail "the About view showed the same picture 0.6 s later"

# The captions pulse in the real program: the "Форум" caption changes colour.
read -r star_left star_top star_right star_bottom <<<"$(rect "$about" Button)"
client_x=$((star_left - 601)) # the star stands at 601, 368 of the client area
client_y=$((star_top - 368))
caption="40x18+$((client_x + 12))+$((client_y + 422))"
sleep 1
import -window root "$shots/about.png"
import -window root -crop "$caption" "$work/caption1.png"
# Looked at again every half second for up to five seconds (a loaded machine may delay ticks).
pulsed=""
for _ in $(seq 10); do
  sleep 0.5
  import -window root -crop "$caption" "$work/caption2.png"
  changed=$(compare -metric AE "$work/caption1.png" "$work/caption2.png" null: 2>&1)
  if [ "${changed%% *}" != 0 ]; then
    pulsed=yes
    break
  fi
done
[ -n "$pulsed" ] || fail "the \"Форум\" caption did not change colour"

# The star closes it.
click_middle "$star_left" "$star_top" "$star_right" "$star_bottom"
probe gone "$about" 5000 || fail "a click on the star did not close the About window"

# By the mouse: the toolbar's "Справка" button (the toolbar is the second self-drawn control
# of the conversation window, after the dock strip that carries it).
read -r bar_left bar_top bar_right bar_bottom <<<"$(rect "$main" Tarvel.CustomControl 1)"
click_middle "$bar_left" "$bar_top" "$bar_right" "$bar_bottom"
probe wait "$about" 60000 || fail "the toolbar's Справка button did not open the About window"
sleep 0.5
import -window root "$shots/about-reopened.png" # the star stays pressed after its first close

# The conversation goes on while the About window is open.
probe front "$main"
focus_window "$main"
sleep 0.5
type_text "Вопрос"
key Return
sleep 0.5
text="$(probe text "$main" EDIT; printf x)"
answered=$'^Вопрос\r\n[0-9AB]{8} - [^\r\n]+\\.\r\nx$'
[[ "$text" =~ $answered ]] || fail "unexpected conversation beside the About window: $text"
probe wait "$about" 100 || fail "the About window went away while the user typed"
import -window root "$shots/about-conversation.png"

# Closing the conversation window ends the program, the About window open or not.
probe front "$main"
focus_window "$main"
sleep 0.3
key alt+F4
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end when its main window closed"
wait "$pid" || fail "the program exited with status $?"
[ -f Your.txt ] || fail "no Your.txt after the conversation"
log="$(iconv -f CP1251 -t UTF-8 Your.txt; printf x)"
record=$'^[^\r\n]+\r\nВопрос\r\n[0-9AB]{8} - [^\r\n]+\\.\r\n\r\nx$'
[[ "$log" =~ $record ]] || fail "unexpected log: $log"
echo "about: opened by Alt+С and by the toolbar, leaves turning ($coloured % of the view)," \
  "pulsing, closed by the star; the conversation went on beside it and ended with the main window"
