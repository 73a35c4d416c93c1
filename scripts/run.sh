#!/usr/bin/env bash
# Builds the tool and starts it under Wine. Without a display it runs in a virtual one,
# saves a screenshot of the window to build/screenshot.png and ends the program.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"
. "$here/display.sh"
cd "$TAVIN_ROOT"

"$here/setup.sh" >/dev/null
"$here/build.sh" windows >/dev/null
exe=build/windows/bin/TavinCSRApp.exe

if display_answers; then
  exec "$here/wine-run" "$exe"
fi

trap 'wineserver -k >/dev/null 2>&1; stop_virtual_display' EXIT
start_virtual_display || { echo "run: could not start Xvfb" >&2; exit 1; }
TAVIN_TEST_TIMEOUT=${TAVIN_RUN_SECONDS:-60} "$here/wine-run" "$exe" &
app=$!
# Wait for the main window (the 952 x 452 one; its caption is Persian), then let it paint.
for _ in $(seq 1 100); do
  xwininfo -root -tree 2>/dev/null | grep -i 'tavincsrapp.exe' | grep -q '952x452' && break
  kill -0 "$app" 2>/dev/null || break
  sleep 0.2
done
sleep 2
import -window root build/screenshot.png
echo "run: no display; the tool ran in a virtual display and its screenshot is build/screenshot.png"
wineserver -k >/dev/null 2>&1 || true
wait "$app" 2>/dev/null || true
