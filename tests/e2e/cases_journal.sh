# The restore journal where a user meets it without any fault of theirs: a second demo
# opened while the first game still plays, a configuration the user made read-only, a
# read-only demo on a Quake 3 minimum installation, the uninstaller meeting a run that is
# not put back yet, an entry another program wrote, and one whose game folder is gone. The world's helpers come from cases_mainwindow.sh,
# cases_play.sh and cases_faults.sh, the setup's from cases_installer.sh.

# Opens <demo> while the game of an earlier run plays: the player must refuse with a
# message naming <game>, change nothing and start no game.
jn_refused_while_playing() {
  local demo=$1 game=$2 folder=$3
  pl_state "$folder" >during.txt
  kalv_run start /wait /unix "$demo"
  local pid=$KALV_PID
  kalv_driver messagebox --timeout 30000 >refused.txt || kalv_fail "no message for the second demo"
  kalv_assert_contains refused.txt "$game is still running a demo Kalvenmarque prepared"
  kalv_driver messagebox --press 1 --timeout 5000 >/dev/null
  kalv_wait_exit "$pid" 30 || kalv_fail "the refusing player did not end"
  kalv_assert_eq 1 "$KALV_EXIT" "the refusing player's exit code"
  pl_assert_state "$folder" during.txt "the second demo changed the folder under the running game"
  kalv_assert_eq 1 "$(grep -c '^\[standin\]$' "$PL_LOG")" "games started"
}

# Quake 3 plays a v1.27h demo when its player is killed; a v1.30 demo opened meanwhile
# changes nothing (the installation stays on v1.27h for the running game) and says why.
# Once the game has ended, the next start puts everything back.
case_journal_second_quake3_demo_while_the_first_plays() {
  fl_quake3_playing
  local q3=$FL_Q3
  fl_kill_player
  kalv_assert_eq "v1.27h" "$(pl_q3_release "$q3")" "the running game's release"
  jn_refused_while_playing "$MW_WORLD/Demos/sample.dm_66" "Quake 3 Arena" "$q3"
  kalv_assert_eq "v1.27h" "$(pl_q3_release "$q3")" "the release under the running game"

  pl_release_game
  pl_game_ended
  fl_start_again ended
  pl_assert_state "$q3" before.txt "the first run was not put back after its game ended"
}

# Half-Life with a configuration the user made read-only: it stays read-only after a
# run, and after a run whose player was killed, a second demo refused meanwhile, and the
# replay at the next start.
case_journal_half_life_read_only_config_and_second_demo() {
  mw_world
  local hl="$MW_GAMES/Half-Life"
  chmod a-w -- "$hl/valve/config.cfg"
  pl_state "$hl" >before.txt

  pl_game exit 0 'valve\config.cfg'
  pl_open "$MW_WORLD/Demos/sample.dem"
  pl_ended 0
  kalv_assert_contains "$PL_LOG" "readonly=1"
  pl_assert_state "$hl" before.txt "a normal run changed the folder"
  pl_read_only "$hl/valve/config.cfg" || kalv_fail "the user's read-only configuration became writable"

  pl_game wait
  pl_open "$MW_WORLD/Demos/sample.dem"
  pl_started
  fl_kill_player
  jn_refused_while_playing "$MW_WORLD/Demos/sample.dem" "Half-Life" "$hl"
  pl_release_game
  pl_game_ended
  fl_start_again ended
  pl_assert_state "$hl" before.txt "the replay changed the folder"
  pl_read_only "$hl/valve/config.cfg" || kalv_fail "the replay made the configuration writable"
}

# A read-only demo on a minimum installation is copied plainly (read-only as it is); the
# run still puts everything back, the copy included.
case_journal_read_only_demo_on_a_quake3_minimum_installation() {
  mw_world
  local q3="$MW_GAMES/Quake III Arena" cd=$KALV_CDROM demo="$MW_WORLD/Demos/read-only.dm_48"
  rm -f -- "$q3/baseq3/pak0.pk3"
  mkdir -p -- "$q3/baseq3/demos"
  kalv_cleanup_add "$cd/Quake3"
  mkdir -p -- "$cd/Quake3"
  cp -- "$MW_PLAYER/Versions/Quake3.127h" "$cd/Quake3/Quake3.exe"
  cp -- "$MW_WORLD/Demos/sample.dm_48" "$demo"
  chmod a-w -- "$demo"
  pl_state "$q3" >before.txt

  pl_game exit 0 'baseq3\demos\Kalvenmarque.dm_48'
  pl_open "$demo"
  pl_ended 0
  kalv_assert_contains "$PL_LOG" "exists=1"
  pl_assert_state "$q3" before.txt "the read-only demo's copy stayed behind"

  # Twice: an entry left unfinished by the first run would refuse the second.
  pl_game exit
  pl_open "$demo"
  pl_ended 0
  pl_started
  pl_assert_state "$q3" before.txt
}

