# The main program's windows as a user sees them: start-up without a demo, the stored
# language, the options window's language list, path boxes and close box, the advanced
# window's hand-over to the association updater, and the demo paths that end at the
# main window or at the error report. Every case works in its own sandbox world made by
# scripts/make_sandbox.sh (a player installation, six game installations, settings).

MW_SETTINGS='HKCU\Software\VB and VBA Program Settings\Kalvenmarque\Settings'

# Builds the world under the case's sandbox folder (with "pf", under Program Files);
# MW_WORLD, MW_PLAYER and MW_GAMES are set to its unix paths.
mw_world() {
  if [ "${1:-}" = pf ]; then MW_WORLD=$(kalv_pf_sandbox world); else MW_WORLD=$(kalv_sandbox world); fi
  "$E2E_ROOT/scripts/make_sandbox.sh" "$(dirname -- "$KALV_INSTALL")" "$MW_WORLD" >world.txt
  MW_PLAYER="$MW_WORLD/Kalvenmarque"
  MW_GAMES="$MW_WORLD/Games"
}

mw_setting() {
  timeout 60 wine reg add "$MW_SETTINGS" /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1 ||
    kalv_fail "could not store the setting $1"
}

# The stored text of a setting; empty when it is absent.
mw_stored() {
  { kalv_reg_query "$MW_SETTINGS" /v "$1" 2>/dev/null || true; } |
    awk -v name="$1" 'index($0, "    " name " ") == 1 { sub(/.*REG_SZ */, ""); print }'
}

# Starts the player from the world's installation (extra arguments: its command line).
mw_start() {
  cd "$MW_PLAYER"
  kalv_run "$MW_PLAYER/Kalvenmarque.exe" "$@"
  MW_PID=$KALV_PID
  cd "$KALV_CASE_DIR"
}

# The text of the control with the given id in a dump.
mw_text() {
  awk -v id="control id=$2 " 'index($0, id) == 1 { sub(/^[^ ]+ [^ ]+ [^ ]+ [^ ]+ [^ ]+ [^ ]+ text=/, ""); print; exit }' "$1"
}

# One field (visible, enabled, value) of the control with the given id in a dump.
mw_field() {
  awk -v id="control id=$2 " -v key="$3" 'index($0, id) == 1 {
      for (i = 1; i <= NF; i++) if (index($i, key "=") == 1) { print substr($i, length(key) + 2); exit } }' "$1"
}

# Waits for the main window and dumps it into the given file.
# A dump taken while the program is still in one of its pauses holds no values, so it
# is taken again until the program answers.
mw_main_dump() {
  local i
  for ((i = 0; i < 50; i++)); do
    kalv_driver dump --has-id 2013 --timeout "${2:-30000}" >"$1" || kalv_fail "the main window never showed"
    grep -q '^busy:' "$1" || return 0
    sleep 0.3
  done
  kalv_fail "the main window never answered"
}

# Dumps the window holding control <has-id> into <file> until control <id> shows <text>,
# for at most about ten seconds: a switch of language is seen when it has happened. The
# caller asserts on the last dump.
mw_dump_until() {
  local file=$1 has=$2 id=$3 want=$4 i
  for ((i = 0; i < 50; i++)); do
    kalv_driver dump --has-id "$has" --timeout 15000 >"$file" || true
    # A busy program's captions may be read before all of them were written.
    if ! grep -q '^busy:' "$file" && [ "$(mw_text "$file" "$id")" = "$want" ]; then return 0; fi
    sleep 0.2
  done
}

mw_options_dump() { kalv_driver dump --has-id 3055 --timeout 15000 >"$1" || kalv_fail "no options window"; }

mw_open_options() {
  kalv_driver press --has-id 2016 --id 2016 >/dev/null || kalv_fail "Options could not be pressed"
  kalv_driver wait-window --has-id 3055 --timeout 15000 >/dev/null || kalv_fail "the options window never showed"
}

# Presses a button of the window holding it; a window still disabled by a message box
# that is closing gets a few tries.
mw_press() {
  local i
  for ((i = 0; i < 25; i++)); do
    if kalv_driver press --has-id "$1" --id "$2" >/dev/null 2>&1; then return 0; fi
    sleep 0.2
  done
  kalv_fail "button $2 could not be pressed"
}

