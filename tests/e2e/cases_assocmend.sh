# End-to-end cases of the association updater Assocmend.exe: the registry it leaves
# behind, what Explorer-style opening of a demo then starts, and the uninstall hand-over.
# The registry is shared by every case of a run, so each case starts by removing the
# associations and removes them again at its end.

AM_TITLE='Kalvenmarque Registry Updater v1.2.0'
AM_PROGIDS='Kalvenmarque.HL Kalvenmarque.v1_17_ Kalvenmarque.v1_27h Kalvenmarque.v1_30_ Kalvenmarque.v1_31_ Kalvenmarque.v1_32_ Kalvenmarque.STVEF Kalvenmarque.Q2'
AM_EXTENSIONS='.dem .dm3 .dm_48 .dm_66 .dm_67 .dm_68 .efdemo .dm2'

# A folder holding Assocmend.exe beside a stand-in Kalvenmarque.exe that logs how it was
# started; in Program Files so that the commands hold a path with blanks. Prints its path.
am_install() {
  local dir
  dir=$(kalv_pf_sandbox "$1")
  cp -- "$KALV_INSTALL/Assocmend.exe" "$dir/"
  kalv_standin "$dir/Kalvenmarque.exe"
  printf '%s\n' "$dir"
}

# Runs Assocmend.exe from <dir> with the given arguments and waits for it to end on its own.
am_run_to_end() {
  local dir=$1
  shift
  kalv_run "$dir/Assocmend.exe" "$@"
  kalv_wait_exit "$KALV_PID" 60 || kalv_fail "Assocmend.exe $* did not end by itself"
}

# Starts Assocmend.exe, answers its one message box with <button id>, and checks that the
# program then ends. The box's caption and text are left in AM_CAPTION and AM_TEXT.
am_run_with_box() {
  local dir=$1 press=$2 out
  shift 2
  kalv_run "$dir/Assocmend.exe" "$@"
  local pid=$KALV_PID
  out=$(kalv_driver messagebox --title "$AM_TITLE" --timeout 30000 --press "$press") ||
    kalv_fail "no message box from Assocmend.exe $*"
  AM_CAPTION=$(printf '%s\n' "$out" | sed -n 's/^caption: //p')
  AM_TEXT=$(printf '%s\n' "$out" | sed -n 's/^text: //p')
  kalv_wait_exit "$pid" 30 || kalv_fail "Assocmend.exe $* still runs after its message"
}

# Every key below a key, one line per value: "KEY|NAME|TYPE|DATA" (the key path after
# HKEY_CLASSES_ROOT\), and "KEY|" for each key itself.
am_dump() {
  timeout 60 wine reg query "HKCR\\$1" /s 2>/dev/null </dev/null | tr -d '\r' | awk -F '    ' '
    /^HKEY_/ { key = $0; sub(/^HKEY_CLASSES_ROOT\\/, "", key); print key "|"; next }
    /^    / && NF >= 3 { data = $4; for (i = 5; i <= NF; i++) data = data "    " $i;
                         print key "|" $2 "|" $3 "|" data }'
}

# The whole association set as am_dump lines.
am_dump_all() {
  local key
  for key in $AM_PROGIDS $AM_EXTENSIONS; do am_dump "$key"; done
}

am_key_exists() { kalv_reg_present "HKCR\\$1"; }

am_assert_none_left() {
  local key
  for key in $AM_PROGIDS $AM_EXTENSIONS; do
    if am_key_exists "$key"; then kalv_fail "HKCR\\$key is still there"; fi
  done
}

