# Shared by the end-to-end scripts: $1 is the folder with Tarvel.exe and probe.exe. They run
# under the Wine that TARVEL_BED names (scripts/lib.sh), started through "$wine".
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
bin=$(cd "$1" && pwd)
work=$(mktemp -d /tmp/tarvel-e2e.XXXXXX)
shots="$root/build/e2e-shots${bed:+-$bed}${TARVEL_NO_DESKTOP:+-nodesktop}"
mkdir -p "$shots"

probe() { "$wine" "$bin/probe.exe" "$@"; }
fail() {
  echo "FAIL: $*" >&2
  import -window root "$shots/failure-$(basename "$0" .sh).png" 2>/dev/null
  exit 1
}
# Types into whatever window Wine has at the front of its desktop: ASCII with xdotool's keys, and
# once it has arrived, the rest through the probe, which cannot lose a character (probe.cpp).
desktop_window() { xdotool search --name "Wine desktop" 2>/dev/null | head -1; }
# Gives the keyboard to a Wine window by its title: to Wine's desktop, which passes it on to the
# window at its front, or without the desktop (TARVEL_NO_DESKTOP) and without a window manager
# to hand it over, to the window's own X window.
focus_window() {
  local x
  if [ -n "${TARVEL_NO_DESKTOP:-}" ]; then
    x=$(xdotool search --name "^$(printf '%s' "$1" | sed 's/[][().*^$+?{}|\\]/\\&/g')\$" | head -1)
  else
    x=$(desktop_window)
  fi
  [ -n "$x" ] && xdotool windowfocus --sync "$x"
}
type_text() {
  local text="$1" keys chars desktop
  desktop=$(desktop_window)
  [ -z "$desktop" ] || xdotool windowfocus --sync "$desktop"
  while [ -n "$text" ]; do
    keys="${text%%[^[:ascii:]]*}"
    chars="${text#"$keys"}"
    chars="${chars%%[[:ascii:]]*}"
    text="${text#"$keys$chars"}"
    if [ -n "$keys" ]; then
      xdotool type --delay 40 "$keys"
      probe typed "$keys" 10000 || fail "typed \"$keys\" did not arrive"
    fi
    [ -z "$chars" ] || probe type "$chars" || fail "\"$chars\" could not be typed"
  done
}
key() { xdotool key --delay 60 "$@"; }
# Percentage of an image's pixels that differ from a colour (e.g. "black", "rgb(32,32,48)").
percent_not() {
  convert "$1" -fill "$2" -colorize 100 "$work/solid.png"
  awk -v d="$(compare -metric AE "$1" "$work/solid.png" null: 2>&1 | cut -d' ' -f1)" \
    -v n="$(identify -format "%[fx:w*h]" "$1")" 'BEGIN { printf "%.1f\n", 100 * d / n }'
}
# Whether two images differ in any pixel.
differ() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1)" != 0 ]; }
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }
