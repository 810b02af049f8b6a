#!/usr/bin/env bash
# The properties of a package, as a user opens and changes them: plain Enter in the list opens nothing,
# Shift+Enter opens "Свойства" filled from the package; a new description and name typed with xdotool and
# OK rename the file, vgptool shows the new description and the same actions, and the row follows. A new
# name that another package has is refused with a message and both files stay as they were. A package
# that starts no program shows "-" in a disabled path box and keeps it. A screenshot of the dialog goes
# to e2e-shots/.
E2E_NAME=main_properties
source "$(dirname "$0")/fixtures/main_common.sh"

ID_PATH=1203; ID_NAME=1206; ID_DESCRIPTION=1208; ID_FILENAME=1202; ID_CREATEDATE=1219; ID_NEEDWAIT=1218
TITLE="Свойства"

main_prepare
nsis_package alpha "$E2E_WORK/vtapp.exe" 'C:\VelgaroOut\alpha' "first package"
nsis_package beta "$E2E_WORK/vtapp.exe" 'C:\VelgaroOut\beta' "second package"
plain_package "$PACKAGES/tweak.vgp" - "registry only" "" false
main_set_folder "$PACKAGES"
main_start 3

dialog() { probe "--title=$TITLE" "$@"; }
dialog_open() { xdotool search --onlyvisible --name "^${TITLE}\$" >/dev/null 2>&1; }
# Selects a row and presses keys in the list.
keys_on_row() { click_row "$1"; shift; xdotool key "$@"; sleep 0.5; }
type_into() {   # ID TEXT: the box's whole text replaced by typing
  xdotool mousemove $(centre_of "$(dialog rect "$1")") click 1
  xdotool key ctrl+a BackSpace
  xdotool type --delay 20 "$2"
}
press_ok() { xdotool key Return; sleep 1; }

keys_on_row 1 Return
sleep 1
dialog_open && fail "plain Enter opened the properties"

keys_on_row 1 shift+Return
wait_for_window "$TITLE" 20 >/dev/null || fail "Shift+Enter did not open the properties"
sleep 0.5
[ "$(dialog text $ID_NAME)" = "alpha" ] || fail "name box shows '$(dialog text $ID_NAME)'"
[ "$(dialog text $ID_PATH)" = "$(velgaro_winpath "$E2E_WORK/vtapp.exe")" ] || fail "path box shows '$(dialog text $ID_PATH)'"
[ "$(dialog text $ID_DESCRIPTION)" = "Velgaro Test App, first package" ] || fail "description shows '$(dialog text $ID_DESCRIPTION)'"
dialog text $ID_CREATEDATE | grep -q '^Дата создания: .' || fail "date label shows '$(dialog text $ID_CREATEDATE)'"
[ "$(dialog state $ID_NEEDWAIT)" = "1 1" ] || fail "wait box is '$(dialog state $ID_NEEDWAIT)', expected checked and enabled"
note "opened: $(dialog text $ID_NAME) | $(dialog text $ID_DESCRIPTION) | $(dialog text $ID_CREATEDATE)"
velgaro_screenshot "$E2E_SHOTS/main_properties-dialog.png"

actions_before="$(vgp_field "$PACKAGES/alpha.vgp" 'json.dumps(p["actions"])')"
type_into $ID_DESCRIPTION "changed by hand"
type_into $ID_NAME "gamma"
press_ok
dialog_open && fail "OK left the dialog open"
[ -f "$PACKAGES/gamma.VGP" ] || [ -f "$PACKAGES/gamma.vgp" ] || fail "no gamma package after the rename: $(ls "$PACKAGES")"
[ -e "$PACKAGES/alpha.vgp" ] && fail "alpha.vgp is still there"
gamma="$(ls "$PACKAGES"/gamma.* | head -1)"
desc="$(vgp_field "$gamma" 'p["description"]')"
[ "$desc" = "changed by hand" ] || fail "the package's description is '$desc'"
actions_after="$(vgp_field "$gamma" 'json.dumps(p["actions"])')"
[ "$actions_after" = "$actions_before" ] || fail "the actions changed with the properties"
probe rows | grep -q $'\tgamma\tOk\tchanged by hand\t' || { probe rows >&2; fail "the row was not refreshed"; }
note "renamed to $(basename "$gamma"), description and row follow"

# Another package's name: refused, both files as they were.
sums_before="$(md5sum "$gamma" "$PACKAGES/beta.vgp")"
row="$(probe rows | grep -n $'\tgamma\t' | cut -d: -f1)"
keys_on_row "$row" shift+Return
wait_for_window "$TITLE" 20 >/dev/null || fail "the properties did not open again"
sleep 0.5
type_into $ID_NAME "beta"
press_ok
wait_for_window "Неправильное значение" 10 >/dev/null || fail "no message for a name that another package has"
xdotool key Return; sleep 0.5
dialog_open || fail "the dialog closed after the refused name"
xdotool key Escape; sleep 1
[ "$(md5sum "$gamma" "$PACKAGES/beta.vgp")" = "$sums_before" ] || fail "a package file changed after the refused rename"
note "name of another package refused, both files unchanged"

# A package that starts no program.
row="$(probe rows | grep -n $'\ttweak\t' | cut -d: -f1)"
keys_on_row "$row" ctrl+Return
wait_for_window "$TITLE" 20 >/dev/null || fail "Ctrl+Enter did not open the properties"
sleep 0.5
[ "$(dialog text $ID_PATH)" = "-" ] || fail "path box of tweak shows '$(dialog text $ID_PATH)'"
[ "$(dialog state $ID_PATH | cut -d' ' -f2)" = "0" ] || fail "the path box of tweak is enabled"
[ "$(dialog state $ID_FILENAME | cut -d' ' -f1)" = "0" ] || fail "the file box of tweak is checked"
press_ok
dialog_open && fail "OK left the tweak dialog open"
exe="$(vgp_field "$PACKAGES/tweak.vgp" 'p["exe_path"]')"
[ "$exe" = "-" ] || fail "tweak's path is '$exe' after OK"
note "a package without installer keeps '-'"
main_quit
echo "PASS $E2E_NAME"
