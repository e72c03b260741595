#!/usr/bin/env bash
# Fills a Wine prefix with a complete, playable Kalvenmarque world:
#
#   C:\Kalvenmarque\           a copy of the install tree, with stand-ins for the four
#                              stored Quake 3 executables (Versions\Quake3.117 ... .131)
#   C:\Games\<game>\           one installation per game, holding the files each game's
#                              detection looks for; every game executable is the stand-in
#                              game (it logs its command line to standin.log beside it)
#   C:\Demos\                  sample demos: sample.dm_66 (Quake 3, release 1.30), sample.dem
#   HKCU\Software\VB and VBA Program Settings\Kalvenmarque\Settings
#                              the six game paths, "First Time Run" = "True", "Language" = "0"
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

# Empty files stand for the game data: detection asks only whether they exist.
touch_all() {
  local dir=$1
  shift
  local f
  for f in "$@"; do
    mkdir -p -- "$(dirname -- "$dir/$f")"
    : >"$dir/$f"
  done
}

game() {
  local dir="$C/Games/$1"
  rm -rf -- "$dir"
  mkdir -p -- "$dir"
  printf '%s\n' "$dir"
}

# The player's installation; the stored Quake 3 executables are the user's own files and
# never shipped, so stand-ins take their place.
PLAYER="$C/Kalvenmarque"
rm -rf -- "$PLAYER"
mkdir -p -- "$PLAYER"
cp -r -- "$INSTALL"/. "$PLAYER"/
for release in 117 127h 130 131; do
  cp -- "$STANDIN" "$PLAYER/Versions/Quake3.$release"
done

# Quake 3 Arena, release 1.31: the highest pak file of the newest stored release is there.
Q3A=$(game "Quake III Arena")
cp -- "$STANDIN" "$Q3A/quake3.exe"
touch_all "$Q3A" baseq3/pak0.pk3 baseq3/pak1.pk3 baseq3/pak2.pk3 baseq3/pak3.pk3 \
  baseq3/pak4.pk3 baseq3/pak5.pk3 baseq3/pak6.pk3 baseq3/q3config.cfg
mkdir -p -- "$Q3A/baseq3/demos"

# Half-Life: its version comes from the executable's version resource, so hl.exe is a
# copy of a program that carries one (the association updater: 1.2.0.0).
HL=$(game "Half-Life")
cp -- "$INSTALL/Assocmend.exe" "$HL/hl.exe"
touch_all "$HL" valve/pak0.pak valve/config.cfg

# Star Trek Voyager Elite Force 1.20 (pak2.pk3 present).
STVEF=$(game "Elite Force")
cp -- "$STANDIN" "$STVEF/stvoy.exe"
cp -- "$STANDIN" "$STVEF/stvoyHM.exe"
touch_all "$STVEF" baseef/pak0.pk3 baseef/pak1.pk3 baseef/pak2.pk3
mkdir -p -- "$STVEF/baseef/demos"

# Quake 1 with two executables to choose from in the options window.
Q1=$(game "Quake")
cp -- "$STANDIN" "$Q1/glquake.exe"
cp -- "$STANDIN" "$Q1/winquake.exe"
touch_all "$Q1" id1/pak0.pak id1/config.cfg

# Quake 2.
Q2=$(game "Quake2")
cp -- "$STANDIN" "$Q2/quake2.exe"
touch_all "$Q2" baseq2/pak0.pak baseq2/config.cfg
mkdir -p -- "$Q2/baseq2/demos"

# Unreal Tournament.
UT=$(game "UnrealTournament")
mkdir -p -- "$UT/System"
cp -- "$STANDIN" "$UT/System/UnrealTournament.exe"
touch_all "$UT" System/botpack.u

# Sample demos. A Quake 3 demo is told by its ending alone; the .dem one starts with a
# Half-Life header, the first bytes the classification reads.
DEMOS="$C/Demos"
mkdir -p -- "$DEMOS"
printf 'Kalvenmarque sample demo (Quake 3 Arena, protocol 66)\n' >"$DEMOS/sample.dm_66"
{ printf 'HLDEMO\0\0'; head -c 247 /dev/zero; } >"$DEMOS/sample.dem"

win() {
  local rest=${1#"$DRIVE_C"/}
  printf 'C:\\%s' "${rest//\//\\}"
}

KEY='HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Kalvenmarque\Settings'
# One import writes every setting (a backslash doubles in a .reg string); the key is
# removed first, so what an earlier run stored is forgotten. A wine call that fails
# while the prefix is busy is tried again.
reg_value() { printf '"%s"="%s"\r\n' "$1" "${2//\\/\\\\}"; }
REG="$C/.sandbox-settings.reg"
{
  printf 'REGEDIT4\r\n\r\n[-%s]\r\n\r\n[%s]\r\n' "$KEY" "$KEY"
  reg_value "Quake 3 Arena Path" "$(win "$Q3A")"
  reg_value "Half-Life Path" "$(win "$HL")"
  reg_value "StarTrek Voyager Elite Force Path" "$(win "$STVEF")"
  reg_value "Quake 1 Path" "$(win "$Q1")"
  reg_value "Quake 2 Path" "$(win "$Q2")"
  reg_value "Unreal Tournament Path" "$(win "$UT")"
  reg_value "First Time Run" "True"
  reg_value "Language" "0"
} >"$REG"
imported=0
for _ in 1 2 3; do
  if timeout 60 wine regedit /S "$(win "$REG")" >/dev/null 2>&1 &&
     timeout 60 wine reg query "${KEY/HKEY_CURRENT_USER/HKCU}" /v Language >/dev/null 2>&1; then
    imported=1
    break
  fi
  sleep 1
done
rm -f -- "$REG"
[ "$imported" = 1 ] || { echo "make_sandbox: could not write the settings" >&2; exit 1; }

echo "make_sandbox: player in $(win "$PLAYER"), games in $(win "$C/Games"), demos in $(win "$DEMOS")"
