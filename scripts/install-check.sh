#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a temporary DESTDIR and checks the install as a desktop and a user see it:
#   scripts/install-check.sh [BUILD_DIR] [--package]     (default: build)
# The desktop entry and the AppStream metainfo validate, the icons have their declared pixel sizes,
# the manual pages and bash completions are there and know every command, the installed tools run
# and give each command's help either way, the three programs' --version, the changelog and the
# metainfo agree, and the installed program starts under Xvfb on a virtual keyboard and finds its
# help document.
# With --package it also builds the Debian package (scripts/package.sh) and checks its contents,
# dependencies and lintian's verdict. Any failed check fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=build
package=false
for argument in "$@"; do
    case $argument in
        --package) package=true ;;
        *) build=$argument ;;
    esac
done
build=$(cd "$build" && pwd)

app_id=org.qelec.Qelec
icon_sizes=(16 22 24 32 48 64 128 256)
prefix=/opt/qelec-check

work=$(mktemp -d)
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

checks=0
step() { echo "install-check: $*"; }
fail() {
    echo "install-check: FAILED: $*" >&2
    exit 1
}
ok() {
    checks=$((checks + 1))
    echo "install-check: ok: $*"
}

cmake --build "$build" -j 2 --target qelec qelec-ctl qelec-vkbd qelec_dist_files >/dev/null

step "installing into a temporary DESTDIR under the prefix $prefix"
destdir=$work/root
DESTDIR=$destdir cmake --install "$build" --prefix "$prefix" >"$work/install.log"
grep -q "$destdir$prefix/bin/qelec\$" "$work/install.log" || fail "the install ignored DESTDIR: $(cat "$work/install.log")"
tree=$destdir$prefix
share=$tree/share
expected=(
    bin/qelec bin/qelec-ctl bin/qelec-vkbd
    share/qelec/QelEC.html share/qelec/screenshots/main-window.png
    share/applications/$app_id.desktop
    share/metainfo/$app_id.metainfo.xml
    share/icons/hicolor/scalable/apps/$app_id.svg
    share/man/man1/qelec.1.gz share/man/man1/qelec-ctl.1.gz share/man/man1/qelec-vkbd.1.gz
    share/bash-completion/completions/qelec-ctl share/bash-completion/completions/qelec-vkbd
    share/doc/qelec/copyright share/doc/qelec/changelog.gz
)
for size in "${icon_sizes[@]}"; do expected+=("share/icons/hicolor/${size}x$size/apps/$app_id.png"); done
for file in "${expected[@]}"; do
    [ -f "$tree/$file" ] || fail "not installed: $prefix/$file"
done
for program in qelec qelec-ctl qelec-vkbd; do
    [ -x "$tree/bin/$program" ] || fail "$program is not executable"
    # Nothing may tie the installed programs to the build tree.
    if readelf -d "$tree/bin/$program" | grep -qE 'RPATH|RUNPATH'; then
        fail "$program keeps a run path: $(readelf -d "$tree/bin/$program" | grep -E 'RPATH|RUNPATH')"
    fi
done
ok "${#expected[@]} files installed under DESTDIR$prefix"

step "desktop entry and AppStream metainfo"
desktop=$share/applications/$app_id.desktop
metainfo=$share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $app_id.desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $app_id.metainfo.xml"
entry() { awk -v key="$1" 'index($0, key "=") == 1 { print substr($0, length(key) + 2) }' "$desktop"; }
for key in Name GenericName Comment 'Comment[zh_CN]' Categories Icon Keywords Exec; do
    [ -n "$(entry "$key")" ] || fail "the desktop entry has no $key"
done
[ "$(entry Icon)" = "$app_id" ] || fail "the desktop entry's icon is '$(entry Icon)', not $app_id"
[ -x "$tree/bin/$(entry Exec | cut -d' ' -f1)" ] || fail "the desktop entry runs '$(entry Exec)', which is not installed"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo's id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
grep -q '<screenshot type="default">' "$metainfo" || fail "the metainfo has no screenshot"
# Each screenshot is installed as it is published, at the size the metainfo declares.
while read -r width height name; do
    shot=$share/qelec/screenshots/$name
    [ -f "$shot" ] || fail "the metainfo shows $name, which is not installed in share/qelec/screenshots/"
    [ "$(identify -format '%w %h' "$shot")" = "$width $height" ] ||
        fail "$name is $(identify -format '%wx%h' "$shot") pixels, the metainfo says ${width}x$height"
