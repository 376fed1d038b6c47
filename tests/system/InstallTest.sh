#!/usr/bin/env bash
# `cmake --install` into a fresh prefix: the program in bin/, its data in
# share/deedwell/ (where the game looks beside its bin/), the desktop entry
# and the icon. Then the installed game, started with a fresh home folder,
# must fill the player's data folder from share/deedwell/ and run from there.
#   InstallTest.sh <cmake> <build folder>
set -euo pipefail
cmake=$1
build=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/deedwell" ] || fail "no bin/deedwell"
[ "$(ls "$prefix/bin")" = "deedwell" ] || fail "bin/ holds more than the game: $(ls "$prefix/bin")"
data=$prefix/share/deedwell
for file in realestate/0.var realestate/80.var renthouses/1.var pictures/splash.jpg \
            pictures/icon.png homecreation/kitchen/ks_1.jpg RealEstate.mp3; do
  [ -f "$data/$file" ] || fail "no share/deedwell/$file"
done
[ ! -e "$data/CMakeLists.txt" ] || fail "the build script was installed as data"
desktop=$prefix/share/applications/deedwell.desktop
[ -f "$desktop" ] || fail "no desktop entry"
grep -qx "Exec=deedwell" "$desktop" || fail "the desktop entry does not start deedwell"
grep -qx "Icon=deedwell" "$desktop" || fail "the desktop entry names another icon"
icon=$prefix/share/icons/hicolor/256x256/apps/deedwell.png
cmp -s "$icon" "$data/pictures/icon.png" || fail "the icon is not the game's icon"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi

# The installed game cannot write beside itself: it must work in the player's
# own data folder, filled on its first start.
chmod -R a-w "$prefix"
home=$work/home
mkdir "$home"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
  SDL_AUDIODRIVER=dummy DEEDWELL_EXIT_AFTER_FIRST_WINDOW=1 "$prefix/bin/deedwell" \
  || fail "the installed game did not start"
user=$home/.local/share/deedwell
[ -f "$user/realestate/0.var" ] || fail "the player's data folder was not filled"
[ -f "$user/pictures/splash.jpg" ] || fail "the pictures were not copied"
[ -f "$user/RealEstate.mp3" ] || fail "the music was not copied"
[ ! -e "$data/default.var" ] || fail "the game wrote into the installed data"
echo "installed into $prefix; the player's folder holds $(find "$user" -type f | wc -l) files"
