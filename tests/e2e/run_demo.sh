#!/usr/bin/env bash
# The first command on a new machine, with this build (VELGARO_EXE) and a fresh Wine prefix:
#   1. scripts/run.sh --demo-replay makes the demo library in "C:\Velgaro Demo" (installers built with
#      makensis, packages written with vgptool), points the package folder at it, replays each package
#      unattended and exits with 0: every package "installed" into the folder its package typed, the
#      optional component that the package unticks left out.
#   2. scripts/run.sh --screenshot FILE leaves the main window open on the demo library: every row
#      checked and "Ok". Screenshot: build/e2e-shots/run-demo-main.png.
#   3. With a package folder of the user's own, run.sh leaves it alone: the setting and every file in
#      it stay as they were, and the main window opens on it.
#   4. --demo-replay makes the demo again (the package folder setting stays the user's) but keeps a
#      demo package that is there; a damaged one is reported "not installed", the other one still
#      installed, and run.sh exits with 1603's low 8 bits (67), the whole code printed from the report.
E2E_NAME=run_demo
source "$(dirname "$0")/fixtures/main_common.sh"
source "$VELGARO_ROOT/scripts/lib/demo.sh"

run_sh() {
  VELGARO_EXE="$VELGARO_EXE" VELGARO_VGPTOOL="$VGPTOOL" bash "$VELGARO_ROOT/scripts/run.sh" "$@" \
    >"$E2E_WORK/run.log" 2>&1
}
# Ends the program that run.sh left running, as the File menu's Exit does.
quit_left_running() {
  local i
  probe command 1004 >/dev/null
  for i in $(seq 1 100); do
    [ -z "$(xdotool search --onlyvisible --name 'Velgaro Replaysetup \(Build' 2>/dev/null)" ] && return 0
    sleep 0.2
  done
  fail "the program did not end after Exit"
}

e2e_desktop
demo="$(c_drive 'Velgaro Demo')"
[ -z "$(velgaro_package_folder)" ] || fail "the fresh prefix already has a package folder"

# 1. The replay.
run_sh --demo-replay
rc=$?
cat "$E2E_WORK/run.log"
[ "$rc" = 0 ] || fail "run.sh --demo-replay exited with $rc"
for name in "Lumen Notes" "Quill Ledger"; do
  grep -qx "  $name: installed in [0-9:]* (.*)" "$E2E_WORK/run.log" || fail "$name is not reported as installed"
done
grep -qx "Run exit code: 0" "$E2E_WORK/run.log" || fail "no run exit code 0 in the output"
[ -f "$demo/Apps/Lumen Notes/lumen-notes.txt" ] || fail "Lumen Notes was not installed into the typed folder"
[ -f "$demo/Apps/Quill Ledger/quill-ledger.txt" ] || fail "Quill Ledger was not installed into the typed folder"
[ ! -e "$demo/Apps/Lumen Notes/Samples" ] || fail "the unticked component of Lumen Notes was installed"
[ ! -e "$demo/Apps/Quill Ledger/Examples" ] || fail "the unticked component of Quill Ledger was installed"
[ "$(velgaro_package_folder)" = 'C:\Velgaro Demo\Packages' ] || fail "package folder after the first run: $(velgaro_package_folder)"

# 2. The main window on the demo library.
run_sh --screenshot "$E2E_SHOTS/run-demo-main.png" || { cat "$E2E_WORK/run.log"; fail "run.sh --screenshot"; }
[ -s "$E2E_SHOTS/run-demo-main.png" ] || fail "no screenshot"
main_wait_rows 2
rows="$(probe rows | cut -f1-3)"
note "main window: $(echo "$rows" | tr '\t\n' ' /')"
[ "$rows" = "$(printf '1\tLumen Notes\tOk\n1\tQuill Ledger\tOk')" ] || fail "rows: $rows"
quit_left_running

# 3. A package folder of the user's own is never touched.
cp "$demo/Packages/Lumen Notes.vgp" "$PACKAGES/Mine.vgp"
printf '\r\nMine\r\n' >"$PACKAGES/Position.lst"
main_set_folder "$PACKAGES"
mine="$(velgaro_winpath "$PACKAGES")"
before="$(cd "$PACKAGES" && find . -type f -exec sha1sum {} + | sort)"
rm -rf "$demo"
run_sh --screenshot "$E2E_WORK/second.png" || { cat "$E2E_WORK/run.log"; fail "the second run.sh"; }
main_wait_rows 1
[ "$(probe rows | cut -f2)" = "Mine" ] || fail "the second run opened on: $(probe rows)"
[ "$(velgaro_package_folder)" = "$mine" ] || fail "the package folder became $(velgaro_package_folder)"
[ "$(cd "$PACKAGES" && find . -type f -exec sha1sum {} + | sort)" = "$before" ] || fail "the user's package folder changed"
[ ! -e "$demo" ] || fail "the demo was made again although a package folder was set"
quit_left_running

# 4. A replay with one package damaged.
mkdir -p "$demo/Packages"
printf 'not a package' >"$demo/Packages/Quill Ledger.vgp"
run_sh --demo-replay
rc=$?
cat "$E2E_WORK/run.log"
[ "$rc" = 67 ] || fail "run.sh --demo-replay with a damaged package exited with $rc"
grep -qx "  Lumen Notes: installed in .*" "$E2E_WORK/run.log" || fail "Lumen Notes is not reported as installed"
grep -qx "  Quill Ledger: not installed in .*" "$E2E_WORK/run.log" || fail "the damaged package is not reported"
grep -qx "Run exit code: 1603" "$E2E_WORK/run.log" || fail "no run exit code 1603 in the output"
[ "$(velgaro_package_folder)" = "$mine" ] || fail "the replay changed the package folder to $(velgaro_package_folder)"
echo "PASS $E2E_NAME"
