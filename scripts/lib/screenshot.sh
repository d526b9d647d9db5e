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

# Stores the given "key|value" settings for the bar Zudav and starts it; once it is shown, ZUDAV_SHOT_PID is its
# process and ZUDAV_SHOT_PLACE its rectangle ("left top width height", screen pixels).
# Usage: zudav_screenshot_bar_start BUILD_DIR SETTING...
zudav_screenshot_bar_start() {
    local build=$1 entry name value
    shift
    local key='HKCU\Software\VB and VBA Program Settings\Zudav'
    local log="$ZUDAV_WINE_DIR/bar-screenshot.log"
    zudav_wine reg delete "$key" /f </dev/null >/dev/null 2>&1 || true
    for entry in "$@"; do
        IFS='|' read -r name value <<<"$entry"
        # Wine's reg.exe has been seen to fail once in a while: each value is tried again for a few seconds.
        zudav_poll 5 zudav_reg_add "$key\\Donnees" "$name" "$value" ||
            zudav_die "could not store $name for the screenshot"
    done
    "$ZUDAV_WINE64" "$build/Zudav.exe" </dev/null >"$log" 2>&1 &
    ZUDAV_SHOT_PID=$!
    if ! ZUDAV_SHOT_PLACE=$(zudav_wine "$build/zudav_probe.exe" wait ZudavPrincipal 30000 </dev/null); then
        kill "$ZUDAV_SHOT_PID" 2>/dev/null || true
        zudav_die "the bar did not show within 30 s (see $log)"
    fi
    ZUDAV_SHOT_PLACE=${ZUDAV_SHOT_PLACE//$'\r'/}
    zudav_note "bar shown (left top width height, in pixels): $ZUDAV_SHOT_PLACE"
}

# Closes the bar that zudav_screenshot_bar_start started and empties the stores it used.
zudav_screenshot_bar_stop() {
    local build=$1
    zudav_wine "$build/zudav_probe.exe" close ZudavPrincipal 30000 </dev/null ||
        zudav_die "the bar did not close within 30 s"
    zudav_poll 30 zudav_pid_gone "$ZUDAV_SHOT_PID" || zudav_die "Zudav.exe did not end after its bar closed"
    wait "$ZUDAV_SHOT_PID" 2>/dev/null || true
    zudav_wine reg delete 'HKCU\Software\VB and VBA Program Settings\Zudav' /f </dev/null >/dev/null 2>&1 || true
    zudav_wine reg delete 'HKCU\Software\VB and VBA Program Settings\Reredo' /f </dev/null >/dev/null 2>&1 || true
}

# Starts a bar with a few items (ZUDAV_SCREENSHOT_SETTINGS), saves a screenshot of the screen
# (bar.png), the same cropped to the bar (bar-cropped.png, the picture of the README), one with the
# item editor open on the first slot (editor.png), one with the configuration window (config.png) and one
# while a file is dragged over a free slot (drop.png), then closes them.
# Usage: zudav_bar_screenshot BUILD_DIR OUT_DIR
zudav_bar_screenshot() {
    local build=$1 out=$2
    local probe="$build/zudav_probe.exe"
    zudav_screenshot_bar_start "$build" "${ZUDAV_SCREENSHOT_SETTINGS[@]}"
    zudav_screenshot "$out/bar.png"
    zudav_crop "$out/bar.png" "$out/bar-cropped.png" 24 "$ZUDAV_SHOT_PLACE"

    # The editor of slot 0.
    zudav_wine "$probe" press-right ZudavPrincipal 30000 0 </dev/null ||
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

    # A file dragged from another program and held over the free slot 4 for 4 s: the cell is highlighted while the drag
    # lasts, then the drag is given up.
    local drag
    zudav_wine "$build/zudav_drag.exe" ZudavPrincipal 4 4000 cancel 'C:\windows\win.ini' </dev/null >/dev/null 2>&1 &
    drag=$!
    sleep 2
    zudav_screenshot "$out/drop.png"
    wait "$drag" || zudav_die "the drag for the screenshot did not run"

    zudav_screenshot_bar_stop "$build"
}

# A REG_DWORD value of the prefix's registry as reg.exe prints it ("0x60"), or nothing when it is absent.
# Usage: zudav_reg_dword KEY NAME
zudav_reg_dword() {
    zudav_wine reg query "$1" /v "$2" </dev/null 2>/dev/null |
        tr -d '\r' | awk -v name="$2" '$1 == name && $2 == "REG_DWORD" { print $3 }' || true
}

zudav_set_dword() {
    zudav_wine reg add "$1" /v "$2" /t REG_DWORD /d "$3" /f </dev/null >/dev/null 2>&1
}

# Puts a REG_DWORD value back as zudav_reg_dword read it: that value, or no value at all when it was absent.
# Usage: zudav_restore_dword KEY NAME SAVED
zudav_restore_dword() {
    if [[ -n $3 ]]; then
        zudav_poll 5 zudav_set_dword "$1" "$2" "$(($3))"
    else
        # Deleting a value that is not there fails too: only its absence afterwards tells.
        zudav_wine reg delete "$1" /v "$2" /f </dev/null >/dev/null 2>&1 || true
        [[ -z $(zudav_reg_dword "$1" "$2") ]]
    fi
}

# The desktop's DPI in Wine: read by each program as it starts, so that a bar started after a change has it.
ZUDAV_DPI_KEY='HKCU\Control Panel\Desktop'

zudav_set_dpi() {
    zudav_set_dword "$ZUDAV_DPI_KEY" LogPixels "$1"
}

# The user's app mode, which the bar's look follows: 1 (or no value) light, 0 dark. Read by the bar as it starts.
ZUDAV_LOOK_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'

zudav_set_look() {
    local light
    case $1 in
        light) light=1 ;;
        dark) light=0 ;;
        *) zudav_die "no look called $1" ;;
    esac
    zudav_set_dword "$ZUDAV_LOOK_KEY" AppsUseLightTheme "$light"
}

