#!/usr/bin/env bash
# The game as a screen reader sees it: a private D-Bus session with its own accessibility bus
# (at-spi2-core), a virtual X screen, and Qt's accessibility always on; the test program checks
# the accessibility events in process and has a client of AT-SPI play a story over the bus.
set -euo pipefail
program="$1"
if [ -z "${ZOA_PRIVATE_SESSION:-}" ]; then
    exec env ZOA_PRIVATE_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/display_servers.sh"

export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_xvfb 1920x1080
/usr/libexec/at-spi-bus-launcher --launch-immediately > "$scratch/bus.log" 2>&1 &
server_pids+=($!)
env QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" \
    || { cat "$scratch/bus.log"; fail "$(basename "$program")"; }
