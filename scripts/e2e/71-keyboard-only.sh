# SPDX-License-Identifier: GPL-3.0-or-later
# The same task from the keyboard alone, no mouse event at all: Tab to the keyboard picture, arrows to
# W, Enter opens its key assignment dialog with the focus on its first control, arrows along the tab
# strip to the multimedia page, Tab to Play/Pause, Enter, Tab to OK, Enter; back in the main window the
# focus is on W again, Shift+Tab goes back to Write Keys, Enter writes, Enter answers the message.
# Each step waits until the focus is where the keys put it, as a screen reader following the focus
# hears it. Screenshots show the focus frame on a button, a key, a tab and a row, in both languages.
step "keyboard only"
# shellcheck source=reader-lib.sh
source scripts/e2e/reader-lib.sh
start_on_reader_bus
xdotool windowfocus --sync "$main_window" 2>/dev/null || true

# Presses keys $2... (xdotool names), then waits for the focus to be on the entry called $1.
keys_to() {
    local name=$1
    shift
    xdotool key --clearmodifiers "$@"
    /usr/bin/python3 -B scripts/e2e/screen-reader.py focus "$name" || fail "the focus is not on '$name'"
}
# The main window's order: the three title-bar buttons, the command row, the top layer button, then
# the keys row by row; Esc is the fifteenth stop.
keys_to Esc $(printf 'Tab %.0s' $(seq 15))
keys_to W Down Down Right Right
shot 71-zh-focus-on-key-w
xdotool key Return
key_dialog=$(other_window 按键设置面板) || fail "Enter on W opened no key assignment dialog"
/usr/bin/python3 -B scripts/e2e/screen-reader.py focus 关闭 || fail "the dialog did not open with the focus on its first control"
keys_to 单/组合键 Tab
# The macro page first, for its list: its rows come right after the tab strip.
keys_to 宏定义 Right
xdotool key Return
/usr/bin/python3 -B scripts/e2e/screen-reader.py shown 宏列表 || fail "Enter on the tab did not show the macro page"
# The play count box stands above the list, so Tab stops in it first, and the next Tab goes on.
keys_to 播放次数 Tab Tab Tab Tab Tab Tab
shot 71-zh-focus-in-count-box
xdotool key Tab
/usr/bin/python3 -B scripts/e2e/screen-reader.py focus-role 'list item' || fail "Tab did not reach the macro list"
shot 71-zh-focus-on-list-row
# Back over the list row, the play count box and Tabs 7 to 3.
keys_to 宏定义 $(printf 'shift+Tab %.0s' $(seq 7))
keys_to 多媒体 Right Right
shot 71-zh-focus-on-tab-multimedia
xdotool key Return
/usr/bin/python3 -B scripts/e2e/screen-reader.py shown 播放/暂停 || fail "Enter on the tab did not show its page"
# Tabs 5 to 7 come before the page's icons in reading order.
keys_to 播放/暂停 Tab Tab Tab Tab Tab
xdotool key Return
# The rest of the first row of icons, the second row, then Default and Clear come before OK.
keys_to 确定 $(printf 'Tab %.0s' $(seq 19))
xdotool key Return
gone "$key_dialog" || fail "Enter on OK did not close the dialog"
/usr/bin/python3 -B scripts/e2e/screen-reader.py focus W || fail "the focus did not go back to W"
keys_to 写入按键 $(printf 'shift+Tab %.0s' $(seq 42))
shot 71-zh-focus-on-write-keys
xdotool key Return
box=$(other_window Qel) || fail "no message after writing"
shot 71-zh-written
xdotool key Return
gone "$box" || fail "Enter did not answer the message"
# The virtual X server has no window manager to give the keys back to the main window after a
# message box; focus it as one would.
xdotool windowfocus --sync "$main_window" 2>/dev/null || true

# In English: the language button, W and the macro page's tab and first list row.
keys_to English $(printf 'Tab %.0s' $(seq 6))
xdotool key Return
/usr/bin/python3 -B scripts/e2e/screen-reader.py focus 简体中文 || fail "the language button's name did not follow the language"
shot 71-en-focus-on-language-button
keys_to W $(printf 'Tab %.0s' $(seq 36))
shot 71-en-focus-on-key-w
xdotool key space
key_dialog=$(other_window 'Key Settings') || fail "Space on W opened no key assignment dialog"
/usr/bin/python3 -B scripts/e2e/screen-reader.py focus Close || fail "the dialog did not open with the focus on Close"
keys_to Macro Tab Right
xdotool key Return
shot 71-en-focus-on-tab-macro
# Tabs 3 to 7, the play count box, then the first row of the macro list.
keys_to 'Times to play' Tab Tab Tab Tab Tab Tab
xdotool key Tab
/usr/bin/python3 -B scripts/e2e/screen-reader.py focus-role 'list item' || fail "Tab did not reach the macro list"
xdotool key Down
/usr/bin/python3 -B scripts/e2e/screen-reader.py focus-role 'list item' || fail "Down left the macro list"
shot 71-en-focus-on-list-row
xdotool key Escape
gone "$key_dialog" || fail "Escape did not close the key assignment dialog"
stop_program
end_reader_bus
expect_w_multimedia "$work/keyboard-only.pro"
