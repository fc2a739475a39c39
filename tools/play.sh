#!/usr/bin/env bash
# Opens the game against a local brindle-server, starting one only when none is listening yet, and
# stops the one it started when the window closes. With a remote entry address (--entry HOST:PORT
# or BRINDLE_ENTRY) no local server is started.
set -euo pipefail

BIN="${BRINDLE_BIN:-$(cd "$(dirname "$0")/.." && pwd)/build/bin}"
BUILD="$(cd "$BIN/.." && pwd)"
DATA="${XDG_DATA_HOME:-$HOME/.local/share}/brindle/server"
# The local servers listen on these; BRINDLE_PLAY_PORT moves them (the game port is the next one).
ENTRY_PORT="${BRINDLE_PLAY_PORT:-8000}"
GAME_PORT=$((ENTRY_PORT + 1))

log() { printf 'play: %s\n' "$*" >&2; }

remote="${BRINDLE_ENTRY:-}"
prev=""
for arg in "$@"; do
    case "$arg" in
        --entry=*) remote="${arg#--entry=}" ;;
    esac
    [ "$prev" = "--entry" ] && remote="$arg"
    prev="$arg"
done

listening() {
    # A plain TCP connect to the entry port; true when something answers the handshake.
    (exec 3<>"/dev/tcp/127.0.0.1/$ENTRY_PORT") 2>/dev/null
}

server_pid=""
stop_server() {
    if [ -n "$server_pid" ] && kill -0 "$server_pid" 2>/dev/null; then
        log "stopping brindle-server (pid $server_pid)"
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
}
trap stop_server EXIT INT TERM

if [ -n "$remote" ]; then
    log "using the entry server at $remote"
elif listening; then
    log "a server already listens on 127.0.0.1:$ENTRY_PORT; using it"
else
    mkdir -p "$DATA"
    args=(--db "$DATA/brindle.db" --entry-port "$ENTRY_PORT" --game-port "$GAME_PORT")
    [ -d "$BUILD/server-data/media" ] && args+=(--media "$BUILD/server-data/media")
    [ -d "$BUILD/server-data" ] && args+=(--data "$BUILD/server-data")
    log "starting brindle-server (data in $DATA)"
    "$BIN/brindle-server" "${args[@]}" >"$DATA/server.log" 2>&1 &
    server_pid=$!
    for _ in $(seq 1 100); do
        listening && break
        if ! kill -0 "$server_pid" 2>/dev/null; then
            log "brindle-server did not start; see $DATA/server.log"
            tail -n 20 "$DATA/server.log" >&2 || true
            server_pid=""
            exit 1
        fi
        sleep 0.1
    done
fi

client_args=(--resources "$BUILD/resources")
[ -z "$remote" ] && client_args+=(--entry "127.0.0.1:$ENTRY_PORT")
# Without exec: the trap has to outlive the window.
"$BIN/brindle" "${client_args[@]}" "$@"
