#!/usr/bin/env bash
# The Debian package as a player meets it: built with cpack, its control data and contents
# checked, its dependencies resolved for a clean Debian system, unpacked into a scratch root,
# then started from its menu entry on a virtual display (start_from_menu.sh).
# Usage: debian_package.sh CPACK BUILD-DIR VERSION
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cpack="$1"
build="$2"
version="$3"
app_id=org.zeltaro.Zeltaro

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in "$cpack" dpkg-deb dpkg-shlibdeps xvfb-run xdotool xprop; do
    command -v "$tool" >/dev/null || fail "$tool is missing: scripts/deps installs it"
done

if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack could not build the package"
fi
deb="$work/out/zeltaro_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no package named $(basename "$deb") in: $(ls "$work/out")"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# Control data: the name, version and section a package manager shows, and the Qt runtime.
dpkg-deb -f "$deb" >"$work/control"
field() { sed -n "s/^$1: //p" "$work/control"; }
[ "$(field Package)" = zeltaro ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends="$(field Depends)"
for lib in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    grep -Eq "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

# Contents: everything under /usr, and every file the desktop and the program need.
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' | grep -v '/$' | sort >"$work/files"
outside="$(grep -v '^/usr/' "$work/files" || true)"
[ -z "$outside" ] || fail "files outside /usr: $outside"
for f in /usr/bin/zeltaro /usr/share/zeltaro/HelpZeltaro.txt \
    /usr/share/applications/$app_id.desktop /usr/share/metainfo/$app_id.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/$app_id.svg; do
    grep -qx "$f" "$work/files" || fail "the package lacks $f"
done
for size in 16 32 48 64 128 256; do
    f="/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    grep -qx "$f" "$work/files" || fail "the package lacks $f"
done

# A clean Debian system: apt resolves the package against the archive's lists alone, as if
# nothing were installed yet.
if compgen -G "/var/lib/apt/lists/*_Packages*" >/dev/null; then
    : >"$work/empty-status"
    if ! apt-get install -s --no-install-recommends -o Debug::NoLocking=true \
        -o Dir::State::status="$work/empty-status" "$deb" >"$work/apt.log" 2>&1; then
        tail -20 "$work/apt.log" >&2
        fail "apt cannot install the package on a clean system"
    fi
    grep -q '^Inst zeltaro ' "$work/apt.log" || fail "apt would not install zeltaro"
    echo "clean system: $(grep -c '^Inst ' "$work/apt.log") packages would be installed"
else
    echo "note: no package lists here (apt-get update), clean-system resolution not checked"
fi

root="$work/root"
dpkg -x "$deb" "$root"
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    bash "$here/start_from_menu.sh" "$root" "$work/session"
echo "OK"