# Waits for the window of the given class, saves it cropped to its rectangle and a margin, and closes it.
# Usage: zudav_window_screenshot BUILD_DIR CLASS OUT_PNG WHAT
zudav_window_screenshot() {
    local build=$1 class=$2 out=$3 what=$4 place
    place=$(zudav_wine "$build/zudav_probe.exe" wait "$class" 30000 </dev/null) ||
        zudav_die "$what did not show within 30 s"
    place=${place//$'\r'/}
    # A window that is not on the screen would give a crop of the wrong place, or none.
    [[ $place =~ ^-?[0-9]+\ -?[0-9]+\ [1-9][0-9]*\ [1-9][0-9]*$ ]] ||
        zudav_die "$what has no rectangle on the screen (the probe printed '$place')"
    zudav_screenshot "${out%.png}-screen.png"
    zudav_crop "${out%.png}-screen.png" "$out" 12 "$place"
    rm -f "${out%.png}-screen.png"
    zudav_note "$(basename "$out"): $what at $place"
    zudav_wine "$build/zudav_probe.exe" close "$class" 30000 </dev/null ||
        zudav_die "$what did not close within 30 s"
}

# The same bar in the light and the dark look, each at 96 and at 144 dpi, and its windows: for each look and DPI, the
# bar cropped (bar-LOOK-DPIdpi.png), the item editor of slot 0 (editor-LOOK-DPIdpi.png), the configuration window
# (config-LOOK-DPIdpi.png) and the About box (about-LOOK-DPIdpi.png), each cropped to its window. The icon boxes, the
# built-in pictures and "Arrêter" grow with the DPI while the bar keeps its size in twips. At the top of the screen: at
# 144 dpi the bar is 1,021 pixels long, and wants a desktop taller than the tests' one.
# The prefix's DPI and app mode are put back as they were afterwards; when a step fails, by the session's end.
# Usage: zudav_dpi_screenshots BUILD_DIR OUT_DIR
zudav_dpi_screenshots() {
    local build=$1 out=$2 saved_dpi saved_look look dpi name
    local probe="$build/zudav_probe.exe"
    saved_dpi=$(zudav_reg_dword "$ZUDAV_DPI_KEY" LogPixels)
    ZUDAV_SESSION_CLEANUP+=("zudav_restore_dword '$ZUDAV_DPI_KEY' LogPixels '$saved_dpi'")
    saved_look=$(zudav_reg_dword "$ZUDAV_LOOK_KEY" AppsUseLightTheme)
    ZUDAV_SESSION_CLEANUP+=("zudav_restore_dword '$ZUDAV_LOOK_KEY' AppsUseLightTheme '$saved_look'")
    # The pointer in the desktop's top right corner, away from every window: no control is drawn under it.
    xdotool mousemove "$((${ZUDAV_DESKTOP_SIZE%x*} - 1))" 0 || zudav_die "could not move the pointer away"
    for look in light dark; do
        zudav_poll 5 zudav_set_look "$look" || zudav_die "could not set the app mode to $look"
        for dpi in 96 144; do
            name="$look-${dpi}dpi"
            zudav_poll 5 zudav_set_dpi "$dpi" || zudav_die "could not set the desktop's DPI to $dpi"
            zudav_screenshot_bar_start "$build" "${ZUDAV_SCREENSHOT_SETTINGS[@]}" 'top|0'
            zudav_screenshot "$out/bar-$name-screen.png"
            zudav_crop "$out/bar-$name-screen.png" "$out/bar-$name.png" 16 "$ZUDAV_SHOT_PLACE"
            rm -f "$out/bar-$name-screen.png"

            zudav_wine "$probe" press-right ZudavPrincipal 30000 0 </dev/null ||
                zudav_die "could not open the item editor"
            zudav_window_screenshot "$build" ZudavAjouteEnleve "$out/editor-$name.png" "the item editor"
            # The menu commands IDM_CONFIGURATION (201) and IDM_PROPOS (203).
            zudav_wine "$probe" command ZudavPrincipal 30000 201 </dev/null ||
                zudav_die "could not open the configuration window"
            zudav_window_screenshot "$build" ZudavConfiguration "$out/config-$name.png" "the configuration window"
            zudav_wine "$probe" command ZudavPrincipal 30000 203 </dev/null ||
                zudav_die "could not open the About box"
            zudav_window_screenshot "$build" ZudavApropos "$out/about-$name.png" "the About box"

            zudav_screenshot_bar_stop "$build"
        done
    done
    zudav_restore_dword "$ZUDAV_LOOK_KEY" AppsUseLightTheme "$saved_look" || zudav_die "could not put the app mode back"
    unset 'ZUDAV_SESSION_CLEANUP[-1]'
    zudav_restore_dword "$ZUDAV_DPI_KEY" LogPixels "$saved_dpi" || zudav_die "could not put the desktop's DPI back"
    unset 'ZUDAV_SESSION_CLEANUP[-1]'
}
