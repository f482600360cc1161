#!/usr/bin/env bash
# Installs the Debian package into a fresh, minimal Debian root with apt (its declared dependencies
# only, no recommended packages) and starts the installed program there under Xvfb on a virtual
# keyboard. Needs root and Debian's package mirror; nothing is left behind.
#   scripts/package-fresh-check.sh [DEB]      (default: the one scripts/package.sh left in out/package)
set -euo pipefail
cd "$(dirname "$0")/.."
deb=${1:-$(ls out/package/qelec_*.deb)}
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")

command -v mmdebstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap

# The run inside the fresh root: the tools, then the program's first-paint probe, which ends on its
# own and names the help document it found.
run='set -e
export QELEC_VKBD_STATE=/tmp/keyboard.txt XDG_RUNTIME_DIR=/tmp/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
qelec-vkbd create --variant 4 --version "QelEC(RGB);V2.10" --force
qelec-ctl counters >/dev/null
timeout 120 xvfb-run -a -s "-screen 0 1920x1080x24" qelec --first-paint-probe 2>&1 | tee /tmp/probe.log
grep -qx "help-document: /usr/share/qelec/QelEC.html (found)" /tmp/probe.log
apt-get purge -y -qq qelec >/dev/null
! ls /usr/bin/qelec /usr/share/qelec 2>/dev/null'

mmdebstrap --variant=apt --include=xvfb,xauth \
    --customize-hook="copy-in '$deb' /tmp" \
    --customize-hook="chroot \"\$1\" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends /tmp/$(basename "$deb")" \
    --customize-hook="chroot \"\$1\" sh -c '${run//\'/\'\\\'\'}'" \
    "$suite" /dev/null
echo "package-fresh-check: $(basename "$deb") installs on a fresh $suite root, runs, finds its help, and purges cleanly"
