#!/usr/bin/env bash
# A new user, nothing set: the system language maps to English, the shipped English.lng beside the
# program is found (no "translation file missing" box), the switch is saved and the main window opens
# with nothing else in front of it.
E2E_PRESET_LANGUAGE=no
source "$(dirname "$0")/startup_common.sh"
[ -f "$(dirname "$E2E_EXE")/language/English.lng" ] || fail "English.lng is not beside the program"
e2e_begin
e2e_start /SPEED=0
e2e_wait_setting Install Speed 45 0
main="$(wait_for_window "Velgaro Replaysetup \\(Build .*\\)" 30)" || fail "the main window did not open"
sleep 1
others="$(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -vx "$main" | while read -r w; do
  xdotool getwindowname "$w" 2>/dev/null; done | grep -v '^$')"
[ -z "$others" ] || fail "other windows are open: $others"
echo "PASS $E2E_NAME"