# The lines am_dump_all must hold for an install directory (Windows path).
am_expected() {
  local d=$1 exe="$1\\Kalvenmarque.exe"
  local id ext desc icon verb
  while IFS=';' read -r id ext desc icon verb; do
    printf '%s|\n' "$id"
    printf '%s|(Default)|REG_SZ|%s\n' "$id" "$desc"
    printf '%s|BrowserFlags|REG_DWORD|0x8\n' "$id"
    printf '%s|EditFlags|REG_DWORD|0x0\n' "$id"
    printf '%s\\DefaultIcon|\n' "$id"
    printf '%s\\DefaultIcon|(Default)|REG_SZ|%s,%s\n' "$id" "$exe" "$icon"
    printf '%s\\Shell|\n' "$id"
    printf '%s\\Shell|(Default)|REG_SZ|%s\n' "$id" "$verb"
    printf '%s\\Shell\\Open|\n' "$id"
    printf '%s\\Shell\\Open\\Command|\n' "$id"
    printf '%s\\Shell\\Open\\Command|(Default)|REG_SZ|"%s" %%1\n' "$id" "$exe"
    printf '%s\\Shell\\Open Kalvenmarque|\n' "$id"
    printf '%s\\Shell\\Open Kalvenmarque\\Command|\n' "$id"
    printf '%s\\Shell\\Open Kalvenmarque\\Command|(Default)|REG_SZ|"%s" *./\\.* %%1\n' "$id" "$exe"
    printf '%s|(Default)|REG_SZ|%s\n' "$ext" "$id"
  done <<'TABLE'
Kalvenmarque.HL;.dem;Half-Life/Unreal Tournament/Quake 1 Demo;5;Open
Kalvenmarque.v1_17_;.dm3;Quake 3 Demo (v1.17);3;Open
Kalvenmarque.v1_27h;.dm_48;Quake 3 Demo (v1.27h);4;Open
Kalvenmarque.v1_30_;.dm_66;Quake 3 Demo (v1.30);1;open
Kalvenmarque.v1_31_;.dm_67;Quake 3 Demo (v1.31);7;open
Kalvenmarque.v1_32_;.dm_68;Quake 3 Demo (v1.32);8;open
Kalvenmarque.STVEF;.efdemo;Star Trek Voyager Elite Force Demo;2;Open
Kalvenmarque.Q2;.dm2;Quake 2 Demo;6;Open
TABLE
}

# Every expected line is there, and nothing else below the association keys.
am_assert_written_for() {
  local d=$1 ext
  am_dump_all | sort -u >"$KALV_CASE_DIR/assoc-actual.txt"
  { am_expected "$d"
    for ext in $AM_EXTENSIONS; do printf '%s|\n' "$ext"; done; } | sort -u >"$KALV_CASE_DIR/assoc-expected.txt"
  if ! diff -u "$KALV_CASE_DIR/assoc-expected.txt" "$KALV_CASE_DIR/assoc-actual.txt" \
      >"$KALV_CASE_DIR/assoc-diff.txt"; then
    cat "$KALV_CASE_DIR/assoc-diff.txt"
    kalv_fail "the association keys differ from the table (assoc-diff.txt)"
  fi
}

# A registry export of the classes, for "nothing changed" checks.
am_snapshot() {
  local file="$KALV_CASE_DIR/$1.reg"
  kalv_reg_export 'HKLM\Software\Classes' "$file"
  printf '%s\n' "$file"
}

# Removes what a case may have left, from a throw-away install folder.
am_reset() {
  local dir
  dir=$(am_install reset)
  am_run_to_end "$dir" /u
}

case_assocmend_install_writes_every_key_and_value() {
  am_reset
  local dir d
  dir=$(am_install "Kalven Marque")
  d=$(kalv_win "$dir")
  am_run_to_end "$dir" /i
  am_assert_written_for "$d"
  am_run_to_end "$dir" /u
}

case_assocmend_install_confirmed_reports_completion() {
  am_reset
  local dir
  dir=$(am_install inst)
  am_run_with_box "$dir" 1 /i1
  kalv_assert_eq "$AM_TITLE" "$AM_CAPTION" "caption"
  kalv_assert_eq "Update Complete! Enjoy!" "$AM_TEXT" "message"
  am_assert_written_for "$(kalv_win "$dir")"
  am_run_to_end "$dir" /u
}

case_assocmend_reinstall_picks_up_a_moved_directory() {
  am_reset
  local old new
  old=$(am_install old)
  new=$(am_install "moved here")
  am_run_to_end "$old" /i
  am_run_to_end "$new" /i
  am_assert_written_for "$(kalv_win "$new")"
  if am_dump_all | grep -qF "$(kalv_win "$old")\\"; then kalv_fail "the old directory is still named"; fi
  am_run_to_end "$new" /u
}

