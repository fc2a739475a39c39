#!/usr/bin/env bash
# tools/play.sh end to end: it starts a server when none listens, opens the game against it, stops
# that server when the window closes; it reuses a running server and leaves it running; with a
# remote entry address it starts nothing.
set -euo pipefail
BIN="$1"
PLAY="$(cd "$(dirname "$0")/.." && pwd)/play.sh"
WORK="$(mktemp -d)"
PORT=$((10000 + RANDOM % 20000)) # below the ephemeral range
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$WORK"' EXIT
export XDG_DATA_HOME="$WORK/data" BRINDLE_BIN="$BIN" BRINDLE_PLAY_PORT="$PORT"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
unset BRINDLE_ENTRY

fail() {
    echo "FAIL: $*" >&2
    for f in "$WORK"/*.log "$WORK"/data/brindle/server/server.log; do
        [ -f "$f" ] && { echo "--- $f" >&2; grep -v -i "questionlist" "$f" | tail -n 15 >&2; }
    done
    exit 1
}
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

# 1. Nothing listens: a server of its own, the game reaches the main menu, the server goes with it.
"$PLAY" --quit-on-scene 2 --quit-after 120 >"$WORK/first.log" 2>&1 || fail "first play exited with $?"
grep -q "starting brindle-server" "$WORK/first.log" || fail "no server was started"
grep -q "switch to scene 2" "$WORK/first.log" || fail "the game never reached the main menu"
grep -q "stopping brindle-server" "$WORK/first.log" || fail "its server was not stopped"
[ -f "$WORK/data/brindle/server/brindle.db" ] || fail "the server data is not in the user's data folder"
! listening "$PORT" || fail "the server still listens after the window closed"

# 2. A server already listens: it is used and left running.
"$BIN/brindle-server" --entry-port "$PORT" --game-port $((PORT + 1)) --db "$WORK/other.db" \
    --password-cost min >"$WORK/other.log" 2>&1 &
other=$!
for _ in $(seq 1 100); do listening "$PORT" && break; sleep 0.1; done
"$PLAY" --quit-on-scene 2 --quit-after 120 >"$WORK/second.log" 2>&1 || fail "second play exited with $?"
grep -q "already listens" "$WORK/second.log" || fail "the running server was not reused"
grep -q "switch to scene 2" "$WORK/second.log" || fail "the game never reached the main menu (reuse)"
kill -0 "$other" 2>/dev/null || fail "the reused server was stopped"
kill "$other"; wait "$other" 2>/dev/null || true

# 3. A remote entry address: no local server at all (nothing listens there, so the game shows its
# network box and stays on the loading screen).
BRINDLE_ENTRY="127.0.0.1:$((PORT + 7))" "$PLAY" --quit-after 3 >"$WORK/third.log" 2>&1 || fail "remote play exited with $?"
grep -q "using the entry server" "$WORK/third.log" || fail "a remote address still started a server"
! grep -q "starting brindle-server" "$WORK/third.log" || fail "a remote address still started a server"
echo "play.sh: all three cases pass"