# The uninstaller meets a Half-Life run whose game still plays: it removes nothing and
# names the game. Once the game has ended, the uninstall puts the run back first and
# then removes everything.
case_journal_uninstall_with_a_pending_run() {
  in_own_prefix
  in_run_setup /CurrentUser
  local dir="$(kalv_unix "$IN_LOCAL")/Programs/Kalvenmarque" hl game key
  hl=$(kalv_sandbox Half-Life)
  kalv_standin "$hl/hl.exe"
  mkdir -p -- "$hl/valve"
  printf 'the run left it' >"$hl/valve/Kalvenmarque.dem"
  pl_game wait
  kalv_run "$hl/hl.exe"
  pl_started
  key='HKCU\Software\VB and VBA Program Settings\Kalvenmarque\Restore Journal\HL'
  local name value
  while IFS='|' read -r name value; do
    timeout 60 wine reg add "$key" /v "$name" /t REG_SZ /d "$value" /f >/dev/null 2>&1 </dev/null ||
      kalv_fail "could not write the entry's $name"
  done <<EOT
Step 1|delete|$(kalv_win "$hl/valve/Kalvenmarque.dem")
Steps|1
Game|HL
Folder|$(kalv_win "$hl")
Switch back|
Executable|$(pl_field module)
Process|$(pl_field pid)
Complete|1
EOT

  local uninstall
  uninstall="$(kalv_win "$dir")\\Uninstall.exe"
  # Run in place (_?=), so that the wait covers the whole uninstall.
  local code=0
  timeout 120 wine "$uninstall" /S "_?=$(kalv_win "$dir")" >uninstall1.out 2>&1 </dev/null || code=$?
  [ "$code" -ne 0 ] && [ "$code" -lt 124 ] ||
    kalv_fail "the uninstall ended with $code although a run is pending"
  kalv_assert_file "$dir/Kalvenmarque.exe" "removed with a run pending:"
  kalv_assert_file "$dir/Versions/v1_32.Vrk" "the release store went with a run pending:"
  in_entry_exists HKCU || kalv_fail "the uninstall entry went with a run pending"
  kalv_assert_file "$hl/valve/Kalvenmarque.dem" "the pending run was undone under its running game:"

  pl_release_game
  pl_game_ended
  timeout 120 wine "$uninstall" /S "_?=$(kalv_win "$dir")" >uninstall2.out 2>&1 </dev/null ||
    kalv_fail "the uninstall failed once the game had ended ($?)"
  kalv_assert_no_file "$hl/valve/Kalvenmarque.dem" "the pending run was not put back first:"
  kalv_assert_no_file "$dir/Kalvenmarque.exe" "not uninstalled once the game had ended:"
  kalv_reg_absent "$key" || kalv_fail "the journal entry is still there"
}

# Writes an entry of the restore journal value by value, as any program of the user could:
# "<game>" then lines "<name>|<value>" on standard input.
jn_put_entry() {
  local key="HKCU\\Software\\VB and VBA Program Settings\\Kalvenmarque\\Restore Journal\\$1" name value
  while IFS='|' read -r name value; do
    timeout 60 wine reg add "$key" /v "$name" /t REG_SZ /d "$value" /f >/dev/null 2>&1 </dev/null ||
      kalv_fail "could not write the entry's $name"
  done
}

