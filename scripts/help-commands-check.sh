#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every command the help document prints, exactly as printed, so that none is a shell error or
# fails:
#   scripts/help-commands-check.sh [BUILD_DIR]      (default: build)
# The commands are the <code class="command"> elements of app/help/QelEC.html; both languages print
# the same ones, and a <code> that reads like a command line is marked so. Each command runs in bash
# with the built qelec-ctl and qelec-vkbd first on PATH, in a temporary folder, against a fresh
# virtual keyboard there (a QelEC(RGB) of version 2.10, made just before it), after the files the
# commands name were made. A command still running after 5 s (qelec-ctl track) gets Ctrl+C, as a
# user ends it, and must then end cleanly. Commands that start the program itself (qelec) are not
# run: they need a display and someone to close the window.
set -euo pipefail
cd "$(dirname "$0")/.."
help=$PWD/app/help/QelEC.html
build=$(cd "${1:-build}" && pwd)

fail() {
    echo "help-commands-check: FAILED: $*" >&2
    exit 1
}

cmake --build "$build" -j 2 --target qelec-ctl qelec-vkbd >/dev/null

# The commands one language's section prints, one a line, as the shell is given them.
commands_in() {
    sed -n "/<section id=\"$1\"/,/<\/section>/p" "$help" |
        grep -o '<code class="command">[^<]*</code>' |
        sed -e 's/<[^>]*>//g' -e 's/&lt;/</g' -e 's/&gt;/>/g' -e 's/&quot;/"/g' -e "s/&#39;/'/g" -e 's/&amp;/\&/g'
}
unmarked=$(grep -o '<code>qelec[^< ]* [^<]*</code>' "$help" || true)
[ -z "$unmarked" ] || fail "command lines not marked class=\"command\": $unmarked"
diff <(commands_in zh) <(commands_in en) >&2 ||
    fail "the Chinese and the English help print different commands (< Chinese, > English)"
# Each command once, in the order first printed.
mapfile -t commands < <(commands_in en | awk '!seen[$0]++')
((${#commands[@]} >= 5)) || fail "found only ${#commands[@]} commands in $help"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PATH=$build/tools/ctl:$build/tools/vkbd:$PATH
export QELEC_VKBD_STATE=$work/keyboard.txt
cd "$work"
qelec-vkbd make-firmware --variant 4 --version 3.00 'QelEC(RGB)_V3.00.bin' >/dev/null

ran=0
for command in "${commands[@]}"; do
    if [ "${command%% *}" = qelec ]; then
        echo "help-commands-check: not run (starts the program): $command"
        continue
    fi
    bash -n -c "$command" 2>"$work/syntax" || fail "'$command' is a shell syntax error: $(cat "$work/syntax")"
    rm -f "$QELEC_VKBD_STATE"
    qelec-vkbd create --variant 4 --version 'QelEC(RGB);V2.10' >/dev/null
    timeout --preserve-status --kill-after=5 --signal=INT 5 bash -c "$command" </dev/null >"$work/output" 2>&1 ||
        fail "'$command' failed with exit status $?: $(tail -n 5 "$work/output")"
    ran=$((ran + 1))
done
echo "help-commands-check: $ran commands of the help document ran as printed"
