# Helpers for running the game against a real desktop sound server: PipeWire with WirePlumber and
# its PulseAudio service (pipewire-pulse), on a null sink whose monitor can be recorded. All of it
# is private to the caller: a runtime folder, configuration and state folders and a D-Bus session
# bus of its own under $scratch (set by the caller), so no server of the machine is touched and
# none is needed. Sourced by the sound server test and by the benchmarks.

bus_pid=""
pipewire_pid=""
session_pid=""  # WirePlumber
pulse_pid=""    # pipewire-pulse
sink=zoa_test

# use_private_sound_folders: points this shell and its children at the private folders, where
# the servers will be (XDG_RUNTIME_DIR) and write (configuration and state).
use_private_sound_folders() {
    export XDG_RUNTIME_DIR="$scratch/sound-runtime" XDG_CONFIG_HOME="$scratch/sound-config"
    export XDG_STATE_HOME="$scratch/sound-state"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_STATE_HOME"
}

# start_sound_server: starts the D-Bus bus and the servers, with a null sink "zoa_test" as the
# default sink, in the private folders; sets DBUS_SESSION_BUS_ADDRESS.
start_sound_server() {
    use_private_sound_folders
    local bus="$scratch/bus"
    dbus-daemon --session --nofork --nopidfile --print-address=3 3> "$bus" 2> "$scratch/bus.log" &
    bus_pid=$!
    until [ -s "$bus" ]; do sleep 0.02; done
    export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$bus")
    start_pipewire
}

# start_pipewire: PipeWire, WirePlumber, pipewire-pulse and the sink, as a desktop session starts
# them.
start_pipewire() {
    pipewire > "$scratch/pipewire.log" 2>&1 &
    pipewire_pid=$!
    wait_until 30 test -S "$XDG_RUNTIME_DIR/pipewire-0" || return 1
    wireplumber > "$scratch/wireplumber.log" 2>&1 &
    session_pid=$!
    start_pulse_service || return 1
    # Lingering, as a sound card's sink is, the sink outlives a restart of pipewire-pulse. It
    # can be made once PipeWire has loaded all its modules, some time after its socket is there.
    wait_until 30 timeout 5 pactl load-module module-null-sink sink_name=$sink \
        sink_properties=object.linger=true || return 1
    timeout 5 pactl set-default-sink $sink
}

# start_pulse_service: starts pipewire-pulse and waits until it answers.
start_pulse_service() {
    pipewire-pulse > "$scratch/pipewire-pulse.log" 2>&1 &
    pulse_pid=$!
    wait_until 30 timeout 5 pactl info
}

# restart_pulse_service: ends pipewire-pulse, as a crash or an update does, and starts it again.
restart_pulse_service() {
    stop_pid "$pulse_pid"
    start_pulse_service
}

# restart_pipewire: ends PipeWire with its session manager and PulseAudio service, as a restart
# of the desktop's sound does, and starts them again with the sink.
restart_pipewire() {
    stop_pid "$pulse_pid"
    stop_pid "$session_pid"
    stop_pid "$pipewire_pid"
    start_pipewire
}

stop_sound_server() {
    local pid
    for pid in $pulse_pid $session_pid $pipewire_pid $bus_pid; do
        stop_pid "$pid"
    done
    bus_pid="" pipewire_pid="" session_pid="" pulse_pid=""
}

stop_pid() {
    kill "$1" 2> /dev/null && wait "$1" 2> /dev/null
    return 0
}

# wait_until SECONDS COMMAND...: runs the command until it succeeds, for at most that long.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" > /dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# record_sink FILE SECONDS: records the sink's monitor for that long, as raw 16-bit stereo at
# 44.1 kHz.
record_sink() {
    timeout -s INT "$2" parecord --device=$sink.monitor --latency-msec=20 --raw --format=s16le \
        --rate=44100 --channels=2 "$1" 2> /dev/null
    return 0
}
