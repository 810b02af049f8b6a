#!/usr/bin/env bash
# A new user, nothing set: the system language maps to English, the shipped English.lng beside the
# program is found (no "translation file missing" box), the switch is saved and the program ends.
E2E_PRESET_LANGUAGE=no
source "$(dirname "$0")/startup_common.sh"
[ -f "$(dirname "$E2E_EXE")/language/English.lng" ] || fail "English.lng is not beside the program"
e2e_begin
e2e_start /SPEED=0
e2e_wait_setting Install Speed 45 0
e2e_wait_end 20 || fail "the program did not end by itself (a message box?)"
echo "PASS $E2E_NAME"
