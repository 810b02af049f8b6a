#!/usr/bin/env bash
# The release archive: scripts/release.sh packs the built program as dist/velgaro-<version>.zip with
# exactly velgaro.exe, help.chm, language/English.lng and README.txt. Unpacked into C:\Program Files\
# Velgaro of a fresh prefix, the program starts from there in English (the prefix's user is English
# and the language file comes from the archive), its caption shows the archive's version, and F1's
# help file lies beside it. Screenshot: e2e-shots/release_archive.png.
E2E_NAME=release_archive
source "$(dirname "$0")/fixtures/main_common.sh"

e2e_desktop
version="$(sed -n 's/^project(Velgaro VERSION \([0-9][0-9.]*\).*/\1/p' "$VELGARO_ROOT/CMakeLists.txt")"
archive="$(bash "$VELGARO_ROOT/scripts/release.sh" --built)" || fail "release.sh failed"
[ "$archive" = "dist/velgaro-$version.zip" ] || fail "the archive is '$archive'"
listing="$(python3 -c 'import sys, zipfile; print("\n".join(zipfile.ZipFile(sys.argv[1]).namelist()))' \
  "$VELGARO_ROOT/$archive")"
[ "$(sort <<<"$listing" | paste -sd' ')" = "README.txt help.chm language/English.lng velgaro.exe" ] \
  || fail "the archive holds: $(paste -sd' ' <<<"$listing")"

target="$(c_drive "Program Files/Velgaro")"
mkdir -p "$target"
python3 -m zipfile -e "$VELGARO_ROOT/$archive" "$target" || fail "could not unpack the archive"
VELGARO_EXE="$target/velgaro.exe"
main_start
title="$(xdotool search --onlyvisible --name '^Velgaro Replaysetup \(Build' getwindowname 2>/dev/null | head -1)"
[ "$title" = "Velgaro Replaysetup (Build $version)" ] || fail "the caption is '$title'"
probe children | grep -q $'\tLocation of the VGP files$' || { probe children >&2; fail "the main window is not in English"; }
velgaro_screenshot "$E2E_SHOTS/release_archive.png"
main_quit
note "$archive: $(wc -c <"$VELGARO_ROOT/$archive") bytes, started from C:\\Program Files\\Velgaro"
echo "PASS $E2E_NAME"
