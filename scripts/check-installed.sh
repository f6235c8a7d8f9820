#!/usr/bin/env bash
# Starts an installed Corvane offscreen, presses F1 once its window shows, and stops it as the desktop would:
# it must show the given help file and end with status 0.
# Usage: check-installed.sh <installed program> <help file it must show> <help probe module>
set -euo pipefail
program=$(realpath "$1")
help_file=$(realpath -m "$2")
probe=$(realpath "$3")

fail() { echo "FAILED: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/config"

# The probe prints "help <file>" for the file the help viewer shows, or "help failed: <message>".
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$scratch/config" LD_PRELOAD="$probe" \
  ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0" \
  "$program" > "$scratch/report" 2> "$scratch/messages" &
pid=$!
for _ in $(seq 100); do
  grep -q '^help' "$scratch/report" || ! kill -0 "$pid" 2> /dev/null && break
  sleep 0.1
done
sleep 1
kill -TERM "$pid" 2> /dev/null || fail "the program ended by itself: $(cat "$scratch/messages")"
for _ in $(seq 50); do
  kill -0 "$pid" 2> /dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2> /dev/null; then
  kill -KILL "$pid"
  fail "the program did not end on SIGTERM"
fi
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status after SIGTERM: $(cat "$scratch/messages")"
report=$(cat "$scratch/report")
[ "$report" = "help $help_file" ] || fail "F1 did not show $help_file but: ${report:-nothing}"
echo "$program ran, showed $help_file on F1 and ended on SIGTERM with status 0"
