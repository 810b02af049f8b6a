#!/usr/bin/env bash
# An installer whose folder page comes only 8 seconds after its licence page: the search for the
# folder field falls back to slow polling and still finds it; the run ends installed.
E2E_NAME=play_nsis_slow
source "$(dirname "$0")/fixtures/play_common.sh"

e2e_desktop
nsis_build "$E2E_WORK/vtslow.exe" -DSLOW_LICENSE_MS=8000
nsis_package_json "$(velgaro_winpath "$E2E_WORK/vtslow.exe")" 'C:\VelgaroOut\slow' >"$E2E_WORK/pkg.json"
vgp_pack "$E2E_WORK/pkg.json" "$E2E_WORK/slow.vgp"

start=$(date +%s)
velgaro_run 85 /SPEED=0 /inst "$(velgaro_winpath "$E2E_WORK/slow.vgp")" /nostat /TIMEOUT=40 \
  "/REPORT=$(velgaro_winpath "$E2E_WORK")\\run.json"
elapsed=$(( $(date +%s) - start ))
note "exit code $VELGARO_RC after ${elapsed}s"
[ "$VELGARO_RC" = "0" ] || { cat "$E2E_WORK/run.json" 2>/dev/null; fail "exit code $VELGARO_RC, expected 0"; }
[ -f "$(c_drive VelgaroOut/slow/installed.txt)" ] || fail "installed.txt missing in C:\\VelgaroOut\\slow"
[ "$elapsed" -ge 8 ] || fail "the run took ${elapsed}s: the 8-second page cannot have been waited for"
