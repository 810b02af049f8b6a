#!/usr/bin/env bash
# The disk wizard refuses a target inside a folder it would copy, before it writes anything: the target
# stored from an earlier run is C:\Distr\BadApp\Disk, inside the folder of the installer that the one
# package of the package folder starts. Page 0 is passed with Next; Next on page 1 shows the refusal,
# which names C:\Distr\BadApp (the language texts' Russian default), and the wizard stays on page 1 with
# Back open. The installer's folder holds exactly what it held before, byte for byte, and the package
# folder is untouched too.
# Screenshot: e2e-shots/wizard_bad_target.png (the refusal).
E2E_NAME=wizard_bad_target
source "$(dirname "$0")/fixtures/main_common.sh"
source "$(dirname "$0")/fixtures/wizard_common.sh"

ID_NEXT=1591; ID_BACK=1590; ID_TARGET=1609

e2e_desktop
e2e_preset_russian
DISTR="$(c_drive Distr/BadApp)"
mkdir -p "$DISTR/Disk" "$DISTR/data"
printf 'MZ not really an installer' >"$DISTR/setup.exe"
printf 'settings of the program\r\n' >"$DISTR/data/app.ini"
nsis_package_json 'C:\Distr\BadApp\setup.exe' 'C:\VelgaroOut\bad' >"$E2E_WORK/bad.json"
vgp_pack "$E2E_WORK/bad.json" "$PACKAGES/BadApp.vgp"
main_set_folder "$PACKAGES"
wizard_stored_choices 'C:\Distr\BadApp\Disk' "$PACKAGES"
# Every entry of a folder with its type, and every file's checksum.
snapshot() { (cd "$1" && find . -printf '%y %p\n' | sort && find . -type f -exec md5sum {} + | sort); }
distr_before="$(snapshot "$DISTR")"
main_start 1

open_wizard
wait_title "$BASE (Шаг 1 из 7)" 30
packages_before="$(snapshot "$PACKAGES")"   # opening the wizard saved the list's order there
[ "$(wiz text $ID_TARGET)" = 'C:\Distr\BadApp\Disk' ] || fail "page 0 shows the target '$(wiz text $ID_TARGET)'"
click_in_wizard $ID_NEXT
wait_title "$BASE (Шаг 2 из 7)"
click_in_wizard $ID_NEXT
wait_for_window "Velgaro Replaysetup" 20 >/dev/null || fail "no refusal after Next on page 1"
refusal=""
for i in $(seq 1 25); do
  refusal="$(probe "--title=Velgaro Replaysetup" children | awk -F'\t' '$1 == "Static" && $2 != "" { print $2 }')"
  [ -n "$refusal" ] && break
  sleep 0.2
done
note "refusal: $refusal"
velgaro_screenshot "$E2E_SHOTS/wizard_bad_target.png"
[ "$refusal" = 'Папка образа диска лежит внутри копируемой папки C:\Distr\BadApp. Выберите другую папку для образа диска.' ] \
  || fail "the refusal reads '$refusal'"
xdotool mousemove $(centre_of "$(probe "--title=Velgaro Replaysetup" find Button OK)") click 1
for i in $(seq 1 50); do wait_for_window "Velgaro Replaysetup" 1 >/dev/null || break; done
wait_title "$BASE (Шаг 2 из 7)"
[ "$(wiz state $ID_BACK)" = "0 1" ] || fail "Back is not open after the refusal: $(wiz state $ID_BACK)"

[ "$(snapshot "$DISTR")" = "$distr_before" ] || { diff <(echo "$distr_before") <(snapshot "$DISTR") >&2; fail "the installer's folder changed"; }
[ "$(snapshot "$PACKAGES")" = "$packages_before" ] || { diff <(echo "$packages_before") <(snapshot "$PACKAGES") >&2; fail "the package folder changed"; }
note "C:\\Distr\\BadApp unchanged: $(echo "$distr_before" | grep -c '^[df] ') entries"
echo "PASS $E2E_NAME"
