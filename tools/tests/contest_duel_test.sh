#!/usr/bin/env bash
# Two real clients find each other in the one-to-one hall of one real server, play a whole contest
# on the pushed questions and both show the result with the same numbers seen from either side;
# then a third client challenges the reigning king, who accepts, and both play it out.
# Everything is driven by timed clicks, as a player would; BRINDLE_SHOT_DIR keeps the pictures.
set -euo pipefail
BIN="$1"
WORK="$(mktemp -d)"
PORT=$((10000 + RANDOM % 20000)) # below the ephemeral range
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$WORK"' EXIT
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

# The challenge of the king runs in the afternoon; the server's contest clock starts there.
"$BIN/brindle-server" --entry-port "$PORT" --game-port $((PORT + 1)) --db "$WORK/brindle.db" \
    --password-cost min --contest-clock "2026-12-09 12:00:00" >"$WORK/server.log" 2>&1 &
for _ in $(seq 1 100); do listening "$PORT" && break; sleep 0.1; done
listening "$PORT" || fail "the server did not start"

# Three registered players, each remembered by its own user folder, past the first-day guides.
for who in a b c; do
    case "$who" in a) name=13900000001 ;; b) name=13900000002 ;; c) name=13900000003 ;; esac
    refused="$(register_player "$PORT" "$name" duel123 "DUEL-$who" "$WORK/$who")" || fail "registration of $who refused: $refused"
done

# 1. The duel: both search at once; a picks option A every time, b option B.
# shellcheck disable=SC2046
play a duel-a $(to_hall 130,130) --tap 480,300@s23+2.5 --tap 360,270@s23+4 $(answers 300) \
    $(shots duel-a s21+1.5 s23+3 s23+5 s22+1 s22+4 s22+9 s22+44) &
first=$!
# shellcheck disable=SC2046
play b duel-b $(to_hall 130,130) --tap 480,300@s23+2.5 --tap 360,270@s23+4 $(answers 660) \
    $(shots duel-b s22+4 s22+9 s22+44) &
second=$!
wait "$first" "$second" || true
grep -q "contest 1 (type 1) begins" "$WORK/server.log" || fail "the two searchers were not paired"
grep -q "contest 1 ends" "$WORK/server.log" || fail "the duel did not end"
mine_a="$(result_line duel-a)"
mine_b="$(result_line duel-b)"
[ -n "$mine_a" ] && [ -n "$mine_b" ] || fail "a client did not show the result"
# Each line reads "own ... | opponent ...": a's own side is b's opponent side and the other way.
[ "${mine_a%% | *}" = "${mine_b##* | }" ] && [ "${mine_a##* | }" = "${mine_b%% | *}" ] ||
    fail "the results differ: a saw '$mine_a', b saw '$mine_b'"
echo "duel: $mine_a"

# 2. Until the first challenge, the king is the player with the highest week score (the lower id
# on a tie): here whoever scored more in the duel. c challenges him and he accepts.
score_of() { sed -n 's/.* score \([0-9]*\) .*/\1/p' <<<"$1"; }
king=a
[ "$(score_of "${mine_a##* | }")" -gt "$(score_of "${mine_a%% | *}")" ] && king=b
echo "king: $king"
# shellcheck disable=SC2046
play "$king" king $(to_hall 596,130) $(for t in $(seq 8 18); do echo "--tap 830,100@s28+$t"; done) \
    $(answers 300) $(shots king s28+5 s28+7.5 s22+4 s22+9 s22+44) &
first=$!
# shellcheck disable=SC2046
play c challenger $(to_hall 596,130) --tap 480,300@s28+2.5 --tap 360,270@s28+4 $(answers 660) \
    $(shots challenger s28+3 s28+5 s22+4 s22+9 s22+44) &
second=$!
wait "$first" "$second" || true
grep -q "contest 2 (type 3) begins" "$WORK/server.log" || fail "the king's challenge did not begin"
grep -q "contest 2 ends" "$WORK/server.log" || fail "the king's challenge did not end"
mine_k="$(result_line king)"
mine_c="$(result_line challenger)"
[ -n "$mine_k" ] && [ -n "$mine_c" ] || fail "a client did not show the challenge's result"
[ "${mine_k%% | *}" = "${mine_c##* | }" ] || fail "the challenge results differ: '$mine_k' and '$mine_c'"
! grep -q "Sanitizer\|runtime error" "$WORK"/*.log || fail "a sanitizer spoke"
echo "challenge: $mine_c"
