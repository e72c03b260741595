# The demo library as a user meets it: a folder opened with the player lists every file
# with what it needs and whether it plays here (each lack in its words), a header click
# orders the list, Enter plays the selected demo as a double-click would and the list
# comes back afterwards.
# The world's helpers come from cases_mainwindow.sh, the game's from cases_play.sh.

LB_WINDOW=6013

# Dumps the library into <file> once its reading is done (the status line sums it up) and
# it answers again: the status line can be read while it still writes its cache, its rows
# only afterwards.
lb_dump() {
  local i
  for ((i = 0; i < 100; i++)); do
    kalv_driver dump --has-id "$LB_WINDOW" --timeout 30000 >"$1" || kalv_fail "no demo library"
    grep -q "^control id=6010 .* text=.* play here$" "$1" && ! grep -q '^busy:' "$1" && return 0
    sleep 0.2
  done
  kalv_fail "the demo library never finished reading"
}

# The cells of the row whose first cell is <name>.
lb_row() { awk -v name="$2" 'index($0, "row id=6009 ") == 1 && index($0, "cells=" name " | ") { sub(/.* cells=/, ""); print; exit }' "$1"; }
lb_rows() { grep -c '^row id=6009 ' "$1"; }

case_library_lists_sorts_plays_a_demo_and_comes_back() {
  mw_world
  local lib="$MW_WORLD/Demo Library" hl="$MW_GAMES/Half-Life"
  # Half-Life's own pak, readable and without de_dust2: the Counter-Strike demo lacks its map.
  { printf 'PACK\x10\x00\x00\x00\x40\x00\x00\x00c1a0'; printf 'maps/c1a0.bsp'
    head -c 43 /dev/zero; printf '\x0c\x00\x00\x00\x04\x00\x00\x00'; } >"$hl/valve/pak0.pak"
  # Release 1.30's executable out of the store, and Unreal Tournament's folder not chosen.
  rm -f -- "$MW_PLAYER/Versions/Quake3.130"
  mw_setting "Unreal Tournament Path" ""
  pl_state "$hl" >before.txt
  pl_game exit
  mw_start "$(kalv_win "$lib")"
  lb_dump list.txt
  kalv_screenshot list
  kalv_assert_eq 13 "$(lb_rows list.txt)" "rows of the folder without its subfolder"
  kalv_assert_contains list.txt "cells=sample-cstrike.dem | Half-Life |  | cstrike | de_dust2 |  | 1:35 | "
  kalv_assert_contains list.txt "cells=sample-osp.dm_48 | Quake 3 Arena | v1.27h | osp | ospdm8 |  | 1:01 | "
  case "$(lb_row list.txt sample-osp.dm_48)" in *"| yes") ;; *) kalv_fail "the osp demo does not play here";; esac
  case "$(lb_row list.txt sample-defrag.dm_48)" in *"| mod defrag is missing") ;; *) kalv_fail "the defrag demo's lack";; esac
  case "$(lb_row list.txt sample-cstrike.dem)" in *"| map de_dust2 is missing") ;; *) kalv_fail "the missing map";; esac
  case "$(lb_row list.txt sample.dm_66)" in *"| release v1.30 is not stored") ;; *) kalv_fail "the release not stored";; esac
  case "$(lb_row list.txt unreal.dem)" in *"| the game is not set up") ;; *) kalv_fail "the game not set up";; esac
  case "$(lb_row list.txt notes.txt)" in "notes.txt |  |  |  |  |  | "*"| not a demo") ;; *) kalv_fail "the text file";; esac
  kalv_assert_not_contains list.txt "older.dm_68"

  # Ordered by game: the file of no game first, then Half-Life's two demos in name order;
  # the second of them plays.
  kalv_driver click-header --has-id "$LB_WINDOW" --id 6009 --index 1 >/dev/null || kalv_fail "no header to click"
  lb_dump sorted.txt
  grep '^row id=6009 index=1 ' sorted.txt | grep -qF "cells=sample-cstrike.dem | Half-Life" ||
    kalv_fail "the list is not ordered by game"
  kalv_driver key --has-id "$LB_WINDOW" --id 6009 --text home >/dev/null
  kalv_driver key --has-id "$LB_WINDOW" --id 6009 --text down >/dev/null
  kalv_driver key --has-id "$LB_WINDOW" --id 6009 --text down >/dev/null
  kalv_driver dump --has-id "$LB_WINDOW" >chosen.txt
  grep ' selected=1 ' chosen.txt | grep -qF "cells=sample.dem | Half-Life" || kalv_fail "the arrows did not choose sample.dem"
  kalv_driver key --has-id "$LB_WINDOW" --id 6009 --text return >/dev/null
  pl_started
  kalv_assert_eq "$(kalv_win "$hl")\\hl.exe -console +connect localhost +exec kalvenmarque.cfg" \
    "$(pl_field commandline)" "the game's command line, as a double-click starts it"

  lb_dump back.txt
  kalv_running "$MW_PID" || kalv_fail "the player ended after the game instead of coming back"
  head -n 1 back.txt | grep -q ' visible=1 ' || kalv_fail "the library is not shown again"
  grep '^row id=6009 index=2 ' back.txt | grep -q ' selected=1 ' || kalv_fail "the played demo is no longer selected"
  pl_assert_state "$hl" before.txt "the Half-Life folder is not as before"

  kalv_driver press --has-id "$LB_WINDOW" --id 6004 >/dev/null || kalv_fail "no subfolders box"
  lb_dump deep.txt
  kalv_assert_contains deep.txt "cells=Older\\older.dm_68 | Quake 3 Arena | v1.32"
  mw_press "$LB_WINDOW" "$LB_WINDOW"
  kalv_wait_exit "$MW_PID" 20 || kalv_fail "closing the library did not end the player"
  kalv_assert_eq "$(kalv_win "$lib")" "$(mw_stored 'Demo Library Folder')" "the folder kept for the next time"
  kalv_assert_eq 1 "$(mw_stored 'Demo Library Subfolders')" "the subfolders box kept"
}
