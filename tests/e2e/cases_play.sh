# Demos played as a user plays them: opened through their association in a sandbox world
# (scripts/make_sandbox.sh), each game a stand-in that logs how it was started and what it
# found prepared, and the game folder compared with its state before the run. The world's
# helpers (mw_world, mw_setting, mw_start, ...) come from cases_mainwindow.sh.

# Every file below a folder with its permission bits (Wine keeps read-only there) and a
# checksum, one sorted line each, so two states compare with diff. The stand-ins' logs are
# left out.
pl_state() {
  local dir=$1 f
  while IFS= read -r -d '' f; do
    printf '%s %s %s\n' "${f#"$dir"/}" "$(stat -c %a -- "$f")" "$(sha1sum <"$f" | cut -c1-40)"
  done < <(find "$dir" -type f ! -name standin.log -print0 | sort -z)
}

# Fails unless the folder is as pl_state recorded it in <file>.
pl_assert_state() {
  pl_state "$1" >"$2.after"
  diff -u "$2" "$2.after" >"$2.diff" || { cat "$2.diff"; kalv_fail "${3:-the folder changed}"; }
}

# How the next stand-in game behaves: mode (exit, wait, crash, sleep:<ms>), its exit code
# and the prepared files it reports (';'-separated, relative to its working folder).
pl_game() {
  PL_LOG="$KALV_CASE_DIR/game.log"
  PL_RELEASE="$KALV_CASE_DIR/release-game"
  rm -f -- "$PL_LOG" "$PL_RELEASE"
  export KALV_STANDIN_LOG KALV_STANDIN_RELEASE KALV_STANDIN_MODE=$1 KALV_STANDIN_EXIT=${2:-0}
  export KALV_STANDIN_WATCH=${3:-}
  KALV_STANDIN_LOG=$(kalv_win "$PL_LOG")
  KALV_STANDIN_RELEASE=$(kalv_win "$PL_RELEASE")
}

# Opens a demo through its association, as a double-click in Explorer does. start /wait
# waits for the player, so KALV_PID (PL_PID) ends with it and gives its exit code.
pl_open() {
  kalv_run start /wait /unix "$1"
  PL_PID=$KALV_PID
}

# Waits for the player of pl_open to end by itself; its exit code must be <code>.
pl_ended() {
  kalv_wait_exit "$PL_PID" "${2:-60}" || kalv_fail "the player did not end by itself"
  kalv_assert_eq "${1:-0}" "$KALV_EXIT" "the player's exit code"
}

pl_started() { kalv_wait_file "$PL_LOG" 60 || kalv_fail "the game was never started"; }
# Opens a demo the player must refuse: its one message is saved to <file> and answered,
# the player ends with 1 and no game was started. The caller checks the message's text.
pl_open_refused() {
  pl_game exit
  pl_open "$1"
  kalv_driver messagebox --timeout 30000 >"$2" || kalv_fail "no message for $1"
  kalv_driver messagebox --press 1 --timeout 5000 >/dev/null
  pl_ended 1
  kalv_assert_no_file "$PL_LOG" "the game was started for a refused demo:"
}
pl_release_game() { : >"$PL_RELEASE"; }
# Waits until the game of pl_game has ended (the stand-in appends its end); fails when it
# does not within the bound.
pl_game_ended() {
  local i
  for ((i = 0; i < 200; i++)); do
    grep -q '^\[ended' "$PL_LOG" 2>/dev/null && return 0
    sleep 0.1
  done
  kalv_fail "the game did not end"
}
# Waits until the Quake 2 companion has ended (its clean-up done); fails when it does not
# within the bound.
pl_companion_gone() {
  local i
  for ((i = 0; i < 300; i++)); do
    [ "$(kalv_process_count 'kalvq2_sub\.exe')" = 0 ] && return 0
    sleep 0.1
  done
  kalv_fail "the companion did not end"
}
# The run log of the prefix's user (the player's and the companion's).
pl_run_log() { printf '%s/Kalvenmarque/Kalvenmarque.log' "$(kalv_unix "$(timeout 60 wine cmd /c echo %LOCALAPPDATA% 2>/dev/null </dev/null | tr -d '\r')")"; }
pl_field() { kalv_standin_field "$PL_LOG" "$1"; }
pl_read_only() { [ $((0$(stat -c %a -- "$1") & 0222)) -eq 0 ]; }

