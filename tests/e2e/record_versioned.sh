#!/usr/bin/env bash
# Record once, replay on another machine and on the installer's next version. The versioned installer
# is recorded as version 1.2 through the real user interface on a machine whose registry gives its
# folder page the default C:\RecDefault\Versioned (the field's caption, read from outside, is that
# default); the user types another folder. The package is replayed unattended on a fresh machine whose
# default is C:\PlayDefault\Versioned, against the same installer built as version 1.3, while another
# program shows windows titled like the installer's new version: exit code 0, installed into the folder
# the user typed, the statistics row and the report naming the caption taken for the recorded one, the
# look-alikes never pressed.
# Screenshots: record_versioned-replaying.png, record_versioned-statistics.png.
# record_versioned.sh velgaro.exe vgptool uiprobe.exe lookalike.exe
E2E_NAME=record_versioned
source "$(dirname "$0")/fixtures/record_common.sh"
source "$E2E_FIXTURES/versioned_common.sh"
LOOKALIKE="$(readlink -f "${4:?lookalike.exe}")"

TARGET='C:\VelgaroTyped\versioned'
INSTALLER="$E2E_WORK/setup/versioned.exe"
mkdir -p "$E2E_WORK/setup"

# 1. Recording on the first machine, version 1.2.
e2e_desktop
e2e_preset_russian
versioned_default 'C:\RecDefault\Versioned'
versioned_build "$INSTALLER" 1.2
main_set_folder "$PACKAGES"
main_start 0
record_start "$INSTALLER" versioned
wait_for_window "$(versioned_title 1.2)" 40 >/dev/null || fail "the installer did not start"
sleep 1
click_in "$(versioned_title 1.2)" Button "&Next >"
# Found by its caption as another program sees it: the field's content, the machine's default.
click_in "$(versioned_later_title 1.2)" Edit 'C:\RecDefault\Versioned\'
click_pause_or_play
[ "$(probe --class=VelgaroControlWindow text "$ID_STELS_TEXT")" = 'C:\RecDefault\Versioned\' ] \
  || fail "the pause panel does not show the field's text: $(probe --class=VelgaroControlWindow text "$ID_STELS_TEXT")"
type_in "Velgaro Replaysetup" "$ID_STELS_TEXT" "$TARGET"
click_pause_or_play
click_in "$(versioned_later_title 1.2)" Button "&Install"
click_in "$(versioned_later_title 1.2)" Button "&Finish" 60
[ -f "$(c_drive VelgaroTyped/versioned/installed.txt)" ] || fail "the recording did not install into the typed folder"
sleep 1
click_record_stop
main_wait_rows 1
read_saved_package
python3 - "$SAVED_DUMP" "$TARGET" <<'PY' || fail "the recorded package is not what was done"
import json, sys
p = json.loads(sys.argv[1])
chains = [[(w["class"], w["caption"], w["ordinal"]) for w in a["window"]] for a in p["actions"]]
top = ("#32770", "Velgaro Versioned App 1.2 Setup ", 1)
# The field is stored by its place (the first edit field of its page), not by the default it showed.
field = [top, ("#32770", "", 1), ("Edit", "", 1)]
want = [
    [("#32770", "Velgaro Versioned App 1.2 Setup", 1), ("Button", "&Next >", 1)],
    field, field,
    [top, ("Button", "&Install", 1)],
    [top, ("Button", "&Finish", 1)],
]
assert chains == want, chains
assert [a["text"] for a in p["actions"]] == ["", "", sys.argv[2], "", ""], [a["text"] for a in p["actions"]]
PY

# 2. Another machine with another default, and the vendor's version 1.3 in the installer's place.
velgaro_cleanup
e2e_desktop
e2e_preset_russian
versioned_default 'C:\PlayDefault\Versioned'
versioned_build "$INSTALLER" 1.3
lookalike_start "$(versioned_title 1.3)" "$(versioned_later_title 1.3)"
velgaro_start 90 /inst "$(velgaro_winpath "$SAVED_PACKAGE")" /TIMEOUT=60 "/REPORT=$(velgaro_winpath "$E2E_WORK")\\run.json"
# While the replay looks for its first window: version 1.3 beside another program's windows.
installer_beside_lookalike "$(versioned_title 1.3)"
sleep 2
velgaro_screenshot "$E2E_SHOTS/record_versioned-replaying.png"
# The statistics window's row tells an administrator which caption was taken for which.
wait_for_window "Статистика" 60 >/dev/null || fail "the statistics window did not appear"
sleep 0.5
row="$(probe statrows | head -1)"
velgaro_screenshot "$E2E_SHOTS/record_versioned-statistics.png"
note "statistics row: $row"
[[ "$row" == *'Установлен'*'"Velgaro Versioned App 1.3 Setup" принят за "Velgaro Versioned App 1.2 Setup"'* ]] \
  || fail "the statistics row does not name the caption taken: $row"
velgaro_wait
note "replay exit code $VELGARO_RC: $(cat "$E2E_WORK/run.json" 2>/dev/null)"
lookalike_check "$(versioned_title 1.3)" "$(versioned_later_title 1.3)"
[ "$VELGARO_RC" = 0 ] || fail "replay exit code $VELGARO_RC"
grep -q 'Versioned App 1.3 installed' "$(c_drive VelgaroTyped/versioned/installed.txt)" 2>/dev/null \
  || fail "version 1.3 was not installed into the typed folder"
[ ! -e "$(c_drive PlayDefault/Versioned)" ] || fail "something was installed into the machine's default folder"
[ "$(report_field "$E2E_WORK/run.json" 'r["packages"][0]["outcome"]')" = installed ] || fail "the report's outcome"
taken="$(report_field "$E2E_WORK/run.json" '"|".join(c["taken"] + "<" + c["recorded"] for c in r["packages"][0]["captions_taken"])')"
note "captions taken: $taken"
case "|$taken|" in
  *"|Velgaro Versioned App 1.3 Setup<Velgaro Versioned App 1.2 Setup|"*) ;;
  *) fail "the report does not name the caption taken for the recorded one: $taken" ;;
esac
details="$(report_field "$E2E_WORK/run.json" 'r["packages"][0]["details"]')"
[[ "$details" == *'"Velgaro Versioned App 1.3 Setup" принят за "Velgaro Versioned App 1.2 Setup"'* ]] \
  || fail "the statistics row does not name the caption taken: $details"
echo "PASS $E2E_NAME"
