# shellcheck shell=bash
# The Wine session that runs Zudav.exe and its end-to-end tests on Linux: a private X server, the
# project's own Wine prefix under build/wine, a warm wineserver with its services, and Wine's virtual
# desktop (a taskbar with a notification area, and no wait for a window manager that Xvfb lacks).
#
# Sourced, never run. The session is described by exported variables (DISPLAY, WINEPREFIX, ...), and
# by build/wine/session while it lives, so that cmake/wine-run can join it from ctest.
#
#   zudav_session_start [--user-display]   start everything (on $DISPLAY with --user-display)
#   zudav_session_stop                     end everything this shell started (after ZUDAV_SESSION_CLEANUP)
#   zudav_session_join                     join a live session, or fail
#   zudav_wine PROGRAM [ARGS...]           run a Windows program in the session

ZUDAV_WINE64=/usr/lib/wine/wine64
ZUDAV_WINESERVER=/usr/lib/wine/wineserver
ZUDAV_WINE_DIR="$ZUDAV_ROOT/build/wine"
ZUDAV_DESKTOP_SIZE=1024x768
# Bumped whenever the settings written into a new prefix change, so that older prefixes are remade.
ZUDAV_PREFIX_RECIPE=2

ZUDAV_XVFB_PID=""
ZUDAV_SESSION_OWNED=""
# Commands that zudav_session_stop runs first, while the prefix is still served: settings that a step changed for a
# while and that must be put back even when the step failed.
ZUDAV_SESSION_CLEANUP=()

zudav_wine_env() {
    export WINEPREFIX="$ZUDAV_WINE_DIR/prefix"
    export WINEARCH=win64
    export WINEDEBUG="${ZUDAV_WINEDEBUG:--all,err+module}"  # ZUDAV_WINEDEBUG=+x11drv,... to trace a run
    export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
}

zudav_wine() {
    "$ZUDAV_WINE64" "$@"
}

# True while the process runs; a zombie nobody has reaped yet counts as gone.
zudav_pid_running() {
    local state
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
    [[ -n $state && $state != Z ]]
}

zudav_pid_gone() {
    ! zudav_pid_running "$1"
}

# The owner of a live session of this work tree, as "owner-pid display xvfb-pid", or nothing.
zudav_session_record() {
    local file="$ZUDAV_WINE_DIR/session" owner display xvfb
    [[ -f $file ]] || return 1
    read -r owner display xvfb <"$file" || return 1
    # The owner is the bash of a script; a process that got its number since is not.
    zudav_pid_running "$owner" && [[ $(cat "/proc/$owner/comm" 2>/dev/null) == bash ]] || return 1
    printf '%s %s %s\n' "$owner" "$display" "$xvfb"
}

# Takes the work tree's session for this shell, or fails if another one is running. A record left
# by a session that was killed is cleaned up: its X server and its wineserver are ended.
zudav_session_claim() {
    mkdir -p "$ZUDAV_WINE_DIR"
    local lock live owner display xvfb stale_display stale_xvfb
    exec {lock}>"$ZUDAV_WINE_DIR/session.lock"
    flock -w 30 "$lock" || zudav_die "could not lock $ZUDAV_WINE_DIR/session.lock"
    if live=$(zudav_session_record); then
        read -r owner display xvfb <<<"$live"
        exec {lock}>&-
        zudav_die "a Wine session of this work tree is already running (process $owner, display $display); stop it first"
    fi
    if [[ -f $ZUDAV_WINE_DIR/session ]]; then
        read -r _ stale_display stale_xvfb <"$ZUDAV_WINE_DIR/session" || true
        zudav_note "cleaning up after an interrupted session (display ${stale_display:-?})"
        WINEPREFIX="$ZUDAV_WINE_DIR/prefix" "$ZUDAV_WINESERVER" -k >/dev/null 2>&1 || true
        if [[ ${stale_xvfb:-} =~ ^[0-9]+$ && $stale_xvfb != 0 ]] && zudav_pid_running "$stale_xvfb" &&
            [[ $(cat "/proc/$stale_xvfb/comm" 2>/dev/null) == Xvfb ]]; then
            kill "$stale_xvfb" 2>/dev/null || true
        fi
        rm -f "$ZUDAV_WINE_DIR/session"
    fi
    printf '%s %s %s\n' "$$" "-" "0" >"$ZUDAV_WINE_DIR/session"
    ZUDAV_SESSION_OWNED=1
    exec {lock}>&-
}

zudav_session_record_display() {
    printf '%s %s %s\n' "$$" "$DISPLAY" "${ZUDAV_XVFB_PID:-0}" >"$ZUDAV_WINE_DIR/session"
}

# Xvfb writes its display number, then a newline, once it accepts clients; or it has stopped.
zudav_xvfb_answered() {
    [[ $(wc -l <"$1") -ge 1 ]] || zudav_pid_gone "$ZUDAV_XVFB_PID"
}

