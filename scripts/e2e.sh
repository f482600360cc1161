#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built program for real under a virtual X server on a virtual keyboard whose keys were set
# with qelec-ctl, clicks it with xdotool as a user would, and leaves screenshots in OUT:
#   scripts/e2e.sh [BUILD_DIR] [OUT]      (defaults: build, out/e2e)
# Fails when the program does not come up, does not answer a click, or ends unexpectedly.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-out/e2e}
mkdir -p "$out"
out=$(cd "$out" && pwd)

# shellcheck source=e2e/lib.sh
source scripts/e2e/lib.sh

# Every scenario, in the order of their names; each starts and stops the program itself. Pass scenario
# names (such as 10-main-window) as further arguments to run only those.
if (($# >= 2)); then shift 2; else set --; fi
scenarios=("$@")
for scenario in scripts/e2e/[0-9]*.sh; do
    name=$(basename "$scenario" .sh)
    if ((${#scenarios[@]})) && [[ ! " ${scenarios[*]} " == *" $name "* ]]; then
        continue
    fi
    step "scenario $name"
    # shellcheck source=/dev/null
    source "$scenario"
done
step "done: screenshots in $out"
