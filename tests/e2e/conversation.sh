#!/bin/bash
# The program as a person uses it: a thought, Enter, Enter again; the program ends by itself.
set -u
. "$(dirname "$0")/common.bash"
cd "$work"

"$wine64" "$bin/Tarvel.exe" &
pid=$!
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
echo "conversation: answered, then ended by the second Enter"
