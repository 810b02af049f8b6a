#!/usr/bin/env bash
# The built help.chm is a compiled help file that holds every page of help/.
# Usage: help_file.sh HELP_CHM HELP_SOURCE_DIR
# A CHM starts with the signature "ITSF"; its directory stores each file's name ("/page.htm")
# uncompressed, so a page that the project leaves out is missing from the bytes of the file.
set -euo pipefail
chm="$1"
src="$2"
fail() { echo "FAIL help_file: $*" >&2; exit 1; }

[ -s "$chm" ] || fail "$chm is missing or empty (build the help_chm target)"
[ "$(head -c 4 "$chm")" = "ITSF" ] || fail "$chm does not start with the ITSF signature"

project="$src/velgaro.hhp"
[ -f "$project" ] || fail "no project file $project"
# The [FILES] section of the project, one name a line (line ends and case as written).
listed="$(sed -n '/^\[FILES\]/,/^\[/p' "$project" | tr -d '\r' | grep -v '^\[' || true)"

pages=0
for f in "$src"/*.htm "$src"/style.css "$src"/velgaro.hhc "$src"/velgaro.hhk; do
  [ -e "$f" ] || continue
  name="$(basename "$f")"
  grep -qaF "/$name" "$chm" || fail "$name is not in $chm"
  case "$name" in
    *.htm)
      pages=$((pages + 1))
      grep -qxF "$name" <<<"$listed" || fail "$name is not listed under [FILES] in velgaro.hhp"
      # The viewer takes a page's encoding from its own declaration; the pages are UTF-8.
      grep -qi '<meta http-equiv="Content-Type" content="text/html; charset=utf-8">' "$f" \
        || fail "$name does not declare charset=utf-8"
      ;;
  esac
done
[ "$pages" -ge 1 ] || fail "no pages found in $src"
echo "PASS help_file ($pages pages)"
