#!/usr/bin/env bash
# Three real clients and one real server play a team match: a founds a team, b and c join it from
# the team list, the operator starts a match ahead; a signs the team up; b is called to it by
# the announcement on the team list, a and c wait on their team screen; all three play the round
# to the team result, and the team ranking shows the team. Then a sits the day's exam and opens
# its ranking. Everything is driven by timed clicks and typing, as a player would;
# BRINDLE_SHOT_DIR keeps the pictures.
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
        [ -f "$f" ] && { echo "--- $f" >&2; grep -v -i "questionlist\|screenshot" "$f" | tail -n 25 >&2; }
    done
    exit 1
}
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
# shellcheck source=tools/tests/players.sh
source "$(dirname "$0")/players.sh"

# Noon: no scheduled team match near, the day's exam open (10:00-22:00).
CLOCK="2026-12-09 12:00:00"
"$BIN/brindle-server" --entry-port "$PORT" --game-port $((PORT + 1)) --db "$WORK/brindle.db" \
    --password-cost min --contest-clock "$CLOCK" >"$WORK/server.log" 2>&1 &
started=$(date +%s)
for _ in $(seq 1 100); do listening "$PORT" && break; sleep 0.1; done
listening "$PORT" || fail "the server did not start"

for who in a b c; do
    case "$who" in a) name=13900000001 ;; b) name=13900000002 ;; c) name=13900000003 ;; esac
    refused="$(register_player "$PORT" "$name" team123 "TEAM-$who" "$WORK/$who")" || fail "registration of $who refused: $refused"
done
# A new player has no carrots and a team costs 10: the operator credits a's account, as a
# player would otherwise earn them by answering.
sqlite3 -cmd ".timeout 5000" "$WORK/brindle.db" "UPDATE players SET money = 30 WHERE username = '13900000001'"

# From the main menu (2): close the notice and event boxes, open the contest hall (21), then the
# team list (25).
to_teams="--tap 678,478@s2+1.2 --tap 678,478@s2+2.7 --tap 678,478@s2+4 --tap 275,290@s2+5.5 --tap 365,130@s21+2"
shots() { local t out=""; for t in "${@:2}"; do out="$out --screenshot $SHOTS/$1-${t//+/-}.png --screenshot-at $t"; done; echo "$out"; }
play() {
    local who="$1" log="$2" limit="$3"
    shift 3
    timeout "$limit" "$BIN/brindle" --entry "127.0.0.1:$PORT" --user-dir "$WORK/$who" "$@" >"$WORK/$log.log" 2>&1
}
served() { grep -c "$1" "$WORK/server.log" || true; }

# 1. a founds the team: the create button, the name field, typing, "create".
# shellcheck disable=SC2046
play a found 90 $to_teams --tap 105,590@s25+2.5 --tap 465,400@s25+3.5 --type 星火队@s25+4 --tap 480,175@s25+5 \
    $(shots found s25+4.5 s25+7) --quit-after s25+8
grep -q "type 36 (create team) player 10001 -> response 1" "$WORK/server.log" || fail "the team was not created"

# 2. b and c join it from the first row; the success notice's "sure".
for who in b c; do
    # shellcheck disable=SC2046
    play "$who" "join-$who" 90 $to_teams --tap 875,440@s25+2.5 $(shots "join-$who" s25+4) --tap 480,270@s25+4.5 \
        --quit-after s25+5.5
done
[ "$(served 'type 37 (join team) player 1000[23] -> response 1')" = 2 ] || fail "b and c did not both join"

# 3. All three will play it. Clicks every 2 s once contest play (22) shows: the first option of
# the four-option screen, of the two-option screen, and the one-at-a-time screen's first.
answers() {
    local t out=""
    for t in $(seq 3 2 60); do out="$out --tap 300,390@s22+$t --tap 300,320@s22+$t.3 --tap 480,320@s22+$t.6"; done
    echo "$out"
}
# The result's "sure" leads back to the team list; from there the ranking button.
after_result="--tap 480,80@s22+70 --tap 585,590@s22+76"
# b waits on the team list until the announcement's box, whose "sure" opens the team screen.
calls=""
for t in $(seq 3 1 70); do calls="$calls --tap 360,270@s25+$t"; done
# shellcheck disable=SC2046
play b match-b 300 $to_teams $calls $(answers) $after_result $(shots match-b s26+1 s22+6 s22+50) \
    --quit-after s24+3 &
second=$!
sleep 12

# 4. The operator starts a match 90 s ahead on the server's clock (the --contest-clock it was
# given, moved on by the time since).
now="$(date -d "$CLOCK $(( $(date +%s) - started )) seconds" '+%Y-%m-%d %H:%M:%S')"
"$BIN/brindle-server" --db "$WORK/brindle.db" --contest-clock "$now" --start-team-match 90 >"$WORK/operator.log" 2>&1 ||
    fail "the operator could not start a match"

# 5. a opens his team (role 1) and signs it up for it: "sign up", "sure", the notice's "sure".
# shellcheck disable=SC2046
play a signup 90 $to_teams --tap 425,590@s25+2.5 --tap 420,75@s26+2.5 --tap 360,270@s26+3.5 --tap 480,270@s26+5.5 \
    $(shots signup s26+2 s26+3 s26+5 s26+8) --quit-after s26+9
grep -q "type 42 (team sign-up) player 10001 -> response 1" "$WORK/server.log" || fail "the team was not signed up"

# 6. a and c wait on their team screen for the start.
# shellcheck disable=SC2046
play a match-a 300 $to_teams --tap 425,590@s25+2.5 $(answers) $after_result \
    $(shots match-a s26+2 s26+5 s22+1 s22+6 s22+50 s22+72 s24+2) --quit-after s24+3 &
first=$!
# shellcheck disable=SC2046
play c match-c 300 $to_teams --tap 425,590@s25+2.5 $(answers) $after_result $(shots match-c s22+6 s22+50) \
    --quit-after s24+3 &
third=$!
wait "$first" "$second" "$third" || true
for who in a b c; do
    grep -q "team result:" "$WORK/match-$who.log" || fail "$who did not see the team result"
done
grep -q "type 40 (team list) player 10001 act=1" "$WORK/server.log" || fail "the team ranking was not asked for"

# 7. a sits the exam: the exam card, then the same clicks through ten questions; the result's
# "sure" goes back to the exam hall, whose ranking button shows the exam's ranking.
# shellcheck disable=SC2046
play a exam 240 --tap 678,478@s2+1.2 --tap 678,478@s2+2.7 --tap 678,478@s2+4 --tap 275,290@s2+5.5 \
    --tap 825,130@s21+2 --tap 300,330@s29+2 $(answers) --tap 480,80@s22+70 --tap 250,90@s22+76 \
    $(shots exam s29+1.5 s22+6 s22+68 s24+2) --quit-after s24+3
grep -q "exam result:" "$WORK/exam.log" || fail "a did not see the exam result"
grep -q "type 33 (contest ranking) player 10001" "$WORK/server.log" || fail "the exam ranking was not asked for"
! grep -q "Sanitizer\|runtime error" "$WORK"/*.log || fail "a sanitizer spoke"
echo "team match and exam played"
