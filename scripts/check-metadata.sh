#!/usr/bin/env bash
# Checks what the desktop reads besides the program with the checkers Debian and software centres use:
# the software-centre metadata (appstreamcli, pedantic hints included), the menu entry
# (desktop-file-validate) and the manual page (man's own warnings, as lintian reads them). Any remark fails.
# Usage: check-metadata.sh <metainfo file> <desktop file> <manual page>
set -uo pipefail
metainfo=$1 desktop=$2 manual=$3
status=0
remark() { echo "FAILED: $1:"; echo "$2"; status=1; }

# The addresses are the project's own and need no checking from here.
said=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1)
grep -q '^[EWIP]: ' <<< "$said" && remark "$metainfo" "$said"
said=$(desktop-file-validate "$desktop" 2>&1) || remark "$desktop" "$said"
[ -z "$said" ] || remark "$desktop" "$said"
said=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 > /dev/null)
[ -z "$said" ] || remark "$manual" "$said"
[ "$status" -eq 0 ] && echo "$metainfo, $desktop and $manual have nothing to remark"
exit "$status"
