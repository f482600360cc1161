# SPDX-License-Identifier: GPL-3.0-or-later
# The key assignment dialog: clicking E in the main window opens it on E's mouse function; every page
# and the virtual key picker in both languages; a key captured from the keyboard for R; Play/Pause
# chosen for E; both written to the keyboard and read back with qelec-ctl.
step "key assignment"
prepare_keyboard 4 'QelEC(RGB);V2.10'
start_program
click 571 110 # read all: E is a mouse function, R has nothing on the top layer
answer Qel 19-zh-read-all-done

key_dialog=
# Clicks the main window's key at design point $1,$2 and waits for the dialog titled $3; points refer
# to the dialog from then on.
open_key_dialog() {
    use_main_window
    click "$1" "$2"
    key_dialog=$(other_window "$3") || fail "no '$3' dialog"
    use_window "$key_dialog"
}
# Clicks the dialog's button at design point $1,$2 that closes it, and waits for it to go.
close_key_dialog() {
    click "$1" "$2"
    gone "$key_dialog" || fail "the key assignment dialog did not close"
    use_main_window
}
# Shows tab $1 (1..7) and takes screenshot $2 with the mouse resting on the frame.
show_page() {
    click $((56 + 78 * ($1 - 1))) 65
    point 290 312
    shot "$2"
}
# Opens the picker from page 1 and picks A on it; screenshot $2; cancels it. $1 is its title.
shoot_picker() {
    show_page 1 "$3"
    click 104 260 # virtual key input for the single key
    local picker
    picker=$(other_window "$1") || fail "no '$1' picker"
    use_window "$picker"
    click 114 194 # A
    point 460 330
    shot "$2"
    click 709 321 # Cancel
    gone "$picker" || fail "the picker did not close"
    use_window "$key_dialog"
}

open_key_dialog 408 300 按键设置面板 # E: a mouse function
point 290 312
shot 20-zh-key-e-opens-on-mouse
for page in 1 2 3 4 5 6 7; do
    show_page "$page" "21-zh-page-$page"
done
shoot_picker 虚拟键盘 22-zh-picker 21-zh-page-1
show_page 4 23-zh-multimedia
click 113 170 # Play/Pause
point 290 312 # a click hides the tooltip; it comes back once the mouse rests on the icon again
point 113 170
sleep 0.5
shot 24-zh-play-pause-chosen-with-tooltip
close_key_dialog 407 336 # OK
point 408 300
shot 25-zh-e-now-multimedia

# R from the keyboard: record, press F5, the next click ends the recording.
open_key_dialog 451 300 按键设置面板 # R: nothing on the top layer
click 104 221 # record
xdotool key --clearmodifiers F5
sleep 0.5
point 290 312
shot 26-zh-r-captured-f5
click 104 221 # ends the recording only
close_key_dialog 407 336 # OK

click 378 110 # write key settings
answer Qel 27-zh-keys-written

click 964 110 # language
open_key_dialog 408 300 'Key Settings'
point 290 312
shot 30-en-key-e-opens-on-multimedia
for page in 1 2 3 4 5 6 7; do
    show_page "$page" "31-en-page-$page"
done
shoot_picker 'Virtual Keyboard' 32-en-picker 31-en-page-1
show_page 6 33-en-function
point 296 170 # the Fn icon
sleep 0.5
shot 34-en-fn-tooltip
close_key_dialog 503 336 # Cancel
alive
stop_program

"$ctl" read "$work/back.pro" >/dev/null || fail "qelec-ctl could not read the keyboard"
grep -q '<KEY ID="35" Level="0" Mode="5" HWCode="111"' "$work/back.pro" ||
    fail "E is not Play/Pause on the keyboard: $(grep '<KEY ID="35" Level="0"' "$work/back.pro")"
grep -q '<KEY ID="36" Level="0" Mode="1" HWCode="6"' "$work/back.pro" ||
    fail "R is not F5 on the keyboard: $(grep '<KEY ID="36" Level="0"' "$work/back.pro")"
step "E reads back as Play/Pause (kind 5, code 111), R as F5 (kind 1, code 6)"
