#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package into a fresh, minimal Debian root with apt (its declared dependencies
# only, no recommended packages) and starts the installed program there under Xvfb on a virtual
# keyboard. Needs root and Debian's package mirror; nothing is left behind but the screenshot of the
# first start, out/package/first-start.png.
#   scripts/package-fresh-check.sh [DEB]      (default: the one scripts/package.sh left in out/package)
set -euo pipefail
cd "$(dirname "$0")/.."
deb=${1:-$(ls out/package/qelec_*.deb)}
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")

command -v mmdebstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap

# The run inside the fresh root, as a new user would: the program's first start, with no keyboard
# made beforehand, whose message is shot and answered; then the tools on the keyboard it made; then
# the first-paint probe, which ends on its own and names the help document it found.
run='set -e
export QELEC_VKBD_STATE=/tmp/keyboard.txt XDG_RUNTIME_DIR=/tmp/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
Xvfb :77 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=:77
for i in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
timeout 120 qelec --first-paint-probe >/tmp/first-start.log 2>&1 &
timeout 60 xdotool search --sync --onlyvisible --name "^QelEC\$" >/dev/null
sleep 1
import -window root /tmp/first-start.png
xdotool key Return
wait $!
grep -q "^first-paint-ms: " /tmp/first-start.log
qelec-vkbd show | grep -q "QelEC(RGB)"
qelec-ctl counters >/dev/null
timeout 120 xvfb-run -a -s "-screen 0 1920x1080x24" qelec --first-paint-probe 2>&1 | tee /tmp/probe.log
grep -qx "help-document: /usr/share/qelec/QelEC.html (found)" /tmp/probe.log
apt-get purge -y -qq qelec >/dev/null
! ls /usr/bin/qelec /usr/share/qelec 2>/dev/null'

mkdir -p out/package
mmdebstrap --variant=apt --include=xvfb,xauth,x11-utils,xdotool,imagemagick \
    --customize-hook="copy-in '$deb' /tmp" \
    --customize-hook="chroot \"\$1\" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends /tmp/$(basename "$deb")" \
    --customize-hook="chroot \"\$1\" sh -c '${run//\'/\'\\\'\'}'" \
    --customize-hook="copy-out /tmp/first-start.png '$PWD/out/package'" \
    "$suite" /dev/null
echo "package-fresh-check: $(basename "$deb") installs on a fresh $suite root, makes its keyboard on the first start"
echo "(out/package/first-start.png), runs, finds its help, and purges cleanly"
