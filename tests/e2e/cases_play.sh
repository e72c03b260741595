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
pl_release_game() { : >"$PL_RELEASE"; }
pl_field() { kalv_standin_field "$PL_LOG" "$1"; }
pl_read_only() { [ $((0$(stat -c %a -- "$1") & 0222)) -eq 0 ]; }

# The Quake 3 release the installation's executable is (the stored stand-ins name it).
pl_q3_release() { tail -c 64 "$1/quake3.exe" | tr -d '\0' | sed -n 's/^KALV-RELEASE //p'; }

# A v1.31 installation plays a v1.27h demo: switched while the game runs, everything
# prepared, the splash hidden; afterwards v1.31 again and the folder exactly as before.
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
  kalv_assert_eq "v1.31" "$(pl_q3_release "$q3")" "the release after the demo"
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
  cp -- "$MW_WORLD/Demos/sample.dm_66" "$MW_WORLD/Demos/final.dm_67"
  pl_open "$MW_WORLD/Demos/final.dm_67"
  pl_ended 0
  kalv_assert_eq "$(kalv_win "$q3")\\quake3.exe +set fs_basepath \"$(kalv_win "$q3")\" +exec Kalvenmarque+set fs_Game osp" \
    "$(pl_field commandline)" "mod command line"
  kalv_assert_eq "v1.31" "$(pl_field release)"
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
  kalv_assert_file "$q3/baseq3/pak6.bak"
  mw_dump_until main-older.txt 2013 2007 " Quake 3 Arena Status: Found - Version: v1.27h"
  kalv_assert_eq " Quake 3 Arena Status: Found - Version: v1.27h" "$(mw_text main-older.txt 2007)"

  kalv_driver select --has-id 2011 --id 2011 --index 3 >/dev/null
  mw_press 2013 2010
  kalv_driver messagebox --timeout 15000 >newest.txt || kalv_fail "no conversion message"
  kalv_assert_contains newest.txt "text: Your Quake 3 Arena version has been successfully converted to the latest version (v1.31)."
  kalv_driver messagebox --press 1 --timeout 5000 >/dev/null
  kalv_assert_eq "v1.31" "$(pl_q3_release "$q3")"
  kalv_assert_file "$q3/baseq3/pak6.pk3"

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
  printf '\nKALV-RELEASE v1.32\n' >>"$q3/quake3.exe"
  pl_state "$q3" >before.txt
  pl_game exit
  pl_open "$MW_WORLD/Demos/sample.dm_48"
  kalv_driver messagebox --timeout 30000 >refused.txt || kalv_fail "no message"
  kalv_assert_contains refused.txt "$(kalv_win "$q3")\\Quake3.exe is not the executable of any release"
  kalv_assert_contains refused.txt "caption: Kalvenmarque v1.2.0"
  kalv_driver messagebox --press 1 --timeout 5000 >/dev/null
  pl_ended 1
  kalv_assert_no_file "$PL_LOG" "the game was started:"
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
  pl_game exit
  pl_open "$demos/old.efdemo"
  kalv_driver messagebox --timeout 30000 >refused.txt || kalv_fail "no protocol message"
  kalv_assert_contains refused.txt "text: Demo Protocol 22 - Not supported by your Star Trek Voyager Elite Force version, v1.10 or v1.00 is required."
  kalv_driver messagebox --press 1 --timeout 5000 >/dev/null
  pl_ended 1
  kalv_assert_no_file "$PL_LOG" "the game was started for a refused demo:"
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