# The Quake 3 release the installation's executable is (the stored stand-ins name it).
pl_q3_release() { tail -c 64 "$1/quake3.exe" | tr -d '\0' | sed -n 's/^KALV-RELEASE //p'; }

# A v1.32 installation plays a v1.27h demo: switched while the game runs (pak5 to pak8
# set aside), everything prepared, the splash hidden; afterwards v1.32 again and the
# folder exactly as before.
case_play_quake3_demo_switches_the_release_and_back() {
  mw_world
  local q3="$MW_GAMES/Quake III Arena"
  pl_state "$q3" >before.txt
  pl_game wait 0 'baseq3\Kalvenmarque.cfg;baseq3\q3config.cfg;baseq3\demos\Kalvenmarque.dm_48'
  pl_open "$MW_WORLD/Demos/sample.dm_48"
  pl_started
  kalv_assert_eq "v1.27h" "$(pl_field release)" "the release the game runs"
  kalv_assert_eq "v1.27h" "$(pl_q3_release "$q3")" "the installed executable"
  kalv_assert_eq "$(kalv_win "$q3")\\quake3.exe +set fs_basepath \"$(kalv_win "$q3")\" +exec Kalvenmarque" \
    "$(pl_field commandline)" "game command line"
  kalv_assert_file "$q3/baseq3/pak4.pk3"
  kalv_assert_file "$q3/baseq3/pak5.bak"
  kalv_assert_file "$q3/baseq3/pak6.bak"
  kalv_assert_file "$q3/baseq3/pak8.bak"
  kalv_assert_no_file "$q3/baseq3/pak5.pk3"
  cmp -s "$MW_PLAYER/Versions/Kalv.cfg" "$q3/baseq3/Kalvenmarque.cfg" || kalv_fail "one-off configuration"
  cmp -s "$MW_WORLD/Demos/sample.dm_48" "$q3/baseq3/demos/Kalvenmarque.dm_48" || kalv_fail "demo copy"
  pl_read_only "$q3/baseq3/q3config.cfg" || kalv_fail "q3config.cfg is writable while the game runs"
  kalv_assert_contains "$PL_LOG" "exists=1 readonly=1" "q3config.cfg as the game saw it"
  kalv_driver dump --has-id 1011 --hidden --timeout 10000 >splash.txt || kalv_fail "no splash window"
  head -n 1 splash.txt | grep -q ' visible=0 ' || kalv_fail "the splash shows while the game runs"
  kalv_screenshot game
  kalv_running "$PL_PID" || kalv_fail "the player ended while the game runs"

  pl_release_game
  pl_ended 0
  kalv_assert_eq "v1.32" "$(pl_q3_release "$q3")" "the release after the demo"
  pl_assert_state "$q3" before.txt "the Quake 3 folder is not as before"
}

# A mod demo of the newest release: the mod is loaded (no blank before "+set fs_Game")
# and its configuration is read-only only while the game runs.
case_play_quake3_mod_demo() {
  mw_world
  local q3="$MW_GAMES/Quake III Arena"
  mw_setting Modification "Mod: osp"
  mw_setting ModificationOption 1
  pl_state "$q3" >before.txt
  pl_game exit 0 'osp\q3config.cfg'
  cp -- "$MW_WORLD/Demos/sample.dm_66" "$MW_WORLD/Demos/final.dm_68"
  pl_open "$MW_WORLD/Demos/final.dm_68"
  pl_ended 0
  kalv_assert_eq "$(kalv_win "$q3")\\quake3.exe +set fs_basepath \"$(kalv_win "$q3")\" +exec Kalvenmarque+set fs_Game osp" \
    "$(pl_field commandline)" "mod command line"
  kalv_assert_eq "v1.32" "$(pl_field release)"
  kalv_assert_contains "$PL_LOG" "exists=1 readonly=1" "the mod's configuration while playing"
  pl_assert_state "$q3" before.txt
  mw_forget_settings
}

