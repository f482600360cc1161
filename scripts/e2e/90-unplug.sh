# SPDX-License-Identifier: GPL-3.0-or-later
# Unplugging the keyboard while the program runs ends it with its message.
step "unplugging while the program runs"
start_program
"$vkbd" unplug >/dev/null
answer QelEC 10-unplugged-message
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program" 2>/dev/null && fail "the program kept running without its keyboard"
program=
