# End-to-end cases of the setup program and its uninstaller: a silent install per user
# and for all users, what it leaves in the registry and the Start menu, a demo opened
# through the shell afterwards, the uninstall by the uninstaller itself and by the
# player's Advanced options, and a second setup over an installation. The setup writes
# into the user's profile and machine-wide keys, so every case works in a Wine prefix
# of its own and compares it before the setup and after the uninstall.

IN_SETTINGS='HKCU\Software\VB and VBA Program Settings\Kalvenmarque'
IN_ENTRY='Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalvenmarque'

# The setup program of the build; IN_VERSION is taken from its name.
in_setup() {
  local found
  found=$(ls -- "$(dirname -- "$KALV_INSTALL")"/Kalvenmarque-*-setup.exe 2>/dev/null | head -n 1)
  kalv_need "${found:-$(dirname -- "$KALV_INSTALL")/Kalvenmarque-<version>-setup.exe}"
  IN_SETUP=$found
  IN_VERSION=$(basename -- "$found" | sed 's/^Kalvenmarque-\(.*\)-setup\.exe$/\1/')
}

# A fresh prefix for this case alone, with its own server, ended when the case ends.
# Shell links must not reach the host's menus.
in_own_prefix() {
  in_setup
  export WINEPREFIX="$KALV_CASE_DIR/prefix"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winemenubuilder.exe=d"
  export KALV_SANDBOX_ROOT="$WINEPREFIX/drive_c/kalv-e2e/$KALV_CASE"
  rm -rf -- "$WINEPREFIX"
  mkdir -p -- "$WINEPREFIX"
  trap 'timeout 60 wineserver -k >/dev/null 2>&1; [ "${KALV_KEEP:-0}" = 1 ] || rm -rf -- "$WINEPREFIX"' EXIT
  trap 'exit 143' TERM
  wineserver -p >/dev/null 2>&1
  timeout 300 wine wineboot -i >wineboot.log 2>&1 || kalv_fail "wineboot failed (wineboot.log)"
  timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1 </dev/null || true
  IN_LOCAL=$(in_env LOCALAPPDATA)
  IN_ROAMING=$(in_env APPDATA)
  IN_COMMON=$(in_env ProgramData)
  IN_TEMP=$(kalv_unix "$(in_env TEMP)")
}

# A Windows environment variable of the prefix.
in_env() { timeout 60 wine cmd /c echo "%$1%" 2>/dev/null </dev/null | tr -d '\r'; }

# The keys the setup may touch: the user's software keys (classes, the list of installed
# programs, the player's settings) and the machine's classes and list. The rest of
# HKLM\Software is Wine's to fill in while it runs (network cards, for one).
IN_KEYS=(HKCU 'HKCU\Software' HKLM-classes 'HKLM\Software\Classes'
         HKLM-windows 'HKLM\Software\Microsoft\Windows\CurrentVersion')