# A minimum installation reads its paks from the CD: Retry once the CD is in plays the
# demo with the CD's path; Cancel restores without a game.
case_play_quake3_minimum_installation_asks_for_the_cd() {
  mw_world
  local q3="$MW_GAMES/Quake III Arena" cd=$KALV_CDROM
  rm -f -- "$q3/baseq3/pak0.pk3"
  kalv_cleanup_add "$cd/Quake3"
  pl_state "$q3" >before.txt

  pl_game exit
  pl_open "$MW_WORLD/Demos/sample.dm_48"
  kalv_driver messagebox --timeout 30000 >prompt.txt || kalv_fail "no CD prompt"
  kalv_assert_contains prompt.txt "caption: Quake 3 Arena CD-Check"
  kalv_assert_contains prompt.txt "text: Please insert your Quake 3 Arena CD into your CD-ROM Drive and click retry."
  kalv_assert_contains prompt.txt "button: id=4"
  mkdir -p -- "$cd/Quake3"
  cp -- "$MW_PLAYER/Versions/Quake3.131" "$cd/Quake3/Quake3.exe"
  kalv_driver messagebox --press 4 --timeout 5000 >/dev/null
  pl_ended 0
  kalv_assert_eq "$(kalv_win "$q3")\\quake3.exe +set fs_cdpath \"E:\" +exec Kalvenmarque +set fs_basepath \"$(kalv_win "$q3")\"" \
    "$(pl_field commandline)" "minimum installation command line"
  pl_assert_state "$q3" before.txt

  rm -rf -- "$cd/Quake3"
  pl_game exit
  pl_open "$MW_WORLD/Demos/sample.dm_48"
  kalv_driver messagebox --press 2 --timeout 30000 >/dev/null || kalv_fail "no CD prompt to cancel"
  pl_ended 0
  kalv_assert_no_file "$PL_LOG" "a game was started after Cancel:"
  pl_assert_state "$q3" before.txt
}

# By hand from the main window: Convert to an older release and back, with the messages;
# Launch starts Quake 3 minimized without a switch and ends the program.
case_play_quake3_convert_and_launch_from_the_main_window() {
  mw_world
  local q3="$MW_GAMES/Quake III Arena"
  pl_game exit
  mw_start
  mw_main_dump main.txt
  kalv_driver select --has-id 2011 --id 2011 --index 1 >/dev/null
  mw_press 2013 2010
  kalv_driver messagebox --timeout 15000 >older.txt || kalv_fail "no conversion message"
  kalv_assert_contains older.txt "text: Your Quake 3 Arena version has been successfully converted to v1.27h."
  kalv_assert_contains older.txt "caption: Kalvenmarque v1.2.0"
  kalv_driver messagebox --press 1 --timeout 5000 >/dev/null
  kalv_assert_eq "v1.27h" "$(pl_q3_release "$q3")"
  kalv_assert_file "$q3/baseq3/pak8.bak"
  mw_dump_until main-older.txt 2013 2007 " Quake 3 Arena Status: Found - Version: v1.27h"
  kalv_assert_eq " Quake 3 Arena Status: Found - Version: v1.27h" "$(mw_text main-older.txt 2007)"

  kalv_driver select --has-id 2011 --id 2011 --index 4 >/dev/null
  mw_press 2013 2010
  kalv_driver messagebox --timeout 15000 >newest.txt || kalv_fail "no conversion message"
  kalv_assert_contains newest.txt "text: Your Quake 3 Arena version has been successfully converted to the latest version (v1.32)."
  kalv_driver messagebox --press 1 --timeout 5000 >/dev/null
  kalv_assert_eq "v1.32" "$(pl_q3_release "$q3")"
  kalv_assert_file "$q3/baseq3/pak8.pk3"

  mw_press 2013 2014
  kalv_wait_exit "$MW_PID" 30 || kalv_fail "Launch did not end the program"
  pl_started
  kalv_assert_eq "$(kalv_win "$q3")\\quake3.exe +set fs_basepath \"$(kalv_win "$q3")\"" \
    "$(pl_field commandline)" "launch command line"
  mw_forget_settings
}