# A private X server on a display it picks itself (-displayfd), so that two runs never share one.
zudav_xvfb_start() {
    local number_file="$ZUDAV_WINE_DIR/xvfb-display.$$"
    rm -f "$number_file"
    Xvfb -displayfd 3 -screen 0 "${ZUDAV_DESKTOP_SIZE}x24" -nolisten tcp -noreset \
        3>"$number_file" </dev/null >"$ZUDAV_WINE_DIR/xvfb.log" 2>&1 &
    ZUDAV_XVFB_PID=$!
    zudav_poll 30 zudav_xvfb_answered "$number_file" || zudav_die "Xvfb did not start within 30 s (see $ZUDAV_WINE_DIR/xvfb.log)"
    zudav_pid_running "$ZUDAV_XVFB_PID" || zudav_die "Xvfb stopped at start (see $ZUDAV_WINE_DIR/xvfb.log)"
    DISPLAY=":$(head -n 1 "$number_file")"
    export DISPLAY
    rm -f "$number_file"
}

# Makes the project's prefix once (about 15 s), then reuses it. It must run with DISPLAY set.
zudav_wine_prefix_ensure() {
    local stamp="$WINEPREFIX/.zudav-prefix" wanted
    wanted="recipe $ZUDAV_PREFIX_RECIPE $("$ZUDAV_WINE64" --version 2>/dev/null)"
    if [[ -f $stamp && $(cat "$stamp") == "$wanted" ]]; then
        return 0
    fi
    zudav_note "making the Wine prefix $WINEPREFIX (once)"
    rm -rf "$WINEPREFIX"
    local log="$ZUDAV_WINE_DIR/prefix.log"
    {
        "$ZUDAV_WINE64" wineboot -i &&
            "$ZUDAV_WINE64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f &&
            "$ZUDAV_WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f &&
            "$ZUDAV_WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ \
                /d "$ZUDAV_DESKTOP_SIZE" /f &&
            "$ZUDAV_WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops\Default' /v EnableShell \
                /t REG_DWORD /d 1 /f
    } </dev/null >"$log" 2>&1 || zudav_die "could not make the Wine prefix (see $log)"
    timeout 120 "$ZUDAV_WINESERVER" -w || zudav_die "the wineserver did not stop after making the prefix"
    printf '%s\n' "$wanted" >"$stamp"
}

zudav_desktop_shown() {
    xdotool search --name "^Default - Wine desktop$" >/dev/null 2>&1
}

# Starts the wineserver, the services and the virtual desktop with their output detached, so that
# nothing started later inherits a pipe that ctest waits on.
zudav_wine_warm_up() {
    "$ZUDAV_WINESERVER" -p </dev/null >/dev/null 2>&1
    "$ZUDAV_WINE64" wineboot </dev/null >/dev/null 2>&1
    "$ZUDAV_WINE64" explorer.exe "/desktop=Default,$ZUDAV_DESKTOP_SIZE" </dev/null >/dev/null 2>&1 &
    zudav_poll 60 zudav_desktop_shown || zudav_die "Wine's virtual desktop did not appear on $DISPLAY within 60 s"
}

zudav_session_start() {
    local user_display=""
    [[ ${1:-} == --user-display ]] && user_display=1
    zudav_session_claim
    if [[ -n $user_display ]]; then
        [[ -n ${DISPLAY:-} ]] || zudav_die "no DISPLAY to show the bar on"
    else
        zudav_xvfb_start
    fi
    zudav_session_record_display
    zudav_wine_env
    zudav_wine_prefix_ensure
    zudav_wine_warm_up
    export ZUDAV_WINE_SESSION="$DISPLAY"
    zudav_note "Wine session on display $DISPLAY, prefix $WINEPREFIX"
}

# Ends what zudav_session_start started: every Wine process of the prefix, then the X server.
zudav_session_stop() {
    [[ -n $ZUDAV_SESSION_OWNED ]] || return 0
    ZUDAV_SESSION_OWNED=""
    local step
    for step in "${ZUDAV_SESSION_CLEANUP[@]}"; do
        eval "$step" || zudav_note "could not undo a change to the prefix: $step"
    done
    ZUDAV_SESSION_CLEANUP=()
    WINEPREFIX="$ZUDAV_WINE_DIR/prefix" "$ZUDAV_WINESERVER" -k >/dev/null 2>&1 || true
    WINEPREFIX="$ZUDAV_WINE_DIR/prefix" timeout 30 "$ZUDAV_WINESERVER" -w >/dev/null 2>&1 || true
    if [[ -n $ZUDAV_XVFB_PID ]]; then
        kill "$ZUDAV_XVFB_PID" 2>/dev/null || true
        if ! zudav_poll 10 zudav_pid_gone "$ZUDAV_XVFB_PID"; then
            kill -KILL "$ZUDAV_XVFB_PID" 2>/dev/null || true
        fi
        wait "$ZUDAV_XVFB_PID" 2>/dev/null || true
        ZUDAV_XVFB_PID=""
    fi
    rm -f "$ZUDAV_WINE_DIR/session"
    unset ZUDAV_WINE_SESSION
}

# Joins the session that a script of this work tree is running: from the environment that script
# exported, or else from its record. Fails when there is none.
zudav_session_join() {
    local live owner display
    if [[ -n ${ZUDAV_WINE_SESSION:-} ]]; then
        export DISPLAY="$ZUDAV_WINE_SESSION"
    elif live=$(zudav_session_record) && read -r owner display _ <<<"$live" && [[ $display != - ]]; then
        export DISPLAY="$display" ZUDAV_WINE_SESSION="$display"
    else
        return 1
    fi
    zudav_wine_env
}
