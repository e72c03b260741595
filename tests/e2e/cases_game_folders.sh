# Demos as players have them today: a Counter-Strike demo plays in its game folder, a
# demo of a game the installation lacks is refused with its name, a Quake 2 demo of a
# game folder starts Quake 2 in it, a Quake 3 demo of a mod plays in that mod, a mod or map
# the installation lacks is asked about first, and a Quake 3 installation whose
# executable the store lacks is offered to the store. The world's helpers come from cases_mainwindow.sh and
# cases_play.sh.

# The state the stand-in game saw of a watched file starts with <state>.
gf_watched() {
  grep -A2 -F -x "watch: $1" "$PL_LOG" | grep -q "^watch-state: $2" ||
    kalv_fail "$1 was not \"$2\" while the game ran"
}

case_play_counter_strike_demo_in_its_game_folder() {
  mw_world
  local hl="$MW_GAMES/Half-Life"
  pl_state "$hl" >before.txt
  pl_game exit 0 'cstrike\kalvenmarque.cfg;cstrike\Kalvenmarque.dem;cstrike\config.cfg;valve\config.cfg'
  pl_open "$MW_WORLD/Demos/sample-cstrike.dem"
  pl_ended 0
  kalv_assert_eq "$(kalv_win "$hl")\\hl.exe -game cstrike -console +connect localhost +exec kalvenmarque.cfg" \
    "$(pl_field commandline)" "Counter-Strike command line"
  gf_watched 'cstrike\kalvenmarque.cfg' 'exists=1'
  gf_watched 'cstrike\Kalvenmarque.dem' 'exists=1'
  gf_watched 'cstrike\config.cfg' 'exists=1 readonly=1'
  gf_watched 'valve\config.cfg' 'exists=1 readonly=0'
  pl_assert_state "$hl" before.txt

  rm -rf -- "$hl/cstrike"
  pl_state "$hl" >before-without.txt
  pl_open_refused "$MW_WORLD/Demos/sample-cstrike.dem" refused.txt
  kalv_assert_contains refused.txt 'This demo was recorded in Counter-Strike ("cstrike")'
  pl_assert_state "$hl" before-without.txt
}

case_play_quake2_demo_of_a_game_folder() {
  mw_world
  local q2="$MW_GAMES/Quake2"
  rm -f -- "$q2/kalvq2_sub.exe"
  pl_state "$q2" >before.txt
  pl_game exit
  pl_open "$MW_WORLD/Demos/sample-opentdm.dm2"
  pl_ended 0 30
  pl_started
  kalv_assert_eq "$(kalv_win "$q2")\\quake2.exe +set game opentdm +exec autoexec.cfg +exec config.cfg +exec kalvenmarque.cfg" \
    "$(pl_field commandline)" "Quake 2 command line"
  pl_companion_gone
  rm -f -- "$q2/kalvq2_sub.exe"
  pl_assert_state "$q2" before.txt
}

# A 1.32 installation and a store without executables: a .dm_68 demo offers to store the
# installed Quake3.exe as Quake3.132; Yes stores it and the demo plays.
case_play_quake3_offers_an_installed_executable_to_an_empty_store() {
  mw_world
  local q3="$MW_GAMES/Quake III Arena"
  rm -f -- "$MW_PLAYER/Versions/Quake3."*
  pl_state "$q3" >before.txt
  pl_game exit
  pl_open "$MW_WORLD/Demos/sample.dm_68"
  kalv_driver messagebox --timeout 30000 >offer.txt || kalv_fail "nothing was offered"
  kalv_assert_contains offer.txt "Its pak files say it is release v1.32"
  kalv_assert_contains offer.txt "Store a copy of it as $(kalv_win "$MW_PLAYER")\\Versions\\Quake3.132 and go on?"
  kalv_driver messagebox --press 6 --timeout 5000 >/dev/null || kalv_fail "Yes could not be pressed"
  pl_ended 0
  pl_started
  cmp -s -- "$q3/quake3.exe" "$MW_PLAYER/Versions/Quake3.132" || kalv_fail "the store holds no copy"
  pl_assert_state "$q3" before.txt
}