# Closes the main window and expects the program to end. The driver is asked again while
# the program runs: under load a driver has been seen to fail without a word of why.
mw_close_main() {
  local attempt
  kalv_running "$MW_PID" || kalv_fail "the program ended before its main window was closed"
  for attempt in 1 2 3; do
    kalv_driver close --has-id 2013 >/dev/null 2>&1 || true
    kalv_wait_exit "$MW_PID" 20 && return 0
  done
  kalv_fail "closing the main window did not end the program"
}

# The settings belong to this case only.
mw_forget_settings() {
  timeout 60 wine reg delete "$MW_SETTINGS" /f >/dev/null 2>&1 || true
}

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# The splash greets, then the main window shows every game's state and the newest
# release; the options and About windows open from it and the close button ends the run.
case_main_start_without_demo_shows_splash_then_main_window() {
  kalv_need "$KALV_INSTALL/Kalvenmarque.exe"
  mw_world
  # The splash shows only for the 2.45 s greeting, about as long as the UI driver takes to
  # start, and the program answers no messages meanwhile. So samplers started half a
  # second apart before the program only see that it is shown, and its texts are read
  # once it is hidden again behind the main window. (The splash's picture is taken by
  # the second-instance case.) The samplers run the driver themselves: in parallel,
  # kalv_driver's numbered output files would collide.
  local i samplers=()
  for ((i = 0; i < 8; i++)); do
    (sleep "$(awk -v i="$i" 'BEGIN { print i * 0.5 }')"
     if timeout 60 wine "$KALV_TOOLS/ui_driver.exe" wait-window --has-id 1011 --timeout 20000 \
       >/dev/null 2>&1 </dev/null; then touch splash-seen; fi) &
    samplers+=("$!")
    printf '%s\n' "$!" >>"$KALV_CASE_DIR/.pids"
  done
  mw_start
  # Only the samplers: the program itself runs in the background too.
  wait "${samplers[@]}"
  [ -f splash-seen ] || kalv_fail "the splash window was never seen"
  mw_main_dump main.txt
  kalv_driver dump --has-id 1011 --hidden --timeout 5000 >splash.txt || kalv_fail "the splash is gone"
  head -n 1 splash.txt | grep -q ' visible=0 ' || kalv_fail "the splash stays beside the main window"
  kalv_assert_eq "Welcome..." "$(mw_text splash.txt 1011)" "splash greeting"
  kalv_assert_eq "Current User" "$(mw_text splash.txt 1006)" "splash user caption"
  kalv_assert_eq "Windows 95/98/ME/2000" "$(mw_text splash.txt 1008)" "splash platform line"

  kalv_screenshot main-en
  kalv_assert_contains main.txt "text=Kalvenmarque v1.2.0 - KVM Demo Player"
  kalv_assert_eq " Quake 3 Arena Status: Found - Version: v1.32" "$(mw_text main.txt 2007)" "Quake 3 line"
  kalv_assert_eq " Half-Life Status: Found - Version: v1.1.0.8" "$(mw_text main.txt 2006)" "Half-Life line"
  kalv_assert_contains main.txt "id=2005 class=Static enabled=1 visible=1 value=- text= Star Trek Voyager"
  kalv_assert_contains main.txt "Status: Found - Version: v1.20"
  kalv_assert_eq " Quake 1 Status: Found" "$(mw_text main.txt 2004)" "Quake 1 line"
  kalv_assert_eq " Quake 2 Status: Found" "$(mw_text main.txt 2003)" "Quake 2 line"
  kalv_assert_eq " Unreal Tournament Status: Found" "$(mw_text main.txt 2002)" "Unreal Tournament line"
  # Five releases in file-name order, the last (newest) selected.
  kalv_assert_eq 5 "$(grep -c '^item id=2011 ' main.txt)" "releases listed"
  kalv_assert_contains main.txt "item id=2011 index=0 selected=0 text=Quake 3 Arena v1.17"
  kalv_assert_contains main.txt "item id=2011 index=4 selected=1 text=Quake 3 Arena v1.32"
  kalv_assert_eq "&Launch Quake 3" "$(mw_text main.txt 2014)" "launch button"

  mw_open_options
  mw_options_dump options.txt
  kalv_screenshot options-en
  kalv_assert_eq "Kalvenmarque v1.2.0 - Options" "$(head -n 1 options.txt | sed 's/.* text=//')" "options title"
  kalv_assert_eq 6 "$(grep -c '^control id=30\(0[2-7]\) class=Button' options.txt)" "game frames"
  # Exactly one page shows: the first tab's frame and its path box; the others hidden.
  kalv_assert_eq 1 "$(mw_field options.txt 3002 visible)" "Quake 3 frame"
  kalv_assert_eq 1 "$(mw_field options.txt 3008 visible)" "Quake 3 path box"
  kalv_assert_eq 0 "$(mw_field options.txt 3007 visible)" "Unreal Tournament frame"
  kalv_assert_eq 0 "$(mw_field options.txt 3013 visible)" "Unreal Tournament path box"
  kalv_assert_eq 0 "$(mw_field options.txt 3048 visible)" "Unreal Tournament check box"
  kalv_assert_eq "glquake.exe" "$(grep '^item id=3046 index=0 ' options.txt | sed 's/.* text=//')" \
    "first Quake 1 program"
  kalv_driver select --has-id 3001 --id 3001 --index 5 >/dev/null
  mw_options_dump options-ut.txt
  kalv_screenshot options-en-ut
  kalv_assert_eq 1 "$(mw_field options-ut.txt 3013 visible)" "Unreal Tournament path box after the tab"
  kalv_assert_eq 0 "$(mw_field options-ut.txt 3008 visible)" "Quake 3 path box after the tab"
  mw_press 3054 3054
  kalv_driver dump --has-id 4005 --timeout 15000 >advanced.txt || kalv_fail "no advanced window"
  kalv_screenshot advanced-en
  kalv_assert_eq "Remove File Associations" "$(mw_text advanced.txt 4003)" "remove button"
  mw_press 4005 4005
  mw_press 3055 3055

  kalv_driver press --has-id 2015 --id 2015 >/dev/null || kalv_fail "About could not be pressed"
  kalv_driver dump --has-id 5010 --timeout 15000 >about.txt || kalv_fail "no About window"
  kalv_screenshot about
  kalv_assert_eq "v1.1.0 English/Englisch/Engels" "$(mw_text about.txt 5003)" "About version"
  case "$(mw_text about.txt 5010)" in
    "The Readme and the help file are available in English only."*) ;;
    *) kalv_fail "the readme does not open with its English-only note" ;;
  esac
  mw_press 5011 5011
  mw_main_dump main-after.txt
  kalv_assert_contains main-after.txt "class=#32770 visible=1 enabled=1"
  mw_close_main
  mw_forget_settings
}

