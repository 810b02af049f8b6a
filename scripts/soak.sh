#!/usr/bin/env bash
# Soak: consecutive unattended replays under Wine and Xvfb, each into a fresh folder, of
#   nsis   the Modern UI NSIS test installer (velgaro.exe /inst package /nostat),
#   msi    an MSI built with wixl (a package that waits for msiexec; uninstalled again after each run),
#   batch  a batch of 20 NSIS packages in one run from the main window (F5), judged by its run report.
# Prints, per kind, successes out of runs and the 50th and 95th percentile of seconds per replay; a
# failed run keeps its work folder and a screenshot in build/soak/ for diagnosis.
#   scripts/soak.sh [runs] [kinds...]      e.g. scripts/soak.sh 100, or scripts/soak.sh 10 nsis
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
RUNS="${1:-100}"; shift || true
KINDS=("$@"); [ ${#KINDS[@]} -gt 0 ] || KINDS=(nsis msi batch)
BIN="$ROOT/build/windows/bin"
[ -f "$BIN/velgaro.exe" ] && [ -f "$BIN/vgptool.exe" ] && [ -f "$BIN/uiprobe.exe" ] || {
  cmake --preset windows >/dev/null && cmake --build --preset windows -j2 >/dev/null || exit 1
}
E2E_NAME=soak
set -- "$BIN/velgaro.exe" "$BIN/vgptool.exe" "$BIN/uiprobe.exe"
source "$ROOT/tests/e2e/fixtures/main_common.sh"
set +e
KEEP="$ROOT/build/soak"
mkdir -p "$KEEP"

e2e_desktop
e2e_preset_russian
wine reg add 'HKCU\Software\Velgaro\Install' /v Speed /t REG_SZ /d 0 /f >/dev/null 2>&1
nsis_build "$E2E_WORK/vtapp.exe"
INSTALLER="$(velgaro_winpath "$E2E_WORK/vtapp.exe")"
wixl -o "$E2E_WORK/tiny.msi" "$E2E_FIXTURES/tiny_product.wxs" >"$E2E_WORK/wixl.log" 2>&1 || { cat "$E2E_WORK/wixl.log"; exit 1; }
MSI="$(velgaro_winpath "$E2E_WORK/tiny.msi")"

now() { date +%s.%N; }
keep() {   # KIND N: the failed run's folder and the screen
  local to="$KEEP/$1-$2"
  rm -rf "$to"; cp -r "$RUN" "$to"
  velgaro_screenshot "$to/screen.png"
  echo "  $1 run $2 failed: kept in $to" >&2
}

# One NSIS replay into C:\VelgaroOut\nsis-N.
run_nsis() {
  local n="$1" target="C:\\VelgaroOut\\nsis-$1"
  nsis_package_json "$INSTALLER" "$target" >"$RUN/pkg.json"
  vgp_pack "$RUN/pkg.json" "$RUN/pkg.vgp" || return 1
  velgaro_run 120 /inst "$(velgaro_winpath "$RUN/pkg.vgp")" /nostat /TIMEOUT=60 "/REPORT=$(velgaro_winpath "$RUN")\\r.json"
  [ "$VELGARO_RC" = 0 ] && [ -f "$(c_drive "VelgaroOut/nsis-$n/installed.txt")" ]
}

# One MSI replay; the product is removed again so that the next run installs it afresh.
run_msi() {
  cat >"$RUN/pkg.json" <<JSON
{"description":"Velgaro Tiny Product","exe_path":"${MSI//\\/\\\\}","command_line":"",
 "options":{"need_reboot":false,"create_reboot":false,"local_speed":0,"def_select":false,"need_wait":true},
 "actions":[]}
JSON
  vgp_pack "$RUN/pkg.json" "$RUN/pkg.vgp" || return 1
  velgaro_run 120 /inst "$(velgaro_winpath "$RUN/pkg.vgp")" /nostat /TIMEOUT=60 "/REPORT=$(velgaro_winpath "$RUN")\\r.json"
  local installed=""
  installed="$(find "$WINEPREFIX/drive_c" -path '*VelgaroTiny/tiny.txt' | head -1)"
  wine msiexec /x "$MSI" /qn >/dev/null 2>&1
  [ "$VELGARO_RC" = 0 ] && [ -n "$installed" ]
}

# One batch of 20 packages from the main window, into C:\VelgaroOut\batch-N\1..20.
run_batch() {
  local n="$1" i
  PACKAGES="$RUN/packages"; mkdir -p "$PACKAGES"
  for i in $(seq -w 1 20); do
    nsis_package_json "$INSTALLER" "C:\\VelgaroOut\\batch-$n\\$i" >"$RUN/p$i.json"
    vgp_pack "$RUN/p$i.json" "$PACKAGES/p$i.vgp" || return 1
  done
  main_set_folder "$PACKAGES"
  wine "$VELGARO_EXE" /TIMEOUT=60 "/REPORT=$(velgaro_winpath "$RUN")\\batch.json" /nostat >"$RUN/main.log" 2>&1 &
  E2E_PID=$!
  wait_for_window "Velgaro Replaysetup \\(Build .*\\)" 60 >/dev/null || return 1
  for i in $(seq 1 100); do [ "$(probe count)" = 20 ] && break; sleep 0.2; done
  probe command $CMD_SELECT_ALL >/dev/null
  probe command $CMD_RUN_SELECT >/dev/null &
  for i in $(seq 1 3000); do [ -f "$RUN/batch.json" ] && break; sleep 0.2; done
  probe command 1004 >/dev/null 2>&1
  wait "$E2E_PID" 2>/dev/null; E2E_PID=""
  [ -f "$RUN/batch.json" ] || return 1
  [ "$(python3 -c 'import json, sys; r = json.load(open(sys.argv[1], encoding="utf-8"))
print(sum(p["outcome"] == "installed" for p in r["packages"]))' "$RUN/batch.json")" = 20 ]
}

summary=()
for kind in "${KINDS[@]}"; do
  ok=0; times=()
  for n in $(seq 1 "$RUNS"); do
    RUN="$E2E_WORK/$kind-$n"; mkdir -p "$RUN"
    t0=$(now)
    if "run_$kind" "$n"; then
      ok=$((ok + 1))
      times+=("$(echo "$(now) - $t0" | bc)")
      rm -rf "$RUN"
    else
      keep "$kind" "$n"
      wineserver -k >/dev/null 2>&1; sleep 1   # nothing of a failed run may meet the next one
    fi
    printf '\r%s: %d/%d' "$kind" "$ok" "$n" >&2
  done
  echo >&2
  stats="$(printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "- -"; exit }
    i50 = int(0.50 * NR + 0.999); i95 = int(0.95 * NR + 0.999)
    printf "%.1f %.1f", v[i50], v[i95] }')"
  summary+=("$kind: $ok/$RUNS succeeded, p50 ${stats% *} s, p95 ${stats#* } s per replay")
done
printf '%s\n' "${summary[@]}"