# Everything the setup may touch: every folder and file of C: (names, sizes of files) and
# the keys above. The user's temporary folder is left out: the uninstaller runs from a
# copy there that Windows removes at the next restart. Test scaffolding (kalv-e2e) is
# left out as well.
in_snapshot() {
  local name=$1
  (cd "$WINEPREFIX/drive_c" &&
    find . \( -path "./${IN_TEMP#"$WINEPREFIX/drive_c/"}" -o -path ./kalv-e2e \) -prune -o \
      \( -type f -printf 'f %p %s\n' \) -o \( -type d -printf 'd %p\n' \) -o -printf 'l %p %l\n') |
    sort >"$name.files"
  local i
  for ((i = 0; i < ${#IN_KEYS[@]}; i += 2)); do
    local file="$name-${IN_KEYS[i]}"
    kalv_reg_export "${IN_KEYS[i + 1]}" "$KALV_CASE_DIR/$file.reg"
    # Exported as UTF-16; compared as text.
    iconv -f UTF-16LE -t UTF-8 "$file.reg" | tr -d '\r' >"$file.txt"
  done
}

# A registry export without Wine's own bookkeeping (Software\Wine, which Wine keeps up to
# date for any program that shows a window) and, with a second argument, without the
# player's settings key (the player, once run, keeps its settings and restore journal
# there, and the uninstaller leaves them alone).
in_comparable() {
  local settings=""
  [ -z "${2:-}" ] || settings='Software\VB and VBA Program Settings\Kalvenmarque'
  IN_WINE_KEY='Software\Wine' IN_SETTINGS_KEY=$settings awk '
    function below(header, key) {
      return key != "" && (index(header, key "]") == 1 || index(header, key "\\") == 1)
    }
    /^\[HKEY_[A-Z_]+\\/ { header = substr($0, index($0, "\\") + 1)
                          skip = below(header, ENVIRON["IN_WINE_KEY"]) ||
                                 below(header, ENVIRON["IN_SETTINGS_KEY"]) }
    !skip' "$1"
}

# The state after the uninstall is the state before the setup; "settings" as the third
# argument leaves the player's settings out.
in_assert_as_before() {
  local before=$1 after=$2 settings=${3:-} i key
  diff -u "$before.files" "$after.files" >files.diff ||
    { head -n 40 files.diff; kalv_fail "the files differ from before the setup (files.diff)"; }
  for ((i = 0; i < ${#IN_KEYS[@]}; i += 2)); do
    key=${IN_KEYS[i]}
    if ! diff -u <(in_comparable "$before-$key.txt" "$settings") \
                 <(in_comparable "$after-$key.txt" "$settings") >"$key.diff"; then
      head -n 40 "$key.diff"
      kalv_fail "${IN_KEYS[i + 1]} differs from before the setup ($key.diff)"
    fi
  done
}

# Runs the setup silently with the given switches and waits for it.
in_run_setup() {
  kalv_log "setup $*"
  timeout -k 5 180 wine "$IN_SETUP" /S "$@" >>setup.out 2>&1 </dev/null ||
    kalv_fail "the setup failed ($?)"
}

# One value of the uninstall entry below HKLM or HKCU; empty when absent. A query has
# failed once for a value that was there, while a fresh prefix's own start-up still wrote
# to the registry, so a failed one is tried three times.
in_entry_value() {
  local attempt found
  for attempt in 1 2 3; do
    found=$(timeout 60 wine reg query "$1\\$IN_ENTRY" /v "$2" 2>/dev/null </dev/null) || continue
    tr -d '\r' <<<"$found" |
      awk -v name="$2" 'index($0, "    " name " ") == 1 { sub(/^ +[^ ]+ +[^ ]+ +/, ""); print }'
    return 0
  done
}
in_entry_exists() { kalv_reg_present "$1\\$IN_ENTRY"; }

# The installation in <dir> (unix path) holds the install tree exactly, plus the
# uninstaller (and a file of the user's own, when named); it is registered in <root>
# (HKCU or HKLM) and not in the other one.
in_assert_installed() {
  local dir=$1 root=$2 own=${3:-Uninstall.exe} other=HKLM d
  [ "$root" = HKLM ] && other=HKCU
  d=$(kalv_win "$dir")
  diff -r -x Uninstall.exe -x "$own" -- "$KALV_INSTALL" "$dir" >tree.diff ||
    { cat tree.diff; kalv_fail "the installed files differ from the install tree"; }
  kalv_assert_file "$dir/Uninstall.exe"
  kalv_assert_eq "Kalvenmarque" "$(in_entry_value "$root" DisplayName)" "DisplayName"
  kalv_assert_eq "$IN_VERSION" "$(in_entry_value "$root" DisplayVersion)" "DisplayVersion"
  kalv_assert_eq "Kalvenmarque team" "$(in_entry_value "$root" Publisher)" "Publisher"
  kalv_assert_eq "$d\\Kalvenmarque.exe,0" "$(in_entry_value "$root" DisplayIcon)" "DisplayIcon"
  kalv_assert_eq "\"$d\\Uninstall.exe\"" "$(in_entry_value "$root" UninstallString)" "UninstallString"
  kalv_assert_eq "$d" "$(in_entry_value "$root" InstallLocation)" "InstallLocation"
  local size
  size=$(in_entry_value "$root" EstimatedSize)
  [ $((size)) -ge $(($(du -sk "$KALV_INSTALL" | cut -f1) / 2)) ] ||
    kalv_fail "EstimatedSize $size is not the size of the tree"
  if in_entry_exists "$other"; then kalv_fail "an entry was also written below $other"; fi
  # The associations name the installed program (they live where Wine's
  # HKEY_CLASSES_ROOT shows them).
  am_assert_written_for "$d"
}

# The setup program and the uninstaller carry version resources naming the product.
in_assert_versioned() {
  local file
  for file in "$@"; do
    strings -e l -- "$file" >strings.txt
    grep -qx "ProductVersion" strings.txt && grep -qx "$IN_VERSION" strings.txt &&
      grep -qx "Kalvenmarque team" strings.txt ||
      kalv_fail "$(basename -- "$file") carries no version resource of the product"
  done
}

# Waits until the uninstall is complete: the entry and the folder are gone.
in_wait_removed() {
  local dir=$1 root=$2 i
  for ((i = 0; i < 120; i++)); do
    if [ ! -e "$dir" ] && ! in_entry_exists "$root"; then return 0; fi
    sleep 0.5
  done
  kalv_fail "the uninstall did not complete: $(ls -R -- "$dir" 2>&1 | head -n 5)"
}

# Waits for a page of the wizard with the given caption whose first button reads <text>.
in_wait_page() {
  local title=$1 text=$2 i
  for ((i = 0; i < 60; i++)); do
    if kalv_driver dump --title-regex "^$title" --timeout 20000 >page.txt 2>/dev/null &&
      grep -q "^control id=1 class=Button enabled=1 visible=1 value=- text=$text\$" page.txt; then
      return 0
    fi
    sleep 0.5
  done
  cat page.txt
  kalv_fail "no page of \"$title\" with the button $text"
}

# Goes through the uninstaller's pages as a user: its confirmation (which says what
# stays), Uninstall, and Finish once it is done.
in_uninstall_through_pages() {
  local uninstall="Kalvenmarque $IN_VERSION Uninstall"
  in_wait_page "$uninstall" '&Uninstall'
  kalv_assert_contains page.txt "Your settings, your game folders and your demos are kept"
  kalv_screenshot uninstall-confirm
  kalv_driver press --title-regex "^$uninstall" --id 1 >/dev/null || kalv_fail "Uninstall could not be pressed"
  in_wait_page "$uninstall" '&Finish'
  kalv_screenshot uninstall-finished
  kalv_driver press --title-regex "^$uninstall" --id 1 >/dev/null || kalv_fail "Finish could not be pressed"
}

# Per user, silently: the tree, the entry, the Start-menu link and the associations; a
# demo opened through the shell starts the installed program; the silent uninstall puts
# back exactly the state before the setup, the player's settings included.
# Wine lets every user write HKEY_CLASSES_ROOT, so the updater's per-user fallback does
# not come into play here: the associations land machine-wide, where the shell reads them.
case_setup_per_user_install_open_and_silent_uninstall() {
  in_own_prefix
  timeout 60 wine reg add "$IN_SETTINGS\\Settings" /v "Quake 3 Arena Path" /d 'C:\Games\Quake3' /f \
    >/dev/null 2>&1 </dev/null
  local demos demo
  demos=$(kalv_sandbox demos)
  demo="$demos/duel.dm_66"
  printf 'demo' >"$demo"
  in_snapshot before

  in_run_setup /CurrentUser
  local dir="$(kalv_unix "$IN_LOCAL")/Programs/Kalvenmarque"
  in_assert_installed "$dir" HKCU
  kalv_assert_file "$(kalv_unix "$IN_ROAMING")/Microsoft/Windows/Start Menu/Programs/Kalvenmarque.lnk"
  in_assert_versioned "$IN_SETUP" "$dir/Uninstall.exe"

  # A stand-in at the installed program's place logs its own path and command line.
  local log="$KALV_CASE_DIR/opened.log"
  kalv_standin "$dir/Kalvenmarque.exe"
  export KALV_STANDIN_MODE=exit KALV_STANDIN_LOG="$(kalv_win "$log")"
  timeout 60 wine start /unix "$demo" >/dev/null 2>&1 </dev/null || true
  kalv_wait_file "$log" 30 || kalv_fail "opening the demo started nothing"
  kalv_assert_eq "$(kalv_win "$dir")\\Kalvenmarque.exe" "$(kalv_standin_field "$log" module)" "started program"
  kalv_assert_eq "\"$(kalv_win "$dir")\\Kalvenmarque.exe\" $(kalv_win "$demo")" \
    "$(kalv_standin_field "$log" commandline)" "command line"
  cp -- "$KALV_INSTALL/Kalvenmarque.exe" "$dir/Kalvenmarque.exe"

  timeout 60 wine "$(kalv_win "$dir")\\Uninstall.exe" /S >/dev/null 2>&1 </dev/null ||
    kalv_fail "the uninstaller did not start"
  in_wait_removed "$dir" HKCU
  am_assert_none_left
  in_snapshot after
  in_assert_as_before before after
}

# For all users into Program Files, then the player's Options, Advanced, Uninstall hands
# over to the uninstaller, which removes everything; the player's settings stay.
case_setup_all_users_uninstalled_from_the_advanced_options() {
  in_own_prefix
  timeout 60 wine reg add "$IN_SETTINGS\\Settings" /v Language /d 0 /f >/dev/null 2>&1 </dev/null
  in_snapshot before

  in_run_setup /AllUsers
  local dir="$WINEPREFIX/drive_c/Program Files/Kalvenmarque"
  kalv_assert_eq 'C:\Program Files\Kalvenmarque' "$(in_entry_value HKLM InstallLocation)" "folder"
  in_assert_installed "$dir" HKLM
  local link="$IN_COMMON\\Microsoft\\Windows\\Start Menu\\Programs\\Kalvenmarque.lnk"
  kalv_assert_file "$(kalv_unix "$link")"

  # The Start-menu entry opens the main window.
  timeout 60 wine start "$link" >/dev/null 2>&1 </dev/null || kalv_fail "the Start-menu entry did not open"
  mw_main_dump main.txt 60000
  mw_open_options
  mw_press 3055 3054
  kalv_driver wait-window --has-id 4005 --timeout 15000 >/dev/null || kalv_fail "no advanced window"
  mw_press 4005 4004
  kalv_driver messagebox --timeout 15000 --press 6 >confirm.txt || kalv_fail "no confirmation"
  kalv_assert_contains confirm.txt "text: Are you sure you want to uninstall Kalvenmarque?"

  kalv_driver wait-window --title-regex "^(Kalvenmarque $IN_VERSION Uninstall|Kalvenmarque Registry Updater)" \
    --timeout 60000 >handed.txt || kalv_fail "neither the uninstaller nor the updater showed"
  if grep -q "text=Kalvenmarque Registry Updater" handed.txt; then
    kalv_driver messagebox --timeout 5000 >updater.txt || true
    cat updater.txt
    kalv_fail "the updater showed a message instead of handing over (an unquoted updater path from the player gives it the usage message)"
  fi
  in_uninstall_through_pages

  in_wait_removed "$dir" HKLM
  am_assert_none_left
  kalv_assert_eq 0 "$(timeout 60 wine reg query "$IN_SETTINGS\\Settings" /v Language 2>/dev/null </dev/null |
    tr -d '\r' | awk '/Language/ { print $NF }')" "the player's settings after the uninstall"
  in_snapshot after
  in_assert_as_before before after settings
}

# A second setup finds the installation, scope and folder included, and mends it in
# place; the user's own files in it (a stored Quake 3 executable) survive that and the
# uninstall, which the updater's full uninstall hands over to (started as the player
# starts it) and which removes everything else.
case_setup_over_an_installation_upgrades_it_in_place() {
  in_own_prefix
  mkdir -p -- "$WINEPREFIX/drive_c/Games"
  in_snapshot before
  # NSIS takes /D= unquoted, which a path with blanks cannot pass through wine's
  # argument quoting; the all-users case installs into a path with blanks.
  in_run_setup /CurrentUser '/D=C:\Games\Kalvenmarque'
  local dir="$WINEPREFIX/drive_c/Games/Kalvenmarque"
  in_assert_installed "$dir" HKCU
  rm -f -- "$dir/Versions/v1_31.Vrk"
  printf 'broken' >"$dir/Versions/Kalv.cfg"
  printf 'stored release' >"$dir/Versions/Quake3.117"

  in_run_setup
  in_assert_installed "$dir" HKCU Quake3.117
  kalv_assert_no_file "$WINEPREFIX/drive_c/Program Files/Kalvenmarque" "a second installation:"
  kalv_assert_eq "stored release" "$(cat -- "$dir/Versions/Quake3.117")" "the user's file"

  timeout 120 wine "$(kalv_win "$dir")\\Assocmend.exe" /fu >/dev/null 2>&1 </dev/null &
  in_uninstall_through_pages
  local i
  for ((i = 0; i < 120; i++)); do
    in_entry_exists HKCU || break
    sleep 0.5
  done
  in_entry_exists HKCU && kalv_fail "the uninstall entry stayed"
  am_assert_none_left
  kalv_assert_eq "Quake3.117" "$(cd "$dir" && find . -type f | sed 's|^\./Versions/||')" \
    "what the uninstall left in the folder"
  rm -rf -- "$dir"
  in_snapshot after
  in_assert_as_before before after
}