# An installed Quake3.exe that no stored release has would be lost by a switch: nothing is
# switched, the demo is not played, and the message names the file.
case_play_quake3_refuses_to_switch_an_unknown_executable() {
  mw_world
  local q3="$MW_GAMES/Quake III Arena"
  cp -- "$KALV_TOOLS/standin_game.exe" "$q3/quake3.exe"
  printf '\nKALV-RELEASE v1.33\n' >>"$q3/quake3.exe"
  pl_state "$q3" >before.txt
  pl_open_refused "$MW_WORLD/Demos/sample.dm_48" refused.txt
  kalv_assert_contains refused.txt "$(kalv_win "$q3")\\Quake3.exe is not the executable of any release"
  kalv_assert_contains refused.txt "caption: Kalvenmarque v1.2.0"
  pl_assert_state "$q3" before.txt
}

# Elite Force 1.20: protocol 24 plays; protocol 22 is refused and undone without a game;
# an unknown protocol is said and played.
case_play_elite_force_by_protocol() {
  mw_world
  local ef="$MW_GAMES/Elite Force" demos="$MW_WORLD/Demos"
  pl_state "$ef" >before.txt
  pl_game exit 0 'baseef\hmconfig.cfg;baseEF\Demos\Kalvenmarque.efdemo'
  pl_open "$demos/sample.efdemo"
  pl_ended 0
  kalv_assert_eq "$(kalv_win "$ef")\\stvoyhm.exe +set fs_basepath \"$(kalv_win "$ef")\" +exec Kalvenmarque" \
    "$(pl_field commandline)" "Elite Force command line"
  kalv_assert_contains "$PL_LOG" "exists=1 readonly=1"
  pl_assert_state "$ef" before.txt

  sed 's/protocol\\24/protocol\\22/' "$demos/sample.efdemo" >"$demos/old.efdemo"
  pl_open_refused "$demos/old.efdemo" refused.txt
  kalv_assert_contains refused.txt "text: Demo Protocol 22 - Not supported by your Star Trek Voyager Elite Force version, v1.10 or v1.00 is required."
  pl_assert_state "$ef" before.txt

  sed 's/protocol\\24/protocol\\23/' "$demos/sample.efdemo" >"$demos/new.efdemo"
  pl_game exit
  pl_open "$demos/new.efdemo"
  kalv_driver messagebox --timeout 30000 >unknown.txt || kalv_fail "no protocol message"
  kalv_assert_contains unknown.txt "text: Demo Protocol 23 - Unknown protocol version, Kalvenmarque will try to continue anyway."
  kalv_driver messagebox --press 1 --timeout 5000 >/dev/null
  pl_ended 0
  pl_started
  pl_assert_state "$ef" before.txt
}

# Quake 1 with three executables and the saved choice q.exe; the game ends with exit code
# 259, which once read as "still running": the player notices the end all the same.
case_play_quake1_demo_with_the_chosen_executable() {
  mw_world
  local q1="$MW_GAMES/Quake"
  pl_state "$q1" >before.txt
  pl_game sleep:1500 259 'id1\kalvenmarque.cfg;id1\Kalvenmarque.dem;id1\config.cfg'
  pl_open "$MW_WORLD/Demos/quake1.dem"
  pl_ended 0
  kalv_assert_eq "$(kalv_win "$q1")\\q.exe -basedir $(kalv_win "$q1") +exec kalvenmarque.cfg" \
    "$(pl_field commandline)" "Quake 1 command line"
  kalv_assert_eq "$(kalv_win "$q1")" "$(pl_field workdir)" "working folder"
  kalv_assert_contains "$PL_LOG" "[ended"
  [ "$(grep -c 'exists=1' "$PL_LOG")" -eq 3 ] || kalv_fail "not every prepared file was there"
  kalv_assert_contains "$PL_LOG" "exists=1 readonly=1"
  pl_assert_state "$q1" before.txt
}

