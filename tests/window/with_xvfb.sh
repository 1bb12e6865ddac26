#!/usr/bin/env bash
# Runs a command on a private virtual X server of its own, ended with it.
#   with_xvfb.sh [XVFB_OPTION...] -- COMMAND [ARG...]
# The server takes a free display itself, so tests started together never
# race for one; COMMAND gets DISPLAY and XAUTHORITY, and its status is the
# script's.
set -uo pipefail
source "$(dirname -- "${BASH_SOURCE[0]}")/../../scripts/processes.sh"
options=()
while (( $# )) && [[ $1 != -- ]]; do options+=("$1"); shift; done
(( $# >= 2 )) || { echo "Usage: with_xvfb.sh [XVFB_OPTION...] -- COMMAND [ARG...]" >&2; exit 2; }
shift
start_virtual_display "${options[@]}" || exit 1
child "$@"
