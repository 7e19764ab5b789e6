# Helpers for tests that run the game on a real display server: a virtual X screen (Xvfb) or a
# headless Wayland compositor (Weston), each private to the test. Sourcing it gives the test a
# temporary folder, $scratch, removed with every server started when the test ends, and fail.

server_pids=()
game_pid=""
scratch=$(mktemp -d)
trap 'stop_display_servers; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

stop_display_servers() {
    local pid
    for pid in $game_pid "${server_pids[@]}"; do
        kill "$pid" 2> /dev/null || true
    done
    server_pids=()
    game_pid=""
}

# wait_for FILE PATTERN: waits up to 30 s (a busy machine is slow) for a line matching PATTERN.
wait_for() {
    local deadline=$((SECONDS + 30))
    until grep -q -- "$2" "$1" 2> /dev/null; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# start_xvfb WIDTHxHEIGHT: a virtual X screen on a free display number; sets DISPLAY.
start_xvfb() {
    local number="$scratch/xvfb-$1"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3> "$number" > "$scratch/xvfb.log" 2>&1 &
    server_pids+=($!)
    wait_for "$number" . || { cat "$scratch/xvfb.log"; return 1; }
    export DISPLAY=":$(cat "$number")"
}

# start_weston WIDTH HEIGHT [SCALE]: a headless Weston with one output of that size in logical
# pixels (SCALE times as many screen pixels each way). Its socket lies in a runtime folder of its
# own, so it needs no seat, no logind and no user session (root in CI works too); sets
# XDG_RUNTIME_DIR and WAYLAND_DISPLAY.
start_weston() {
    export XDG_RUNTIME_DIR="$scratch/runtime-$1x$2-${3:-1}"
    export WAYLAND_DISPLAY=zoa-test
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=headless-backend.so --no-config --idle-time=0 --socket="$WAYLAND_DISPLAY" \
        --width="$1" --height="$2" --scale="${3:-1}" > "$scratch/weston.log" 2>&1 &
    server_pids+=($!)
    local deadline=$((SECONDS + 30))
    until [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; do
        [ "$SECONDS" -lt "$deadline" ] || { cat "$scratch/weston.log"; return 1; }
        sleep 0.05
    done
}

# game_window: the id of the game's window on the current X display. Qt's client leader, an
# unmapped window of one pixel, bears the same title, so a look-up by the title alone may find it.
game_window() {
    timeout 30 xdotool search --sync --onlyvisible --limit 1 --name '^ZOA$'
}

# start_game PROGRAM LOG [NAME=VALUE...]: starts the game silently in the background with its
# trace on, and with the given environment; sets game_pid.
start_game() {
    local program="$1" log="$2"
    shift 2
    env SDL_AUDIODRIVER=dummy QT_LOGGING_RULES="zoa.trace.debug=true" "$@" "$program" \
        > "$log" 2>&1 &
    game_pid=$!
}

# stop_game: asks the game to end, as a desktop session does at logout; returns its exit status.
stop_game() {
    local status=0
    kill -TERM "$game_pid"
    wait "$game_pid" || status=$?
    game_pid=""
    return "$status"
}
