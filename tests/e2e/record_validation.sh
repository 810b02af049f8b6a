#!/usr/bin/env bash
# The new-package dialog's checks as a user meets them: OK with no installer, with a path that does not
# exist, with a file of another type, with an empty name, with a slash in the name, and with the name of
# a package already in the folder (No keeps the dialog, and the package). Each shows its message and the
# dialog stays open with what was typed; no installer starts and no package file changes.
E2E_NAME=record_validation
source "$(dirname "$0")/fixtures/record_common.sh"

main_prepare existing
printf 'notes\r\n' >"$E2E_WORK/readme.txt"
before="$(md5sum "$PACKAGES/existing.vgp")"
main_set_folder "$PACKAGES"
main_start 1
open_new_dialog

# ok_says EXPECTED: OK, then the message box says EXPECTED (line breaks written \r\n); its OK closes it.
ok_says() {
  click_in "$NEW_DIALOG" Button "OK"
  local got
  got="$(message_text)"
  [ "$got" = "$1" ] || fail "message: '$got', expected '$1'"
  message_answer OK
  wait_for_window "$NEW_DIALOG" 5 >/dev/null || fail "the dialog closed after the message"
}

ok_says "Необходимо ввести адрес исполняемого файла"
type_in "$NEW_DIALOG" "$ID_NEW_PATH" 'C:\nowhere\setup.exe'
ok_says "Введите имя пакета"
type_in "$NEW_DIALOG" "$ID_NEW_NAME" "a/b"
ok_says 'Имя файла не должно содержать следующих знаков\r\n\:/*?"<>|'
type_in "$NEW_DIALOG" "$ID_NEW_NAME" "fresh"
ok_says "Введите существующий адрес файла."
[ "$(probe "--title=$NEW_DIALOG" text "$ID_NEW_PATH")" = 'C:\nowhere\setup.exe' ] || fail "the typed path was lost"
type_in "$NEW_DIALOG" "$ID_NEW_PATH" "$(velgaro_winpath "$E2E_WORK/readme.txt")"
ok_says "Выберите только поддерживаемый тип файлов"

# An existing package's name: the question, and No keeps everything as it was.
type_in "$NEW_DIALOG" "$ID_NEW_PATH" "$(velgaro_winpath "$E2E_WORK/vtapp.exe")"
type_in "$NEW_DIALOG" "$ID_NEW_NAME" "existing"
click_in "$NEW_DIALOG" Button "OK"
question="$(message_text)"
[ "$question" = "Пакет с именем 'existing' уже существует в выбранной директории."'\r\n\r\n'"Нажмите Да для перезаписи или Нет для ввода заново." ] \
  || fail "question: '$question'"
message_answer "&No"
wait_for_window "$NEW_DIALOG" 5 >/dev/null || fail "No closed the dialog"

# Cancel: the main window is back, nothing was started or written.
click_in "$NEW_DIALOG" Button "Отмена"
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name "^$NEW_DIALOG\$" 2>/dev/null)" ] || fail "Cancel did not close the dialog"
[ -z "$(xdotool search --onlyvisible --name "^$SETUP_TITLE\$" 2>/dev/null)" ] || fail "an installer was started"
[ "$(md5sum "$PACKAGES/existing.vgp")" = "$before" ] || fail "the existing package changed"
[ "$(ls "$PACKAGES" | grep -vi '^position.lst$' | paste -sd' ')" = "existing.vgp" ] || fail "files: $(ls "$PACKAGES")"
main_quit
echo "PASS $E2E_NAME"