# A stored "Language" of 1 starts in German; an unusable 7 starts in English and stays
# stored as it was.
case_main_stored_language_german_and_unusable_value() {
  kalv_need "$KALV_INSTALL/Kalvenmarque.exe"
  mw_world
  mw_setting Language 1
  mw_start
  mw_main_dump main-de.txt
  kalv_screenshot main-de
  kalv_assert_eq "&Schließen" "$(mw_text main-de.txt 2013)" "close button"
  kalv_assert_eq "Spiel Stände" "$(mw_text main-de.txt 2001)" "game states frame"
  kalv_assert_eq " Quake 3 Arena Status: Gefunden - Version: v1.32" "$(mw_text main-de.txt 2007)"
  kalv_assert_eq " Quake 2 Status: Gefunden" "$(mw_text main-de.txt 2003)"
  mw_open_options
  kalv_driver select --has-id 3001 --id 3001 --index 5 >/dev/null
  mw_options_dump options-de.txt
  kalv_screenshot options-de
  kalv_assert_eq "Kalvenmarque v1.2.0 - Optionen" "$(head -n 1 options-de.txt | sed 's/.* text=//')"
  kalv_assert_eq "Unreal Tournament Pfad:" "$(mw_text options-de.txt 3019)"
  kalv_assert_eq "&Auswahl" "$(mw_text options-de.txt 3025)"
  kalv_assert_contains options-de.txt "item id=3053 index=1 selected=1 text=Deutsch"
  mw_press 3054 3054
  kalv_driver wait-window --has-id 4005 --timeout 15000 >/dev/null || kalv_fail "no advanced window"
  kalv_screenshot advanced-de
  mw_press 4005 4005
  mw_press 3055 3055
  mw_close_main

  mw_setting Language 7
  mw_start
  mw_main_dump main-7.txt
  kalv_assert_eq "&Close" "$(mw_text main-7.txt 2013)" "close button with language 7"
  kalv_assert_eq " Quake 3 Arena Status: Found - Version: v1.32" "$(mw_text main-7.txt 2007)"
  mw_open_options
  mw_options_dump options-7.txt
  kalv_assert_contains options-7.txt "item id=3053 index=0 selected=1 text=English"
  mw_press 3055 3055
  mw_close_main
  kalv_assert_eq 7 "$(mw_stored Language)" "stored language after an English fallback"
  mw_forget_settings
}

