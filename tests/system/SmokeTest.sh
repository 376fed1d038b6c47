#!/usr/bin/env bash
# The built game on a real X display: from a temporary copy of its program
# directory it must show the splash ("Deedwell", with "Version 1.31"), then
# the loading window ("Loading..."), then the new-game window ("Tarnwick
# Game"), each found by its title; closing the new-game window ends the
# program, which must exit with code 0.
#   SmokeTest.sh <deedwell binary> <close_window helper>
set -euo pipefail
program=$1
closer=$2

if [ -z "${DEEDWELL_SMOKE_DISPLAY:-}" ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir "$work/game" "$work/home"
  # The program and its data; the test programs beside it stay behind.
  cp "$program" "$work/game/"
  for entry in "$(dirname "$program")"/*; do
    if [ -d "$entry" ] || [ ! -x "$entry" ]; then cp -r "$entry" "$work/game/"; fi
  done
  HOME="$work/home" DEEDWELL_SMOKE_DISPLAY=1 \
    xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$work/game/$(basename "$program")" "$closer"
  exit
fi

# From here on we are on the virtual display.
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
timeout=60
log=$(mktemp)
"$program" >"$log" 2>&1 &
pid=$!

fail() {
  echo "FAIL: $*" >&2
  echo "--- the game's output ---" >&2
  cat "$log" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
}

# The id of a viewable top-level window with exactly this title, or nothing.
window_with_title() {
  local id
  for id in $(xwininfo -root -tree 2>/dev/null | grep -F "\"$1\": (" | awk '{print $1}'); do
    if xwininfo -id "$id" 2>/dev/null | grep -q "Map State: IsViewable"; then
      echo "$id"
      return
    fi
  done
}

wait_for_window() {
  local deadline=$((SECONDS + timeout)) id
  while [ "$SECONDS" -lt "$deadline" ]; do
    id=$(window_with_title "$1")
    if [ -n "$id" ]; then
      echo "$id"
      return
    fi
    kill -0 "$pid" 2>/dev/null || fail "the game ended before \"$1\" appeared"
    sleep 0.05
  done
  fail "no window \"$1\" within ${timeout}s"
}

wait_for_window "Deedwell" >/dev/null
echo "splash is up"
wait_for_window "Loading..." >/dev/null
echo "loading window is up"
newgame=$(wait_for_window "Tarnwick Game")
echo "new-game window is up"
[ -z "$(window_with_title "Loading...")" ] || fail "the loading window is still up"
[ -z "$(window_with_title "Deedwell")" ] || fail "the splash is still up"

"$closer" "$newgame" || fail "could not ask the new-game window to close"
deadline=$((SECONDS + timeout))
while kill -0 "$pid" 2>/dev/null; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the game still runs ${timeout}s after its new-game window closed"
  sleep 0.05
done
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the game exited with code $status"
echo "the game ended with code 0"
rm -f "$log"
