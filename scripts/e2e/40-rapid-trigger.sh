# SPDX-License-Identifier: GPL-3.0-or-later
# Rapid trigger: Read, Select All, Set with two upper steps, OK, Write, and the keyboard holds the new values;
# the travel view open while qelec-vkbd presses the key; the three windows in both languages.
step "rapid-trigger settings on a QelEC(RGB) keyboard"
prepare_keyboard 4 'QelEC(RGB);V2.10'
"$ctl" triggers set 78 --press 0.6 --release 2.6 --threshold 0.5 >/dev/null
"$vkbd" travel idle >/dev/null # keys move only when pressed
start_program

# Design points of the three windows.
open_rapid_trigger() {
    use_main_window
    click 863 110
    rapid=$(other_window 'QelEC Rapid Trigger') || fail "no rapid-trigger window"
    use_window "$rapid"
}
open_fine_adjust() {
    click 221 437 # Set
    fine=$(other_window 'QelEC Trigger Fine Adjust') || fail "no fine-adjust window"
    use_window "$fine"
}
open_travel_view() {
    click 425 68 # Track
    travel=$(other_window 'QelEC Key Travel') || fail "no travel window"
    use_window "$travel"
}
gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "the window '$1' did not close"
}

open_rapid_trigger
point 220 239 # hover W
shot 40-rapid-trigger-zh-hover-w
click 376 437 # Read: the values qelec-ctl set on the left space bar
answer QelEC 41-rapid-trigger-zh-read
point 310 366 # hover the left space bar
shot 41-rapid-trigger-zh-hover-space
click 116 437 # Select All
open_fine_adjust
shot 42-fine-adjust-zh-start
click 315 86 # upper increase
click 315 86
shot 43-fine-adjust-zh-two-steps
click 88 218 # OK
gone 'QelEC Trigger Fine Adjust'
use_window "$rapid"
point 220 239
shot 44-rapid-trigger-zh-after-set
click 481 437 # Write
answer QelEC 45-rapid-trigger-zh-written
"$vkbd" show | grep -q 'triggers *all 10 20 0' || fail "the keyboard does not hold 1.0mm, 2.0mm, 0.1mm: $("$vkbd" show)"
step "the keyboard holds 10 20 0 on every key"

open_travel_view
"$vkbd" press 34 --times 40 >/dev/null
shot 46-travel-zh-w-pressed
click 273 331 # track D instead
"$vkbd" press 50 --times 40 >/dev/null
shot 47-travel-zh-d-pressed
xdotool key Escape Return
sleep 0.3
xdotool search --onlyvisible --name '^QelEC Key Travel$' >/dev/null || fail "a key closed the travel view"
click 828 22 # close
gone 'QelEC Key Travel'
use_window "$rapid"
click 641 437 # OK
gone 'QelEC Rapid Trigger'
alive

step "the same windows in English"
use_main_window
click 964 110 # language
open_rapid_trigger
point 220 239
shot 48-rapid-trigger-en-hover-w
click 220 239 # mark W
open_fine_adjust
shot 49-fine-adjust-en
click 282 218 # Cancel
gone 'QelEC Trigger Fine Adjust'
use_window "$rapid"
open_travel_view # still on D, the key tracked last
"$vkbd" press 50 --times 40 >/dev/null
shot 50-travel-en-d-pressed
click 828 22
gone 'QelEC Key Travel'
use_window "$rapid"
click 746 437 # Cancel
gone 'QelEC Rapid Trigger'
alive
stop_program