# Afrikaans warns first, with nothing re-captioned yet; after the warning every window
# speaks Afrikaans and the choice is stored.
case_options_afrikaans_shows_known_bug_first() {
  kalv_need "$KALV_INSTALL/Kalvenmarque.exe"
  mw_world
  mw_start
  mw_main_dump main.txt
  mw_open_options
  kalv_driver select --has-id 3053 --id 3053 --index 2 >/dev/null
  kalv_driver messagebox --timeout 15000 >bug.txt || kalv_fail "no Known Bug message"
  kalv_assert_contains bug.txt "caption: Known Bug"
  kalv_assert_contains bug.txt "text: BETA WARNING\\r\\nNote: The Afrikaans language option will be removed in the next version if there is no input from other users."
  mw_options_dump while-warned.txt
  kalv_assert_eq "Quake 3 Arena Path:" "$(mw_text while-warned.txt 3014)" "caption before the warning was answered"
  kalv_assert_eq 0 "$(mw_stored Language)" "stored language before the warning was answered"
  kalv_driver messagebox --press 1 --timeout 5000 >/dev/null

  # The status line is written last of all (the detections follow the captions).
  mw_dump_until options-af.txt 3055 3032 "Quake 3 Arena Status: Gefind - Weergawe: v1.32"
  kalv_assert_eq "Quake 3 Arena Pad:" "$(mw_text options-af.txt 3014)"
  kalv_assert_eq "&Soek" "$(mw_text options-af.txt 3020)"
  kalv_assert_eq "Quake 3 Arena Status: Gefind - Weergawe: v1.32" "$(mw_text options-af.txt 3032)"
  kalv_assert_eq "Kalvenmarque v1.2.0 - 'Advanced' Opsies" "$(head -n 1 options-af.txt | sed 's/.* text=//')"
  kalv_assert_eq 2 "$(mw_stored Language)" "stored language"
  kalv_driver select --has-id 3001 --id 3001 --index 4 >/dev/null
  kalv_screenshot options-af
  mw_press 3054 3054
  kalv_driver wait-window --has-id 4005 --timeout 15000 >/dev/null || kalv_fail "no advanced window"
  kalv_screenshot advanced-af
  mw_press 4005 4005
  mw_press 3055 3055
  mw_main_dump main-af.txt
  kalv_screenshot main-af
  kalv_assert_eq "&Verlaat" "$(mw_text main-af.txt 2013)"
  kalv_assert_eq " Unreal Tournament Status: Gefind" "$(mw_text main-af.txt 2002)"
  mw_close_main
  mw_forget_settings
}

# A file that no game recorded opens the main window without a word.
case_demo_with_unknown_ending_opens_main_window_silently() {
  kalv_need "$KALV_INSTALL/Kalvenmarque.exe"
  mw_world
  local demo="$MW_WORLD/x.txt"
  printf 'not a demo\n' >"$demo"
  mw_start "$(kalv_win "$demo")"
  mw_main_dump main.txt
  if kalv_driver messagebox --timeout 3000 >box.txt 2>/dev/null; then
    kalv_fail "a message showed: $(cat box.txt)"
  fi
  kalv_assert_contains main.txt "item id=2011 index=4 selected=1 text=Quake 3 Arena v1.32"
  mw_close_main
  mw_forget_settings
}

# A .dem that does not exist: the general error report with number 53, its text ending
# with the command line as given; after it the program ends.
case_missing_dem_reports_error_53_with_command_line() {
  kalv_need "$KALV_INSTALL/Kalvenmarque.exe"
  mw_world
  local demo
  demo="$(kalv_win "$MW_WORLD")\\Demos\\Missing.DEM"
  mw_start "$demo"
  kalv_driver messagebox --timeout 30000 >box.txt || kalv_fail "no error message"
  kalv_assert_contains box.txt "caption: Kalvenmarque Kalvenmarque - Error (53)"
  kalv_assert_contains box.txt "text: The following error has occurred: 53 - File not found"
  local text
  text=$(sed -n 's/^text: //p' box.txt)
  case "$text" in
    *"$demo") ;;
    *) kalv_fail "the report does not end with the command line [$demo]: $text" ;;
  esac
  kalv_driver messagebox --press 1 --timeout 5000 >/dev/null
  # A program that went on to its main window would still run: it ends, and with 1.
  kalv_wait_exit "$MW_PID" 20 || kalv_fail "the program went on after the error report"
  kalv_assert_eq 1 "$KALV_EXIT" "the exit code after the error report"
  mw_forget_settings
}

