#!/usr/bin/env bash
# A package whose installer is missing closes as not installed: exit code 1603, nothing left open.
E2E_NAME=play_missing_installer
source "$(dirname "$0")/fixtures/play_common.sh"

e2e_desktop
cat >"$E2E_WORK/pkg.json" <<'JSON'
{"description":"gone","exe_path":"C:\\\\NoSuchFolder\\\\setup-gone.exe","command_line":"/S",
 "options":{"need_reboot":false,"create_reboot":false,"local_speed":0,"def_select":false,"need_wait":true},
 "actions":[]}
JSON
vgp_pack "$E2E_WORK/pkg.json" "$E2E_WORK/gone.vgp"

velgaro_run 60 /inst "$(velgaro_winpath "$E2E_WORK/gone.vgp")" /nostat
note "exit code $VELGARO_RC"
[ "$VELGARO_RC" = "1603" ] || fail "exit code $VELGARO_RC, expected 1603"
