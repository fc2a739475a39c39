#!/usr/bin/env bash
# How many players in live one-to-one contests the local server holds, each heartbeating once a
# second (one connection per request, as the client does), while the p99 heartbeat time stays at
# or under 20 ms; and the server's memory at that load. Prints BENCH lines.
# Run by ./brindle bench with BRINDLE_BIN set to the release bin folder.
set -euo pipefail

BIN="${BRINDLE_BIN:?set BRINDLE_BIN to the folder with brindle-server and brindle-load}"
MAX_PLAYERS="${BRINDLE_BENCH_CONTEST_PLAYERS:-16000}"
STEP="${BRINDLE_BENCH_CONTEST_STEP:-2000}"
STEP_SECONDS="${BRINDLE_BENCH_CONTEST_SECONDS:-8}"
THREADS="${BRINDLE_BENCH_CONTEST_THREADS:-8}"
LOG_LEVEL="${BRINDLE_BENCH_LOG_LEVEL:-info}"

for tool in brindle-server brindle-load; do
    [ -x "$BIN/$tool" ] || { echo "contest.sh: $BIN/$tool is missing" >&2; exit 1; }
done

WORK="$(mktemp -d /tmp/brindle-bench-contest.XXXXXX)"
SERVER_PID=""
cleanup() {
    if [ -n "$SERVER_PID" ]; then
        kill "$SERVER_PID" 2>/dev/null || true
        wait "$SERVER_PID" 2>/dev/null || true
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT

# Registration hashes passwords; the cheap cost keeps the set-up short and is not what is measured.
"$BIN/brindle-server" --entry-port 0 --game-port 0 --db "$WORK/contest.db" --log-level "$LOG_LEVEL" \
    --password-cost min --max-connections 16384 >"$WORK/server.out" 2>"$WORK/server.err" &
SERVER_PID=$!
for _ in $(seq 1 100); do
    ENTRY_PORT="$(sed -n 's/^entry listening on .*:\([0-9]*\)$/\1/p' "$WORK/server.out")"
    GAME_PORT="$(sed -n 's/^game listening on .*:\([0-9]*\)$/\1/p' "$WORK/server.out")"
    [ -n "${ENTRY_PORT:-}" ] && [ -n "${GAME_PORT:-}" ] && break
    sleep 0.1
done
[ -n "${GAME_PORT:-}" ] || { echo "contest.sh: brindle-server did not start" >&2; cat "$WORK/server.err" >&2; exit 1; }

"$BIN/brindle-load" --target contest --entry-port "$ENTRY_PORT" --port "$GAME_PORT" --players "$MAX_PLAYERS" \
    --step "$STEP" --step-seconds "$STEP_SECONDS" --threads "$THREADS" --p99-ms 20 --server-pid "$SERVER_PID" \
    >"$WORK/contest.txt" || true
sed -n 's/^step /contest step: /p' "$WORK/contest.txt" >&2
HELD="$(sed -n 's/^contest_players_held //p' "$WORK/contest.txt")"
RSS_KB="$(sed -n 's/^contest_rss_kb //p' "$WORK/contest.txt")"
if grep -q "refused" "$WORK/server.err"; then
    echo "contest.sh: the server refused $(grep -c refused "$WORK/server.err") requests; the first:" >&2
    grep -m 3 refused "$WORK/server.err" >&2
fi
echo "BENCH contest_players_held ${HELD:-0} players"
echo "BENCH contest_rss_mb $(awk -v k="${RSS_KB:-0}" 'BEGIN { printf "%.1f", k / 1024 }') MB"
