# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end scenarios: a virtual X server, a virtual keyboard of their own, the program
# started and stopped, points and clicks in design units of the window shown, screenshots, message
# boxes answered. Sourced by scripts/e2e.sh with build and out set.
work=$(mktemp -d)
export QELEC_VKBD_STATE=$work/keyboard.txt
export XDG_RUNTIME_DIR=$work/runtime
export XDG_STATE_HOME=$work/state
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
vkbd=$build/tools/vkbd/qelec-vkbd
ctl=$build/tools/ctl/qelec-ctl
qelec=$build/app/qelec

# A display number no other server holds (its lock file is the sign).
display_number=$((90 + RANDOM % 100))
while [ -e "/tmp/.X$display_number-lock" ] || [ -e "/tmp/.X11-unix/X$display_number" ]; do display_number=$((display_number + 1)); done
display=:$display_number
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
program=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 300); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "e2e: FAILED: the X server did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }

step() { echo "e2e: $*"; }
fail() {
    echo "e2e: FAILED: $*" >&2
    [ -s "$work/qelec.log" ] && sed 's/^/e2e: program: /' "$work/qelec.log" | tail -20 >&2
    import -window root "$out/failure.png" 2>/dev/null || true
    exit 1
}

# A keyboard whose E key sends a mouse function, R has nothing on the top layer and T is a media key,
# set through the program's own core; W has been pressed 42 times.
prepare_keyboard() {
    "$vkbd" create --variant "$1" --version "$2" --force >/dev/null
    "$ctl" defaults "$work/factory.pro" >/dev/null
    sed -e 's/<KEY ID="35" Level="0" Mode="[0-9]*" HWCode="[0-9]*"/<KEY ID="35" Level="0" Mode="6" HWCode="157"/' \
        -e 's/<KEY ID="36" Level="0" Mode="[0-9]*" HWCode="[0-9]*"/<KEY ID="36" Level="0" Mode="0" HWCode="0"/' \
        -e 's/<KEY ID="37" Level="0" Mode="[0-9]*" HWCode="[0-9]*"/<KEY ID="37" Level="0" Mode="5" HWCode="110"/' \
        "$work/factory.pro" >"$work/set.pro"
    "$ctl" write "$work/set.pro" >/dev/null
    "$vkbd" press 34 --times 42 >/dev/null
}

main_window=
origin_x=0
origin_y=0
scale=1.5

# Starts the program; what an earlier run left for recovery goes first, unless keep_recovery=1.
start_program() {
    [ "${keep_recovery:-0}" = 1 ] || rm -rf "$XDG_STATE_HOME"
    "$qelec" >"$work/qelec.log" 2>&1 &
    program=$!
    main_window=$(timeout 20 xdotool search --sync --onlyvisible --name '^QelEC$' | head -1) || fail "no main window"
    eval "$(xdotool getwindowgeometry --shell "$main_window")"
    origin_x=$X
    origin_y=$Y
    step "main window $WIDTH x $HEIGHT at $X,$Y"
}

stop_program() {
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    program=
}

# Points and clicks from now on are in design units of X window $1 (a dialog found with
# other_window, say); use_main_window goes back to the main window.
use_window() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    origin_x=$X
    origin_y=$Y
}
use_main_window() { use_window "$main_window"; }

# Moves to design point x,y of the window in use (the main window unless use_window said otherwise).
point() {
    xdotool mousemove "$(awk "BEGIN{print int($origin_x + $1 * $scale)}")" "$(awk "BEGIN{print int($origin_y + $2 * $scale)}")"
    sleep 0.3
}
click() {
    point "$1" "$2"
    xdotool click 1
    sleep 0.5
}
shot() {
    sleep 0.4
    import -window root "$out/$1.png"
    step "screenshot $1.png"
}
# The visible window titled $1 other than the main window, waiting up to 30 s for it.
other_window() {
    local id
    for _ in $(seq 300); do
        for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
            [ "$id" != "$main_window" ] && echo "$id" && return 0
        done
        sleep 0.1
    done
    return 1
}
# Any visible window other than the main window (whatever its title), waiting up to 30 s for it.
any_other_window() {
    local id
    for _ in $(seq 300); do
        for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
            [ "$id" != "$main_window" ] && echo "$id" && return 0
        done
        sleep 0.1
    done
    return 1
}
# Waits up to 10 s for X window $1 to be gone.
gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1" || return 0
        sleep 0.1
    done
    return 1
}
# Takes screenshot $2 of the message box titled $1, then answers it with its default button.
answer() {
    local box
    box=$(other_window "$1") || fail "no '$1' message"
    shot "$2"
    xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
    xdotool key --clearmodifiers Return
    for _ in $(seq 50); do
        xdotool getwindowname "$box" >/dev/null 2>&1 && xdotool search --onlyvisible --name "^$1\$" 2>/dev/null |
            grep -qx "$box" || return 0
        sleep 0.1
    done
    fail "the '$1' message did not close"
}
alive() { kill -0 "$program" 2>/dev/null || fail "the program ended: $(cat "$work/qelec.log")"; }

