# SPDX-License-Identifier: GPL-3.0-or-later
# The firmware window: images made by the keyboard's own tool picked in the real file dialog,
# downloaded with the bar filling, the result answered, in Chinese and in English; the keyboard then
# reports the new version. An older image is refused first; last, a download whose window is closed
# half-way still says its result.

# The visible window other than $1 and $2 (a file dialog, say), waiting up to 30 s for it.
firmware_third_window() {
    local id
    for _ in $(seq 300); do
        for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
            [ "$id" != "$1" ] && [ "$id" != "$2" ] && echo "$id" && return 0
        done
        sleep 0.1
    done
    return 1
}
# Waits up to 10 s for window $1 to be gone.
firmware_gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1" || return 0
        sleep 0.1
    done
    return 1
}
firmware_keyboard_at() {
    "$vkbd" show | grep -Eq "version +QelEC\(RGB\);V$1\$" || fail "the keyboard does not report V$1: $("$vkbd" show)"
}
# Opens the firmware window from the main window (its title in the language shown is $1) and points
# at it; echoes nothing, sets firmware_dialog.
firmware_open_window() {
    use_main_window
    click 766 110 # firmware update
    firmware_dialog=$(other_window "$1") || fail "no firmware window titled '$1'"
    use_window "$firmware_dialog"
}
# Picks file $1 in the file dialog the Open button shows, typing its path as a user would.
firmware_pick() {
    local files
    click 301 124 # open
    files=$(firmware_third_window "$main_window" "$firmware_dialog") || fail "no file dialog"
    xdotool windowactivate --sync "$files" 2>/dev/null || xdotool windowfocus --sync "$files"
    xdotool type --delay 15 "$1"
    xdotool key --clearmodifiers Return
    firmware_gone "$files" || fail "the file dialog did not close"
}
# One update in the language shown: title $1, screenshot tag $2, image $3 at version $4.
firmware_round() {
    firmware_open_window "$1"
    point 200 160
    shot "60-firmware-$2-before"
    firmware_pick "$3"
    point 200 160
    shot "61-firmware-$2-file-chosen"
    click 88 218 # update; the download takes four seconds
    shot "62-firmware-$2-during"
    answer QelEC "63-firmware-$2-result"
    shot "64-firmware-$2-after"
    firmware_keyboard_at "$4"
    click 343 27 # close
    firmware_gone "$firmware_dialog" || fail "the firmware window did not close"
}

step "firmware update on a QelEC(RGB) at 2.10"
"$vkbd" create --variant 4 --version 'QelEC(RGB);V2.10' --force >/dev/null
"$vkbd" transfer-time 4000 >/dev/null
for version in 2.05 3.00 3.10 3.20; do
    "$vkbd" make-firmware --variant 4 --version "$version" "$work/QelEC(RGB)_V$version.bin" >/dev/null
done
start_program
step "an image older than the keyboard's firmware is refused"
firmware_open_window 键盘固件升级
firmware_pick "$work/QelEC(RGB)_V2.05.bin"
answer QelEC 59-firmware-zh-older-refused
click 343 27 # close
firmware_gone "$firmware_dialog" || fail "the firmware window did not close"
firmware_keyboard_at 2.10
firmware_round 键盘固件升级 zh "$work/QelEC(RGB)_V3.00.bin" 3.00
use_main_window
click 964 110 # language
firmware_round 'Firmware Update' en "$work/QelEC(RGB)_V3.10.bin" 3.10

step "closing the firmware window during a download"
firmware_open_window 'Firmware Update'
firmware_pick "$work/QelEC(RGB)_V3.20.bin"
click 88 218 # update
click 343 27 # close at once
firmware_gone "$firmware_dialog" || fail "the firmware window did not close during the download"
answer QelEC 65-firmware-en-result-after-closing
firmware_keyboard_at 3.20
alive
stop_program
