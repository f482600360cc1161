# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader sees it: on a session bus of its own with the desktop's accessibility
# bus, Debian's pyatspi finds the main window's Write Keys button by its Chinese name, opens the key
# assignment dialog for W through W's press action, chooses Play/Pause by its name, presses OK and
# Write Keys, and answers the message, all through accessible actions; the tree of each window met is
# listed, values of bars and scroll bars with it, and the named information and edit boxes, the travel
# gauge and the firmware progress bar are looked for by name. qelec-ctl then reads W (key 34) back as a
# multimedia function (kind 5).
step "screen reader"
prepare_keyboard 4 'QelEC(RGB);V2.10'
eval "$(dbus-launch --sh-syntax)" || fail "no session bus"
session_bus=$DBUS_SESSION_BUS_PID
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program
/usr/bin/python3 -B scripts/e2e/screen-reader.py task | tee "$out/70-screen-reader-trees.txt" ||
    { kill "$session_bus" 2>/dev/null; fail "the screen reader could not do the task"; }
shot 70-zh-after-screen-reader
stop_program
kill "$session_bus" 2>/dev/null || true
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON DBUS_SESSION_BUS_ADDRESS DBUS_SESSION_BUS_PID
"$ctl" read "$work/screen-reader.pro" >/dev/null || fail "qelec-ctl could not read the keyboard"
grep -q '<KEY ID="34" Level="0" Mode="5"' "$work/screen-reader.pro" ||
    fail "W is not a multimedia function on the keyboard: $(grep '<KEY ID="34" Level="0"' "$work/screen-reader.pro")"
step "W reads back as $(grep -o '<KEY ID="34" Level="0" Mode="5" HWCode="[0-9]*"' "$work/screen-reader.pro")"
