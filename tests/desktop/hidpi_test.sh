#!/usr/bin/env bash
# At a device pixel ratio of 2 the game looks like itself at scale 1 on a screen of half the size:
# on a 3840x2160 virtual screen at QT_SCALE_FACTOR=2, the main picture covers exactly twice the
# rectangle it covers in the window on 1920x1080 at scale 1, the window's capture scaled down by
# half is close to the one at scale 1, and a picture with one-pixel checks is shown from its full
# pixels, check for check.
set -euo pipefail
build="$1"
source "$(dirname "$0")/display_servers.sh"

# A copy of the game over the demo story, with a title picture of the test's own.
game="$scratch/game"
mkdir "$game"
cp "$build/zoa" "$game/"
cp -rs "$(realpath "$build")/dat1" "$(realpath "$build")/dat2" "$game/"
marker="rgb(10,200,240)"

# show_title PICTURE CAPTURE SHOWN [NAME=VALUE...]: shows PICTURE as the title on the current
# display and captures the window until the command SHOWN finds the picture in the capture.
show_title() {
    local picture="$1" capture="$2" shown="$3" log="$scratch/game.log"
    shift 3
    rm -f "$game/dat2/opn.bmp"
    convert "$picture" BMP3:"$game/dat2/opn.bmp"
    start_game "$game/zoa" "$log" QT_QPA_PLATFORM=xcb "$@"
    wait_for "$log" "zoa.trace: painted" || { cat "$log"; fail "no title painted"; }
    local deadline=$((SECONDS + 10))
    until import -window "$(game_window)" "$capture" && $shown "$capture" > /dev/null; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$picture shown wrongly: $($shown "$capture")"
        sleep 0.1
    done
    stop_game || fail "exit status $? when asked to end"
}

# picture_box CAPTURE: where the marker colour lies, as WIDTHxHEIGHT+LEFT+TOP.
picture_box() {
    convert "$1" -fill black +opaque "$marker" -format '%@' info: 2> /dev/null | grep -v '^0x0'
}
marker_shown() {
    picture_box "$1" > /dev/null
}

convert -size 64x64 xc:"$marker" "$scratch/marker.png"
start_xvfb 1920x1080
show_title "$scratch/marker.png" "$scratch/scale1.png" marker_shown
stop_display_servers
start_xvfb 3840x2160
show_title "$scratch/marker.png" "$scratch/scale2.png" marker_shown QT_SCALE_FACTOR=2

IFS='x+' read -r w1 h1 x1 y1 <<< "$(picture_box "$scratch/scale1.png")"
IFS='x+' read -r w2 h2 x2 y2 <<< "$(picture_box "$scratch/scale2.png")"
[ "$w2 $h2 $x2 $y2" = "$((2 * w1)) $((2 * h1)) $((2 * x1)) $((2 * y1))" ] \
    || fail "picture at ${w1}x$h1+$x1+$y1 at scale 1 but ${w2}x$h2+$x2+$y2 at scale 2"

convert "$scratch/scale2.png" -scale 50% "$scratch/halved.png"
difference=$(compare -metric RMSE "$scratch/scale1.png" "$scratch/halved.png" null: 2>&1 || true)
difference=${difference#*(}
difference=${difference%)}
awk -v d="$difference" 'BEGIN { exit !(d < 0.025) }' \
    || fail "the halved capture at scale 2 differs from scale 1 by $difference (RMSE)"

# One-pixel checks as large as the picture's rectangle in screen pixels: drawn from a half-size
# copy they would turn grey.
convert -size 2x2 xc:black -fill white -draw "point 0,0" -draw "point 1,1" "$scratch/cell.png"
convert -size "${w2}x$h2" tile:"$scratch/cell.png" "$scratch/checks.png"
# checks_sharp CAPTURE: true when the picture's rectangle holds exactly the checks; prints how
# many of its pixels differ.
checks_sharp() {
    convert "$1" -crop "${w2}x$h2+$x2+$y2" +repage "$scratch/checks-shown.png"
    local wrong
    wrong=$(compare -metric AE "$scratch/checks.png" "$scratch/checks-shown.png" null: 2>&1)
    local status=$?
    echo "$wrong of the picture's pixels differ from its checks"
    return $status
}
show_title "$scratch/checks.png" "$scratch/checks-capture.png" checks_sharp QT_SCALE_FACTOR=2
echo "scale 2: picture at twice ${w1}x$h1+$x1+$y1, capture within $difference RMSE, checks sharp"
