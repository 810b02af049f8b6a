#!/usr/bin/env bash
# A plain start opens the main window on the package folder: three packages written with vgptool, one of
# them for an installer that is not there, read back from the list view: "Ok", "Не найден" and the
# descriptions, the expanded installer paths, the count in the status bar. Screenshot: main-window.png.
E2E_NAME=main_list
source "$(dirname "$0")/fixtures/main_common.sh"

main_prepare
nsis_package first "$E2E_WORK/vtapp.exe" 'C:\VelgaroOut\first' "the first package"
nsis_package missing 'C:\Nowhere\setup.exe' 'C:\VelgaroOut\missing' "a package without its installer"
nsis_package second "$E2E_WORK/vtapp.exe" 'C:\VelgaroOut\second' "the second package"
main_set_folder "$PACKAGES"
main_start 3
velgaro_screenshot "$E2E_SHOTS/main-window.png"

rows="$(probe rows)"
note "rows:"$'\n'"$rows"
installer="$(velgaro_winpath "$E2E_WORK/vtapp.exe")"
expect_row() {
  grep -qxF "$1" <<<"$rows" || fail "no row '$1'"
}
expect_row "0	first	Ok	Velgaro Test App, the first package	$installer"
expect_row "0	missing	Не найден	Не найден исполняемый файл	C:\\Nowhere\\setup.exe"
expect_row "0	second	Ok	Velgaro Test App, the second package	$installer"
[ "$(probe status | head -1)" = "0 из 3" ] || fail "panel 1 reads '$(probe status | head -1)'"
[ "$(probe text 102)" = "$(velgaro_winpath "$PACKAGES")" ] || fail "the folder box reads '$(probe text 102)'"
main_quit
echo "PASS $E2E_NAME"
