#!/bin/sh
# Runs the log's full-disk case on a small tmpfs of its own. Exit 77 (skipped) where this machine
# does not allow mounting one (tests run as root in the project's containers).
exe=$1
runner=$2
report=$3
dir=$(mktemp -d /tmp/tarvel-full.XXXXXX) || exit 1
if ! mount -t tmpfs -o size=512k tarvel-full "$dir" 2>/dev/null; then
  rmdir "$dir"
  echo "cannot mount a small file system here: full-disk case skipped"
  exit 77
fi
# Wine's server opens the files. In a test bed every command has a mount namespace of its own,
# and a server started before the mount would write beside the small file system: end it, and
# start it again as scripts/test does (persistent, its services detached from this run).
restart_server() {
  "$runner" --server -k
  "$runner" --server -p >/dev/null 2>&1 </dev/null &&
    "$runner" wineboot >/dev/null 2>&1 </dev/null
}
[ -z "${TARVEL_BED:-}" ] || restart_server
TARVEL_LOG_FULL_DIR="$dir" "$runner" "$exe" --gtest_filter='LogFullDisk.*' --gtest_brief=1 \
  --gtest_output="xml:$report"
rc=$?
umount "$dir" && rmdir "$dir"
exit $rc
