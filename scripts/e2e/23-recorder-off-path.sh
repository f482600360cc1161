# SPDX-License-Identifier: GPL-3.0-or-later
# Recording off the planned path, with xdotool: a click on the macro list's scroll bar during a
# recording ends it in the entry it started on; keys typed while recording (digits with the play count
# focused, Escape) go only to the recording, and the dialog stays open; qelec-ctl reads the macro back.
step "recorder off the planned path"
prepare_keyboard 4 'QelEC(RGB);V2.10'
start_program
# shellcheck source=recorder-lib.sh
source scripts/e2e/recorder-lib.sh

open_on_r 按键设置面板
record_page 2 75 273 462 231 "46-zh-m1" a
record_page 2 75 273 462 231 "46-zh-m2" b
click 462 231 # record again into the second macro
type_keys c
click 187 121 # the up arrow of the macro list's scroll bar: ends the recording, the list stays
type_keys d
point 290 312
shot "47-zh-scroll-bar-click-ends-recording"
click 397 122 # Times Play: the play count box has the focus
click 462 231
type_keys 5 7 Escape
point 290 312
shot "48-zh-keys-only-recorded"
xdotool search --onlyvisible --name '.' | grep -qx "$recorder_dialog" || fail "Escape closed the dialog while recording"
click 462 231 # stop
point 284 121 # the action menu with its first submenu open, at one text size
xdotool click 3
sleep 0.5
xdotool key Down Down Down Down Down Right
shot "4a-zh-macro-submenu"
xdotool key Escape
sleep 0.3
xdotool key Escape
sleep 0.3
click 407 336 # OK: R plays the macro
gone "$recorder_dialog" || fail "the key assignment dialog did not close"
use_main_window
click 378 110 # write key settings
answer Qel 49-zh-keys-written
alive
stop_program

"$ctl" read "$work/off-path.pro" >/dev/null || fail "qelec-ctl could not read the keyboard"
grep -A40 '<KEY ID="36" Level="0"' "$work/off-path.pro" | sed '/<\/KEY>/q' >"$work/r.txt"
grep -q 'Cycles="1"' "$work/r.txt" || fail "the play count of R changed: $(grep -o 'Cycles="[0-9]*"' "$work/r.txt" | head -1)"
grep -qi 'ESC' "$work/r.txt" || fail "Escape was not recorded: $(tr -s ' \n' ' ' <"$work/r.txt" | cut -c1-300)"
step "R reads back with its play count and Escape: $(grep -o 't1="[^"]*"' "$work/r.txt" | tr '\n' ' ' | cut -c1-200)"
