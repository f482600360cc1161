# SPDX-License-Identifier: GPL-3.0-or-later
# The first start on an account where no keyboard was ever made: the program makes the factory
# QelEC(RGB), says so once in both languages, and comes up on it; the next start says nothing.
step "first start without a keyboard"
rm -f "$QELEC_VKBD_STATE" "$QELEC_VKBD_STATE".*
"$qelec" >"$work/qelec.log" 2>&1 &
program=$!
answer QelEC 01-first-start-message
main_window=$(timeout 20 xdotool search --sync --onlyvisible --name '^QelEC$' | head -1) || fail "no main window after the first start"
shot 02-first-start-main-window
"$vkbd" show | grep -q 'QelEC(RGB)' || fail "the first start made no QelEC(RGB): $("$vkbd" show 2>&1 | head -3)"
stop_program
start_program
[ "$(xdotool search --onlyvisible --name '^QelEC$' | wc -l)" -eq 1 ] || fail "the second start spoke of a first start again"
stop_program