case_assocmend_uninstall_removes_and_twice_changes_nothing() {
  am_reset
  local dir before after
  dir=$(am_install inst)
  am_run_to_end "$dir" /i
  am_key_exists Kalvenmarque.v1_30_ || kalv_fail "nothing was written"
  am_run_to_end "$dir" /u
  am_assert_none_left
  before=$(am_snapshot before)
  am_run_to_end "$dir" /u
  after=$(am_snapshot after)
  cmp -s "$before" "$after" || kalv_fail "a second /u changed the registry"
}

case_assocmend_foreign_subkey_keeps_its_parent() {
  am_reset
  local dir
  dir=$(am_install inst)
  am_run_to_end "$dir" /i
  timeout 60 wine reg add 'HKCR\Kalvenmarque.Q2\Shell\Edit' /f >/dev/null 2>&1 </dev/null
  am_run_to_end "$dir" /u
  local kept ok=0
  for kept in 'Kalvenmarque.Q2\Shell\Edit' 'Kalvenmarque.Q2\Shell' Kalvenmarque.Q2; do
    am_key_exists "$kept" || { kalv_log "HKCR\\$kept was removed"; ok=1; }
  done
  for gone in 'Kalvenmarque.Q2\Shell\Open' 'Kalvenmarque.Q2\Shell\Open Kalvenmarque' \
              'Kalvenmarque.Q2\DefaultIcon' Kalvenmarque.HL .dm2 .dm_66; do
    if am_key_exists "$gone"; then kalv_log "HKCR\\$gone is still there"; ok=1; fi
  done
  timeout 60 wine reg delete 'HKCR\Kalvenmarque.Q2' /f >/dev/null 2>&1 </dev/null || true
  [ $ok -eq 0 ] || kalv_fail "removal did not stop at the foreign subkey"
}

# Opening a demo as Explorer does runs the associated command. Wine's start always asks
# for the "open" verb, so the second verb's command is checked by the registry read-back.
case_assocmend_open_a_demo_starts_the_main_program() {
  am_reset
  local dir demos demo log
  dir=$(am_install inst)
  demos=$(kalv_sandbox demos)
  demo="$demos/some.dm_66"
  printf 'demo' >"$demo"
  log="$dir/standin.log"
  export KALV_STANDIN_MODE=exit KALV_STANDIN_LOG="$(kalv_win "$log")"
  am_run_to_end "$dir" /i

  timeout 60 wine start /unix "$demo" >/dev/null 2>&1 </dev/null || true
  kalv_wait_standin "$log" 30 || kalv_fail "opening the demo started nothing"
  local line
  line=$(kalv_standin_field "$log" commandline)
  kalv_log "first verb: $line"
  kalv_assert_eq "\"$(kalv_win "$dir")\\Kalvenmarque.exe\" $(kalv_win "$demo")" "$line" "command line"

  am_run_to_end "$dir" /u
}

# A stand-in uninstaller in the Windows directory that logs into the case folder.
am_uninstaller() {
  local windir="$WINEPREFIX/drive_c/windows"
  kalv_standin "$windir/uninst.exe"
  kalv_cleanup_add "$windir/uninst.exe"
  AM_UNINSTALL_LOG="$KALV_CASE_DIR/uninst.log"
  rm -f -- "$AM_UNINSTALL_LOG"
  export KALV_STANDIN_MODE=exit KALV_STANDIN_LOG="$(kalv_win "$AM_UNINSTALL_LOG")"
}

# For the cases where the uninstaller must not run: a stand-in that, once started, waits
# until released, so that after Assocmend.exe has ended a started one is still running.
am_uninstaller_waiting() {
  am_uninstaller
  export KALV_STANDIN_MODE=wait KALV_STANDIN_RELEASE="$(kalv_win "$KALV_CASE_DIR/release-uninst")"
}
am_assert_uninstaller_not_started() {
  local running
  running=$(pgrep -fc 'windows.uninst\.exe' || true)
  : >"$KALV_CASE_DIR/release-uninst"
  kalv_assert_eq 0 "$running" "uninstallers running"
  kalv_assert_no_file "$AM_UNINSTALL_LOG" "the uninstaller ran:"
}

