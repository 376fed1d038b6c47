#!/usr/bin/env bash
# Regenerates the first listings, the pictures and the music of the program directory (data/) with
# the programs under tools/. Their output is committed, so building, playing
# and testing the game never run this. Needs Qt 6, the DejaVu fonts and lame.
#   tools/make-data.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-data"

if ! command -v lame >/dev/null; then
  echo "lame is needed to encode the music: apt-get install lame" >&2
  exit 1
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DDEEDWELL_BUILD_TOOLS=ON \
  -DDEEDWELL_BUILD_UI=OFF -DDEEDWELL_BUILD_TESTS=OFF -DDEEDWELL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target deedwell_art deedwell_music deedwell_listings

echo "Writing the first listings"
"$build/tools/listings/deedwell_listings" "$root/data"

echo "Painting the pictures"
QT_QPA_PLATFORM=offscreen "$build/tools/art/deedwell_art" "$root/data"

echo "Playing the tune"
wav="$(mktemp --suffix=.wav)"
trap 'rm -f "$wav"' EXIT
"$build/tools/music/deedwell_music" "$wav"
lame --quiet --noreplaygain -q 2 -b 112 --id3v1-only \
  --tt "Sunday Walkthrough" --ta "Maplewood Porch Trio" --tl "Deedwell" \
  "$wav" "$root/data/RealEstate.mp3"
echo "Done: data/ is up to date"
