# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader sees it: on a session bus of its own with the desktop's accessibility
# bus, Debian's pyatspi finds the main window's Write Keys button by its Chinese name, opens the key
# assignment dialog for W through W's press action, chooses Play/Pause by its name, presses OK and
# Write Keys, and answers the message, all through accessible actions; the tree of each window met is
# listed, values of bars and scroll bars with it, and the named information and edit boxes, the travel
# gauge and the firmware progress bar are looked for by name. qelec-ctl then reads W (key 34) back as a
# multimedia function (kind 5).
step "screen reader"
# shellcheck source=reader-lib.sh
source scripts/e2e/reader-lib.sh
start_on_reader_bus
/usr/bin/python3 -B scripts/e2e/screen-reader.py task | tee "$out/70-screen-reader-trees.txt" ||
    { end_reader_bus; fail "the screen reader could not do the task"; }
shot 70-zh-after-screen-reader
stop_program
end_reader_bus
expect_w_multimedia "$work/screen-reader.pro"