case_assocmend_full_uninstall_passes_the_last_log() {
  am_reset
  local dir d
  dir=$(am_install inst)
  d=$(kalv_win "$dir")
  printf 'log' >"$dir/a.isu"
  printf 'log' >"$dir/B.isu"
  am_uninstaller
  am_run_to_end "$dir" /i
  am_run_to_end "$dir" /fu
  kalv_wait_standin "$AM_UNINSTALL_LOG" 30 || kalv_fail "the uninstaller was not started"
  kalv_assert_eq "C:\\windows\\uninst.exe -f\"$d\\B.isu\" -c\"$d\\_ISREG32.DLL\"" \
    "$(kalv_standin_field "$AM_UNINSTALL_LOG" commandline)" "uninstaller command line"
  am_assert_none_left
}

case_assocmend_full_uninstall_without_a_log() {
  am_reset
  local dir
  dir=$(am_install inst)
  am_uninstaller_waiting
  am_run_to_end "$dir" /i
  am_run_with_box "$dir" 1 /fu
  kalv_assert_eq "$AM_TITLE" "$AM_CAPTION" "caption"
  kalv_assert_eq "Uninstall log not found. Unable to uninstall. Remove the files manually or reinstall Kalvenmarque and try again." \
    "$AM_TEXT" "message"
  am_assert_none_left
  am_assert_uninstaller_not_started
}

case_assocmend_full_uninstall_without_the_uninstaller() {
  am_reset
  local dir
  dir=$(am_install inst)
  printf 'log' >"$dir/a.isu"
  rm -f -- "$WINEPREFIX/drive_c/windows/uninst.exe"
  am_run_to_end "$dir" /i
  am_run_with_box "$dir" 1 /fu
  kalv_assert_eq "$AM_TITLE" "$AM_CAPTION" "caption"
  case "$AM_TEXT" in
    *'C:\windows\uninst.exe'*) ;;
    *) kalv_fail "the message does not name the missing uninstaller: $AM_TEXT" ;;
  esac
  am_assert_none_left
}

case_assocmend_confirmation_answered_no_changes_nothing() {
  am_reset
  local dir before after
  dir=$(am_install inst)
  printf 'log' >"$dir/a.isu"
  am_uninstaller_waiting
  am_run_to_end "$dir" /i
  before=$(am_snapshot before)
  am_run_with_box "$dir" 7 /fu1
  kalv_assert_eq "Are you sure you want to uninstall Kalvenmarque?" "$AM_TEXT" "question"
  after=$(am_snapshot after)
  cmp -s "$before" "$after" || kalv_fail "answering No changed the registry"
  am_assert_uninstaller_not_started
  am_run_to_end "$dir" /u
}

case_assocmend_unknown_switches_show_the_usage() {
  am_reset
  local dir usage
  dir=$(am_install inst)
  usage="This program is a sub function program of Kalvenmarque v1.2.0 and should not be used as standalone. Use the following as command line parameters:\\r\\n'/i' - > reintilise registry settings (File Associations)\\r\\n'/u' -> uninstall registry settings (File Associations)\\r\\n'/fu' -> fully uninstall Kalvenmarque (including File Associations)\\r\\n'/fu1' -> fully uninstall Kalvenmarque with confirmation (including File Associations)"
  local -a variant
  for variant_text in '/x' '/i ' '/I|/U' ''; do
    IFS='|' read -r -a variant <<<"$variant_text"
    [ -n "$variant_text" ] || variant=()
    kalv_log "arguments: [${variant[*]:-}]"
    am_run_with_box "$dir" 1 "${variant[@]}"
    kalv_assert_eq "$AM_TITLE" "$AM_CAPTION" "caption"
    kalv_assert_eq "$usage" "$AM_TEXT" "usage message"
  done
  am_assert_none_left
}

case_assocmend_needs_the_main_program_beside_it() {
  am_reset
  local dir
  dir=$(kalv_sandbox alone)
  cp -- "$KALV_INSTALL/Assocmend.exe" "$dir/"
  am_run_with_box "$dir" 1 /i
  kalv_assert_eq "This sub function program can only be executed within the Kalvenmarque directory with appropriate command line parameters." \
    "$AM_TEXT" "message"
  am_assert_none_left
}
