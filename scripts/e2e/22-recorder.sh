# SPDX-License-Identifier: GPL-3.0-or-later
# Recording in the key assignment dialog: a macro typed with xdotool into a new entry of R, the
# context menu of its action rows, a combination and an emulation recorded, pages 1 to 3 while
# recording and after in both languages; the macro is assigned, written, and qelec-ctl reads it back.
step "recorder"
prepare_keyboard 4 'QelEC(RGB);V2.10'
start_program

# shellcheck source=recorder-lib.sh
source scripts/e2e/recorder-lib.sh

# The context menu of the first macro action row, screenshot $1, closed with Escape.
shoot_menu() {
    click $((56 + 78)) 65
    point 284 121
    xdotool click 3
    sleep 0.5
    shot "$1"
    xdotool key Escape
    sleep 0.3
}

for language in zh en; do
    if [ "$language" = zh ]; then title=按键设置面板; else title='Key Settings'; fi
    open_on_r "$title"
    click 241 112 # combination mode
    record_page 1 250 260 450 221 "41-$language-combo" ctrl+a shift b
    record_page 3 75 273 460 163 "42-$language-emulation" q w q
    record_page 2 75 273 462 231 "43-$language-macro" a b
    shoot_menu "44-$language-macro-menu"
    if [ "$language" = zh ]; then
        click 407 336 # OK: R plays the macro
        gone "$recorder_dialog" || fail "the key assignment dialog did not close"
        use_main_window
        click 378 110 # write key settings
        answer Qel 45-zh-keys-written
        click 964 110 # language
    else
        click 503 336 # Cancel
        gone "$recorder_dialog" || fail "the key assignment dialog did not close"
    fi
done
alive
stop_program

"$ctl" read "$work/recorded.pro" >/dev/null || fail "qelec-ctl could not read the keyboard"
grep -A12 '<KEY ID="36" Level="0"' "$work/recorded.pro" >"$work/r.txt"
grep -q 'Mode="3"' "$work/r.txt" || fail "R is no macro on the keyboard: $(head -3 "$work/r.txt")"
step "R reads back as a macro: $(tr -s ' \n' ' ' <"$work/r.txt" | cut -c1-300)"