# Every keystroke in a path box runs the game's detection: both status labels follow.
case_options_typed_path_updates_both_status_labels() {
  kalv_need "$KALV_INSTALL/Kalvenmarque.exe"
  mw_world
  mw_start
  mw_main_dump main.txt
  mw_open_options
  local elsewhere="$MW_WORLD/Nowhere"
  mkdir -p -- "$elsewhere"
  kalv_driver set-text --has-id 3055 --id 3011 --text "$(kalv_win "$elsewhere")" --type >/dev/null
  mw_options_dump options.txt
  mw_main_dump main-typed.txt 5000
  kalv_assert_eq "Half-Life Status: Not Found" "$(mw_text options.txt 3035)" "options label"
  kalv_assert_eq " Half-Life Status: Not Found" "$(mw_text main-typed.txt 2006)" "main label"
  kalv_driver set-text --has-id 3055 --id 3011 --text "C:" --type >/dev/null
  mw_options_dump options-short.txt
  mw_main_dump main-short.txt 5000
  kalv_assert_eq "Half-Life Status: Not Installed" "$(mw_text options-short.txt 3035)"
  kalv_assert_eq " Half-Life Status: Not Installed" "$(mw_text main-short.txt 2006)"
  kalv_driver set-text --has-id 3055 --id 3011 --text "$(kalv_win "$MW_GAMES/Half-Life")" --type >/dev/null
  mw_options_dump options-back.txt
  mw_main_dump main-back.txt 5000
  kalv_assert_eq "Half-Life Status: Found - Version: v1.1.0.8" "$(mw_text options-back.txt 3035)"
  kalv_assert_eq " Half-Life Status: Found - Version: v1.1.0.8" "$(mw_text main-back.txt 2006)"
  mw_press 3055 3055
  mw_close_main
  mw_forget_settings
}

# The close box stores the paths but not the Unreal Tournament options; reopening shows
# the stored options again, and Ok stores them.
case_options_close_box_keeps_stored_unreal_options() {
  kalv_need "$KALV_INSTALL/Kalvenmarque.exe"
  mw_world
  mw_setting "Unreal Tournament - No Frame Cap" 0
  mw_start
  mw_main_dump main.txt
  mw_open_options
  kalv_driver select --has-id 3001 --id 3001 --index 5 >/dev/null
  mw_press 3055 3048
  mw_options_dump ticked.txt
  kalv_assert_eq 1 "$(mw_field ticked.txt 3048 value)" "No frame cap after the click"
  local q2="$MW_GAMES/Quake2 copy"
  cp -r -- "$MW_GAMES/Quake2" "$q2"
  kalv_driver set-text --has-id 3055 --id 3009 --text "$(kalv_win "$q2")" >/dev/null
  kalv_driver close --has-id 3055 >/dev/null
  mw_main_dump main-after-close.txt 10000
  kalv_assert_contains main-after-close.txt "class=#32770 visible=1 enabled=1"
  kalv_assert_eq 0 "$(mw_stored "Unreal Tournament - No Frame Cap")" "No frame cap after the close box"
  kalv_assert_eq "$(kalv_win "$q2")" "$(mw_stored "Quake 2 Path")" "Quake 2 path after the close box"

  mw_open_options
  mw_options_dump reopened.txt
  kalv_assert_eq 0 "$(mw_field reopened.txt 3048 value)" "No frame cap on reopening"
  kalv_assert_eq "$(kalv_win "$q2")" "$(mw_text reopened.txt 3009)" "Quake 2 path on reopening"
  kalv_driver select --has-id 3001 --id 3001 --index 5 >/dev/null
  mw_press 3055 3048
  mw_press 3055 3055
  mw_main_dump main-after-ok.txt 10000
  kalv_assert_eq 1 "$(mw_stored "Unreal Tournament - No Frame Cap")" "No frame cap after Ok"
  mw_close_main
  mw_forget_settings
}

