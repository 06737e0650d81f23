#!/usr/bin/env bash
# The Debian package as a player meets it: built with cpack, accepted by Debian's own checker,
# its control data and contents checked, its dependencies resolved for a clean Debian system,
# unpacked into a scratch root, then started from its menu entry on a virtual display, where the
# About box's "Правила" must hand the desktop's opener the installed rules file.
# Usage: debian_package.sh CPACK BUILD-DIR VERSION CONFIG
set -euo pipefail
cpack="$1" build="$2" version="$3" config="$4"
app_id=org.zeltaro.Zeltaro
work=

fail() {
    echo "FAIL: $*" >&2
    [ -s "${work:-/nonexistent}/program.log" ] && sed 's/^/  program: /' "$work/program.log" >&2
    exit 1
}

# Without a display, brings up a virtual one and runs again inside it.
if [ -z "${ZELTARO_IN_XVFB:-}" ]; then
    for tool in "$cpack" dpkg-deb lintian man xvfb-run xdotool xprop; do
        command -v "$tool" >/dev/null || fail "$tool is missing: scripts/deps installs it"
    done
    exec env ZELTARO_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" "$@"
fi
work="$(mktemp -d)"
trap 'kill "${pid:-}" 2>/dev/null; rm -rf "$work"' EXIT

"$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    fail "cpack could not build the package: $(tail -20 "$work/cpack.log")"
deb="$work/out/zeltaro_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no package named $(basename "$deb") in: $(ls "$work/out")"

# Debian's checker: no error, no warning, and no informational tag but those the package
# overrides, each with its reason, in cmake/zeltaro.lintian-overrides. A Debug build is not
# optimised, so libc's checked calls cannot be in it: lintian's note of that is expected there.
expected=()
[ "$config" != Debug ] || expected=(--suppress-tags hardening-no-fortify-functions)
# Lintian leaves a cache file in the temporary folder: the work folder's, which goes.
TMPDIR="$work" lintian --fail-on error,warning,info --display-info "${expected[@]}" "$deb" \
    >"$work/lintian.log" 2>&1 ||
    fail "lintian finds fault with the package:
$(grep -v '^running with root' "$work/lintian.log")"

# Control data: the name, version and section a package manager shows, and the Qt runtime.
field() { dpkg-deb -f "$deb" "$1"; }
control="$(field Package) $(field Version) $(field Section)"
[ "$control" = "zeltaro $version games" ] || fail "control data: $control"
for lib in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n; do
    grep -Eq "(^|, )$lib( |,|$)" <<<"$(field Depends)" || fail "Depends lacks $lib: $(field Depends)"
done

# Contents: everything under /usr, and every file the desktop and the program need.
files="$(dpkg-deb -c "$deb" | sed 's/ -> .*//' | awk '{print $NF}' | sed 's|^\./|/|' | grep -v '/$')"
! grep -v '^/usr/' <<<"$files" || fail "files outside /usr"
icons=/usr/share/icons/hicolor
for f in /usr/games/zeltaro{,-vnc} /usr/share/zeltaro/HelpZeltaro.txt /usr/share/man/man6/zeltaro.6.gz \
    /usr/share/doc/zeltaro/{copyright,changelog.gz} \
    /usr/share/{applications/$app_id.desktop,metainfo/$app_id.metainfo.xml} \
    $icons/scalable/apps/$app_id.svg $icons/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$app_id.png; do
    grep -qx "$f" <<<"$files" || fail "the package lacks $f"
done

# A clean Debian system: apt resolves the package against the archive's lists alone.
if compgen -G "/var/lib/apt/lists/*_Packages*" >/dev/null; then
    : >"$work/empty-status"
    apt-get install -s --no-install-recommends -o Debug::NoLocking=true \
        -o Dir::State::status="$work/empty-status" "$deb" >"$work/apt.log" 2>&1 &&
        grep -q '^Inst zeltaro ' "$work/apt.log" ||
        fail "apt cannot install the package on a clean system: $(tail -20 "$work/apt.log")"
    # With what it recommends, the headless launcher's programs: no terminal emulator comes.
    apt-get install -s -o Debug::NoLocking=true -o Dir::State::status="$work/empty-status" "$deb" |
        awk '/^Inst / { print $2 }' | sort >"$work/recommended"
    grep -qx openbox "$work/recommended" || fail "the package does not bring a window manager"
    apt-cache showpkg x-terminal-emulator | sed '1,/^Reverse Provides:/d' | awk '{ print $1 }' |
        sort -u | comm -12 - "$work/recommended" | grep . && fail "the package brings a terminal emulator"
else
    echo "note: no package lists here (apt-get update), clean-system resolution not checked"
fi

# Started as a desktop menu does: the entry's command, without the file a menu may pass, with
# root's PATH, which lacks the games' folders, in the home folder; the desktop's opener notes
# what it is asked to open. `man zeltaro` finds the page where the package put it.
root="$work/root"
dpkg -x "$deb" "$root"
[ "$(MANPATH="$root/usr/share/man" man -w zeltaro)" = "$root/usr/share/man/man6/zeltaro.6.gz" ] ||
    fail "man does not find the manual page"
entry="$root/usr/share/applications/$app_id.desktop"
mkdir -p "$work/home" "$work/opener"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$work/opened" >"$work/opener/xdg-open"
chmod +x "$work/opener/xdg-open"
command="$(sed -n 's/^Exec=//p' "$entry" | sed 's/ *%[fFuUick]//g')"
export PATH="$work/opener:/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin"
[ "${command%% *}" = /usr/games/zeltaro ] || fail "the entry's command '$command' is not the installed program"
cd "$work/home"
env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
    -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    sh -c "exec $root$command" >"$work/program.log" 2>&1 &
pid=$!

window="$(timeout 30 xdotool search --sync --onlyvisible --name 'Zeltaro' | head -1)" ||
    fail "no window appeared"
title="$(xdotool getwindowname "$window")"
[ "$title" = "Untitled - Zeltaro" ] || fail "the main window's title is '$title'"
# The desktop ties the window to its menu entry and icon by its class.
xprop -id "$window" WM_CLASS | grep -q "\"$(sed -n 's/^StartupWMClass=//p' "$entry")\"\$" ||
    fail "the window's $(xprop -id "$window" WM_CLASS) is not the entry's StartupWMClass"

# Alt lights the menu bar, Left wraps round to its last menu, "Помощ"; Down opens it on its
# only item, "относно играта". In the About box "Добре" has the focus; "Правила" is next.
xdotool windowfocus --sync "$window"
xdotool key alt
xdotool key Left Down Return
about="$(timeout 10 xdotool search --sync --onlyvisible --name '^About Zeltaro$' | head -1)" ||
    fail "the About box did not open"
xdotool windowfocus --sync "$about"
xdotool key Tab space
timeout 10 sh -c 'until [ -s "$1" ]; do sleep 0.1; done' sh "$work/opened" || fail "\"Правила\" opened nothing"
rules="$(realpath "$root/usr/share/zeltaro/HelpZeltaro.txt")"
[ "$(head -1 "$work/opened")" = "$rules" ] || fail "\"Правила\" opened $(head -1 "$work/opened"), not $rules"
timeout 10 sh -c 'while xdotool search --onlyvisible --name "^About Zeltaro\$" >/dev/null; do sleep 0.1; done' ||
    fail "the About box stayed open"
kill -0 "$pid" 2>/dev/null || fail "the program ended"
echo "OK"
