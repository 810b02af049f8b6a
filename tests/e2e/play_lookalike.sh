#!/usr/bin/env bash
# Another program shows windows titled exactly like the installer's, with the same buttons, in front of
# it, while a package plays unattended: the replay presses only the installer's own windows. The package
# is one an earlier version recorded, with the folder field's content (another machine's default) as
# its caption: the field is found by its place and gets the typed folder. Exit code 0, installed into
# that folder, no caption taken for another, the look-alikes never pressed.
# Screenshot: play_lookalike-playing.png.
# play_lookalike.sh velgaro.exe vgptool uiprobe.exe lookalike.exe
E2E_NAME=play_lookalike
source "$(dirname "$0")/fixtures/main_common.sh"
source "$E2E_FIXTURES/versioned_common.sh"
LOOKALIKE="$(readlink -f "${4:?lookalike.exe}")"

e2e_desktop
e2e_preset_russian
versioned_default 'C:\PlayDefault\Versioned'
versioned_build "$E2E_WORK/versioned.exe" 1.2
exe="$(velgaro_winpath "$E2E_WORK/versioned.exe")"
top='{"class":"#32770","caption":"Velgaro Versioned App 1.2 Setup ","ordinal":1}'
click='[{"button":1,"kind":1,"x":8,"y":6},{"button":1,"kind":3,"x":0,"y":0}]'
cat >"$E2E_WORK/pkg.json" <<JSON
{"description":"recorded by an earlier version","exe_path":"${exe//\\/\\\\}","command_line":"",
 "options":{"need_reboot":false,"create_reboot":false,"local_speed":0,"def_select":false,"need_wait":true},
 "actions":[
  {"window":[{"class":"#32770","caption":"Velgaro Versioned App 1.2 Setup","ordinal":1},
             {"class":"Button","caption":"&Next >","ordinal":1}],"steps":$click,"text":""},
  {"window":[$top,{"class":"#32770","caption":"","ordinal":1},
             {"class":"Edit","caption":"C:\\\\RecDefault\\\\Versioned\\\\","ordinal":1}],
   "steps":$click,"text":"C:\\\\VelgaroOld\\\\versioned"},
  {"window":[$top,{"class":"Button","caption":"&Install","ordinal":1}],"steps":$click,"text":""},
  {"window":[$top,{"class":"Button","caption":"&Finish","ordinal":1}],"steps":$click,"text":""}
 ]}
JSON
vgp_pack "$E2E_WORK/pkg.json" "$E2E_WORK/old.vgp"

lookalike_start "$(versioned_title 1.2)" "$(versioned_later_title 1.2)"
velgaro_start 90 /inst "$(velgaro_winpath "$E2E_WORK/old.vgp")" /nostat /TIMEOUT=60 \
  "/REPORT=$(velgaro_winpath "$E2E_WORK")\\run.json"
installer_beside_lookalike "$(versioned_title 1.2)"
velgaro_screenshot "$E2E_SHOTS/play_lookalike-playing.png"
velgaro_wait
note "exit code $VELGARO_RC: $(cat "$E2E_WORK/run.json" 2>/dev/null)"
lookalike_check "$(versioned_title 1.2)" "$(versioned_later_title 1.2)"
[ "$VELGARO_RC" = 0 ] || fail "exit code $VELGARO_RC"
[ -f "$(c_drive VelgaroOld/versioned/installed.txt)" ] || fail "not installed into the typed folder"
[ ! -e "$(c_drive PlayDefault/Versioned)" ] || fail "something was installed into the machine's default folder"
[ "$(report_field "$E2E_WORK/run.json" 'r["packages"][0]["details"]')" = "Выполнено без замечаний" ] \
  || fail "the report's details: $(cat "$E2E_WORK/run.json")"
[ "$(report_field "$E2E_WORK/run.json" 'len(r["packages"][0]["captions_taken"])')" = 0 ] || fail "a caption was taken"
echo "PASS $E2E_NAME"
