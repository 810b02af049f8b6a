#!/usr/bin/env bash
# The disk wizard as a user drives it, then the disk it built played from another drive letter.
# A package folder holds one package of the Modern UI installer, whose installer lies in C:\Distr\VtApp;
# the wizard is opened from the main window's File menu with the target folder C:\Disk and the package
# folder stored from an earlier run. Every page is passed with clicks on Next: the step counter, the
# summary, the copy report, the package list with its measurement, the folder copy, the rewrite of the
# installer paths (chosen) and the closing page (the disk's package folder chosen). The disk then holds
# autorun.inf, the program, the package with its installer path under %DRIVEAPP%, and the installer's
# folder; the user's own package is unchanged, and the main window shows the disk's package folder.
# Last, C:\Distr is removed, the disk folder becomes drive R:, and R:\Velgaro\Velgaro.exe /inst plays
# the disk's package: exit code 0 and the program installed.
# Screenshots: e2e-shots/wizard_disk-page0.png, -page1.png, -list.png (the measured list), -copied.png,
# -finish.png.
E2E_NAME=wizard_disk
source "$(dirname "$0")/fixtures/main_common.sh"
source "$(dirname "$0")/fixtures/wizard_common.sh"

ID_NEXT=1591; ID_TARGET=1609; ID_PACKAGEFOLDER=1622; ID_FILECOUNT=1623; ID_SOFTFOLDER=1626
ID_DEST=1643; ID_LOG=1661; ID_REPORTSTATUS=1662; ID_LIST=1681; ID_COMPUTE=1684; ID_TOTALSIZE=1686
ID_TIPSTATUS=1690; ID_PERCENT=1708; ID_COPYSTAT=1709; ID_REPLACEYES=1722; ID_KEEPFOLDER=1743; ID_DISKFOLDER=1744

e2e_desktop
e2e_preset_russian
rm -f "$(dirname "$VELGARO_EXE")/FolderPath.xml"   # the program's stored folders of an earlier run
DISTR="$(c_drive Distr/VtApp)"; DISK="$(c_drive Disk)"
mkdir -p "$DISTR" "$DISK"
nsis_build "$DISTR/vtapp.exe"
nsis_package_json 'C:\Distr\VtApp\vtapp.exe' 'C:\VelgaroOut\disk' >"$E2E_WORK/app.json"
vgp_pack "$E2E_WORK/app.json" "$PACKAGES/VtApp.vgp"
own_sum="$(md5sum <"$PACKAGES/VtApp.vgp")"
main_set_folder "$PACKAGES"
wizard_stored_choices 'C:\Disk' "$PACKAGES"
main_start 1

next_to() {   # the step the click on Next leads to, its title
  click_in_wizard $ID_NEXT
  wait_title "$1" "${2:-30}"
}

open_wizard
wait_title "$BASE (Шаг 1 из 7)" 30
velgaro_screenshot "$E2E_SHOTS/wizard_disk-page0.png"
[ "$(wiz text $ID_TARGET)" = 'C:\Disk' ] || fail "page 0 shows the target '$(wiz text $ID_TARGET)'"
next_to "$BASE (Шаг 2 из 7)"
[ "$(wiz text $ID_PACKAGEFOLDER)" = "$(velgaro_winpath "$PACKAGES")" ] || fail "page 1 shows '$(wiz text $ID_PACKAGEFOLDER)'"
[ "$(wiz text $ID_FILECOUNT)" = "1 - файлов" ] || fail "page 1 counts '$(wiz text $ID_FILECOUNT)'"
[ "$(wiz text $ID_SOFTFOLDER)" = "Programs" ] || fail "page 1 names the programs folder '$(wiz text $ID_SOFTFOLDER)'"
velgaro_screenshot "$E2E_SHOTS/wizard_disk-page1.png"
next_to "$BASE (Шаг 3 из 7)"
[ "$(wiz text $ID_DEST)" = 'C:\Disk' ] || fail "the summary's target is '$(wiz text $ID_DEST)'"
next_to "$BASE (Шаг 4 из 7)" 60
status="$(wiz text $ID_REPORTSTATUS)"
[ "$status" = "Процесс копирования завершён успешно" ] || { wiz text $ID_LOG >&2; fail "page 3 reports '$status'"; }
wiz text $ID_LOG | grep -q 'autorun.inf' || fail "the copy log names no autorun.inf"
note "page 3: $status"

next_to "$BASE (Шаг 5 из 7)"
rows="$(wiz listrows $ID_LIST 6)"
[ "$(cut -f1-6 <<<"$rows")" = "$(printf '1\tVtApp\t+\tC:\\Distr\\VtApp\\vtapp.exe\t+\tC:\\Distr\\VtApp')" ] \
  || fail "the package list shows '$rows'"
