# SPDX-License-Identifier: GPL-3.0-or-later
# The backlight settings and the multi-key colour selection: read the keyboard's colours, colour
# W, A, S and D through the multi-key selection, Set All through the real colour chooser, Write, and
# the keyboard holds the colour; both windows in both languages, at scale 1.5 and at scale 1.0.

# The visible window that is none of the main window and the X windows given, waiting up to 30 s.
window_other_than() {
    local id known
    for _ in $(seq 300); do
        for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
            known=no
            for other in "$main_window" "$@"; do [ "$id" = "$other" ] && known=yes; done
            [ $known = no ] && echo "$id" && return 0
        done
        sleep 0.1
    done
    return 1
}
# Picks colour $1 (#rrggbb) in the colour chooser (titled in the program's language) by typing it
# into its HTML field (Alt+H in both languages) and confirms, with screenshot $2 before; the windows
# open beneath the chooser are the X windows given after.
choose_colour() {
    local colour=$1 screenshot=$2 chooser
    shift 2
    chooser=$(window_other_than "$@") || fail "no colour chooser"
    xdotool windowactivate --sync "$chooser" 2>/dev/null || xdotool windowfocus --sync "$chooser"
    xdotool key --clearmodifiers alt+h
    xdotool key --clearmodifiers ctrl+a
    xdotool type "$colour"
    shot "$screenshot"
    xdotool key --clearmodifiers Return
    gone "$chooser" || fail "the colour chooser did not close"
}
# Waits up to 10 s for the window titled $1 to go.
window_gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
open_backlight() {
    use_main_window
    click 473 110 # the backlight button
    backlight=$(other_window 'BackLight Settings') || fail "no backlight window"
    use_window "$backlight"
}
open_multi_key() {
    click 326 437 # MultiKey
    multi_key=$(other_window 'Set Multi Key') || fail "no multi-key window"
    use_window "$multi_key"
}
# Both windows as they open, in the language shown, with screenshot names from $1.
shoot_both_windows() {
    open_backlight
    point 600 40
    shot "$1-backlight"
    open_multi_key
    click 219 239 # W
    click 426 366 # the right half of the space bar
    point 426 65  # over Set Color
    shot "$1-multi-key"
    click 831 27 # close: nothing changes
    window_gone 'Set Multi Key' || fail "the multi-key window did not close"
    use_window "$backlight"
    click 746 437 # Cancel
    window_gone 'BackLight Settings' || fail "the backlight window did not close"
}

step "QelEC(RGB) keyboard whose top row is red and one space-bar half blue"
prepare_keyboard 4 'QelEC(RGB);V2.10'
"$ctl" lights all '#ffffff' >/dev/null
"$ctl" lights 1-16 '#ff0000' >/dev/null
"$ctl" lights 79 0,0,255 >/dev/null
start_program

open_backlight
point 600 40
shot 40-zh-backlight-black-after-start
click 431 437 # Read
answer QelEC 41-zh-backlight-read-ok
point 600 40
shot 42-zh-backlight-read

open_multi_key
for key in "219 239" "187 281" "229 281" "272 281"; do
    # shellcheck disable=SC2086
    click $key # W, A, S, D
done
point 426 65
shot 43-zh-multi-key-wasd-marked
click 426 65 # Set Color
choose_colour '#00ff00' 43b-zh-multi-key-colour-chooser "$backlight" "$multi_key"
window_gone 'Set Multi Key' || fail "the multi-key window stayed open"
use_window "$backlight"
point 600 40
shot 44-zh-backlight-wasd-green

click 221 437 # Set All
choose_colour '#ff8000' 44b-zh-set-all-colour-chooser "$backlight"
point 600 40
shot 45-zh-backlight-all-orange
click 536 437 # Write
answer QelEC 46-zh-backlight-write-ok
window_gone 'BackLight Settings' || fail "Write did not close the backlight window"
"$vkbd" show | grep -Eq '^ +lights +all 255 128 0$' || fail "the keyboard does not hold the colour: $("$vkbd" show)"
step "the keyboard holds 255 128 0 on every key"

use_main_window
click 964 110 # language
shoot_both_windows 47-en
alive
stop_program

step "a 1280 x 1024 screen: scale 1.0"
small_display=:$((${display#:} + 100))
Xvfb "$small_display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb-small.log" 2>&1 &
small_xvfb=$!
trap 'kill "$small_xvfb" 2>/dev/null; cleanup' EXIT
export DISPLAY=$small_display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
scale=1.0
"$ctl" lights 1-16 '#ff0000' >/dev/null
"$ctl" lights 47-60 0,160,255 >/dev/null
start_program
open_backlight
click 431 437 # Read
answer QelEC 48-zh-scale-1-read-ok
click 641 437 # OK keeps the colours read
window_gone 'BackLight Settings' || fail "OK did not close the backlight window"
shoot_both_windows 48-zh-scale-1
use_main_window
click 964 110 # language
shoot_both_windows 49-en-scale-1
alive
stop_program
kill "$small_xvfb" 2>/dev/null || true
trap cleanup EXIT
export DISPLAY=$display
scale=1.5
