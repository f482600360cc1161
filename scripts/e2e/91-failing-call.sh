# SPDX-License-Identifier: GPL-3.0-or-later
# One keyboard call failing part-way through Read All: the program says so, keeps what it showed, and
# reads everything once the keyboard answers again.
step "a call failing part-way through Read All"
prepare_keyboard 4 'QelEC(RGB);V2.10'
start_program
"$vkbd" fail --call 300 >/dev/null
click 571 110 # read all
answer QelEC 91-read-all-failed-at-call-300
point 408 300 # hover E: still the factory function, nothing of the failed read taken over
shot 92-hover-e-after-failed-read
"$vkbd" show | grep -q ' from now ' && fail "the 300th call did not fail"
click 571 110 # read all again
answer Qel 93-read-all-again-done
point 408 300 # hover E: the mouse function the keyboard holds
shot 94-hover-e-after-read-again
alive
stop_program
