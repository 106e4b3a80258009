#!/usr/bin/env bash
# Runs every suite: native unit tests, the Windows tests under Wine and the end-to-end tests of
# the real VX.exe in a fresh Wine prefix under Xvfb; ends with one line "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
source scripts/wine-drives.sh

results="$VX_ROOT/build/test-results"
screenshots="$VX_ROOT/build/screenshots"
rm -rf "$results"
mkdir -p "$results" "$screenshots"

echo "== native unit tests"
(cd build/native && ctest --output-on-failure --output-junit "$results/ctest-native.xml")

echo "== fuzzing (a short run; make fuzz runs longer)"
VX_FUZZ_RESULTS="$results/fuzz.xml" scripts/fuzz.sh "${VX_FUZZ_SECONDS:-10}"

cleanup() {
    "$WINESERVER" -k 2>/dev/null || true
    vx_unmount_drives
    [ -n "${VX_XVFB_PID:-}" ] && kill "$VX_XVFB_PID" 2>/dev/null
}
trap cleanup EXIT

echo "== Wine prefix and display"
vx_start_xvfb
vx_create_prefix headless
vx_configure_drives
# One warm wineserver for the whole run: each Wine start then costs a fraction of a second.
"$WINESERVER" -p
# Wine's own services start with the first program; started here, they do not hold CTest's
# output pipes open (CTest would wait for them until its time-out).
"$WINE" wineboot </dev/null >/dev/null 2>&1
export VX_SCREENSHOT_DIR="Z:${screenshots//\//\\}"

echo "== Windows tests under Wine"
(cd build/win64 && ctest --output-on-failure --output-junit "$results/ctest-win64.xml")

# Screenshots are written as BMP by the tests; PNG is what people open.
for bmp in "$screenshots"/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done

python=/usr/bin/python3
[ -x "$python" ] || python=python3
"$python" scripts/summarize_tests.py "$results" unit fuzz win e2e
