#!/usr/bin/env bash
# The corpus of installers nobody here wrote (the NSIS project's examples, tests/e2e/fixtures/
# corpus_examples.sh): each recorded through the main window as the end-to-end tests do, then replayed
# unattended in a fresh prefix against the same installer's own silent install (/S) in another, and the
# control window asked all along, by a second program, to answer (uiprobe waitping: a sent WM_NULL, and a
# repaint, which only comes once the window's thread is back in its message loop). Prints per example:
# recorded, the replay's exit code and whether the example's checks hold, the seconds of the replay
# (velgaro.exe started and ended included) and of the silent install, and the control window's rounds
# of questions with its slowest answers (ms) while replaying and while recording. Figures for people
# to read; nothing is asserted. The aim: no answer slower than 500 ms.
#   scripts/bench_corpus.sh [NAME...]   (default: every example; the build is build/windows)
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BIN="${VELGARO_BIN:-$ROOT/build/windows/bin}"

# One line per example, then the slowest answer of all; a failed example shows its first failure.
if [ "${1:-}" != "--one" ]; then
  source "$ROOT/tests/e2e/fixtures/corpus_examples.sh"
  names=("$@")
  [ ${#names[@]} -gt 0 ] || names=($CORPUS_NAMES)
  format='%-15s %-9s %-14s %8s %8s   %-22s %-22s\n'
  printf "$format" example recorded replayed "replay s" "silent s" "replay: n/sent/paint ms" "record: n/sent/paint ms"
  worst=0
  for name in "${names[@]}"; do
    if fields="$(bash "$0" --one "$name" 2>"/tmp/bench_corpus.$$.err")"; then
      IFS='|' read -r replayed replay_s silent_s replay_ping record_ping <<<"$fields"
      printf "$format" "$name" yes "$replayed" "$replay_s" "$silent_s" "$replay_ping" "$record_ping"
      for ms in $(echo "$replay_ping/$record_ping" | tr '/' '\n' | awk 'NR % 3 != 1 && /^[0-9.]+$/'); do
        worst="$(echo "$ms $worst" | awk '{ print ($1 > $2) ? $1 : $2 }')"
      done
    else
      printf '%-15s failed: %s\n' "$name" "$(grep -m1 FAIL "/tmp/bench_corpus.$$.err")"
    fi
  done
  rm -f "/tmp/bench_corpus.$$.err"
  echo "slowest answer of the control window anywhere: $worst ms (aim: under 500 ms)"
  exit 0
fi

NAME="$2"
E2E_NAME="bench_corpus_$NAME"
source "$ROOT/tests/e2e/fixtures/corpus_common.sh" "$BIN/velgaro.exe" "$BIN/vgptool.exe" "$BIN/uiprobe.exe"
[ -n "${CORPUS_SCRIPT[$NAME]:-}" ] || fail "no example $NAME"
seconds_since() { printf "%.1f" "$(echo "$(date +%s.%N) - $1" | bc)"; }
# Answers of the control window while it shows, into FILE: "rounds sent-ms paint-ms" (the slowest).
ping_control() { wine "$UIPROBE" waitping VelgaroControlWindow 300 2>/dev/null | tr -d '\r' >"$1" & PING_PID=$!; }
ping_result() { wait "$PING_PID"; read -r rounds sent paint <"$1" 2>/dev/null; echo "${rounds:-?}/${sent:-?}/${paint:-?}"; }
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

echo "$replayed|$replay_s|$silent_s|$replay_ping|$record_ping"
