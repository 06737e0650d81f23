#!/usr/bin/env bash
# Runs a command on the current X display under a window manager, openbox: openbox starts the
# command once it manages the screen and leaves when the command ends. The command's status is
# the script's.
set -u
if [ "${1-}" = --managed ]; then
    shift
    "$@"
    echo $? >"$ZELTARO_WM_STATUS"
    exec openbox --exit
fi
ZELTARO_WM_STATUS=$(mktemp) || exit 1
export ZELTARO_WM_STATUS ZELTARO_WINDOW_MANAGER=openbox
trap 'rm -f "$ZELTARO_WM_STATUS"' EXIT
openbox --sm-disable --startup "$(printf '%q ' "$0" --managed "$@")"
status=$(cat "$ZELTARO_WM_STATUS")
exit "${status:-1}"
