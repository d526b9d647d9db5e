# shellcheck shell=bash
# Two monitors side by side for the scenarios that need them. Wine's virtual desktop has one monitor, so this session
# runs without it, in a prefix of its own under build/wine-monitors: a private Xvfb holds a nested Xephyr with two
# Xinerama screens, 1280x1024 at 0,0 and 1024x768 at 1280,0, which Wine reports as two monitors once it is told not
# to ask XRandR. There is no window manager and no notification area.
#
# Sourced after wine-session.sh, never run.
#   zudav_two_monitors PROGRAM [ARGS...]   runs a Windows program there, and gives its exit code

ZUDAV_MONITORS_DIR="$ZUDAV_ROOT/build/wine-monitors"
ZUDAV_MONITORS_RECIPE=1
ZUDAV_MONITORS_XVFB=""
ZUDAV_MONITORS_XEPHYR=""

# An X server started with -displayfd writes its display number once it accepts clients.
zudav_monitors_display_written() {
    [[ $(wc -l <"$1") -ge 1 ]] || zudav_pid_gone "$2"
}

# Usage: zudav_monitors_server NAME COMMAND...: starts the X server that COMMAND runs, told to write its display number
# to descriptor 3; leaves its process id in ZUDAV_MONITORS_PID and its display in ZUDAV_MONITORS_SHOWN.
zudav_monitors_server() {
    local name=$1 numbers="$ZUDAV_MONITORS_DIR/display.$$"
    shift
    rm -f "$numbers"
    "$@" -nolisten tcp -noreset 3>"$numbers" </dev/null >"$ZUDAV_MONITORS_DIR/$name.log" 2>&1 &
    ZUDAV_MONITORS_PID=$!
    zudav_poll 30 zudav_monitors_display_written "$numbers" "$ZUDAV_MONITORS_PID" &&
        zudav_pid_running "$ZUDAV_MONITORS_PID" || zudav_die "$name did not start (see $ZUDAV_MONITORS_DIR/$name.log)"
    ZUDAV_MONITORS_SHOWN=":$(head -n 1 "$numbers")"
    rm -f "$numbers"
}

zudav_monitors_x_start() {
    zudav_monitors_server xvfb Xvfb -displayfd 3 -screen 0 2400x1100x24
    ZUDAV_MONITORS_XVFB=$ZUDAV_MONITORS_PID
    DISPLAY="$ZUDAV_MONITORS_SHOWN" zudav_monitors_server xephyr Xephyr -displayfd 3 +xinerama -screen 1280x1024 \
        -screen 1024x768
    ZUDAV_MONITORS_XEPHYR=$ZUDAV_MONITORS_PID
    export DISPLAY="$ZUDAV_MONITORS_SHOWN"
}

# Made once (about 15 s), then reused; no virtual desktop, and monitors from Xinerama rather than XRandR.
zudav_monitors_prefix_ensure() {
    local stamp="$WINEPREFIX/.zudav-prefix" wanted
    wanted="recipe $ZUDAV_MONITORS_RECIPE $("$ZUDAV_WINE64" --version 2>/dev/null)"
    [[ -f $stamp && $(cat "$stamp") == "$wanted" ]] && return 0
    zudav_note "making the Wine prefix $WINEPREFIX (once)"
    rm -rf "$WINEPREFIX"
    local log="$ZUDAV_MONITORS_DIR/prefix.log"
    {
        "$ZUDAV_WINE64" wineboot -i &&
            "$ZUDAV_WINE64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f &&
            "$ZUDAV_WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f
    } </dev/null >"$log" 2>&1 || zudav_die "could not make the Wine prefix (see $log)"
    timeout 120 "$ZUDAV_WINESERVER" -w || zudav_die "the wineserver did not stop after making the prefix"
    printf '%s\n' "$wanted" >"$stamp"
}

zudav_monitors_stop() {
    "$ZUDAV_WINESERVER" -k >/dev/null 2>&1 || true
    timeout 30 "$ZUDAV_WINESERVER" -w >/dev/null 2>&1 || true
    local pid
    for pid in $ZUDAV_MONITORS_XEPHYR $ZUDAV_MONITORS_XVFB; do
        kill "$pid" 2>/dev/null || true
        zudav_poll 10 zudav_pid_gone "$pid" || kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    ZUDAV_MONITORS_XEPHYR="" ZUDAV_MONITORS_XVFB=""
}

zudav_two_monitors() {
    mkdir -p "$ZUDAV_MONITORS_DIR"
    local code=0
    (
        zudav_wine_env
        export WINEPREFIX="$ZUDAV_MONITORS_DIR/prefix"
        trap zudav_monitors_stop EXIT
        zudav_monitors_x_start
        zudav_monitors_prefix_ensure
        "$ZUDAV_WINESERVER" -p </dev/null >/dev/null 2>&1
        "$ZUDAV_WINE64" wineboot </dev/null >/dev/null 2>&1
        "$ZUDAV_WINE64" "$@"
    ) || code=$?
    return "$code"
}
