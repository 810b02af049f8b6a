#!/usr/bin/env bash
# Runs one Windows program under Wine (ctest's emulator for the windows build): its own prefix copy,
# its own Xvfb when no display is set, everything stopped afterwards. Exit code: the program's.
source "$(dirname "$0")/lib/wine.sh"
trap velgaro_cleanup EXIT
velgaro_fresh_prefix
[ -n "${DISPLAY:-}" ] || velgaro_start_xvfb || exit 1
wine "$@"
rc=$?
wineserver -w 2>/dev/null
exit $rc
