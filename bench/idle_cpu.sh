#!/usr/bin/env bash
# CPU of an idle monitor: VX.exe under Wine on an Xvfb of its own, with the drives of the test
# prefix (a network drive among them), its process's CPU time read over a minute.
#   bench/idle_cpu.sh [seconds]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
export VX_PREFIX_NAME=bench
source scripts/wine-env.sh
source scripts/wine-drives.sh
seconds=${1:-60}

vx_start_xvfb
cleanup() {
    "$WINESERVER" -k 2>/dev/null || true
    vx_unmount_drives
    kill "$VX_XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
vx_create_prefix headless >/dev/null 2>&1
vx_configure_drives >/dev/null
"$WINESERVER" -p
"$WINE" wineboot </dev/null >/dev/null 2>&1

"$WINE" "$VX_ROOT/build/win64/bin/VX.exe" </dev/null >/dev/null 2>&1 &
pid=""
for _ in $(seq 100); do
    pid=$(pgrep -n -f 'VX\.exe' || true)
    [ -n "$pid" ] && break
    sleep 0.1
done
[ -n "$pid" ] || { echo "VX.exe did not start"; exit 1; }
sleep 5  # past the start-up work
pid=$(pgrep -n -f 'VX\.exe' || true)
[ -n "$pid" ] || { echo "VX.exe ended during its start"; exit 1; }

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Wine's own processes serve the monitor's calls (the server above all): they are counted too.
server=$(pgrep -n -x wineserver64 || pgrep -n -x wineserver || true)
before=$(cpu "$pid"); server_before=$( [ -n "$server" ] && cpu "$server" || echo 0)
sleep "$seconds"
after=$(cpu "$pid"); server_after=$( [ -n "$server" ] && cpu "$server" || echo 0)

awk -v a="$before" -v b="$after" -v sa="$server_before" -v sb="$server_after" -v t="$ticks" -v s="$seconds" 'BEGIN {
    printf "idle VX.exe over %d s: %.2f s of CPU, %.3f %% of one core\n", s, (b - a) / t, 100 * (b - a) / t / s
    printf "wineserver meanwhile: %.2f s of CPU, %.3f %% of one core\n", (sb - sa) / t, 100 * (sb - sa) / t / s
}'
