#!/usr/bin/env bash
# The first start of the main window registers the .vgp type: wine reg query shows the type, its icon
# and its two verbs. The Install verb's command line, with %1 replaced by a package, installs it
# unattended (exit code 0); the Open verb's makes the package's folder the package folder.
E2E_NAME=main_association
source "$(dirname "$0")/fixtures/main_common.sh"

main_prepare verb
main_start
main_quit

reg_default() { wine reg query "HKCR\\$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p'; }
exe="$(velgaro_winpath "$VELGARO_EXE")"
[ "$(reg_default .vgp)" = "velgaro" ] || fail ".vgp is '$(reg_default .vgp)'"
# reg query prints in the console's code page: the Russian type text is read from an export (UTF-16).
wine reg export 'HKCR\velgaro' "$(velgaro_winpath "$E2E_WORK")\\type.reg" >/dev/null 2>&1
grep -q '^@="Сценарий установки программ"' <(iconv -f UTF-16 -t UTF-8 "$E2E_WORK/type.reg" | tr -d '\r') \
  || fail "type text: $(iconv -f UTF-16 -t UTF-8 "$E2E_WORK/type.reg" | head -5)"
[ "$(reg_default 'velgaro\DefaultIcon')" = "$exe,0" ] || fail "icon '$(reg_default 'velgaro\DefaultIcon')'"
open="$(reg_default 'velgaro\shell\Open\command')"
install="$(reg_default 'velgaro\shell\Install\command')"
[ "$open" = "\"$exe\" /add %1" ] || fail "Open command '$open'"
[ "$install" = "\"$exe\" /inst %1" ] || fail "Install command '$install'"
registry="$(wine reg query 'HKCU\Software\Velgaro\Install' /v Registry 2>/dev/null | tr -d '\r' | sed -n 's/^ *Registry *REG_SZ *//p')"
[ "$registry" = "1" ] || fail "Install/Registry is '$registry' after the first start"
note "Install verb: $install"

# The shell runs the verb's command with %1 replaced by the package; here cmd does, for the exit code.
package="$(velgaro_winpath "$PACKAGES/verb.vgp")"
line="${install//%1/$package} /nostat"
printf '@echo off\r\n%s\r\necho %%ERRORLEVEL%% > "%s"\r\n' "$line" "$(velgaro_winpath "$E2E_WORK")\\rc.txt" >"$E2E_WORK/verb.bat"
timeout 90 wine cmd /c "$(velgaro_winpath "$E2E_WORK/verb.bat")" >/dev/null 2>&1
rc="$(tr -d ' \r\n' <"$E2E_WORK/rc.txt" 2>/dev/null)"
[ "$rc" = "0" ] || fail "the Install verb's command ended with '$rc'"
[ -f "$(c_drive VelgaroOut/verb/installed.txt)" ] || fail "the Install verb did not install the package"

# The Open verb: the main window opens on the package's folder.
open_line="${open//%1/$package}"
printf '@echo off\r\n%s\r\n' "$open_line" >"$E2E_WORK/open.bat"
wine cmd /c "$(velgaro_winpath "$E2E_WORK/open.bat")" >/dev/null 2>&1 &
E2E_PID=$!
wait_for_window "Velgaro Replaysetup \\(Build .*\\)" 40 >/dev/null || fail "the Open verb showed no main window"
main_wait_rows 1
folder="$(probe text 102)"
[ "${folder^^}" = "$(velgaro_winpath "$PACKAGES" | tr '[:lower:]' '[:upper:]')" ] || fail "the Open verb opened '$folder'"
main_quit
echo "PASS $E2E_NAME"
