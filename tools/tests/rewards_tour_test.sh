#!/usr/bin/env bash
# One real client and one real server through the screens behind the main menu's reward buttons:
# the player signs in on a month he has mostly signed, draws his daily luck, opens the weekly
# ranking, digs up the day's treasure, looks at his zodiac cards and exchanges a full set, claims
# the achievement the dig earned, and joins an event that costs golden carrots. Everything is
# driven by timed clicks, as a player would; BRINDLE_SHOT_DIR keeps the pictures.
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
    [ -n "${BRINDLE_SHOT_DIR:-}" ] && cp "$WORK"/*.log "$SHOTS"/ 2>/dev/null
    for f in "$WORK"/*.log; do
        [ -f "$f" ] && { echo "--- $f" >&2; grep -v -i "screenshot" "$f" | tail -n 25 >&2; }
    done
    exit 1
}
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
# shellcheck source=tools/tests/players.sh
source "$(dirname "$0")/players.sh"

# The server's clock on a fixed day, so the calendar and the week are the same at any hour.
CLOCK="2026-12-19 12:00:00"
"$BIN/brindle-server" --entry-port "$PORT" --game-port $((PORT + 1)) --db "$WORK/brindle.db" \
    --password-cost min --clock "$CLOCK" >"$WORK/server.log" 2>&1 &
for _ in $(seq 1 100); do listening "$PORT" && break; sleep 0.1; done
listening "$PORT" || fail "the server did not start"

for who in a b c d; do
    case "$who" in a) name=13900000001 ;; b) name=13900000002 ;; c) name=13900000003 ;; d) name=13900000004 ;; esac
    refused="$(register_player "$PORT" "$name" tour123 "TOUR-$who" "$WORK/$who")" || fail "registration of $who refused: $refused"
done
# The sign-in screen's first-day guide is a screen of its own; this player has seen it.
sed -i 's|</userDefaultRoot>|    <sign_hadGuide>true</sign_hadGuide>\n</userDefaultRoot>|' "$WORK/a/UserDefault.xml"

# What a's history would hold after a fortnight of play, written the way the server keeps it:
# signed every day from the 5th to the 18th, a full set of zodiac cards, and the other players'
# scores this week. (The sign-in, the draw, the dig and the join below are the client's own.)
# The running server writes too (its once-a-second ticks): wait for its lock rather than fail.
db() { sqlite3 -cmd ".timeout 5000" "$WORK/brindle.db" "$1"; }
db "INSERT INTO weekly_state (id, week) VALUES (1, 20261214)"
for day in $(seq 5 18); do
    db "INSERT INTO sign_days (player_id, day, streak, addscore, addmoney) VALUES (10001, 202612$(printf %02d "$day"), $((day - 4)), 0, 0)"
done
db "UPDATE players SET weekscore = 240, nickname = '小胡萝卜' WHERE id = 10002"
db "UPDATE players SET weekscore = 185, nickname = '答题王' WHERE id = 10003"
db "UPDATE players SET weekscore = 60 WHERE id = 10004"
db "UPDATE players SET weekscore = 95, money = 20 WHERE id = 10001"
for kind in $(seq 1 12); do
    db "INSERT INTO zodiac_cards (player, kind, count) VALUES (10001, $kind, $(( kind % 3 == 0 ? 2 : 1 )))"
done

# From the main menu (2): close the notice and the event boxes, then the button of the screen.
menu() { echo "--tap 678,478@s2+1.2 --tap 678,478@s2+2.7 --tap 678,478@s2+4 --tap $1@s2+5.5"; }
shots() { local t out=""; for t in "${@:2}"; do out="$out --screenshot $SHOTS/$1-${t//+/-}.png --screenshot-at $t"; done; echo "$out"; }
play() {
    local log="$1" limit="$2"
    shift 2
    timeout "$limit" "$BIN/brindle" --entry "127.0.0.1:$PORT" --user-dir "$WORK/a" "$@" >"$WORK/$log.log" 2>&1 ||
        fail "the $log run did not end by itself within $limit s (a click fell on the wrong screen?)"
}
served() { grep -c -- "$1" "$WORK/server.log" || true; }
asked() { [ "$(served "$1")" -ge 1 ] || fail "$2"; }

# 1. The sign-in screen (5): the month with the fortnight marked, "sign in" (the golden carrot it
# pays asks whether to fill in the prize form now: "no"), then the draw and its reveal.
# shellcheck disable=SC2046
play sign 90 $(menu 120,420) --tap 760,330@s5+2.5 --tap 480,270@s5+5.2 --tap 760,185@s5+6 \
    $(shots sign s5+2 s5+3.2 s5+4.8 s5+5.6 s5+6.8 s5+7.8 s5+12) --quit-after s5+12.5
asked 'type 11 (sign-in) player 10001 act="everyday" req="sign" -> response 1' "the client did not sign in"
asked 'type 11 (sign-in) player 10001 act="luck" req="sign" -> response 1' "the client did not draw"
[ "$(db "SELECT streak FROM sign_days WHERE player_id = 10001 AND day = 20261219")" = 15 ] || fail "the streak is not 15"

# 2. The weekly ranking (4).
# shellcheck disable=SC2046
play rank 60 $(menu 270,120) $(shots rank s4+2) --quit-after s4+2.5
asked 'type 13 (weekly ranking) player 10001 -> response 1' "the ranking was not asked for"

# 3. The treasure screen (7): the figure wanders where the server's draw put it, so the finger
# sweeps the band figures walk in until it lands on it (golden carrots ask about the prize form:
# "no"); then the collection (8) and the
# exchange of a full set: "exchange", "yes", the success box's "sure".
sweep=""
t=2
for pass in 0 1; do
    for y in $(seq $((140 + pass * 10)) 20 420); do
        for x in $(seq $((10 + pass * 15)) 30 950); do
            sweep="$sweep --tap $x,$y@s7+$t"
            t=$(awk -v t="$t" 'BEGIN { printf "%.3f", t + 0.008 }')
        done
    done
done
# shellcheck disable=SC2046
play treasure 120 $(menu 855,130) $(shots treasure s7+1.5 s7+12) $sweep --tap 480,270@s7+12.5 --tap 850,80@s7+13 \
    --tap 740,100@s8+2 --tap 360,270@s8+3 --tap 480,270@s8+5 $(shots collection s8+1.5 s8+2.5 s8+4 s8+6) \
    --quit-after s8+6.5
asked 'type 17 (treasure) player 10001 act=2 -> response 1' "the treasure was not dug up"
asked 'type 17 (treasure) player 10001 act=4 -> response 1' "the set was not exchanged"

# 4. The achievements (12): the finished tab, then the prizes of the streak (row 0), of the first
# treasure (row 2) and of the set (row 3).
# shellcheck disable=SC2046
# Two seconds between claims: each waits behind the busy cover until its answer comes, and a
# loaded machine may take more than one.
play tasks 60 $(menu 845,285) --tap 345,505@s12+2 --tap 770,410@s12+3 --tap 770,210@s12+5 --tap 770,110@s12+7 \
    $(shots tasks s12+1.5 s12+2.5 s12+3.3 s12+9) --quit-after s12+9.5
[ "$(served 'type 14 (achievements) player 10001 act="askprize" achvId=.* -> response 1')" = 3 ] ||
    fail "the three prizes were not all taken"

# 5. The events (17): join the one that costs 10 golden carrots: "join", "yes", "sure".
# shellcheck disable=SC2046
play events 60 $(menu 845,430) --tap 740,165@s17+2.5 --tap 360,270@s17+3.5 --tap 480,270@s17+5 \
    $(shots events s17+2 s17+3 s17+4.5 s17+5.5) --quit-after s17+6
asked 'type 15 (events) player 10001 act=1 hdid=2 -> response 1' "the event was not joined"

! grep -q "Sanitizer\|runtime error" "$WORK"/*.log || fail "a sanitizer spoke"
[ -n "${BRINDLE_SHOT_DIR:-}" ] && cp "$WORK"/*.log "$SHOTS"/
echo "signed in, drew, ranked, dug, exchanged, claimed and joined: money $(db "SELECT money FROM players WHERE id = 10001")"
