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

# What the screenshots' bar has in its store, as "key|value": a place away from the screen's corner,
# four of Wine's own programs, and a program that is missing.
ZUDAV_SCREENSHOT_SETTINGS=(
    'left|360'
    'top|360'
    'Chemin0|C:\windows\system32\notepad.exe'
    'Tool0|Bloc-notes'
    'Chemin1|C:\windows\regedit.exe'
    'Tool1|Registre'
    'Chemin2|C:\windows\system32\winecfg.exe'
    'Tool2|Configuration de Wine'
    'Chemin3|C:\windows\system32\winemine.exe'
    'Tool3|Jeu de mines'
    'Chemin5|C:\Programmes\Absent\absent.exe'
    'Tool5|Programme absent'
)

zudav_reg_add() {
    zudav_wine reg add "$1" /v "$2" /t REG_SZ /d "$3" /f </dev/null >/dev/null 2>&1
}

# Crops a screenshot to a window's rectangle ("left top width height", screen pixels) and a margin.
zudav_crop() {
    local in=$1 out=$2 margin=$3 left top width height
    read -r left top width height <<<"$4"
    left=$((left > margin ? left - margin : 0))
    top=$((top > margin ? top - margin : 0))
    width=$((width + 2 * margin))
    height=$((height + 2 * margin))
    convert "$in" -crop "${width}x${height}+${left}+${top}" +repage -strip "$out"
}

# Starts a bar with a few items (ZUDAV_SCREENSHOT_SETTINGS), saves a screenshot of the screen
# (bar.png), the same cropped to the bar (bar-cropped.png, the picture of the README), one with the
# item editor open on the first slot (editor.png), one with the configuration window (config.png) and
# one while a file is dragged over a free slot (drop.png), then closes them.
# Usage: zudav_bar_screenshot BUILD_DIR OUT_DIR
zudav_bar_screenshot() {
    local build=$1 out=$2 pid drag entry name value
    local key='HKCU\Software\VB and VBA Program Settings\Zudav'
    local log="$ZUDAV_WINE_DIR/bar-screenshot.log"
    local probe="$build/zudav_probe.exe"
    zudav_wine reg delete "$key" /f </dev/null >/dev/null 2>&1 || true
    for entry in "${ZUDAV_SCREENSHOT_SETTINGS[@]}"; do
        IFS='|' read -r name value <<<"$entry"
        # Wine's reg.exe has been seen to fail once in a while: each value is tried again for a few seconds.
        zudav_poll 5 zudav_reg_add "$key\\Donnees" "$name" "$value" ||
            zudav_die "could not store $name for the screenshot"
    done
    "$ZUDAV_WINE64" "$build/Zudav.exe" </dev/null >"$log" 2>&1 &
    pid=$!
    local place
    if ! place=$(zudav_wine "$probe" wait ZudavPrincipal 30000 </dev/null); then
        kill "$pid" 2>/dev/null || true
        zudav_die "the bar did not show within 30 s (see $log)"
    fi
    place=${place//$'\r'/}
    zudav_note "bar shown (left top width height, in pixels): $place"
    zudav_screenshot "$out/bar.png"
    zudav_crop "$out/bar.png" "$out/bar-cropped.png" 24 "$place"

    # The editor of slot 0 (Picture1(0) is control 1000).
    zudav_wine "$probe" press-right ZudavPrincipal 30000 1000 </dev/null ||
        zudav_die "could not open the item editor"
    zudav_wine "$probe" wait ZudavAjouteEnleve 30000 </dev/null >/dev/null ||
        zudav_die "the item editor did not show within 30 s"
    zudav_screenshot "$out/editor.png"
    zudav_wine "$probe" close ZudavAjouteEnleve 30000 </dev/null ||
        zudav_die "the item editor did not close within 30 s"

    # The configuration window (the menu command IDM_CONFIGURATION is 201).
    zudav_wine "$probe" command ZudavPrincipal 30000 201 </dev/null ||
        zudav_die "could not open the configuration window"
    zudav_wine "$probe" wait ZudavConfiguration 30000 </dev/null >/dev/null ||
        zudav_die "the configuration window did not show within 30 s"
    zudav_screenshot "$out/config.png"
    zudav_wine "$probe" close ZudavConfiguration 30000 </dev/null ||
        zudav_die "the configuration window did not close within 30 s"

    # A file dragged from another program and held over the free slot 4 (CoolBar(4) is control 1104): the cell is
    # highlighted while the drag lasts; the drag is then given up.
    zudav_wine "$build/zudav_drag.exe" ZudavPrincipal 1104 4000 cancel 'C:\windows\win.ini' </dev/null >/dev/null 2>&1 &
    drag=$!
    sleep 2
    zudav_screenshot "$out/drop.png"
    wait "$drag" || zudav_die "the drag for the screenshot did not run"

    zudav_wine "$probe" close ZudavPrincipal 30000 </dev/null ||
        zudav_die "the bar did not close within 30 s"
    zudav_poll 30 zudav_pid_gone "$pid" || zudav_die "Zudav.exe did not end after its bar closed"
    wait "$pid" 2>/dev/null || true
    zudav_wine reg delete "$key" /f </dev/null >/dev/null 2>&1 || true
    zudav_wine reg delete 'HKCU\Software\VB and VBA Program Settings\Reredo' /f </dev/null >/dev/null 2>&1 || true
}