# Half-Life starts hl.exe, a retail Counter-Strike folder cstrike.exe; a crashed game is
# restored after like any other.
case_play_half_life_and_counter_strike() {
  mw_world
  local hl="$MW_GAMES/Half-Life"
  pl_state "$hl" >before.txt
  pl_game crash 0 'valve\kalvenmarque.cfg;valve\Kalvenmarque.dem;valve\config.cfg'
  pl_open "$MW_WORLD/Demos/sample.dem"
  pl_ended 0
  kalv_assert_eq "$(kalv_win "$hl")\\hl.exe -console +connect localhost +exec kalvenmarque.cfg" \
    "$(pl_field commandline)" "Half-Life command line"
  kalv_assert_contains "$PL_LOG" "exists=1 readonly=1"
  pl_assert_state "$hl" before.txt

  mv -- "$hl/hl.exe" "$hl/cstrike.exe"
  pl_state "$hl" >before-cs.txt
  pl_game exit
  pl_open "$MW_WORLD/Demos/sample.dem"
  pl_ended 0
  kalv_assert_eq "$(kalv_win "$hl")\\cstrike.exe -console +connect localhost +exec kalvenmarque.cfg" \
    "$(pl_field commandline)" "Counter-Strike command line"
  pl_assert_state "$hl" before-cs.txt
}

# Unreal Tournament gets the script package and the playback options in the address.
case_play_unreal_tournament_with_its_playback_options() {
  mw_world
  local ut="$MW_GAMES/UnrealTournament"
  mw_setting "Unreal Tournament - No Frame Cap" 1
  pl_state "$ut" >before.txt
  pl_game exit 0 'kalvenmarque.u;Kalvenmarque.dem'
  pl_open "$MW_WORLD/Demos/unreal.dem"
  pl_ended 0
  kalv_assert_eq "$(kalv_win "$ut")\\System\\UnrealTournament.exe UT-Logo-Map.unr?Game=kalvenmarque.kalvenmarque?demo=kalvenmarque.dem?noframecap?timebased" \
    "$(pl_field commandline)" "Unreal Tournament command line"
  kalv_assert_eq "$(kalv_win "$ut")\\System" "$(pl_field workdir)" "working folder"
  [ "$(grep -c 'exists=1' "$PL_LOG")" -eq 2 ] || kalv_fail "package or demo missing while playing"
  pl_assert_state "$ut" before.txt
  mw_forget_settings
}

# Quake 2 through the real companion: the player ends at once, the companion starts the
# game in the Quake 2 folder, waits for it (an exit code of 259 included) and cleans up.
case_play_quake2_through_its_companion() {
  mw_world
  local q2="$MW_GAMES/Quake2"
  pl_state "$q2" >before.txt
  pl_game wait 259 'baseq2\kalvenmarque.cfg;baseq2\demos\Kalvenmarque.dm2;baseq2\config.cfg'
  pl_open "$MW_WORLD/Demos/sample.dm2"
  pl_ended 0 30
  pl_started
  kalv_assert_eq "$(kalv_win "$q2")\\quake2.exe +exec autoexec.cfg +exec config.cfg +exec kalvenmarque.cfg" \
    "$(pl_field commandline)" "Quake 2 command line"
  kalv_assert_eq "$(kalv_win "$q2")" "$(pl_field workdir)" "working folder"
  [ "$(grep -c 'exists=1' "$PL_LOG")" -eq 3 ] || kalv_fail "not every prepared file was there"
  pl_read_only "$q2/baseq2/config.cfg" || kalv_fail "config.cfg is writable while the game runs"
  pl_release_game
  pl_companion_gone
  kalv_assert_file "$q2/kalvq2_sub.exe" "the companion stays"
  rm -f -- "$q2/kalvq2_sub.exe"
  pl_assert_state "$q2" before.txt "the companion did not clean up"
}

# The demo a user opens may be the copy a run left in the game folder, here reached by
# another route to the same file (the Z: drive): it is neither emptied by a copy onto
# itself nor deleted afterwards.
case_play_demo_opened_from_its_fixed_name_survives() {
  mw_world
  local q3="$MW_GAMES/Quake III Arena" own
  own="$q3/baseq3/demos/Kalvenmarque.dm_66"
  printf 'the user keeps this demo\n' >"$own"
  pl_state "$q3" >before.txt
  pl_game exit
  kalv_run "$KALV_TOOLS/ui_driver.exe" launch --exe "$(kalv_win "$MW_PLAYER/Kalvenmarque.exe")" \
    --text "\"$(kalv_win "$MW_PLAYER/Kalvenmarque.exe")\" Z:${own//\//\\}" --timeout 60000
  PL_PID=$KALV_PID
  kalv_wait_exit "$PL_PID" 70 || kalv_fail "the player did not end"
  pl_started
  kalv_assert_eq "the user keeps this demo" "$(cat "$own")" "the demo opened"
  pl_assert_state "$q3" before.txt
}