done < <(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">.*/\([^/<]*\)</image>.*|\1 \2 \3|p' "$metainfo")
grep -q '<release version="' "$metainfo" || fail "the metainfo has no release"
ok "desktop-file-validate and appstreamcli validate --no-net pass, ids agree"

step "icons"
for size in "${icon_sizes[@]}"; do
    png=$share/icons/hicolor/${size}x$size/apps/$app_id.png
    actual=$(identify -format '%wx%h' "$png")
    [ "$actual" = "${size}x$size" ] || fail "the ${size}x$size icon is $actual pixels"
    # An icon is mostly drawn, not empty: its middle pixel is opaque.
    alpha=$(convert "$png" -alpha extract -format "%[fx:p{$((size / 2)),$((size / 2))}]" info:)
    [ "$alpha" = 1 ] || fail "the ${size}x$size icon is transparent in the middle"
done
rsvg-convert --width=48 --height=48 --output="$work/scalable.png" "$share/icons/hicolor/scalable/apps/$app_id.svg" ||
    fail "the scalable icon does not draw"
ok "icons at ${icon_sizes[*]} pixels and a scalable one"

step "the command-line tools, their manual pages and completions"
export MANWIDTH=200 LC_ALL=C.UTF-8
"$tree/bin/qelec-ctl" --help >"$work/ctl-help.txt" || fail "the installed qelec-ctl --help failed"
"$tree/bin/qelec-vkbd" --help >"$work/vkbd-help.txt" || fail "the installed qelec-vkbd --help failed"
# The commands each tool lists in its --help, under "commands:".
commands_of() { awk '/^commands:/{on=1; next} on && /^$/{exit} on && /^  [a-z]/{print $1}' "$1"; }
mapfile -t ctl_commands < <(commands_of "$work/ctl-help.txt")
mapfile -t vkbd_commands < <(commands_of "$work/vkbd-help.txt")
((${#ctl_commands[@]} >= 5 && ${#vkbd_commands[@]} >= 10)) ||
    fail "could not read the tools' commands: ${ctl_commands[*]} / ${vkbd_commands[*]}"
for page in qelec qelec-ctl qelec-vkbd; do
    gzip -t "$share/man/man1/$page.1.gz" || fail "$page.1.gz is not gzip"
    # As man shows it, in plain ASCII, unhyphenated; groff's warnings fail the check.
    man --warnings --nh --nj -E ascii -l "$share/man/man1/$page.1.gz" 2>"$work/$page.warnings" |
        col -b >"$work/$page.txt"
    [ ! -s "$work/$page.warnings" ] || fail "the manual page of $page has faults: $(cat "$work/$page.warnings")"
    for section in NAME SYNOPSIS DESCRIPTION 'EXIT STATUS'; do
        grep -qx "$section" "$work/$page.txt" || fail "the manual page of $page has no $section"
    done
    # The exit codes of a tool's --help go to EXIT STATUS, not among its options.
    ! grep -qi 'exit codes:' "$work/$page.txt" || fail "the manual page of $page lists exit codes outside EXIT STATUS"
done
for command in "${ctl_commands[@]}"; do
    grep -qw -- "$command" "$work/qelec-ctl.txt" || fail "the manual page of qelec-ctl does not mention $command"
done
for command in "${vkbd_commands[@]}"; do
    grep -qw -- "$command" "$work/qelec-vkbd.txt" || fail "the manual page of qelec-vkbd does not mention $command"
done
# What bash offers after the words given, with the installed completion loaded.
complete_words() {
    local tool=$1 function=$2
    shift 2
    COMPLETION=$share/bash-completion/completions/$tool LINE="$tool $*" FUNCTION=$function bash -c '
        source /usr/share/bash-completion/bash_completion
        source "$COMPLETION"
        COMP_LINE=$LINE
        COMP_POINT=${#LINE}
        read -r -a COMP_WORDS <<<"$LINE"
        [[ $LINE == *" " ]] && COMP_WORDS+=("")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        "$FUNCTION"
        printf "%s\n" "${COMPREPLY[@]}"'
}
offers() {
    local expected=$1 tool=$2 function=$3
    shift 3
    local offered
    offered=$(complete_words "$tool" "$function" "$@")
    grep -qx -- "$expected" <<<"$offered" ||
        fail "bash completion of '$tool $*' offers ${offered//$'\n'/ }, not $expected"
}
for command in "${ctl_commands[@]}"; do offers "$command" qelec-ctl _qelec_ctl ""; done
for command in "${vkbd_commands[@]}"; do offers "$command" qelec-vkbd _qelec_vkbd ""; done
offers --variant qelec-ctl _qelec_ctl defaults --v
offers 4 qelec-ctl _qelec_ctl --state x.txt check --variant ""
offers on qelec-vkbd _qelec_vkbd mac ""
offers write-keys qelec-vkbd _qelec_vkbd --state x.txt fail ""
offers --cut qelec-vkbd _qelec_vkbd fail --c
offers --payload-bytes qelec-vkbd _qelec_vkbd make-firmware --pay
offers --version qelec-ctl _qelec_ctl --ver
offers --version qelec-vkbd _qelec_vkbd --ver
offers set qelec-ctl _qelec_ctl help triggers ""
offers help qelec-vkbd _qelec_vkbd help ""
# Each command's own help, asked for either way, is the same text.
for command in "${ctl_commands[@]}"; do
    "$tree/bin/qelec-ctl" help "$command" >"$work/own-help.txt" || fail "qelec-ctl help $command failed"
    "$tree/bin/qelec-ctl" "$command" --help | cmp -s - "$work/own-help.txt" ||
        fail "qelec-ctl $command --help differs from qelec-ctl help $command"
done
for command in "${vkbd_commands[@]}"; do
    "$tree/bin/qelec-vkbd" help "$command" >"$work/own-help.txt" || fail "qelec-vkbd help $command failed"
    "$tree/bin/qelec-vkbd" "$command" --help | cmp -s - "$work/own-help.txt" ||
        fail "qelec-vkbd $command --help differs from qelec-vkbd help $command"
done
ok "tools run; manual pages, completions and each command's help cover ${#ctl_commands[@]} + ${#vkbd_commands[@]} commands"

step "one version: the three programs, the changelog and the metainfo"
release=$(gzip -dc "$share/doc/qelec/changelog.gz" | sed -n '1s/^qelec (\([^)]*\)).*/\1/p')
[ -n "$release" ] || fail "the changelog's newest entry has no version"
metainfo_release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$metainfo_release" = "$release" ] ||
    fail "the metainfo's newest release is '$metainfo_release', the changelog's $release"
for program in qelec qelec-ctl qelec-vkbd; do
    # Without a display: --version and --help of the program need none.
    shown=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$tree/bin/$program" --version) ||
        fail "$program --version failed"
    [ "$shown" = "$program $release" ] || fail "$program --version says '$shown', the changelog $release"
done
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$tree/bin/qelec" --help | grep -q '^usage: qelec ' ||
    fail "qelec --help does not print its usage without a display"
ok "qelec, qelec-ctl and qelec-vkbd --version, the changelog and the metainfo all say $release"

step "the installed program on a virtual keyboard under Xvfb"
export QELEC_VKBD_STATE=$work/keyboard.txt
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
"$tree/bin/qelec-vkbd" create --variant 4 --version 'QelEC(RGB);V2.10' --force >/dev/null ||
    fail "the installed qelec-vkbd could not create a keyboard"
"$tree/bin/qelec-ctl" defaults "$work/factory.pro" >/dev/null || fail "the installed qelec-ctl could not read it"
# Xvfb picks a free display and writes its number once it accepts clients.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not report a display"
export DISPLAY=:$(cat "$work/display")
# Runs a program's first-paint probe, which ends on its own; says which help document it found.
probe() {
    local log=$work/probe.log
    timeout 120 "$1" --first-paint-probe >"$log" 2>&1 || fail "$1 --first-paint-probe failed: $(cat "$log")"
    grep -q '^first-paint-ms: ' "$log" || fail "$1 did not paint its main window: $(cat "$log")"
    sed -n 's/^help-document: //p' "$log"
}
installed_help=$(probe "$tree/bin/qelec")
[ "$installed_help" = "$share/qelec/QelEC.html (found)" ] ||
    fail "the installed program looks for its help at '$installed_help', not $share/qelec/QelEC.html"
ok "the installed program painted its main window and found $prefix/share/qelec/QelEC.html"
built_help=$(probe "$build/app/qelec")
[ "$built_help" = "$build/app/QelEC.html (found)" ] ||
    fail "the program in the build tree looks for its help at '$built_help', not beside itself"
ok "the program in the build tree finds the help document beside itself"

if $package; then
    step "the Debian package"
    scripts/package.sh "$build" "$work/package" >"$work/package.log" 2>&1 ||
        fail "the package did not build: $(tail -n 30 "$work/package.log")"
    deb=$(ls "$work"/package/qelec_*.deb)
    dpkg-deb --contents "$deb" >"$work/contents.txt"
    for file in "${expected[@]}"; do
        grep -q " \./usr/$file\$" "$work/contents.txt" || fail "the package lacks /usr/$file"
    done
    depends=$(dpkg-deb --field "$deb" Depends)
    for dependency in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-wqy-microhei libstdc++6; do
        [[ $depends == *"$dependency"* ]] || fail "the package does not depend on $dependency: $depends"
    done
    version=$(dpkg-deb --field "$deb" Version)
    grep -q "<release version=\"$version\"" "$share/metainfo/$app_id.metainfo.xml" ||
        fail "the metainfo has no release entry for the package's version $version"
    lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1 || fail "lintian: $(cat "$work/lintian.txt")"
    ok "package $(basename "$deb"): contents, dependencies, no lintian errors ($(grep -c '^W:' "$work/lintian.txt" || true) warnings)"
fi

echo "install-check: $checks checks passed"
