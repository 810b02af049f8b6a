#!/usr/bin/env bash
# A second copy started while the main window is open: asked to install a package, it brings the main
# window forward and ends with 1603, since nothing was installed (never 0); started by a deployment tool
# (/TIMEOUT or /REPORT) it plays the package as a copy of its own and ends with 0.
E2E_NAME=startup_second_copy
source "$(dirname "$0")/fixtures/main_common.sh"

e2e_desktop
e2e_preset_russian
nsis_build "$E2E_WORK/vtapp.exe"
nsis_package app "$E2E_WORK/vtapp.exe" 'C:\VelgaroSecond'
main_set_folder "$PACKAGES"
main_start 1
package="$(velgaro_winpath "$PACKAGES/app.vgp")"

velgaro_run 60 /inst "$package" /nostat
[ "$VELGARO_RC" = 1603 ] || fail "a second copy handed to the main window ended with $VELGARO_RC, not 1603"
[ ! -e "$(c_drive VelgaroSecond/installed.txt)" ] || fail "the handed-over copy installed the package"

velgaro_run 120 /inst "$package" /nostat /TIMEOUT=60
[ "$VELGARO_RC" = 0 ] || fail "a second copy in a deployment run ended with $VELGARO_RC"
[ -f "$(c_drive VelgaroSecond/installed.txt)" ] || fail "the deployment run did not install the package"
main_quit
echo "PASS $E2E_NAME"
