# The demo library: small installers built from demo/*.nsi with makensis, and for each a package written
# with vgptool from demo/*.json (what a person records: accept the licence, untick the optional
# component, type a folder, install, finish), all in the Wine prefix's "C:\Velgaro Demo". The demo
# installers install into "C:\Velgaro Demo\Apps". Source after wine.sh, with WINEPREFIX set and
# VELGARO_VGPTOOL naming vgptool (a .exe runs under Wine).

VELGARO_DEMO_WIN='C:\Velgaro Demo'
VELGARO_DEMO_PACKAGES_WIN="$VELGARO_DEMO_WIN\\Packages"
# Source name (demo/NAME.nsi, demo/NAME.json) and package name (the row in the main window).
VELGARO_DEMO_ITEMS=("lumen-notes:Lumen Notes" "quill-ledger:Quill Ledger")

velgaro_demo_dir() { printf '%s/drive_c/Velgaro Demo' "$WINEPREFIX"; }

# The package folder the program opens on (empty when none is chosen yet).
velgaro_package_folder() {
  { wine reg query 'HKCU\Software\Velgaro\Path' /v FolderVGP 2>/dev/null || true; } | tr -d '\r' |
    sed -n 's/^[[:space:]]*FolderVGP[[:space:]]\+REG_SZ[[:space:]]*//p'
}

velgaro_point_to_demo() {
  wine reg add 'HKCU\Software\Velgaro\Path' /v FolderVGP /t REG_SZ /d "$VELGARO_DEMO_PACKAGES_WIN" /f >/dev/null 2>&1 \
    || { echo "could not set the package folder to $VELGARO_DEMO_PACKAGES_WIN" >&2; return 1; }
}

# Builds what is missing of the demo: an installer again when its script or the licence is newer, a
# package only when it is not there (a package changed in the main window is the user's now).
velgaro_make_demo() {
  local dir item name title exe pkg src="$VELGARO_ROOT/demo"
  dir="$(velgaro_demo_dir)"
  mkdir -p "$dir/Installers" "$dir/Packages" || return 1
  for item in "${VELGARO_DEMO_ITEMS[@]}"; do
    name="${item%%:*}" title="${item#*:}"
    exe="$dir/Installers/$name-setup.exe"
    if [ ! -f "$exe" ] || [ "$src/$name.nsi" -nt "$exe" ] || [ "$src/license.txt" -nt "$exe" ]; then
      # Built beside and moved over, so that an interrupted build leaves no half installer.
      makensis -V1 "-DOUTFILE=$exe.part" "$src/$name.nsi" >"$dir/makensis.log" 2>&1 && mv -f "$exe.part" "$exe" \
        || { cat "$dir/makensis.log" >&2; echo "could not build the demo installer $name" >&2; return 1; }
    fi
    pkg="$dir/Packages/$title.vgp"
    [ -f "$pkg" ] && continue
    if [[ "$VELGARO_VGPTOOL" == *.exe ]]; then
      wine "$VELGARO_VGPTOOL" pack "$(velgaro_winpath "$src/$name.json")" "$VELGARO_DEMO_PACKAGES_WIN\\$title.vgp" \
        >"$dir/vgptool.log" 2>&1 || true
    else
      "$VELGARO_VGPTOOL" pack "$src/$name.json" "$pkg" >"$dir/vgptool.log" 2>&1 || true
    fi
    [ -s "$pkg" ] || { cat "$dir/vgptool.log" >&2; echo "could not write the demo package $title" >&2; return 1; }
  done
  rm -f "$dir/makensis.log" "$dir/vgptool.log"
}

# Exit codes of velgaro.exe /inst from best to worst: installed (0), installed with a restart asked for
# (3010), interrupted (1602), not installed (1603, and anything unknown).
velgaro_code_rank() { case "$1" in 0) echo 0 ;; 3010) echo 1 ;; 1602) echo 2 ;; *) echo 3 ;; esac; }
velgaro_worse_code() {
  if [ "$(velgaro_code_rank "$2")" -gt "$(velgaro_code_rank "$1")" ]; then echo "$2"; else echo "$1"; fi
}

# Replays every demo package unattended, one /inst run each, and prints its outcome and time from the
# run report (scripts/lib/run_report.py). The whole exit code comes from the report: Wine hands Linux
# only its low 8 bits. Sets VELGARO_DEMO_CODE to the worst package's code.
velgaro_replay_demo() {
  local exe="$1" item name title reports summary code
  reports="$(mktemp -d "$WINEPREFIX/drive_c/windows/temp/velgaro-demo.XXXXXX")" || return 1
  VELGARO_DEMO_CODE=0
  echo "Replaying the demo packages of $VELGARO_DEMO_PACKAGES_WIN (velgaro.exe /inst PACKAGE /nostat /TIMEOUT=60 /REPORT=...):"
  for item in "${VELGARO_DEMO_ITEMS[@]}"; do
    name="${item%%:*}" title="${item#*:}"
    wine "$exe" /inst "$VELGARO_DEMO_PACKAGES_WIN\\$title.vgp" /nostat /TIMEOUT=60 \
      "/REPORT=C:\\windows\\temp\\$(basename "$reports")\\$name.json" >/dev/null 2>&1 </dev/null || true
    summary="$(python3 "$VELGARO_ROOT/scripts/lib/run_report.py" "$reports/$name.json" "$title")"
    code="${summary##*$'\n'}"
    printf '%s\n' "${summary%$'\n'*}"
    VELGARO_DEMO_CODE="$(velgaro_worse_code "$VELGARO_DEMO_CODE" "$code")"
  done
  rm -rf "$reports"
  echo "Run exit code: $VELGARO_DEMO_CODE"
}
