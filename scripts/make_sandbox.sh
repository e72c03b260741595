#!/usr/bin/env bash
# Fills a Wine prefix with a complete, playable Kalvenmarque world:
#
#   C:\Kalvenmarque\           a copy of the install tree, with stand-ins for the five
#                              stored Quake 3 executables (Versions\Quake3.117 ... .132),
#                              each of its real release's size
#   C:\Games\<game>\           one installation per game, holding the files each game's
#                              detection looks for; every game executable is the stand-in
#                              game (it logs its command line to standin.log beside it)
#   C:\Demos\                  sample demos of every game: sample.dm_48, sample.dm_66 and
#                              sample.dm_68 (Quake 3, releases 1.27h, 1.30 and 1.32),
#                              sample.efdemo, sample.dem (Half-Life), sample-cstrike.dem
#                              (Counter-Strike), quake1.dem, unreal.dem, sample.dm2 and
#                              sample-opentdm.dm2 (Quake 2, a game folder),
#                              sample-osp.dm_48 (Quake 3, recorded in the mod osp on
#                              ospdm8, which the installation has) and
#                              sample-defrag.dm_48 (in the mod defrag, which it lacks)
#   C:\Demo Library\           a folder for the demo library: the samples above, a file
#                              that is no demo (notes.txt) and a subfolder (Older\) with
#                              one more demo
#   HKCU\Software\VB and VBA Program Settings\Kalvenmarque\Settings
#                              the six game paths, "Quake 1 Executible" = "q.exe",
#                              "First Time Run" = "True", "Language" = "0"
#   the file associations      written by the installed Assocmend.exe /i, so a demo opens
#                              in the player as a double-click in Explorer opens it
#
#   scripts/make_sandbox.sh <windows build dir> [<folder>]   (WINEPREFIX names the prefix)
#
# The build dir is the one holding install/ and e2e-tools/standin_game.exe. <folder> is a
# unix path inside the prefix's drive_c that takes the place of C:\ above (the tests give
# each case its own). Running the script again resets the installations and the
# settings to this state.
set -euo pipefail

BUILD=${1:?usage: make_sandbox.sh <windows build dir>}
: "${WINEPREFIX:?WINEPREFIX must name the sandbox prefix}"
INSTALL="$BUILD/install"
STANDIN="$BUILD/e2e-tools/standin_game.exe"
for need in "$INSTALL/Kalvenmarque.exe" "$INSTALL/Assocmend.exe" "$STANDIN"; do
  [ -f "$need" ] || { echo "make_sandbox: not built: $need" >&2; exit 1; }
done

