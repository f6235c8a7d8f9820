#!/usr/bin/env bash
# Starts an installed Corvane offscreen and, once its window shows, sees that every font the window asks for
# is installed, presses F1 and stops it as the desktop would: it must show the given help file and end with
# status 0. FONTCONFIG_FILE, when set, limits the fonts it may find (as the package's dependencies would).
# Usage: check-installed.sh <installed program> <help file it must show> <installed-program probe module>
set -euo pipefail
program=$(realpath "$1")
help_file=$(realpath -m "$2")
probe=$(realpath "$3")

fail() { echo "FAILED: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/config"

# The probe prints "font <asked for>: <found>" for each font, then "help <file>" for the file the help
# viewer shows, or "help failed: <message>".
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$scratch/config" LD_PRELOAD="$probe" \
  ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0" \
  "$program" > "$scratch/report" 2> "$scratch/messages" &
pid=$!
for _ in $(seq 100); do
  grep -q '^help' "$scratch/report" || ! kill -0 "$pid" 2> /dev/null && break
  sleep 0.1
done
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

fonts=$(grep '^font ' "$scratch/report" || true)
[ -n "$fonts" ] || fail "the window's fonts were not reported: $(cat "$scratch/report")"
while IFS= read -r line; do
  asked=${line#font }
  asked=${asked%%: *}
  [ "${line#*: }" = "$asked" ] || fail "the window asks for $asked, which is not installed: ${line#font }"
done <<< "$fonts"
shown=$(grep '^help' "$scratch/report" || true)
[ "$shown" = "help $help_file" ] || fail "F1 did not show $help_file but: ${shown:-nothing}"
echo "$program found its fonts ($(echo "$fonts" | sed 's/^font //; s/:.*//' | paste -sd, | sed 's/,/, /g')), showed $help_file on F1 and ended on SIGTERM with status 0"
