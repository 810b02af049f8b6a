# A VNC server on the private Xvfb display, for a machine without a display of its own. It listens on
# the loopback address only, so no other machine reaches it, and asks for a password made for this run,
# since every user of this machine reaches the loopback address too. Source after wine.sh; stop it with
# velgaro_stop_vnc.
VELGARO_VNC_PID=""
VELGARO_VNC_DIR=""
VELGARO_VNC_PORT=""

velgaro_start_vnc() {
  local password i
  VELGARO_VNC_DIR="$(mktemp -d "${TMPDIR:-/tmp}/velgaro-vnc.XXXXXX")" || return 1   # mode 700
  password="$(python3 -c 'import secrets, string; a = string.ascii_letters + string.digits; print("".join(secrets.choice(a) for _ in range(8)))')"
  # The password goes in a file only this user reads, never on a command line (ps shows those), and
  # x11vnc deletes the file once read (rm:). VNC passwords are 8 characters at most.
  (umask 077 && printf '%s\n' "$password" >"$VELGARO_VNC_DIR/password") || return 1
  x11vnc -display "$DISPLAY" -localhost -no6 -noipv6 -forever -shared \
    -passwdfile "rm:$VELGARO_VNC_DIR/password" >"$VELGARO_VNC_DIR/out" 2>"$VELGARO_VNC_DIR/log" </dev/null &
  VELGARO_VNC_PID=$!
  for i in $(seq 1 100); do
    VELGARO_VNC_PORT="$(sed -n 's/^PORT=\([0-9]\+\)$/\1/p' "$VELGARO_VNC_DIR/out" | head -1)"
    [ -n "$VELGARO_VNC_PORT" ] && break
    kill -0 "$VELGARO_VNC_PID" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$VELGARO_VNC_PORT" ]; then
    echo "could not start x11vnc on $DISPLAY:" >&2
    tail -5 "$VELGARO_VNC_DIR/log" >&2
    velgaro_stop_vnc
    return 1
  fi
  cat <<TEXT
The program's screen (display $DISPLAY) is shared over VNC on 127.0.0.1:$VELGARO_VNC_PORT only.
  Password for this run: $password
  Connect on this machine:  vncviewer localhost:$VELGARO_VNC_PORT
  From another machine:     ssh -L $VELGARO_VNC_PORT:localhost:$VELGARO_VNC_PORT $(id -un)@$(hostname -f 2>/dev/null || hostname), then vncviewer localhost:$VELGARO_VNC_PORT there
TEXT
}

velgaro_stop_vnc() {
  if [ -n "$VELGARO_VNC_PID" ]; then
    kill "$VELGARO_VNC_PID" 2>/dev/null
    wait "$VELGARO_VNC_PID" 2>/dev/null || true
    VELGARO_VNC_PID=""
  fi
  [ -z "$VELGARO_VNC_DIR" ] || rm -rf "$VELGARO_VNC_DIR"
  VELGARO_VNC_DIR=""
  return 0
}
