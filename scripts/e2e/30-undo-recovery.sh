# SPDX-License-Identifier: GPL-3.0-or-later
# Undo and recovery: Play/Pause for W, Default, Ctrl+Z brings W back, the information box saying so in
# both languages; written and read back with qelec-ctl. Then Play/Pause for R, the program killed
# with kill -9, started again: the question, Yes, written, and R reads back.
step "undo and recovery"
prepare_keyboard 4 'QelEC(RGB);V2.10'
recovery_folder=$XDG_STATE_HOME/qelec

# Gives the key at main window design point $1,$2 Play/Pause in its dialog titled $3.
play_pause_for() {
    use_main_window
    click "$1" "$2"
    local dialog
    dialog=$(other_window "$3") || fail "no '$3' dialog"
    use_window "$dialog"
    click 290 65  # the multimedia tab
    click 113 170 # Play/Pause
    click 407 336 # OK
    gone "$dialog" || fail "the key assignment dialog did not close"
    use_main_window
}
# Presses the key combination $1 in the main window.
press_in_main_window() {
    xdotool windowactivate --sync "$main_window" 2>/dev/null || xdotool windowfocus --sync "$main_window"
    xdotool key --clearmodifiers "$1"
    sleep 0.5
}
# Waits up to 10 s for the recovery file to say $1: 1 with changes neither written nor saved, else 0.
wait_for_recovery() {
    for _ in $(seq 100); do
        grep -qsx "unsecured $1" "$recovery_folder"/recovery-*.txt && return 0
        sleep 0.1
    done
    fail "no recovery file saying 'unsecured $1' in $recovery_folder"
}
# Reads the keyboard into $work/back.pro and checks that key $1 is Play/Pause on the top layer.
expect_play_pause_on_keyboard() {
    "$ctl" read "$work/back.pro" >/dev/null || fail "qelec-ctl could not read the keyboard"
    grep -q "<KEY ID=\"$1\" Level=\"0\" Mode=\"5\" HWCode=\"111\"" "$work/back.pro" ||
        fail "key $1 is not Play/Pause on the keyboard: $(grep "<KEY ID=\"$1\" Level=\"0\"" "$work/back.pro")"
    step "key $1 reads back as Play/Pause"
}

start_program
play_pause_for 365 300 按键设置面板 # W
click 280 110                      # Default: W back to its factory function
point 700 40
shot 80-zh-default-took-w
press_in_main_window ctrl+z
shot 81-zh-undone-default
click 964 110 # language
point 700 40
shot 82-en-undone-default
press_in_main_window ctrl+y
shot 83-en-redone-default
press_in_main_window ctrl+shift+z
press_in_main_window ctrl+z
click 964 110 # language
click 378 110 # write key settings
answer Qel 84-zh-w-written
wait_for_recovery 0
alive
stop_program
expect_play_pause_on_keyboard 34

start_program
play_pause_for 451 300 按键设置面板 # R
wait_for_recovery 1
kill -9 "$program"
wait "$program" 2>/dev/null || true
program=
keep_recovery=1 start_program
answer QelEC 85-zh-restore-question
point 451 300
shot 86-zh-r-restored
click 378 110 # write key settings
answer Qel 87-zh-r-written
alive
stop_program
expect_play_pause_on_keyboard 36
