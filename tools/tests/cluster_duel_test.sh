#!/usr/bin/env bash
# The real game against a cluster: one PostgreSQL, one entry server and two game servers. Two real
# clients log in, are handed different game servers, find each other in the one-to-one hall and
# play a whole contest, each seeing the same result. Then the game server of one of them is
# killed; that client starts again and plays on through the other server.
# BRINDLE_SHOT_DIR keeps the pictures.
set -euo pipefail
BIN="$1"
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
WORK="$(mktemp -d)"
chmod 711 "$WORK" # as root the database runs as the postgres user, which must reach its folder
PORT=$((10000 + RANDOM % 20000)) # below the ephemeral range; PORT+1 and PORT+2 are the game servers
cleanup() {
    kill $(jobs -p) 2>/dev/null || true
    "$ROOT/tools/pg/throwaway.sh" stop "$WORK/pg" || true
    rm -rf "$WORK"
}
trap cleanup EXIT
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
unset BRINDLE_ENTRY
SHOTS="${BRINDLE_SHOT_DIR:-$WORK/shots}"
mkdir -p "$SHOTS"

fail() {
    echo "FAIL: $*" >&2
    for f in "$WORK"/*.log; do
        [ -f "$f" ] && { echo "--- $f" >&2; grep -v -i "questionlist\|screenshot" "$f" | tail -n 25 >&2; }
    done
    exit 1
}
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
# shellcheck source=tools/tests/players.sh
source "$(dirname "$0")/players.sh"
# shellcheck source=tools/tests/duel.sh
source "$(dirname "$0")/duel.sh"

if ! "$ROOT/tools/pg/throwaway.sh" available; then
    echo "SKIP: PostgreSQL is not installed (no initdb under /usr/lib/postgresql); the cluster run needs it"
    exit 0
fi
DB="$("$ROOT/tools/pg/throwaway.sh" start "$WORK/pg")" || fail "PostgreSQL did not start"

server() {
    # exec: the background job is the server itself, so its pid is the one to kill
    exec "$BIN/brindle-server" --db "$DB" --password-cost min --contest-clock "2026-12-09 12:00:00" "$@"
}
# The first game server alone: it creates the tables and loads the bank.
server --no-entry --game-port $((PORT + 1)) >"$WORK/game1.log" 2>&1 &
GAME1=$!
for _ in $(seq 1 200); do listening $((PORT + 1)) && break; sleep 0.1; done
server --no-entry --game-port $((PORT + 2)) >"$WORK/game2.log" 2>&1 &
server --no-game --entry-port "$PORT" --game-server "127.0.0.1:$((PORT + 1))" \
    --game-server "127.0.0.1:$((PORT + 2))" >"$WORK/entry.log" 2>&1 &
for p in $((PORT + 2)) "$PORT"; do
    for _ in $(seq 1 200); do listening "$p" && break; sleep 0.1; done
    listening "$p" || fail "a server did not start"
done

# Players 10001 and 10002: one on each game server (the id modulo the two servers).
for who in a b; do
    case "$who" in a) name=13900000001 ;; b) name=13900000002 ;; esac
    refused="$(register_player "$PORT" "$name" duel123 "CLUSTER-$who" "$WORK/$who")" || fail "registration of $who refused: $refused"
done

ended() { grep -h "contest $1 ends" "$WORK/game1.log" "$WORK/game2.log" | head -n 1; }

# 1. The duel across the two game servers.
# shellcheck disable=SC2046
play a duel-a $(to_hall 130,130) --tap 480,300@s23+2.5 --tap 360,270@s23+4 $(answers 300) \
    $(shots cluster-a s2+1 s23+3 s22+4 s22+44) &
first=$!
# shellcheck disable=SC2046
play b duel-b $(to_hall 130,130) --tap 480,300@s23+2.5 --tap 360,270@s23+4 $(answers 660) \
    $(shots cluster-b s22+4 s22+44) &
second=$!
wait "$first" "$second" || true
grep -q "player 10001 .*-> response 1" "$WORK/game2.log" || fail "player 10001 was not served by the second game server"
grep -q "player 10002 .*-> response 1" "$WORK/game1.log" || fail "player 10002 was not served by the first game server"
grep -qh "contest 1 (type 1) begins" "$WORK/game1.log" "$WORK/game2.log" || fail "the two searchers were not paired"
[ -n "$(ended 1)" ] || fail "the duel did not end"
mine_a="$(result_line duel-a)"
mine_b="$(result_line duel-b)"
[ -n "$mine_a" ] && [ -n "$mine_b" ] || fail "a client did not show the result"
[ "${mine_a%% | *}" = "${mine_b##* | }" ] && [ "${mine_a##* | }" = "${mine_b%% | *}" ] ||
    fail "the results differ: a saw '$mine_a', b saw '$mine_b'"
echo "duel across two game servers: $mine_a"

# 2. b's game server (the first) dies; b starts the game again, lands on the second, and the two
# play another contest there. The score of the first contest is still b's.
kill -KILL "$GAME1"
sleep 3 # one health check of the entry server
# shellcheck disable=SC2046
play a again-a $(to_hall 130,130) --tap 480,300@s23+2.5 --tap 360,270@s23+4 $(answers 300) &
first=$!
# shellcheck disable=SC2046
play b again-b $(to_hall 130,130) --tap 480,300@s23+2.5 --tap 360,270@s23+4 $(answers 660) \
    $(shots cluster-b-again s2+1 s22+44) &
second=$!
wait "$first" "$second" || true
grep -q "game server 127.0.0.1:$((PORT + 1)) down" "$WORK/entry.log" || fail "the entry server never noticed the dead server"
grep -q "player 10002 .*-> response 1" "$WORK/game2.log" || fail "b was not handed the surviving game server"
[ -n "$(ended 2)" ] || fail "the second contest did not end"
again_a="$(result_line again-a)"
again_b="$(result_line again-b)"
[ -n "$again_a" ] && [ -n "$again_b" ] || fail "a client did not show the second result"
[ "${again_a%% | *}" = "${again_b##* | }" ] || fail "the second results differ: '$again_a' and '$again_b'"
! grep -q "Sanitizer\|runtime error" "$WORK"/*.log || fail "a sanitizer spoke"
echo "after the kill, on the survivor: $again_a"
