#!/usr/bin/env bash
# Starts the installed game the way a desktop menu does (the entry's command, in the home
# folder) on the display in DISPLAY, waits for its main window, then opens the About box from
# the menu with the keyboard and presses "Правила": the desktop's opener must be handed the
# installed rules file. Needs xdotool and xprop.
# Usage: start_from_menu.sh ROOT WORK-DIR   (ROOT is / for a package installed on this system)
set -euo pipefail
root="$(realpath "$1")"
work="$2"
app_id=org.zeltaro.Zeltaro
entry="$root/usr/share/applications/$app_id.desktop"
rules="$(realpath "$root/usr/share/zeltaro/HelpZeltaro.txt")"

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log" >&2
    exit 1
}

# Waits up to $1 seconds for the command to succeed.
wait_for() {
    local seconds="$1"
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

mkdir -p "$work/home" "$work/opener"
# The desktop's opener, replaced by one that notes what it is asked to open.
cat >"$work/opener/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$work/opened"
EOF
chmod +x "$work/opener/xdg-open"

# The entry's command, without the file a menu may pass: the program found on the PATH.
command="$(sed -n 's/^Exec=//p' "$entry" | sed 's/ *%[fFuUick]//g')"
[ -n "$command" ] || fail "the menu entry has no command"
export PATH="$work/opener:$root/usr/bin:$PATH"
[ "$(command -v "${command%% *}")" = "$root/usr/bin/zeltaro" ] ||
    fail "the entry's command '$command' is not the installed program"

cd "$work/home"
env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
    -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    sh -c "exec $command" >"$work/program.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window="$(timeout 30 xdotool search --sync --onlyvisible --name 'Zeltaro' | head -1)" ||
    fail "no window appeared"
title="$(xdotool getwindowname "$window")"
[ "$title" = "Untitled - Zeltaro" ] || fail "the main window's title is '$title'"
echo "main window: '$title'"

# The desktop ties the window to its menu entry and icon by its class.
wm_class="$(sed -n 's/^StartupWMClass=//p' "$entry")"
xprop -id "$window" WM_CLASS | grep -q "\"$wm_class\"\$" ||
    fail "the window's class $(xprop -id "$window" WM_CLASS) is not the entry's $wm_class"

# Alt lights the menu bar, Left wraps round to its last menu, "Помощ"; Down opens it on its
# only item, "относно играта".
xdotool windowfocus --sync "$window"
xdotool key alt
xdotool key Left Down Return
about="$(timeout 10 xdotool search --sync --onlyvisible --name '^About Zeltaro$' | head -1)" ||
    fail "the About box did not open"

# "Добре" has the focus; "Правила" is next.
xdotool windowfocus --sync "$about"
xdotool key Tab space
wait_for 10 test -s "$work/opened" || fail "\"Правила\" opened nothing"
opened="$(head -1 "$work/opened")"
[ "$opened" = "file://$rules" ] || fail "\"Правила\" opened $opened, not $rules"
echo "rules: $opened"

about_gone() { ! xdotool search --onlyvisible --name '^About Zeltaro$' >/dev/null; }
wait_for 10 about_gone || fail "the About box stayed open"
kill -0 "$pid" 2>/dev/null || fail "the program ended"
