#!/usr/bin/env bash
# Installs the built game into a scratch prefix and checks the tree, the launcher through its
# symbolic link, the example story, the window's identity on X11 and Wayland, the desktop files
# (with Debian's validators when present) and the .deb package (with lintian when present).
set -euo pipefail
build="$1"
source "$(dirname "$0")/../desktop/display_servers.sh"

prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" > /dev/null

for path in lib/zoa/zoa lib/zoa/dat1/zoa.txt lib/zoa/dat1/end.txt lib/zoa/dat2/opn.bmp \
    lib/zoa/dat2/bgm.wav games/zoa bin/zoa-content \
    share/applications/org.zoagame.Zoa.desktop share/metainfo/org.zoagame.Zoa.metainfo.xml \
    share/icons/hicolor/32x32/apps/zoa.png share/icons/hicolor/256x256/apps/zoa.png \
    share/man/man6/zoa.6.gz share/man/man1/zoa-content.1.gz share/doc/zoa/copyright; do
    [ -e "$prefix/$path" ] || fail "missing $path"
done
[ "$(readlink "$prefix/games/zoa")" = "../lib/zoa/zoa" ] || fail "games/zoa is not a relative link"
grep -q "^Exec=$prefix/games/zoa$" "$prefix/share/applications/org.zoagame.Zoa.desktop" \
    || fail "the desktop entry does not start the installed launcher"

# Started through the link, the game finds its content beside the real program file.
log="$scratch/run.log"
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy QT_LOGGING_RULES="zoa.trace.debug=true" \
    timeout -s INT 4 "$prefix/games/zoa" > "$log" 2>&1 || true
grep -q "zoa.trace: title" "$log" || { cat "$log"; fail "the launcher did not reach the title"; }
if grep -q "zoa.content" "$log"; then cat "$log"; fail "content warnings through the launcher"; fi

# Without a folder, the authors' tool checks the installed game's content: found and clean.
(cd "$scratch" && "$prefix/bin/zoa-content" check --plays 0 > "$scratch/check.log") \
    || { cat "$scratch/check.log"; fail "zoa-content check of the installed content"; }
grep -q "^zoa-content check: 0 errors" "$scratch/check.log" || fail "no summary from the check"

# The demo story installed as an example: one sources folder whose copy packs into a game
# folder; the game folder and the sources folder both check clean.
cp -r "$prefix/share/doc/zoa/examples/demo" "$scratch/demo"
(cd "$scratch" && "$prefix/bin/zoa-content" pack demo -o game \
    && "$prefix/bin/zoa-content" check game && "$prefix/bin/zoa-content" check demo) \
    > "$scratch/demo.log" 2>&1 \
    || { cat "$scratch/demo.log"; fail "the installed example does not pack and check"; }
[ "$(grep -c "^zoa-content check: 0 errors, 0 warnings" "$scratch/demo.log")" = 2 ] \
    || { cat "$scratch/demo.log"; fail "the installed example does not check clean"; }
[ -f "$scratch/game/dat2/opn.bmp" ] && [ -f "$scratch/game/dat2/bgm.wav" ] \
    || fail "the installed example's pictures and sounds were not packed"

# An author's first story on the installed package: "new" writes sources that check finds clean.
(cd "$scratch" && "$prefix/bin/zoa-content" new mystory && "$prefix/bin/zoa-content" check mystory) \
    > "$scratch/new.log" 2>&1 || { cat "$scratch/new.log"; fail "zoa-content new, then check"; }
grep -q "^zoa-content check: 0 errors, 0 warnings" "$scratch/new.log" \
    || { cat "$scratch/new.log"; fail "the story zoa-content new writes does not check clean"; }

# Desktops match a window to its entry by the entry's id: the Wayland app_id, and on X11 the
# class of WM_CLASS, named in the entry as StartupWMClass.
entry="$prefix/share/applications/org.zoagame.Zoa.desktop"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wm_class" ] || fail "the desktop entry names no StartupWMClass"
start_xvfb 1920x1080
start_game "$prefix/games/zoa" "$scratch/x11.log" QT_QPA_PLATFORM=xcb
wait_for "$scratch/x11.log" "zoa.trace: painted" || fail "no window on X11"
window_class=$(xprop -name ZOA WM_CLASS)
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

# The Debian package: its file list and its dependencies.
(cd "$build" && cpack -G DEB -B "$scratch/package" > /dev/null)
deb=$(ls "$scratch"/package/zoa_*.deb)
contents=$(dpkg-deb -c "$deb")
for path in ./usr/lib/zoa/zoa ./usr/lib/zoa/dat1/zoa.txt ./usr/lib/zoa/dat2/opn.bmp \
    ./usr/games/zoa ./usr/bin/zoa-content ./usr/share/applications/org.zoagame.Zoa.desktop \
    ./usr/share/icons/hicolor/48x48/apps/zoa.png ./usr/share/man/man6/zoa.6.gz \
    ./usr/share/doc/zoa/examples/demo/story/zoa.txt \
    ./usr/share/doc/zoa/examples/demo/pictures/opn.bmp \
    ./usr/share/doc/zoa/examples/demo/sounds/bgm.wav; do
    grep -q " $path" <<< "$contents" || fail "the package lacks $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libsdl2-mixer-2.0-0 fonts-ipafont-gothic; do
    grep -q "$needed" <<< "$depends" || fail "the package does not depend on $needed"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] \
    || fail "the package does not recommend qt6-wayland, the native Wayland platform"
changelog="$(dirname "$0")/../../packaging/changelog"
[ "$(dpkg-parsechangelog -l "$changelog" -S Version)" = "$(dpkg-deb -f "$deb" Version)" ] \
    || fail "packaging/changelog has no entry for version $(dpkg-deb -f "$deb" Version)"
if command -v lintian > /dev/null; then
    lintian --fail-on error,warning "$deb" || fail "lintian finds errors or warnings in the package"
fi
echo "install tree, launcher, window identity, desktop files and package: all good"
