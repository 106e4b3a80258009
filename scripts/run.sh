#!/usr/bin/env bash
# Starts the built VX.exe under Wine: on the user's display when there is one, otherwise on an
# Xvfb of its own, with a screenshot saved to build/screenshots/run.png.
set -euo pipefail
cd "$(dirname "$0")/.."
export VX_PREFIX_NAME=run
source scripts/wine-env.sh

exe="$VX_ROOT/build/win64/bin/VX.exe"

if [ -n "${DISPLAY:-}" ]; then
    [ -f "$WINEPREFIX/system.reg" ] || vx_create_prefix
    exec "$WINE" "$exe" "$@"
fi

VX_PREFIX_NAME=run-headless
export WINEPREFIX="$VX_WINE_DIR/run-headless-prefix"
[ -f "$WINEPREFIX/system.reg" ] || vx_create_prefix headless
vx_start_xvfb
trap '"$WINESERVER" -k 2>/dev/null || true; kill "$VX_XVFB_PID" 2>/dev/null || true' EXIT
mkdir -p build/screenshots
"$WINE" "$exe" "$@" &
sleep "${VX_RUN_SECONDS:-6}"
import -window root build/screenshots/run.png
echo "Screenshot: $VX_ROOT/build/screenshots/run.png"
