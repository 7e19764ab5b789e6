#!/usr/bin/env bash
# The game as a native Wayland client of a headless Weston: the title is painted, the window takes
# its size from the output's height (in logical pixels, whatever the output's scale), and asked
# to end, it closes cleanly.
set -euo pipefail
build="$1"
source "$(dirname "$0")/display_servers.sh"

# An output 1200 logical pixels high (2400 screen pixels at scale 2) is 18000 units of 1/1440 inch
# at 96 dpi: the screen unit is 720 and the window 17 by 10 of them, 816 by 480 logical pixels
# with its frame.
while read -r width height scale; do
    case="output ${width}x${height} at scale $scale"
    start_weston "$width" "$height" "$scale"
    log="$scratch/game-$scale.log"
    start_game "$build/zoa" "$log" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1
    wait_for "$log" "zoa.trace: painted" || { cat "$log"; fail "$case: no title painted"; }
    status=0
    stop_game || status=$?
    [ "$status" -eq 0 ] || fail "$case: exit status $status when asked to end"
    geometry=$(grep -o "set_window_geometry(.*)" "$log" | tail -1)
    [ "$geometry" = "set_window_geometry(0, 0, 816, 480)" ] || fail "$case: window $geometry"
    grep -q "set_buffer_scale($scale)" "$log" || fail "$case: buffers not drawn at scale $scale"
    grep -q "zoa.trace: unload" "$log" || fail "$case: the window was not closed"
    if grep -q "zoa.content" "$log"; then fail "$case: content warnings"; fi
    stop_display_servers
done << 'ROWS'
1920 1200 1
1920 1200 2
ROWS
echo "native Wayland at scales 1 and 2: title painted, window 816 by 480, clean close"
