#!/usr/bin/env bash
# Installs the built game into a scratch prefix and checks the tree: the story installed once
# and reached through links, the game and the authors' tool on it (the package's own tests,
# pointed at the prefix), the window's identity on X11 and Wayland, and the desktop files (with
# Debian's validators when present).
set -euo pipefail
build="$1"
source "$(dirname "$0")/../desktop/display_servers.sh"
package_tests="$(dirname "$0")/../../debian/tests"

prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" > /dev/null

for path in lib/zoa/zoa bin/zoa-content share/games/zoa/dat1/zoa.txt \
    share/games/zoa/demo/story/zoa.txt share/games/zoa/demo/pictures/opn.bmp \
    share/games/zoa/demo/pictures/opn.description \
    share/games/zoa/demo/sounds/bgm.wav \
    share/applications/org.zoagame.Zoa.desktop share/metainfo/org.zoagame.Zoa.metainfo.xml \
    share/icons/hicolor/32x32/apps/zoa.png share/icons/hicolor/256x256/apps/zoa.png \
    share/man/man6/zoa.6 share/man/man1/zoa-content.1; do
    [ -f "$prefix/$path" ] || fail "missing $path"
done
while read -r link target; do
    [ "$(readlink "$prefix/$link")" = "$target" ] || fail "$link is not a link to $target"
done << 'ROWS'
games/zoa ../lib/zoa/zoa
lib/zoa/dat1 ../../share/games/zoa/dat1
lib/zoa/dat2 ../../share/games/zoa/dat2
share/games/zoa/dat2/opn.bmp ../demo/pictures/opn.bmp
share/games/zoa/dat2/opn.description ../demo/pictures/opn.description
share/games/zoa/dat2/bgm.wav ../demo/sounds/bgm.wav
ROWS
# The pictures and sounds are installed once: the game's dat2/ holds links only.
for file in "$prefix"/share/games/zoa/dat2/*; do
    [ -L "$file" ] || fail "${file#"$prefix"/} is a copy, not a link"
done
grep -q "^Exec=$prefix/games/zoa$" "$prefix/share/applications/org.zoagame.Zoa.desktop" \
    || fail "the desktop entry does not start the installed launcher"

ZOA_PREFIX="$prefix" "$package_tests/first-choice" || fail "the game on the installed tree"
ZOA_PREFIX="$prefix" "$package_tests/author-tool" || fail "zoa-content on the installed tree"

# Desktops match a window to its entry by the entry's id: the Wayland app_id, and on X11 the
# class of WM_CLASS, named in the entry as StartupWMClass.
entry="$prefix/share/applications/org.zoagame.Zoa.desktop"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wm_class" ] || fail "the desktop entry names no StartupWMClass"
start_xvfb 1920x1080
start_game "$prefix/games/zoa" "$scratch/x11.log" QT_QPA_PLATFORM=xcb
wait_for "$scratch/x11.log" "zoa.trace: painted" || fail "no window on X11"
window_class=$(xprop -id "$(game_window)" WM_CLASS)
[[ "$window_class" == *", \"$wm_class\"" ]] || fail "$window_class, not the class $wm_class"
stop_display_servers
start_weston 1920 1080
start_game "$prefix/games/zoa" "$scratch/wayland.log" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1
wait_for "$scratch/wayland.log" "zoa.trace: painted" || fail "no window on Wayland"
entry_id=$(basename "$entry" .desktop)
grep -q "xdg_toplevel@[0-9]*\\.set_app_id(\"$entry_id\")" "$scratch/wayland.log" \
    || fail "Wayland app_id: $(grep -o 'set_app_id(.*)' "$scratch/wayland.log")"
stop_display_servers

if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate "$prefix/share/applications/org.zoagame.Zoa.desktop"
fi
if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.zoagame.Zoa.metainfo.xml"
fi
echo "install tree, the story once, the game and tool on it, window identity, desktop files: all good"
