# Sourced by the test and run scripts: a Wine prefix and home of the project's own under build/,
# so that nothing lands in the real home (Desktop links, the Recycle Bin's Trash folder).
VX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VX_WINE_DIR="$VX_ROOT/build/wine"
export WINE=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver
# Tests get a fresh prefix per run; `make run` keeps one of its own (VX_PREFIX_NAME=run).
export WINEPREFIX="$VX_WINE_DIR/${VX_PREFIX_NAME:-test}-prefix"
export HOME="$VX_WINE_DIR/home"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_CACHE_HOME="$HOME/.cache"
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Creates a fresh prefix: once per test run, or when none exists yet for `make run`.
# With "headless", windows are unmanaged, as suits a display without a window manager.
vx_create_prefix() {
    local mode="${1:-}"
    "$WINESERVER" -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
    "$WINE" wineboot -i >/dev/null 2>&1
    "$WINESERVER" -w
    local settings="$VX_WINE_DIR/prefix-settings.reg"
    cat >"$settings" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"=""
REG
    if [ "$mode" = headless ]; then
        # There is no window manager on our own display: unmanaged windows spare the 2-second
        # wait for one that Wine makes whenever a managed window is hidden or destroyed.
        cat >>"$settings" <<'REG'

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
REG
    fi
    "$WINE" regedit /S "$settings" >/dev/null 2>&1
    "$WINESERVER" -w
}

# Starts an Xvfb of our own and exports its DISPLAY; VX_XVFB_PID is set for the caller's cleanup.
vx_start_xvfb() {
    local fd_file
    fd_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    VX_XVFB_PID=$!
    local tries=0
    while [ ! -s "$fd_file" ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
    export DISPLAY=":$(head -n1 "$fd_file")"
    rm -f "$fd_file"
}