# The command lines Explorer does not send: one quoted path (a shortcut, "Open with", a
# script), and a demo in the root of a drive while the player's working folder lies on
# that drive, next to a demo of the same name.
case_play_quoted_path_and_demo_in_a_drive_root() {
  mw_world
  local q3="$MW_GAMES/Quake III Arena" player
  player=$(kalv_win "$MW_PLAYER/Kalvenmarque.exe")
  pl_game exit 0 'baseq3\demos\Kalvenmarque.dm_66'
  kalv_driver launch --exe "$player" --timeout 60000 \
    --text "\"$player\" \"$(kalv_win "$MW_WORLD/Demos/sample.dm_66")\"" >quoted.txt ||
    kalv_fail "the player did not end"
  kalv_assert_contains quoted.txt "exit: 0"
  pl_started

  local stick
  stick=$(kalv_sandbox stick)
  ln -sfn -- "$stick" "$WINEPREFIX/dosdevices/f:"
  kalv_cleanup_add "$WINEPREFIX/dosdevices/f:"
  mkdir -p -- "$stick/elsewhere"
  printf 'the demo in the root\n' >"$stick/match.dm_66"
  printf 'another demo of the same name\n' >"$stick/elsewhere/match.dm_66"
  pl_game exit 0 'baseq3\demos\Kalvenmarque.dm_66'
  kalv_driver launch --exe "$player" --dir 'F:\elsewhere' --timeout 60000 \
    --text "\"$player\" F:\\match.dm_66" >root.txt || kalv_fail "the player did not end"
  kalv_assert_contains root.txt "exit: 0"
  pl_started
  kalv_assert_contains "$PL_LOG" "content: the demo in the root"
}

# The updater is started by its quoted path from a player below Program Files: each of
# the three buttons of the advanced options reaches it with its switch.
case_play_advanced_options_from_program_files() {
  mw_world pf
  mw_start
  mw_main_dump main.txt
  mw_open_options
  mw_press 3055 3054
  kalv_driver wait-window --has-id 4005 --timeout 15000 >/dev/null || kalv_fail "no advanced window"
  mw_press 4005 4003
  kalv_driver messagebox --timeout 15000 --press 6 >/dev/null || kalv_fail "no confirmation"
  kalv_driver messagebox --timeout 15000 --press 1 >removed.txt || kalv_fail "no completion"
  kalv_assert_contains removed.txt "text: File Associations uninstalled successfully."
  local i
  kalv_wait_reg_absent 'HKCR\.dm_66' 20 || kalv_fail "the associations are still there"

  mw_press 4005 4002
  kalv_driver messagebox --timeout 15000 --press 6 >/dev/null || kalv_fail "no confirmation"
  kalv_driver messagebox --timeout 15000 --press 1 >/dev/null || kalv_fail "no completion"
  for ((i = 0; i < 100; i++)); do kalv_reg_query 'HKCR\Kalvenmarque.v1_30_\Shell\Open\Command' >command.txt 2>&1 && break; sleep 0.2; done
  kalv_assert_contains command.txt "$(kalv_win "$MW_PLAYER")\\Kalvenmarque.exe"

  mw_press 4005 4004
  kalv_driver messagebox --timeout 15000 --press 6 >/dev/null || kalv_fail "no confirmation"
  kalv_wait_exit "$MW_PID" 30 || kalv_fail "Uninstall did not end the player"
  kalv_driver messagebox --timeout 30000 >uninstall.txt || kalv_fail "the updater said nothing"
  kalv_assert_contains uninstall.txt "Uninstall log not found"
  kalv_driver messagebox --press 1 --timeout 5000 >/dev/null
  kalv_wait_reg_absent 'HKCR\.dm_66' 20 || kalv_fail "the associations survived the uninstall"
  mw_forget_settings
}
