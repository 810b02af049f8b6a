# Shared steps of the start-up end-to-end tests. Source it with the path of velgaro.exe as $1.
# Each test gets its own Xvfb and Wine prefix; everything is stopped on exit.

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/wine.sh"

E2E_NAME="$(basename "$0" .sh)"
E2E_EXE="$(readlink -f "${1:-}")"
E2E_SHOTS="$VELGARO_ROOT/build/e2e-shots"
E2E_WORK=""
E2E_PID=""

e2e_cleanup() {
  [ -n "$E2E_PID" ] && kill "$E2E_PID" 2>/dev/null
  velgaro_cleanup
  [ -n "$E2E_WORK" ] && rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

e2e_fail() {
  echo "FAIL $E2E_NAME: $*" >&2
  mkdir -p "$E2E_SHOTS"
  velgaro_screenshot "$E2E_SHOTS/$E2E_NAME-failure.png"
  exit 1
}

# Fresh prefix, private display, and a work folder under build/ (Wine sees it through Z:).
e2e_begin() {
  [ -f "$E2E_EXE" ] || { echo "velgaro.exe not found: $E2E_EXE" >&2; exit 1; }
  velgaro_fresh_prefix
  velgaro_start_xvfb || exit 1
  mkdir -p "$VELGARO_ROOT/build/e2e-work"
  E2E_WORK="$(mktemp -d "$VELGARO_ROOT/build/e2e-work/$E2E_NAME.XXXXXX")"
  # Russian needs no language file, so no "translation file missing" box gets in the way.
  [ "${E2E_PRESET_LANGUAGE:-yes}" = yes ] || return 0
  local attempt
  for attempt in 1 2 3; do
    wine reg add 'HKCU\Software\Velgaro\Language' /v Language /t REG_SZ /d Russian /f \
      >"$E2E_WORK/reg-add.log" 2>&1 && return 0
    sleep 1
  done
  e2e_fail "could not preset the language: $(tr -d '\r' <"$E2E_WORK/reg-add.log")"
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
  [ "$value" = "$4" ] || e2e_fail "$1/$2 is '$value', expected '$4'"
}

# The id of a visible X window whose name matches $1, waiting up to $2 seconds; empty if none.
e2e_find_window() {
  local i id
  for i in $(seq 1 $(( $2 * 5 ))); do
    id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)"
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
