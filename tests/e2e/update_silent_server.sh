#!/usr/bin/env bash
# The update check against a first server that accepts the connection and then sends nothing at all:
# the whole request is given up after 30 s and the backup server is asked, so the backup's answer (the
# list of the running version: "У Вас установлена последняя версия") shows within 35 s of the window
# opening. Its wall time is that wait; it shares nothing with other tests (own display, prefix, ports).
# Screenshot: e2e-shots/update_silent_server.png (the backup's answer).
E2E_NAME=update_silent_server
source "$(dirname "$0")/fixtures/main_common.sh"
source "$(dirname "$0")/fixtures/update_common.sh"

e2e_desktop
e2e_preset_russian
TITLE="Проверка обновления"
version="$(sed -n 's/^project(Velgaro VERSION \([0-9.]*\).*/\1/p' "$VELGARO_ROOT/CMakeLists.txt")"
IFS=. read -r major minor revision <<<"$version"
mkdir -p "$E2E_WORK/site/same"
printf '<?xml version="1.0"?><versions><info><version>%s</version><major>%s</major><minor>%s</minor><revision>%s</revision></info></versions>' \
  "$version" "$major" "$minor" "$revision" >"$E2E_WORK/site/same/update.xml"
BACKUP_PORT="$(free_port)"
serve_folder "$E2E_WORK/site" "$BACKUP_PORT" same/update.xml

# The silent server: accepts every connection, keeps it open, never answers.
timeout 300 python3 -u - "$E2E_WORK/silent.port" >"$E2E_WORK/silent.log" 2>&1 <<'PY' &
import os, socket, sys
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(16)
with open(sys.argv[1] + ".tmp", "w") as f:
    f.write(str(server.getsockname()[1]))
os.rename(sys.argv[1] + ".tmp", sys.argv[1])
held = []
while True:
    connection, _ = server.accept()
    held.append(connection)
    print("accepted", flush=True)
PY
SILENT_PID=$!
trap 'kill $SERVER_PID $SILENT_PID 2>/dev/null; e2e_finish' EXIT
for i in $(seq 1 50); do [ -s "$E2E_WORK/silent.port" ] && break; sleep 0.1; done
[ -s "$E2E_WORK/silent.port" ] || fail "the silent server did not start"
set_servers "http://127.0.0.1:$(cat "$E2E_WORK/silent.port")" "http://127.0.0.1:$BACKUP_PORT/same"

main_start
open_update_window
start=$(date +%s)
wait_status "У Вас установлена последняя версия" 35
took=$(( $(date +%s) - start ))
note "the backup's answer after $took s; the silent server: $(grep -c accepted "$E2E_WORK/silent.log") connection(s)"
velgaro_screenshot "$E2E_SHOTS/update_silent_server.png"
grep -q accepted "$E2E_WORK/silent.log" || fail "the first server was never asked"
grep -q 'GET /same/update.xml' "$E2E_WORK/http.log" || fail "the backup server was not asked"
[ "$took" -le 35 ] || fail "the backup's answer showed only after $took s"
close_update_window
main_quit
echo "PASS $E2E_NAME"
