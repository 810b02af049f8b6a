#!/usr/bin/env bash
# Replay reliability and speed: the Modern UI test installer played 20 times in a row at speed 0
# (/SPEED=0), each time into a fresh folder, against the same installer's own silent install
# (/S /D=...). Prints the successes out of 20, the median seconds per replay and the ratio of the
# medians. Figures for people to read; nothing is asserted.
#   [PAYLOAD_MB=n] scripts/bench_replay.sh [velgaro.exe] [vgptool] [runs]
# The bare test installer is one tiny file, so playback's fixed cadence dominates the ratio; with
# PAYLOAD_MB the installer also carries that many MB of random data, like a real one.
E2E_NAME=bench_replay
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
set -- "${1:-$ROOT/build/windows/bin/velgaro.exe}" "${2:-$ROOT/build/windows/bin/vgptool.exe}" "${3:-20}"
RUNS="$3"
PAYLOAD_MB="${PAYLOAD_MB:-0}"
source "$ROOT/tests/e2e/fixtures/play_common.sh"
[[ "$PAYLOAD_MB" =~ ^[0-9]+$ ]] || fail "PAYLOAD_MB must be a whole number of MB, not '$PAYLOAD_MB'"

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
seconds_since() { echo "$(date +%s.%N) - $1" | bc; }

# An install counts when its last file is there and the payload, if any, arrived whole.
installed_ok() {
  [ -f "$1/installed.txt" ] || return 1
  [ "$PAYLOAD_MB" -eq 0 ] || [ "$(stat -c %s "$1/payload.bin" 2>/dev/null)" = "$((PAYLOAD_MB * 1048576))" ]
}

e2e_desktop
payload=()
if [ "$PAYLOAD_MB" -gt 0 ]; then
  head -c "$((PAYLOAD_MB * 1048576))" /dev/urandom >"$E2E_WORK/payload.bin" || fail "payload"
  payload=("-DPAYLOAD=$E2E_WORK/payload.bin")
fi
nsis_build "$E2E_WORK/vtapp.exe" "${payload[@]}"
installer="$(velgaro_winpath "$E2E_WORK/vtapp.exe")"

# The installer's own silent install, timed the same way (a batch file under cmd).
silent_times=()
for i in $(seq 1 "$RUNS"); do
  printf '@echo off\r\n"%s" /S /D=C:\\BenchSilent\\run%d\r\n' "$installer" "$i" >"$E2E_WORK/silent.bat"
  t0=$(date +%s.%N)
  timeout 60 wine cmd /c "$(velgaro_winpath "$E2E_WORK/silent.bat")" >/dev/null 2>&1
  silent_times+=("$(seconds_since "$t0")")
  installed_ok "$(c_drive "BenchSilent/run$i")" || note "silent install $i did not install"
  # Forty copies of a large payload would fill the disk.
  rm -rf "$(c_drive "BenchSilent/run$i")"
done

ok=0
replay_times=()
for i in $(seq 1 "$RUNS"); do
  nsis_package_json "$installer" "C:\\BenchReplay\\run$i" >"$E2E_WORK/pkg.json"
  vgp_pack "$E2E_WORK/pkg.json" "$E2E_WORK/bench.vgp"
  t0=$(date +%s.%N)
  velgaro_run 90 /SPEED=0 /inst "$(velgaro_winpath "$E2E_WORK/bench.vgp")" /nostat
  elapsed="$(seconds_since "$t0")"
  if [ "$VELGARO_RC" = "0" ] && installed_ok "$(c_drive "BenchReplay/run$i")"; then
    ok=$((ok + 1))
    replay_times+=("$elapsed")
  else
    note "replay $i failed: exit code $VELGARO_RC"
    velgaro_screenshot "$E2E_SHOTS/bench-replay-$i.png"
    # A failed run may leave the installer open; the next run starts from a clean desktop.
    wineserver -k >/dev/null 2>&1
  fi
  rm -rf "$(c_drive "BenchReplay/run$i")"
done

replay_median="$(printf '%s\n' "${replay_times[@]}" | median)"
silent_median="$(printf '%s\n' "${silent_times[@]}" | median)"
echo "payload: $PAYLOAD_MB MB (installer $(stat -c %s "$E2E_WORK/vtapp.exe") bytes)"
echo "replays succeeded: $ok/$RUNS"
echo "median seconds per replay: $replay_median"
echo "median seconds per silent install: $silent_median"
echo "ratio replay/silent: $(echo "scale=2; $replay_median / $silent_median" | bc)"
# What playback adds whatever the installer: the steps (one per tick) and the 500-ms polls of the wait.
echo "seconds added by playback: $(echo "$replay_median - $silent_median" | bc)"
