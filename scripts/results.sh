# Where the test stages leave what they found, for the count at the end of scripts/test: each test
# program's XML report under build/test-results/STAGE, each end-to-end script that passed as a
# line of STAGE/e2e-passed, and each failure with no failed case to show for it as a line of
# build/test-results/failures, and how long each part of the run took as a line of
# build/test-results/times. Sourced after scripts/lib.sh.

failed() { echo "!! failed: $*" | tee -a "$root/build/test-results/failures"; }

# unreported STAGE PRESET: each test of PRESET's last CTest run that failed without a failed case
# in its report (the program died, or the script around it failed) is one failure of STAGE.
unreported() {
  local name log="$root/build/$2/Testing/Temporary/LastTestsFailed.log"
  [ -f "$log" ] || { failed "$1: ctest --preset $2" && return; }
  while IFS=: read -r _ name; do
    grep -qs '<testsuites [^>]*\(failures\|errors\)="[1-9]' "$root/build/$2/test-results/$name.xml" ||
      failed "$1: $name (no failed case in its report)"
  done <"$log"
}

# took PART SINCE: PART took from SINCE (date +%s) to now; said, and kept for the summary.
took() {
  local seconds=$(($(date +%s) - $2))
  echo "== $1 took $seconds s"
  echo "$1 $seconds s" >>"$root/build/test-results/times"
}
