# SPDX-License-Identifier: GPL-3.0-or-later
# What the recorder scenarios share: the key assignment dialog opened on R, keys typed, a page recorded.
recorder_dialog=
# Opens the dialog on R and waits for it, titled $1.
open_on_r() {
    use_main_window
    click 451 300
    recorder_dialog=$(other_window "$1") || fail "no '$1' dialog"
    use_window "$recorder_dialog"
}
# Types the keys $@ on the keyboard, each pressed and released, 80 ms apart.
type_keys() {
    local key
    for key in "$@"; do
        xdotool keydown "$key"
        sleep 0.08
        xdotool keyup "$key"
        sleep 0.08
    done
}
# Records on page $1 (a new entry from button $2,$3, the record button at $4,$5) while typing $7..,
# with screenshots $6-recording and $6-recorded.
record_page() {
    local page=$1 new_x=$2 new_y=$3 rec_x=$4 rec_y=$5 name=$6
    shift 6
    click $((56 + 78 * (page - 1))) 65
    click "$new_x" "$new_y"     # new entry, its name proposed
    xdotool key --clearmodifiers Return
    click "$rec_x" "$rec_y"     # record
    type_keys "$@"
    point 290 312
    shot "$name-recording"
    click "$rec_x" "$rec_y"     # stop
    point 290 312
    shot "$name-recorded"
}
