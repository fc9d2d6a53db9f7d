#!/bin/bash
# A conversation survives the program being killed outright (SIGKILL, no chance to clean up):
# started again in the same folder, the program appends the killed one's conversation to the
# log, once, whether it ended after an answer or after typing and a pause; an ordinary end
# leaves no journal behind and logs nothing twice.
set -u
. "$(dirname "$0")/common.bash"
cd "$work"

main="ver. 5.5.0.5"
start_program() {
  "$wine" "$bin/Tarvel.exe" &
  pid=$!
  probe wait "$main" 20000 || fail "the conversation window did not open"
  probe front "$main"
  sleep 0.5
}
kill_program() {
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null
  probe gone "$main" 10000 || fail "the killed program's window stayed"
}
journals() { ls -A | grep -c '\.journal$'; }
wait_for_journal() {
  for _ in $(seq 100); do
    [ "$(journals)" -eq 1 ] && return 0
    sleep 0.1
  done
  fail "no journal after $1"
}
log() { iconv -f CP1251 -t UTF-8 Your.txt; printf x; } # the log is Windows-1251

pid=""
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null' EXIT

# Killed right after an answer.
start_program
type_text "First thought, оракул"
key Return
wait_for_journal "an answer"
kill_program
[ -e Your.txt ] && fail "the killed program wrote the log"
[ "$(journals)" -eq 1 ] || fail "the killed program's journal is gone"

# Killed after typing, without Enter, and a pause of three seconds.
start_program
answered=$'^[^\r\n]+\r\nFirst thought, оракул\r\n[0-9AB]{8} - [^\r\n]+\\.\r\n(\r\n)?'
[[ "$(log)" =~ ${answered}x$ ]] || fail "not recovered after the first start: $(log)"
[ "$(journals)" -eq 0 ] || fail "the recovered journal was not deleted"
type_text "Second thought"
sleep 3
wait_for_journal "typing and a pause"
kill_program

# Started once more and ended as usual: an Enter in the empty area answers and ends it.
start_program
typed=$'[^\r\n]+\r\nSecond thought\r\n'
[[ "$(log)" =~ ${answered}${typed}x$ ]] || fail "not recovered after the second start: $(log)"
key Return
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid" || fail "the program did not end normally (status $?)"
closed=$'[^\r\n]+\r\n[0-9AB]{8} - [^\r\n]+\\.\r\n\r\n'
[[ "$(log)" =~ ${answered}${typed}${closed}x$ ]] || fail "unexpected log at the end: $(log)"
[ "$(grep -c "First thought" Your.txt)" -eq 1 ] || fail "the first conversation was logged twice"
leftover=$(ls -A | grep -v -e '^Your.txt$' -e '^untitled.ini$')
[ -z "$leftover" ] || fail "files left beside the log: $leftover"
echo "journal: a killed conversation recovered at the next start, once; an ordinary end leaves none"
