#!/usr/bin/env bash
# Opens the standalone app on a 1440-pixel Xvfb screen and saves a screenshot of the screen:
#   tools/screenshot.sh [OUT.png]     (default build/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshot.png}")
app=build/Ferrox_artefacts/Release/Standalone/Ferrox
[ -x "$app" ] || { echo "screenshot: build the standalone app first (tools/setup.sh)" >&2; exit 1; }
command -v import >/dev/null || { echo "screenshot: needs ImageMagick's import (apt-get install imagemagick)" >&2; exit 1; }

# An empty home: the app starts with its defaults, not with a user's saved settings.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME=$home tools/xvfb-session.sh 1440x900 bash -c '
    "$1" & app=$!
    sleep "${FERROX_SCREENSHOT_WAIT:-5}"
    import -window root "$2.tmp.png" && mv "$2.tmp.png" "$2"
    kill $app; wait $app 2>/dev/null || true' _ "$app" "$out"
echo "screenshot: $out"