DRIVE_C=$(realpath -m -- "$WINEPREFIX/drive_c")
[ -d "$DRIVE_C" ] || { echo "make_sandbox: $WINEPREFIX is not a Wine prefix (no drive_c)" >&2; exit 1; }
C=$(realpath -m -- "${2:-$DRIVE_C}")
case "$C/" in
  "$DRIVE_C"/*) ;;
  *) echo "make_sandbox: $C is not inside $DRIVE_C" >&2; exit 1 ;;
esac
mkdir -p -- "$C"

game() {
  local dir="$C/Games/$1"
  rm -rf -- "$dir"
  mkdir -p -- "$dir"
  printf '%s\n' "$dir"
}

# Files that stand for game data hold a line naming themselves, so a test that compares a
# folder before and after a run also sees a file that was swapped or renamed.
fill_all() {
  local dir=$1
  shift
  local f
  for f in "$@"; do
    mkdir -p -- "$(dirname -- "$dir/$f")"
    printf '%s\r\n' "$f" >"$dir/$f"
  done
}

# A copy of the stand-in game that says which Quake 3 release it is, as large as a real
# release's executable (1.1 to 1.5 MB, each release its own size), so that comparing and
# copying executables costs what it costs users. The padding is zeros behind the program.
release_standin() {
  cp -- "$STANDIN" "$1"
  truncate -s "$3" -- "$1"
  printf '\nKALV-RELEASE %s\n' "$2" >>"$1"
}

# The player's installation; the stored Quake 3 executables are the user's own files and
# never shipped, so stand-ins that name their release take their place.
PLAYER="$C/Kalvenmarque"
rm -rf -- "$PLAYER"
mkdir -p -- "$PLAYER"
cp -r -- "$INSTALL"/. "$PLAYER"/
for release in 117:v1.17:1126400 127h:v1.27h:1204224 130:v1.30:1347584 131:v1.31:1409024 \
               132:v1.32:1466368; do
  IFS=: read -r name version size <<<"$release"
  release_standin "$PLAYER/Versions/Quake3.$name" "$version" "$size"
done

# Quake 3 Arena, release 1.32: its executable is the stored v1.32 one, and the paks up to
# the newest stored release's highest are there.
Q3A=$(game "Quake III Arena")
cp -- "$PLAYER/Versions/Quake3.132" "$Q3A/quake3.exe"
fill_all "$Q3A" baseq3/pak0.pk3 baseq3/pak1.pk3 baseq3/pak2.pk3 baseq3/pak3.pk3 \
  baseq3/pak4.pk3 baseq3/pak5.pk3 baseq3/pak6.pk3 baseq3/pak7.pk3 baseq3/pak8.pk3 \
  baseq3/q3config.cfg osp/q3config.cfg osp/description.txt osp/maps/ospdm8.bsp
mkdir -p -- "$Q3A/baseq3/demos"

# Half-Life: the stand-in carries a version resource (1.1.0.8), as hl.exe does.
HL=$(game "Half-Life")
cp -- "$STANDIN" "$HL/hl.exe"
fill_all "$HL" valve/pak0.pak valve/config.cfg cstrike/config.cfg

# Star Trek Voyager Elite Force 1.20 (pak2.pk3 present).
STVEF=$(game "Elite Force")
cp -- "$STANDIN" "$STVEF/stvoy.exe"
cp -- "$STANDIN" "$STVEF/stvoyHM.exe"
fill_all "$STVEF" baseef/pak0.pk3 baseef/pak1.pk3 baseef/pak2.pk3 baseef/hmconfig.cfg

# Quake 1 with three executables to choose from in the options window; q.exe is chosen.
Q1=$(game "Quake")
for exe in glquake.exe q.exe winquake.exe; do cp -- "$STANDIN" "$Q1/$exe"; done
fill_all "$Q1" id1/pak0.pak id1/config.cfg

# Quake 2.
Q2=$(game "Quake2")
cp -- "$STANDIN" "$Q2/quake2.exe"
fill_all "$Q2" baseq2/pak0.pak baseq2/config.cfg
mkdir -p -- "$Q2/baseq2/demos" "$Q2/opentdm"

# Unreal Tournament.
UT=$(game "UnrealTournament")
mkdir -p -- "$UT/System"
cp -- "$STANDIN" "$UT/System/UnrealTournament.exe"
fill_all "$UT" System/botpack.u

# Sample demos, one per game. A Quake 3 demo is told by its ending alone, an Elite Force
# one carries its protocol, and a .dem file's first bytes say which game recorded it.
DEMOS="$C/Demos"
mkdir -p -- "$DEMOS"
printf 'Kalvenmarque sample demo (Quake 3 Arena, protocol 48)\n' >"$DEMOS/sample.dm_48"
printf 'Kalvenmarque sample demo (Quake 3 Arena, protocol 66)\n' >"$DEMOS/sample.dm_66"
printf '\005\000\000\000\\version\\ST:V HM v1.20\\protocol\\24\\mapname\\hm_borg1\n' \
  >"$DEMOS/sample.efdemo"
{ printf 'HLDEMO\0\0'; head -c 247 /dev/zero; } >"$DEMOS/sample.dem"
{ printf '\001\000\000\000'; printf 'maps/e1m1.bsp\0'; head -c 200 /dev/zero; } >"$DEMOS/quake1.dem"
printf 'UT demo: Unreal Tournament records no readable map name here\n' >"$DEMOS/unreal.dem"
printf 'Kalvenmarque sample demo (Quake 2)\n' >"$DEMOS/sample.dm2"
printf 'Kalvenmarque sample demo (Quake 3 Arena, protocol 68)\n' >"$DEMOS/sample.dm_68"
# A Counter-Strike demo: the Half-Life header names its game folder; a Quake 2 demo of a
# game folder: its server data names it.
# The escapes of a little-endian 32-bit number below 65536, for printf's format.
le32() { printf '\\x%02x\\x%02x\\x00\\x00' $(($1 & 255)) $((($1 >> 8) & 255)); }
field() { printf '%s' "$1"; head -c $(($2 - ${#1})) /dev/zero; }
# Its directory, where the header points, has two segments of 0.5 and 95 seconds.
hl_segment() {
  printf "$(le32 0)"; field "$1" 64; printf "$(le32 0)\\xff\\xff\\xff\\xff$2$(le32 0)$(le32 544)$(le32 0)"
}
{ printf 'HLDEMO\0\0'; printf "$(le32 5)$(le32 48)"; field de_dust2 260; field cstrike 260
  printf "$(le32 0)$(le32 544)$(le32 2)"
  hl_segment LOADING '\x00\x00\x00\x3f'; hl_segment Playback '\x00\x00\xbe\x42'; } >"$DEMOS/sample-cstrike.dem"
{ printf "$(le32 26)\\x0c$(le32 34)$(le32 12097)\\x00"; printf 'opentdm\0\0\0q2dm1\0'
  head -c 8 /dev/zero; } >"$DEMOS/sample-opentdm.dm2"

# Quake 3 demos of release 1.27h, whose messages are plain bytes: the first block holds
# the gamestate, whose server info names the map and whose system info names the mod; two
# snapshots 61 seconds apart follow.
q3_mod_demo() {
  local server="\\mapname\\$1\\protocol\\48\\sv_hostname\\Kalvenmarque sample" system="\\fs_game\\$2"
  local length=$((4 + 1 + 4 + 3 + ${#server} + 1 + 3 + ${#system} + 1 + 1))
  printf "$(le32 1)$(le32 $length)$(le32 7)\\x02$(le32 3)\\x03\\x00\\x00"
  printf '%s\0' "$server"
  printf '\x03\x01\x00'
  printf '%s\0' "$system"
  printf '\x08'
  printf "$(le32 2)$(le32 9)$(le32 7)\\x07$(le32 2000)$(le32 3)$(le32 9)$(le32 7)\\x07$(le32 63000)"
  printf '\xff\xff\xff\xff\xff\xff\xff\xff'
}
q3_mod_demo ospdm8 osp >"$DEMOS/sample-osp.dm_48"
q3_mod_demo st1 defrag >"$DEMOS/sample-defrag.dm_48"

LIBRARY="$C/Demo Library"
rm -rf -- "$LIBRARY"
mkdir -p -- "$LIBRARY/Older"
cp -- "$DEMOS"/sample* "$DEMOS/quake1.dem" "$DEMOS/unreal.dem" "$LIBRARY/"
printf 'Notes on the demos of this folder.\r\n' >"$LIBRARY/notes.txt"
cp -- "$DEMOS/sample.dm_68" "$LIBRARY/Older/older.dm_68"

win() {
  local rest=${1#"$DRIVE_C"/}
  printf 'C:\\%s' "${rest//\//\\}"
}

KEY='HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Kalvenmarque\Settings'
JOURNAL='HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Kalvenmarque\Restore Journal'
# One import writes every setting (a backslash doubles in a .reg string); the key is
# removed first, so what an earlier run stored is forgotten, and so is the restore journal
# of runs in an earlier world. A wine call that fails
# while the prefix is busy is tried again.
reg_value() { printf '"%s"="%s"\r\n' "$1" "${2//\\/\\\\}"; }
REG="$C/.sandbox-settings.reg"
{
  printf 'REGEDIT4\r\n\r\n[-%s]\r\n\r\n[-%s]\r\n\r\n[%s]\r\n' "$JOURNAL" "$KEY" "$KEY"
  reg_value "Quake 3 Arena Path" "$(win "$Q3A")"
  reg_value "Half-Life Path" "$(win "$HL")"
  reg_value "StarTrek Voyager Elite Force Path" "$(win "$STVEF")"
  reg_value "Quake 1 Path" "$(win "$Q1")"
  reg_value "Quake 2 Path" "$(win "$Q2")"
  reg_value "Unreal Tournament Path" "$(win "$UT")"
  reg_value "Quake 1 Executible" "q.exe"
  reg_value "First Time Run" "True"
  reg_value "Language" "0"
} >"$REG"
# Wine's output goes through a file, not a pipe: a Wine that has to start its server
# hands the pipe on to it, and a reader of the pipe would then wait for ever.
OUT=$(mktemp)
trap 'rm -f -- "$OUT"' EXIT
imported=0
for attempt in 1 2 3; do
  code=0
  timeout 60 wine regedit /S "$(win "$REG")" >"$OUT" 2>&1 </dev/null || code=$?
  echo "make_sandbox: regedit /S, attempt $attempt: exit code $code, output: $(cat "$OUT")" >&2
  if [ "$code" = 0 ] &&
     timeout 60 wine reg query "${KEY/HKEY_CURRENT_USER/HKCU}" /v Language >/dev/null 2>&1; then
    imported=1
    break
  fi
  sleep 1
done
rm -f -- "$REG"
[ "$imported" = 1 ] || { echo "make_sandbox: could not write the settings" >&2; exit 1; }

# The associations of this installation, as the setup writes them. What counts is that
# they name this world's player afterwards, so that is what is checked; every attempt's
# exit code and output is kept for the log of whoever called.
associated() {
  timeout 60 wine reg query 'HKCR\Kalvenmarque.v1_30_\Shell\Open\Command' /ve >"$OUT" 2>&1 </dev/null
  tr -d '\r' <"$OUT" | grep -qF -- "$(win "$PLAYER")\\Kalvenmarque.exe"
}
written=0
for attempt in 1 2 3; do
  code=0
  timeout 60 wine "$PLAYER/Assocmend.exe" /i >"$OUT" 2>&1 </dev/null || code=$?
  echo "make_sandbox: Assocmend.exe /i, attempt $attempt: exit code $code, output: $(cat "$OUT")" >&2
  if associated; then
    written=1
    break
  fi
  sleep 1
done
[ "$written" = 1 ] ||
  { echo "make_sandbox: the associations do not name $(win "$PLAYER")\\Kalvenmarque.exe" >&2; exit 1; }

echo "make_sandbox: player in $(win "$PLAYER"), games in $(win "$C/Games"), demos in $(win "$DEMOS")"
