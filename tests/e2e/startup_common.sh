# Shared steps of the start-up end-to-end tests. Source it with the path of velgaro.exe as $1.

source "$(dirname "${BASH_SOURCE[0]}")/fixtures/e2e_common.sh"

E2E_EXE="$(readlink -f "${1:-}")"

# Desktop, prefix and (unless E2E_PRESET_LANGUAGE=no) the Russian language setting.
e2e_begin() {
  [ -f "$E2E_EXE" ] || { echo "velgaro.exe not found: $E2E_EXE" >&2; exit 1; }
  e2e_desktop
  [ "${E2E_PRESET_LANGUAGE:-yes}" = yes ] || return 0
  e2e_preset_russian
}

# Starts the program in the background with the given arguments.
e2e_start() {
  local exe="${E2E_START_EXE:-$E2E_EXE}"
  wine "$exe" "$@" >/dev/null 2>&1 &
  E2E_PID=$!
}

e2e_running() { [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; }

# Waits up to $1 seconds for the program to end; true when it did.
e2e_wait_end() {
  local i
  for i in $(seq 1 $(( $1 * 10 ))); do
    e2e_running || { wait "$E2E_PID" 2>/dev/null; E2E_PID=""; return 0; }
    sleep 0.1
  done
  return 1
}

# A REG_SZ value of HKCU\Software\Velgaro\<section>, empty when missing.
e2e_setting() {
  wine reg query "HKCU\\Software\\Velgaro\\$1" /v "$2" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$2 \{1,\}REG_SZ \{1,\}//p"
}

# Waits up to $3 seconds for setting $1/$2 to read $4; the program may still run (a window may open).
e2e_wait_setting() {
  local i value=""
  for i in $(seq 1 "$3"); do
    value="$(e2e_setting "$1" "$2")"
    [ "$value" = "$4" ] && return 0
    # Once the program has ended the value will not change any more.
    if ! e2e_running && [ "$i" -gt 1 ]; then break; fi
    sleep 1
  done
  value="$(e2e_setting "$1" "$2")"
  [ "$value" = "$4" ] || fail "$1/$2 is '$value', expected '$4'"
}
