#!/bin/bash
# The program as a person uses it: a thought, Enter, Enter again; the program ends by itself.
set -u
. "$(dirname "$0")/common.bash"
cd "$work"

"$wine" "$bin/Tarvel.exe" &
pid=$!
# A failure leaves no program behind for the next script to find in its place.
trap 'kill "$pid" 2>/dev/null' EXIT
probe wait "ver. 5.5.0.5" 20000 || fail "the conversation window did not open"
probe front "ver. 5.5.0.5"
sleep 0.5
type_text "Hello, оракул"
key Return
sleep 0.5
text="$(probe text "ver. 5.5.0.5" EDIT; printf x)" # x keeps the trailing CR LF
# The thought, CR LF, an answer line (eight base-12 digits, " - ", the phrase), CR LF.
answered=$'^Hello, оракул\r\n[0-9AB]{8} - [^\r\n]+\\.\r\nx$'
[[ "$text" =~ $answered ]] || fail "unexpected text after the first Enter: $text"
import -window root "$shots/conversation.png"
key Return
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after the second Enter"
wait "$pid" || fail "the program exited with status $?"

# The log: the date-time line, the thought, both answers, and the empty line the closing Enter's
# answer left, each ended by CR LF.
[ -f Your.txt ] || fail "no Your.txt after the conversation"
log="$(iconv -f CP1251 -t UTF-8 Your.txt; printf x)" # the log is Windows-1251
record=$'^[^\r\n]+\r\nHello, оракул\r\n[0-9AB]{8} - [^\r\n]+\\.\r\n[0-9AB]{8} - [^\r\n]+\\.\r\n\r\nx$'
[[ "$log" =~ $record ]] || fail "unexpected log: $log"

# The toolbar's designed layout, six lines, in the current directory.
expected=$'[AdvToolBarCustomizer1Org]\r\nATBCaption=\r\nGlyphPosition=0\r\nLargeIcon=0\r\nToolBarItemCount=1\r\nName0=\r\nName0.ClassName=-1\r\n'
[ "$(cat untitled.ini; printf x)" = "${expected}x" ] || fail "unexpected untitled.ini: $(cat -A untitled.ini)"
echo "conversation: answered, ended by the second Enter, logged, layout file written"
