# SPDX-License-Identifier: GPL-3.0-or-later
# What the screen reader and keyboard-only scenarios share: the program on a session bus of its own
# with accessibility on, and W read back from the keyboard as Play/Pause at the end.
session_bus=

# Prepares a keyboard and starts the program on a new session bus, as a screen reader would find it.
start_on_reader_bus() {
    prepare_keyboard 4 'QelEC(RGB);V2.10'
    eval "$(dbus-launch --sh-syntax)" || fail "no session bus"
    session_bus=$DBUS_SESSION_BUS_PID
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    start_program
}

end_reader_bus() {
    kill "$session_bus" 2>/dev/null || true
    unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON DBUS_SESSION_BUS_ADDRESS DBUS_SESSION_BUS_PID
}

# Reads the keyboard into profile $1 and fails unless W (key 34) is a multimedia function (kind 5).
expect_w_multimedia() {
    local profile=$1
    "$ctl" read "$profile" >/dev/null || fail "qelec-ctl could not read the keyboard"
    grep -q '<KEY ID="34" Level="0" Mode="5"' "$profile" ||
        fail "W is not a multimedia function on the keyboard: $(grep '<KEY ID="34" Level="0"' "$profile")"
    step "W reads back as $(grep -o '<KEY ID="34" Level="0" Mode="5" HWCode="[0-9]*"' "$profile")"
}