# An entry that asks to delete a file outside its game folder (with the uninstaller's
# rights this could be any file) is not carried out: the file stays, the user is told once
# at the start, the entry is kept aside, and the game plays afterwards.
case_journal_entry_naming_a_file_outside_the_game_folder_is_refused() {
  mw_world
  local victim hl="$MW_GAMES/Half-Life" aside
  victim="$(kalv_sandbox elsewhere)/hosts"
  printf '127.0.0.1 localhost\n' >"$victim"
  chmod a-w -- "$victim"
  jn_put_entry HL <<EOT
Step 1|delete|$(kalv_win "$victim")
Step 2|copy|$(kalv_win "$hl/valve/config.cfg")|$(kalv_win "$victim")
Steps|2
Game|HL
Folder|$(kalv_win "$hl")
Complete|1
EOT
  pl_state "$hl" >before.txt
  mw_start
  kalv_driver messagebox --timeout 30000 >told.txt || kalv_fail "the user was not told"
  kalv_assert_contains told.txt "did not write itself"
  kalv_assert_contains told.txt "Restore Journal Set Aside\\HL 1"
  kalv_driver messagebox --press 1 --timeout 5000 >/dev/null
  mw_main_dump main.txt
  mw_close_main
  kalv_assert_eq '127.0.0.1 localhost' "$(cat "$victim")" "the file outside the game folder"
  pl_assert_state "$hl" before.txt "the refused entry changed the game folder"
  aside='HKCU\Software\VB and VBA Program Settings\Kalvenmarque\Restore Journal Set Aside\HL 1'
  kalv_reg_query "$aside" /v 'Step 1' >aside.txt || kalv_fail "the entry was not kept aside"
  kalv_assert_contains aside.txt "delete|$(kalv_win "$victim")"
  kalv_reg_absent 'HKCU\Software\VB and VBA Program Settings\Kalvenmarque\Restore Journal\HL' ||
    kalv_fail "the refused entry still blocks the game"
  kalv_assert_contains "$(pl_run_log)" "is not a file of its runs in $(kalv_win "$hl")"

  pl_game exit 0
  pl_open "$MW_WORLD/Demos/sample.dem"
  pl_ended 0
  pl_started
  pl_assert_state "$hl" before.txt "the demo's run changed the game folder"
}

# A run that could not be put back, whose Quake 3 folder the user then deleted: the next
# demo plays on the new installation without a question, and the log says the old entry
# was dropped.
case_journal_entry_of_a_deleted_game_folder_is_dropped() {
  mw_world
  local q3="$MW_GAMES/Quake III Arena" old
  old="$(kalv_sandbox "Old Quake3")"
  jn_put_entry Q3A <<EOT
Step 1|delete|$(kalv_win "$old")\\baseq3\\Kalvenmarque.cfg
Steps|1
Game|Q3A
Folder|$(kalv_win "$old")
Switch back|$(kalv_win "$old")
Complete|1
EOT
  rm -rf -- "$old"
  pl_state "$q3" >before.txt
  pl_game exit 0
  pl_open "$MW_WORLD/Demos/sample.dm_48"
  pl_ended 0
  pl_started
  kalv_assert_eq "v1.27h" "$(pl_field release)" "the release the game ran"
  pl_assert_state "$q3" before.txt "the Quake 3 folder is not as before"
  kalv_assert_contains "$(pl_run_log)" "the Q3A run in $(kalv_win "$old"), cut off earlier: dropped"
}

# Quake 1 under a folder with blanks, as every installation below Program Files is: the
# game is started in its folder without "-basedir", which it would read cut at the blank.
case_journal_quake1_in_a_folder_with_a_blank() {
  mw_world
  local q1
  q1=$(kalv_pf_sandbox "Quake One")
  cp -r -- "$MW_GAMES/Quake"/. "$q1"/
  mw_setting "Quake 1 Path" "$(kalv_win "$q1")"
  pl_state "$q1" >before.txt
  pl_game exit 0 'id1\kalvenmarque.cfg;id1\Kalvenmarque.dem'
  pl_open "$MW_WORLD/Demos/quake1.dem"
  pl_ended 0
  pl_started
  kalv_assert_eq "$(kalv_win "$q1")\\q.exe +exec kalvenmarque.cfg" "$(pl_field commandline)" \
    "game command line"
  kalv_assert_eq "$(kalv_win "$q1")" "$(pl_field workdir)" "the game's working folder"
  kalv_assert_contains "$PL_LOG" "exists=1"
  pl_assert_state "$q1" before.txt "the Quake 1 folder is not as before"
}