# Remove File Associations asks, starts "<install>\Assocmend.exe /u" and reports done;
# answering No starts nothing.
case_advanced_remove_associations_starts_updater() {
  kalv_need "$KALV_INSTALL/Kalvenmarque.exe"
  mw_world
  kalv_standin "$MW_PLAYER/Assocmend.exe"
  # A started updater waits until released, so that one started after No is still there
  # to be seen.
  export KALV_STANDIN_LOG KALV_STANDIN_MODE=wait KALV_STANDIN_RELEASE
  KALV_STANDIN_LOG=$(kalv_win "$KALV_CASE_DIR/assocmend.log")
  KALV_STANDIN_RELEASE=$(kalv_win "$KALV_CASE_DIR/release-updater")
  mw_start
  mw_main_dump main.txt
  mw_open_options
  mw_press 3055 3054
  kalv_driver wait-window --has-id 4005 --timeout 15000 >/dev/null || kalv_fail "no advanced window"

  mw_press 4005 4003
  kalv_driver messagebox --timeout 15000 --press 7 >no.txt || kalv_fail "no confirmation"
  kalv_assert_contains no.txt "text: Are you sure you want to uninstall the file associations for Kalvenmarque?"
  # The second confirmation shows that the player has finished with the first answer; an
  # updater started by it would be running now.
  mw_press 4005 4003
  kalv_driver messagebox --timeout 15000 >again.txt || kalv_fail "no second confirmation"
  kalv_assert_eq 0 "$(pgrep -fc 'Assocmend\.exe' || true)" "updaters started after No"
  kalv_assert_no_file "$KALV_CASE_DIR/assocmend.log" "the updater ran after No:"

  : >"$KALV_CASE_DIR/release-updater"
  kalv_driver messagebox --timeout 15000 --press 6 >yes.txt || kalv_fail "no confirmation"
  kalv_driver messagebox --timeout 15000 >done.txt || kalv_fail "no completion message"
  kalv_assert_contains done.txt "caption: Kalvenmarque v1.2.0"
  kalv_assert_contains done.txt "text: File Associations uninstalled successfully."
  kalv_driver messagebox --press 1 --timeout 5000 >/dev/null
  kalv_wait_file "$KALV_CASE_DIR/assocmend.log" 20 || kalv_fail "the updater was never started"
  kalv_assert_eq "\"$(kalv_win "$MW_PLAYER")\\Assocmend.exe\" /u" \
    "$(kalv_standin_field "$KALV_CASE_DIR/assocmend.log" commandline)" "updater command line"
  kalv_assert_eq 1 "$(grep -c '^\[standin\]$' "$KALV_CASE_DIR/assocmend.log")" "updater starts"
  mw_press 4005 4005
  mw_press 3055 3055
  mw_close_main
  mw_forget_settings
}

# Every window of the main program at 100 %, 150 % and 200 %: no control leaves its
# window, covers another or cuts its caption, and the banner is the one drawn for the
# scale. Screenshots of each are kept for a look.
case_windows_look_right_at_three_scales() {
  kalv_need "$KALV_INSTALL/Kalvenmarque.exe"
  mw_world
  mw_setting "Demo Library Folder" "$(kalv_win "$MW_WORLD/Demo Library")"
  local dpi
  mw_layout() {
    kalv_driver wait-window --has-id "$1" --timeout 15000 >/dev/null || kalv_fail "no $2 window"
    kalv_screenshot "$2-$dpi"
    kalv_driver layout --has-id "$1" --timeout 15000 >"layout-$dpi-$2.txt" ||
      { cat "layout-$dpi-$2.txt" >&2; kalv_fail "the $2 window at $dpi dpi is not laid out right"; }
    grep -q "^scale: $dpi dpi" "layout-$dpi-$2.txt" || kalv_fail "the $2 window is not at $dpi dpi"
  }
  for dpi in 96 144 192; do
    kalv_display_scale "$dpi"
    mw_start
    mw_main_dump "main-$dpi.txt"
    mw_layout 2013 main
    mw_open_options
    mw_layout 3055 options
    kalv_driver select --has-id 3001 --id 3001 --index 5 >/dev/null
    mw_layout 3055 options-ut
    mw_press 3054 3054
    mw_layout 4005 advanced
    mw_press 4005 4005
    mw_press 3055 3055
    mw_press 2015 2015
    mw_layout 5011 about
    mw_press 5011 5011
    mw_press 2013 2017
    mw_layout 6013 demos
    mw_press 6013 6013
    mw_close_main
  done
}