click_in_wizard $ID_COMPUTE
for i in $(seq 1 50); do [ -n "$(wiz text $ID_TOTALSIZE)" ] && break; sleep 0.2; done
[ "$(wiz text $ID_TIPSTATUS)" = "Нажмите Далее чтобы приступить к копированию" ] || fail "after measuring: '$(wiz text $ID_TIPSTATUS)'"
note "measured: $(wiz text $ID_TOTALSIZE) of $(wiz listrows $ID_LIST 7 | cut -f7)"
velgaro_screenshot "$E2E_SHOTS/wizard_disk-list.png"

next_to "$BASE (Шаг 6 из 7)" 60
[ "$(wiz text $ID_PERCENT)" = "Копирование завершено" ] || fail "page 5 shows '$(wiz text $ID_PERCENT)'"
wiz text $ID_COPYSTAT | tr -d '\r' | grep -q '^1/1$' || fail "page 5 reports '$(wiz text $ID_COPYSTAT)'"
velgaro_screenshot "$E2E_SHOTS/wizard_disk-copied.png"
next_to "$BASE (Шаг 7 из 7)"
click_in_wizard $ID_REPLACEYES
[ "$(wiz state $ID_REPLACEYES)" = "1 1" ] || fail "the rewrite is not chosen"
next_to "$BASE"
[ "$(wiz text $ID_KEEPFOLDER)" = "$(velgaro_winpath "$PACKAGES")" ] || fail "item 0 is '$(wiz text $ID_KEEPFOLDER)'"
[ "$(wiz text $ID_DISKFOLDER)" = 'C:\Disk\Folder VGP' ] || fail "item 1 is '$(wiz text $ID_DISKFOLDER)'"
click_in_wizard $ID_DISKFOLDER
velgaro_screenshot "$E2E_SHOTS/wizard_disk-finish.png"
click_in_wizard $ID_NEXT
for i in $(seq 1 50); do [ -z "$(wizard_title)" ] && break; sleep 0.2; done
[ -z "$(wizard_title)" ] || fail "Finish left the wizard open"

# The main window works with the disk's package folder now.
for i in $(seq 1 50); do [ "$(probe text 102)" = 'C:\Disk\Folder VGP' ] && break; sleep 0.2; done
[ "$(probe text 102)" = 'C:\Disk\Folder VGP' ] || fail "the main window's folder is '$(probe text 102)'"
main_wait_rows 1

# What the disk holds.
[ "$(cat "$DISK/autorun.inf")" = "$(printf '[Autorun]\r\nopen=velgaro\\Velgaro.exe\r\nicon=velgaro\\Velgaro.exe,0\r')" ] \
  || fail "autorun.inf: $(od -c "$DISK/autorun.inf" | head -5)"
for f in Velgaro/Velgaro.exe Velgaro/Velgaro.ini Velgaro/help.chm "Folder VGP/VtApp.vgp" Programs/VtApp/vtapp.exe; do
  [ -f "$DISK/$f" ] || fail "the disk lacks $f"
done
dump_path() { vgp_field "$1" 'p["exe_path"]'; }
[ "$(dump_path "$DISK/Folder VGP/VtApp.vgp")" = '%DRIVEAPP%\Programs\VtApp\vtapp.exe' ] \
  || fail "the disk's package starts '$(dump_path "$DISK/Folder VGP/VtApp.vgp")'"
[ "$(md5sum <"$PACKAGES/VtApp.vgp")" = "$own_sum" ] || fail "the user's own package changed"
note "disk: $(cd "$DISK" && find . -type f | sort | paste -sd' ')"
main_quit

# The disk on another machine: the installers' own folder is gone and the disk is drive R:.
rm -rf "$(c_drive Distr)"
ln -s "$DISK" "$WINEPREFIX/dosdevices/r:"
bat="$E2E_WORK/disk.bat"
printf '@echo off\r\n"R:\\Velgaro\\Velgaro.exe" /inst "R:\\Folder VGP\\VtApp.vgp" /nostat\r\necho %%ERRORLEVEL%% > "%s"\r\n' \
  "$(velgaro_winpath "$E2E_WORK")\\rc.txt" >"$bat"
timeout 120 wine cmd /c "$(velgaro_winpath "$bat")" >"$E2E_WORK/disk.log" 2>&1
rc="$(tr -d ' \r\n' <"$E2E_WORK/rc.txt" 2>/dev/null)"
note "played from R: with exit code ${rc:-none}"
[ "$rc" = "0" ] || fail "the disk's package played with exit code '${rc:-none}'"
[ -f "$(c_drive VelgaroOut/disk/installed.txt)" ] || fail "installed.txt missing in C:\\VelgaroOut\\disk"
echo "PASS $E2E_NAME"
