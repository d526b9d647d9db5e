# shellcheck shell=bash
# Pictures of the screen of the Wine session, and of a bar started for the purpose.
# Sourced after wine-session.sh, inside a running session.

# Saves the X screen as PNG once two captures in a row are the same, so that a window that has just
# painted is on the picture whole (Wine copies painted windows to the X server a moment later).
zudav_screenshot() {
    local out=$1 scratch previous current
    scratch=$(mktemp -d)
    previous="$scratch/a.xwd"
    current="$scratch/b.xwd"
    xwd -root -silent -display "$DISPLAY" >"$previous"
    local tries=50
    while ((tries-- > 0)); do
        sleep 0.1
        xwd -root -silent -display "$DISPLAY" >"$current"
        if cmp -s "$previous" "$current"; then
            break
        fi
        mv "$current" "$previous"
    done
    mkdir -p "$(dirname "$out")"
    convert "xwd:$previous" "$out"
    rm -rf "$scratch"
}

# Starts a bar from an empty store, waits for it with zudav_probe, saves a screenshot and closes it.
# Usage: zudav_bar_screenshot BUILD_DIR OUT.png
zudav_bar_screenshot() {
    local build=$1 out=$2 pid
    local key='HKCU\Software\VB and VBA Program Settings\Zudav'
    local log="$ZUDAV_WINE_DIR/bar-screenshot.log"
    zudav_wine reg delete "$key" /f </dev/null >/dev/null 2>&1 || true
    "$ZUDAV_WINE64" "$build/Zudav.exe" </dev/null >"$log" 2>&1 &
    pid=$!
    local place
    if ! place=$(zudav_wine "$build/zudav_probe.exe" wait ZudavPrincipal 30000 </dev/null); then
        kill "$pid" 2>/dev/null || true
        zudav_die "the bar did not show within 30 s (see $log)"
    fi
    zudav_note "bar shown (left top width height, in pixels): $place"
    zudav_screenshot "$out"
    zudav_wine "$build/zudav_probe.exe" close ZudavPrincipal 30000 </dev/null ||
        zudav_die "the bar did not close within 30 s"
    zudav_poll 30 zudav_pid_gone "$pid" || zudav_die "Zudav.exe did not end after its bar closed"
    wait "$pid" 2>/dev/null || true
    zudav_wine reg delete "$key" /f </dev/null >/dev/null 2>&1 || true
}
