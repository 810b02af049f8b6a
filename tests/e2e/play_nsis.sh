#!/usr/bin/env bash
# velgaro.exe /inst plays a recorded Modern UI installer to the end: every page clicked through, the
# folder typed into the folder field, the installer waited for; exit code 0 and the files in place.
E2E_NAME=play_nsis
source "$(dirname "$0")/fixtures/play_common.sh"

e2e_desktop
nsis_build "$E2E_WORK/vtapp.exe"
nsis_package_json "$(velgaro_winpath "$E2E_WORK/vtapp.exe")" 'C:\VelgaroOut\nsis' >"$E2E_WORK/pkg.json"
vgp_pack "$E2E_WORK/pkg.json" "$E2E_WORK/nsis.vgp"

velgaro_run 80 /inst "$(velgaro_winpath "$E2E_WORK/nsis.vgp")" /nostat
expect_exit 0
[ -f "$(c_drive VelgaroOut/nsis/installed.txt)" ] || fail "installed.txt missing in C:\\VelgaroOut\\nsis"
note "installed into C:\\VelgaroOut\\nsis"
