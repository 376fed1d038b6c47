#!/usr/bin/env bash
# Opens every window of a sample game on a virtual display and saves a picture
# of each under docs/screenshots/, then refreshes the four the README shows.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target ui_screenshots deedwell_data
out="$root/docs/screenshots/all"
rm -rf "$out" && mkdir -p "$out"
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/ui_screenshots" "$out" >/dev/null
cp "$out/33-main-screen-alerts.png" "$root/docs/screenshots/main-screen.png"
cp "$out/26-browser.png" "$root/docs/screenshots/listing-browser.png"
cp "$out/30-banker.png" "$root/docs/screenshots/banker.png"
cp "$out/12-portfolio.png" "$root/docs/screenshots/portfolio.png"
echo "Saved $(ls "$out" | wc -l) pictures in docs/screenshots/all"
