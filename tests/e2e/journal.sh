#!/bin/bash
# A conversation survives the program being killed outright (SIGKILL, no chance to clean up):
# started again in the same folder, the program appends the killed one's conversation to the
# log, once, whether it ended after an answer, after typing and a pause, or in the middle of
# steady typing; an ordinary end leaves no journal behind and logs nothing twice. A 3 GiB junk
# file named like a journal neither holds up the start nor keeps a good journal from being
# recovered; a log-off that another program calls off logs nothing, the one that ends does,
# once, and the program ends.
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
# wait_for_journal WHAT TEXT: one journal, and one that holds TEXT (an extended regex): under load
# the typing alone may have been journaled before the step (two seconds after its first change),
# and a journal that merely exists would not yet hold what the step added.
wait_for_journal() {
  for _ in $(seq 100); do
    [ "$(journals)" -eq 1 ] && cat -- *.journal 2>/dev/null | grep -aqE "$2" && return 0
    sleep 0.1
  done
  fail "no journal holding $2 after $1"
}
log() { iconv -f CP1251 -t UTF-8 Your.txt; printf x; } # the log is Windows-1251

pid=""
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null' EXIT

# Killed right after an answer. Under load xdotool can lose a remapped (Cyrillic) key: what the
# area received is what is expected in the log.
start_program
type_text "First thought, оракул"
sleep 0.5
first=$(probe text "$main" EDIT | sed 's/[][\.*^$(){}?+|/]/\\&/g')
[[ "$first" == "First thought, "* ]] || fail "the typing did not arrive: $first"
key Return
wait_for_journal "an answer" '[0-9AB]{8} - '
kill_program
[ -e Your.txt ] && fail "the killed program wrote the log"
[ "$(journals)" -eq 1 ] || fail "the killed program's journal is gone"

# Killed after typing, without Enter, and a pause of three seconds.
start_program
answered=$'^[^\r\n]+\r\n'"$first"$'\r\n[0-9AB]{8} - [^\r\n]+\\.\r\n(\r\n)?'
[[ "$(log)" =~ ${answered}x$ ]] || fail "not recovered after the first start: $(log)"
[ "$(journals)" -eq 0 ] || fail "the recovered journal was not deleted"
type_text "Second thought"
sleep 3
wait_for_journal "typing and a pause" "Second thought"
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

# Steady typing, a key every 1.2 s (never a pause of two seconds), killed in the middle of it.
mkdir "$work/steady" && cd "$work/steady"
start_program
for letter in a b c d e f; do
  type_text "$letter"
  [ "$letter" = e ] && { [ "$(journals)" -eq 1 ] || fail "no journal after 5 s of steady typing"; }
  sleep 1.2
done
kill_program
start_program
[[ "$(log)" =~ ^[^$'\r\n']+$'\r\n'ab[c-f]*$'\r\n'x$ ]] || fail "steady typing not recovered: $(log)"
kill_program

# A 3 GiB junk file named like a journal, older than a good journal that a killed run left.
mkdir "$work/junk" && cd "$work/junk"
start_program
type_text "Beside the junk"
key Return
wait_for_journal "an answer beside the junk" '[0-9AB]{8} - '
kill_program
truncate -s 3G Your.txt.4242.journal
touch -d "1 hour ago" Your.txt.4242.journal
start_program # read whole, the file kept the window from showing for half a minute
[ -e Your.txt.4242.journal.bad ] && [ ! -e Your.txt.4242.journal ] ||
  fail "the junk journal was not set aside: $(ls -A)"
[[ "$(log)" =~ $'\r\n'"Beside the junk"$'\r\n' ]] || fail "the good journal was not recovered: $(log)"
kill_program

# Log-off: the query journals and answers yes, one called off changes nothing, the end logs once.
mkdir "$work/logoff" && cd "$work/logoff"
start_program
type_text "Logging off"
until_text() {
  for _ in $(seq 100); do
    [ "$(probe text "$main" EDIT)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "the area does not hold \"$1\": $(probe text "$main" EDIT)"
}
until_text "Logging off"
query=0x11 endsession=0x16 logoff=0x80000000
[ "$(probe send "$main" $query 0 $logoff)" = 1 ] || fail "the log-off query was refused"
[ -e Your.txt ] && fail "logged before the log-off was certain"
[ "$(journals)" -eq 1 ] || fail "the log-off query left no journal"
probe send "$main" $endsession 0 $logoff >/dev/null || fail "the called-off end was not answered"
type_text ", not yet"
until_text "Logging off, not yet"
[ "$(probe send "$main" $query 0 $logoff)" = 1 ] || fail "the second log-off query was refused"
probe send "$main" $endsession 1 $logoff >/dev/null
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end with the session"
wait "$pid" || fail "the program did not end normally at the session's end (status $?)"
pid=""
[[ "$(log)" =~ ^[^$'\r\n']+$'\r\n'"Logging off, not yet"$'\r\n'x$ ]] || fail "unexpected log after the log-off: $(log)"
[ "$(journals)" -eq 0 ] || fail "a journal stayed after the session's end"
echo "journal: killed conversations recovered once, steady typing included; junk set aside at once; a log-off logged once"
