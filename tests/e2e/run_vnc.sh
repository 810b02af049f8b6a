#!/usr/bin/env bash
# scripts/run.sh on a machine without a display (DISPLAY unset), with this build and --no-demo: it
# starts Xvfb and x11vnc and prints the password and the line to connect. The VNC server listens on
# 127.0.0.1 only, offers VNC authentication alone (no access without the password), takes the printed
# password, keeps it neither on its command line nor on disk, and stops, with Xvfb, when the program's
# main window is closed. --no-demo makes no demo and sets no package folder.
E2E_NAME=run_vnc
source "$(dirname "$0")/fixtures/main_common.sh"
RFB_CHECK="$VELGARO_ROOT/tests/e2e/helpers/rfb_check.py"

velgaro_fresh_prefix
unset DISPLAY
VELGARO_EXE="$VELGARO_EXE" VELGARO_VGPTOOL="$VGPTOOL" bash "$VELGARO_ROOT/scripts/run.sh" --no-demo \
  >"$E2E_WORK/run.log" 2>&1 &
run_pid=$!
E2E_PID=$run_pid
vnc_pid=""
trap 'rc=$?; [ -z "$vnc_pid" ] || kill "$vnc_pid" 2>/dev/null; (exit $rc); e2e_finish' EXIT

for i in $(seq 1 300); do
  grep -q "vncviewer localhost:" "$E2E_WORK/run.log" && break
  kill -0 "$run_pid" 2>/dev/null || break
  sleep 0.2
done
cat "$E2E_WORK/run.log"
password="$(sed -n 's/^ *Password for this run: \([^ ]*\)$/\1/p' "$E2E_WORK/run.log")"
port="$(sed -n 's/.*on this machine: *vncviewer localhost:\([0-9]*\)$/\1/p' "$E2E_WORK/run.log")"
display="$(sed -n 's/^No display: started Xvfb on \(:[0-9]*\)$/\1/p' "$E2E_WORK/run.log")"
[ -n "$password" ] && [ -n "$port" ] && [ -n "$display" ] || fail "run.sh printed no display, password or connect line"
export DISPLAY="$display"
xvfb_pid="$(pgrep -f "^Xvfb $display " | head -1)"
[ -n "$xvfb_pid" ] || fail "no Xvfb on $display"

# Listening: 127.0.0.1 and that port only.
listening="$(ss -ltnpH 2>/dev/null | grep '"x11vnc"')"
note "x11vnc listens on: $(echo "$listening" | awk '{print $4}' | tr '\n' ' ')"
vnc_pid="$(echo "$listening" | sed -n 's/.*"x11vnc",pid=\([0-9]*\).*/\1/p' | head -1)"
[ -n "$vnc_pid" ] || fail "no x11vnc is listening"
[ "$(echo "$listening" | awk '{print $4}' | sort -u)" = "127.0.0.1:$port" ] || fail "x11vnc listens elsewhere: $listening"
cmdline="$(tr '\0' ' ' </proc/"$vnc_pid"/cmdline)"
[[ "$cmdline" != *"$password"* ]] || fail "the password is on x11vnc's command line: $cmdline"
password_file="$(echo "$cmdline" | sed -n 's/.*-passwdfile rm:\([^ ]*\).*/\1/p')"
[ -n "$password_file" ] && [ ! -e "$password_file" ] || fail "the password file is still there: $cmdline"

# Without the password no way in; with it, in.
without="$(python3 "$RFB_CHECK" "$port")" || fail "RFB handshake: $without"
note "without the password: $(echo "$without" | tr '\n' ' ')"
[ "$without" = "$(printf 'types: 2\nauth: refused')" ] || fail "without the password: $without"
with="$(python3 "$RFB_CHECK" "$port" "$password")" || fail "RFB handshake: $with"
[ "$with" = "$(printf 'types: 2\nauth: ok')" ] || fail "with the printed password: $with"

# The program's main window is on that display, on no package folder.
wait_for_window "Velgaro Replaysetup \\(Build .*\\)" 60 >/dev/null || fail "the main window did not appear on $DISPLAY"
main_wait_rows 0
velgaro_screenshot "$E2E_SHOTS/run-vnc-main.png"
[ ! -e "$(c_drive 'Velgaro Demo')" ] || fail "--no-demo made the demo"
wine reg query 'HKCU\Software\Velgaro\Path' /v FolderVGP >/dev/null 2>&1 && fail "--no-demo set a package folder"

# Closing the program ends run.sh, the VNC server and Xvfb.
probe command 1004 >/dev/null
for i in $(seq 1 150); do kill -0 "$run_pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$run_pid" 2>/dev/null && fail "run.sh did not end after the program closed"
wait "$run_pid"
note "run.sh exited with $?"
E2E_PID=""
for i in $(seq 1 25); do kill -0 "$vnc_pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$vnc_pid" 2>/dev/null && fail "x11vnc is still running"
vnc_pid=""
ss -ltnH 2>/dev/null | awk '{print $4}' | grep -qx "127.0.0.1:$port" && fail "port $port is still open"
for i in $(seq 1 25); do kill -0 "$xvfb_pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$xvfb_pid" 2>/dev/null && fail "Xvfb $display is still running"
echo "PASS $E2E_NAME"