# A demo recorded in osp plays in osp whatever mod the options chose, with osp's own
# configuration read-only; a demo of defrag, which the installation lacks, is asked about,
# and No leaves the folder as it was and starts nothing.
case_play_quake3_demo_of_a_mod_in_its_mod() {
  mw_world
  local q3="$MW_GAMES/Quake III Arena"
  pl_state "$q3" >before.txt
  pl_game exit 0 'osp\q3config.cfg;baseq3\demos\Kalvenmarque.dm_48'
  pl_open "$MW_WORLD/Demos/sample-osp.dm_48"
  pl_ended 0
  kalv_assert_eq "$(kalv_win "$q3")\\quake3.exe +set fs_basepath \"$(kalv_win "$q3")\" +exec Kalvenmarque+set fs_Game osp" \
    "$(pl_field commandline)" "the game's command line"
  gf_watched 'osp\q3config.cfg' 'exists=1 readonly=1'
  gf_watched 'baseq3\demos\Kalvenmarque.dm_48' 'exists=1'
  pl_assert_state "$q3" before.txt
  kalv_assert_contains "$(pl_run_log)" "the demo needs protocol 48, mod osp (found), map ospdm8 (found"

  pl_game exit
  pl_open "$MW_WORLD/Demos/sample-defrag.dm_48"
  kalv_driver messagebox --timeout 30000 >question.txt || kalv_fail "nothing was asked"
  kalv_assert_contains question.txt 'This demo was recorded in the mod "defrag", which the Quake 3 Arena installation does not have'
  kalv_driver messagebox --press 7 --timeout 5000 >/dev/null || kalv_fail "No could not be pressed"
  pl_ended 0
  kalv_assert_no_file "$PL_LOG" "the game was started after No:"
  pl_assert_state "$q3" before.txt
}

# A Counter-Strike demo on a map that only the game folder's downloads hold plays
# without a question; without it there, the map is asked about before anything changes.
case_play_half_life_demo_of_a_downloaded_map() {
  mw_world
  local hl="$MW_GAMES/Half-Life"
  # Half-Life's own pak, a PACK holding one map: readable, and without de_dust2.
  { printf 'PACK\x10\x00\x00\x00\x40\x00\x00\x00c1a0'; printf 'maps/c1a0.bsp'
    head -c 43 /dev/zero; printf '\x0c\x00\x00\x00\x04\x00\x00\x00'; } >"$hl/valve/pak0.pak"
  pl_state "$hl" >before.txt
  pl_game exit
  pl_open "$MW_WORLD/Demos/sample-cstrike.dem"
  kalv_driver messagebox --timeout 30000 >question.txt || kalv_fail "the missing map was not asked about"
  kalv_assert_contains question.txt "This demo plays on the map de_dust2"
  kalv_assert_contains question.txt "did not find in $(kalv_win "$hl") (it looked in cstrike, cstrike_downloads,"
  kalv_screenshot question
  kalv_driver messagebox --press 7 --timeout 5000 >/dev/null || kalv_fail "No could not be pressed"
  pl_ended 0
  kalv_assert_no_file "$PL_LOG" "the game was started after No:"
  pl_assert_state "$hl" before.txt

  mkdir -p -- "$hl/cstrike_downloads/maps"
  printf 'de_dust2\r\n' >"$hl/cstrike_downloads/maps/de_dust2.bsp"
  pl_state "$hl" >before-downloaded.txt
  pl_game exit
  pl_open "$MW_WORLD/Demos/sample-cstrike.dem"
  pl_ended 0
  pl_started
  kalv_assert_eq "$(kalv_win "$hl")\\hl.exe -game cstrike -console +connect localhost +exec kalvenmarque.cfg" \
    "$(pl_field commandline)" "Counter-Strike command line"
  pl_assert_state "$hl" before-downloaded.txt
}
