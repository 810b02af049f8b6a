#!/usr/bin/env bash
# One installer of the corpus (tests/e2e/fixtures/corpus_examples.sh), end to end: built from the NSIS
# project's example as shipped, recorded through the main window as a new user would, with one choice
# that is not the installer's default; the package holds the actions done; replayed unattended in a
# fresh prefix it ends with exit code 0, the files and registry values the example writes are there,
# the choice is reproduced and the installer is gone.
# corpus.sh NAME velgaro.exe vgptool uiprobe.exe
CORPUS_NAME="${1:?example name}"; shift
E2E_NAME="corpus_$CORPUS_NAME"
source "$(dirname "$0")/fixtures/corpus_common.sh"
[ -n "${CORPUS_SCRIPT[$CORPUS_NAME]:-}" ] || fail "no example $CORPUS_NAME"

e2e_desktop
e2e_preset_russian
corpus_build "${CORPUS_SCRIPT[$CORPUS_NAME]}" "${CORPUS_OUT[$CORPUS_NAME]}"
started=$(date +%s)
corpus_record "$CORPUS_NAME"
"corpus_check_$CORPUS_NAME" || fail "the recorded installation"
note "recorded in $(( $(date +%s) - started )) s"

dump="$(vgp_dump "$CORPUS_PACKAGE")"
note "recorded: $dump"
python3 "$E2E_FIXTURES/corpus_expect.py" "$CORPUS_NAME" "$dump" "$(velgaro_winpath "$CORPUS_EXE")" \
  || fail "the recorded package is not what was done"

# Another machine: a fresh prefix replays the package unattended.
velgaro_cleanup
e2e_desktop
e2e_preset_russian
! declare -F "corpus_before_replay_$CORPUS_NAME" >/dev/null || "corpus_before_replay_$CORPUS_NAME"
started=$(date +%s)
corpus_replay "$CORPUS_PACKAGE"
note "replay exit code $VELGARO_RC in $(( $(date +%s) - started )) s"
[ "$VELGARO_RC" = 0 ] || fail "replay exit code $VELGARO_RC; report: $(cat "$CORPUS_REPORT" 2>/dev/null)"
python3 - "$CORPUS_REPORT" <<'PY' || fail "the run report: $(cat "$CORPUS_REPORT" 2>/dev/null)"
import json, sys
r = json.load(open(sys.argv[1], encoding="utf-8"))
assert r["exit_code"] == 0, r
assert [p["outcome"] for p in r["packages"]] == ["installed"], r
PY
corpus_installer_gone 10 || fail "the installer still runs after the replay"
"corpus_check_$CORPUS_NAME" || fail "the replayed installation"
echo "PASS $E2E_NAME"
