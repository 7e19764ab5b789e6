#!/usr/bin/env bash
# The game heard through a desktop sound server of its own: PipeWire, WirePlumber and
# pipewire-pulse on a null sink whose monitor is recorded, nothing standing in for any part of the
# path. The game started before the server is heard once the server is there; the game plays as
# PipeWire's own client, and is heard again within 2 s after pipewire-pulse or the whole of
# PipeWire restarts; so is a game on a PulseAudio server (pipewire-pulse) after it restarts. One
# warning tells of each loss and one of each return; the trace goes on as before.
set -uo pipefail
build="$1"
tone_tool="$build/tests/media/tone_tool"
scratch=$(mktemp -d)
game_pid=""
source "$(dirname "$0")/../support/sound_server.sh"
trap 'stop_pid "$game_pid"; stop_sound_server; rm -rf "$scratch"' EXIT
fail() {
    echo "FAIL: $*"
    tail -n 20 "$scratch"/*.log
    exit 1
}

# The demo game with a 500 Hz sine for music, copied: the game reads its content beside its file.
game="$scratch/game"
mkdir -p "$game"
cp -r "$build/zoa" "$build/dat1" "$build/dat2" "$game/"
"$tone_tool" write "$game/dat2/bgm.wav" 500 40

# start_game LOG [NAME=VALUE...]: the game at its title, its trace on and timed, SDL's audio
# driver chosen by the game unless given.
start_game() {
    local log="$1"
    shift
    env -u SDL_AUDIODRIVER QT_LOGGING_RULES="zoa.trace.debug=true" \
        QT_MESSAGE_PATTERN="%{time process} %{category}: %{message}" "$@" "$game/zoa" > "$log" 2>&1 &
    game_pid=$!
    wait_until 30 grep -q "zoa.trace: painted" "$log" || fail "no title"
}

stop_game() {
    kill -TERM "$game_pid"
    wait "$game_pid" || fail "the game ended with status $?"
    game_pid=""
}

# music_heard_within SECONDS: records the sink for 3 s; the music must be there from at most
# SECONDS into the recording on.
music_heard_within() {
    record_sink "$scratch/heard.raw" 3
    local from
    from=$("$tone_tool" find "$scratch/heard.raw" 500) || { echo "$from"; return 1; }
    echo "music heard from $from s into the recording (at most $1 s)"
    awk -v from="$from" -v limit="$1" 'BEGIN { exit !(from <= limit) }'
}

# warned LOG COUNT TEXT: the game's log holds COUNT zoa.sound warnings with TEXT.
warned() {
    [ "$(grep -c "zoa.sound: .*$3" "$1")" = "$2" ] || fail "not $2 warnings: $3"
}

# speaks_pulse: whether the game is a client of pipewire-pulse rather than of PipeWire itself.
speaks_pulse() {
    timeout 5 pactl list clients | awk '/^Client #/ { pulse = 0 }
        /client.api = "pipewire-pulse"/ { pulse = 1 }
        /application.process.binary = "zoa"/ && pulse { found = 1 } END { exit !found }'
}

# no_command_failed LOG: no media command was answered as without a device.
no_command_failed() {
    ! grep "zoa.trace: media .* -> 5" "$1" || fail "a command answered as without a device"
}

# 1. The server starts after the game.
use_private_sound_folders
start_game "$scratch/late.log"
warned "$scratch/late.log" 1 "no audio device"
start_sound_server || fail "the sound server did not start"
music_heard_within 2 || fail "no music once the server started"
warned "$scratch/late.log" 1 "an audio device is found"
stop_game

# 2. The game as PipeWire's client: pipewire-pulse restarts, then the whole of PipeWire.
start_game "$scratch/native.log"
! speaks_pulse || fail "the game is not PipeWire's own client"
music_heard_within 0.5 || fail "no music at first"
restart_pulse_service || fail "pipewire-pulse did not start again"
music_heard_within 2 || fail "no music within 2 s after pipewire-pulse restarted"
queries=$(grep -c "status MIDI mode -> 0" "$scratch/native.log")
restart_pipewire || fail "PipeWire did not start again"
music_heard_within 2 || fail "no music within 2 s after PipeWire restarted"
warned "$scratch/native.log" 1 "the sound output is lost"
warned "$scratch/native.log" 1 "the sound output is back"
[ "$(grep -c "status MIDI mode -> 0" "$scratch/native.log")" -gt "$queries" ] ||
    fail "the music watch stopped"
no_command_failed "$scratch/native.log"
stop_game

# 3. The game on a PulseAudio server: pipewire-pulse restarts.
start_game "$scratch/pulse.log" SDL_AUDIODRIVER=pulseaudio
speaks_pulse || fail "the game is not a client of pipewire-pulse"
restart_pulse_service || fail "pipewire-pulse did not start again"
music_heard_within 2 || fail "no music within 2 s after pipewire-pulse restarted"
warned "$scratch/pulse.log" 1 "the sound output is lost"
warned "$scratch/pulse.log" 1 "the sound output is back"
no_command_failed "$scratch/pulse.log"
stop_game
echo "PASS"
