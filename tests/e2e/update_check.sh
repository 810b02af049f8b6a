#!/usr/bin/env bash
# The update check against a small HTTP server on 127.0.0.1 that the settings Update/Server and
# Update/BackupServer point at, opened from the Help menu's command each time:
#   newer    (English interface) a list of version 9.0.1: "A new version is available" in the English
#            texts, the version line with "Beta", the English description, the two link buttons shown;
#            Close then closes the window at once.
#   hostile  a list with a document type that pulls in a local file, the backup answering 404: "Сервер
#            обновления недоступен", and nothing of the file anywhere in the window.
#   fallback a list larger than 1 MB from the first server, the backup's list of the running version:
#            "У Вас установлена последняя версия".
# Screenshots: e2e-shots/update_check-newer.png, -hostile.png.
E2E_NAME=update_check
source "$(dirname "$0")/fixtures/main_common.sh"
source "$(dirname "$0")/fixtures/update_common.sh"

e2e_desktop
SITE="$E2E_WORK/site"
mkdir -p "$SITE/newer" "$SITE/hostile" "$SITE/huge" "$SITE/same"
cat >"$SITE/newer/update.xml" <<'XML'
<?xml version="1.0"?>
<versions><info><version>9.0.1</version><major>9</major><minor>0</minor><revision>1</revision>
<codename>Future</codename><is_beta>True</is_beta><direct_link>http://127.0.0.1/velgaro-9.0.1.zip</direct_link>
<description_link>http://127.0.0.1/news.htm</description_link><filesize>2 MB</filesize>
<descriptions><Russian>Новая версия</Russian><English>Plays faster</English></descriptions></info></versions>
XML
printf 'TOPSECRET-%s' "$RANDOM" >"$(c_drive secret.txt)"
secret="$(cat "$(c_drive secret.txt)")"
cat >"$SITE/hostile/update.xml" <<'XML'
<?xml version="1.0"?>
<!DOCTYPE versions [<!ENTITY leak SYSTEM "file:///C:/secret.txt">]>
<versions><info><version>&leak;</version><major>9</major>
<descriptions><Russian>&leak;</Russian><English>&leak;</English></descriptions></info></versions>
XML
python3 - "$SITE/huge/update.xml" <<'PY'
import sys
with open(sys.argv[1], "w") as f:
    f.write('<?xml version="1.0"?><versions><info><major>9</major><minor>0</minor><revision>0</revision>'
            '<codename>' + "x" * (1536 * 1024) + '</codename></info></versions>')
PY
cat >"$SITE/same/update.xml" <<'XML'
<?xml version="1.0"?><versions><info><version>1.5.0</version><major>1</major><minor>5</minor><revision>0</revision></info></versions>
XML
PORT="$(free_port)"
serve_folder "$SITE" "$PORT" same/update.xml
servers() { set_servers "http://127.0.0.1:$PORT/$1" "http://127.0.0.1:$PORT/$2"; }   # the folders on the test server
language() { wine reg add 'HKCU\Software\Velgaro\Language' /v Language /t REG_SZ /d "$1" /f >/dev/null 2>&1 || fail "reg"; }
# Opens the window from the menu command and waits until its status is one of the final texts.
check() { open_update_window; wait_status "$1"; }

# newer, in English
language English
servers newer missing
main_start
TITLE="Update check"
check "A new version is available"
[ "$(up text $ID_VERSION)" = "9.0.1 Future Beta" ] || fail "the version line is '$(up text $ID_VERSION)'"
[ "$(up text $ID_DESCRIPTION)" = "Plays faster" ] || fail "the description is '$(up text $ID_DESCRIPTION)'"
[ "$(up children | grep -c $'^Button\t>>$')" = "2" ] || { up children >&2; fail "the link buttons are not shown"; }
[ "$(up text 2)" = "Close" ] || fail "the cancel button reads '$(up text 2)'"
up children | grep -q $'\t[^\t]*[А-Яа-я]' && { up children >&2; fail "Russian text in the English update window"; }
velgaro_screenshot "$E2E_SHOTS/update_check-newer.png"
close_update_window
main_quit
note "newer: $(grep -c 'GET /newer/update.xml' "$E2E_WORK/http.log") request(s)"

# hostile, then fallback, in Russian
language Russian
servers hostile missing
main_start
TITLE="Проверка обновления"
check "Сервер обновления недоступен"
up children | grep -q "TOPSECRET" && fail "the window shows the local file"
grep -q 'GET /missing/update.xml' "$E2E_WORK/http.log" || fail "the backup server was not asked"
velgaro_screenshot "$E2E_SHOTS/update_check-hostile.png"
close_update_window

servers huge same
check "У Вас установлена последняя версия"
grep -q 'GET /same/update.xml' "$E2E_WORK/http.log" || fail "the backup server was not asked after the huge list"
close_update_window
main_quit
echo "PASS $E2E_NAME"
