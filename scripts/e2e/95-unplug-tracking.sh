# SPDX-License-Identifier: GPL-3.0-or-later
# Unplugging the keyboard while the travel view polls: the view closes by itself and the program ends
# with its message.
step "unplugging while the travel view polls"
prepare_keyboard 4 'QelEC(RGB);V2.10'
start_program
use_main_window
click 863 110 # rapid trigger
rapid=$(other_window 'QelEC Rapid Trigger') || fail "no rapid-trigger window"
use_window "$rapid"
click 425 68 # track
other_window 'QelEC Key Travel' >/dev/null || fail "no travel window"
"$vkbd" unplug >/dev/null
answer QelEC 60-unplugged-while-tracking
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program" 2>/dev/null && fail "the program kept running without its keyboard"
wait "$program" || fail "the program ended with an error after the keyboard went"
program=
