#!/usr/bin/env bash
# The corpus of installers nobody here wrote (the NSIS project's examples, tests/e2e/fixtures/
# corpus_examples.sh): each recorded through the main window as the end-to-end tests do, then replayed
# unattended in a fresh prefix against the same installer's own silent install (/S) in another, and the
# control window asked all along, by a second program, to answer WM_NULL (uiprobe waitping). Prints per
# example: recorded, the replay's exit code and whether the example's checks hold, the seconds of the
# replay (velgaro.exe started and ended included) and of the silent install, and the slowest answer of
# the control window while recording and while replaying. Figures for people to read; nothing is
# asserted. The aim: no answer slower than 500 ms.
#   scripts/bench_corpus.sh [NAME...]   (default: every example; the build is build/windows)
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BIN="${VELGARO_BIN:-$ROOT/build/windows/bin}"

if [ "${1:-}" != "--one" ]; then
  names=("$@")
  [ ${#names[@]} -gt 0 ] || names=(multilanguage startmenu basic example2 nsdialogs installoptions)
  printf '%-15s %-8s %-13s %9s %9s %18s %18s\n' example recorded replayed "replay s" "silent s" \
    "replay answers/ms" "record answers/ms"
  for name in "${names[@]}"; do
    line="$(bash "$0" --one "$name" 2>"/tmp/bench_corpus.$$.err")" \
      || line="$(printf '%-15s failed: %s' "$name" "$(grep FAIL "/tmp/bench_corpus.$$.err" | head -1)")"
    echo "$line"
  done
  rm -f "/tmp/bench_corpus.$$.err"
  exit 0
fi

NAME="$2"
E2E_NAME="bench_corpus_$NAME"
source "$ROOT/tests/e2e/fixtures/corpus_common.sh" "$BIN/velgaro.exe" "$BIN/vgptool.exe" "$BIN/uiprobe.exe"
[ -n "${CORPUS_SCRIPT[$NAME]:-}" ] || fail "no example $NAME"
seconds_since() { printf "%.1f" "$(echo "$(date +%s.%N) - $1" | bc)"; }
# Answers of the control window while it shows, into FILE: "count slowest-ms".
ping_control() { wine "$UIPROBE" waitping VelgaroControlWindow 300 2>/dev/null | tr -d '\r' >"$1" & PING_PID=$!; }
ping_result() { wait "$PING_PID"; read -r answers slowest <"$1" 2>/dev/null; echo "${answers:-?}/${slowest:-?}"; }
# The example's checks, without ending the bench.
checks() { ( "corpus_check_$NAME" ) >/dev/null 2>&1 && echo ok || echo "checks FAIL"; }

e2e_desktop
e2e_preset_russian
corpus_build "${CORPUS_SCRIPT[$NAME]}" "${CORPUS_OUT[$NAME]}"
ping_control "$E2E_WORK/ping-record.txt"
corpus_record "$NAME"
record_ping="$(ping_result "$E2E_WORK/ping-record.txt")"

velgaro_cleanup
e2e_desktop
e2e_preset_russian
! declare -F "corpus_before_replay_$NAME" >/dev/null || "corpus_before_replay_$NAME"
ping_control "$E2E_WORK/ping-replay.txt"
t0=$(date +%s.%N)
corpus_replay "$CORPUS_PACKAGE"
corpus_installer_gone 30
replay_s="$(seconds_since "$t0")"
replay_ping="$(ping_result "$E2E_WORK/ping-replay.txt")"
[ -z "${CORPUS_WATCH_PID:-}" ] || wait "$CORPUS_WATCH_PID"
replayed="rc $VELGARO_RC $(checks)"

velgaro_cleanup
e2e_desktop
e2e_preset_russian
t0=$(date +%s.%N)
wine "$CORPUS_EXE" /S >/dev/null 2>&1
corpus_installer_gone 30
silent_s="$(seconds_since "$t0")"

printf '%-15s %-8s %-13s %9s %9s %18s %18s\n' "$NAME" yes "$replayed" "$replay_s" "$silent_s" "$replay_ping" "$record_ping"
