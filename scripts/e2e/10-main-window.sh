# SPDX-License-Identifier: GPL-3.0-or-later
# The main window: reading all, counters, hovering, language and layers, on both layouts.
step "QelEC(RGB) keyboard set by qelec-ctl"
prepare_keyboard 4 'QelEC(RGB);V2.10'
start_program
point 600 40
shot 01-rgb-zh-start
click 571 110 # read all
answer Qel 02-rgb-zh-read-all-done
point 408 300 # hover E: a mouse function now
shot 03-rgb-zh-hover-e-after-read
click 623 110 # read counters
answer QelEC 04-rgb-zh-counters-done
point 366 300 # hover W: 42 presses
shot 05-rgb-zh-hover-w-counters
click 85 110 # save: the file dialog speaks the program's language
dialog=$(any_other_window) || fail "no file dialog"
shot 05b-rgb-zh-save-file-dialog
xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog"
xdotool key --clearmodifiers Escape
gone "$dialog" || fail "the file dialog did not close"
click 964 110 # language
point 451 300 # hover R: nothing on the top layer
shot 06-rgb-en-hover-r
click 84 263 # Fn layer
point 493 300 # hover T: a media key on the top layer only
shot 07-rgb-en-fn-layer-hover-t
alive
stop_program

step "QelEC(S) keyboard"
prepare_keyboard 3 'QelEC(S);V1.20'
start_program
point 408 300
shot 08-s-zh-hover-e
click 863 110 # language, one slot further left in this layout
point 366 300
shot 09-s-en-hover-w
alive
stop_program

