#!/usr/bin/env bash
# One real client and one real server through the store, by timed clicks as a player would: the
# player opens the store, is sent to the prize-money claim form by the account book, fills it in,
# asks for the code, reads it where the server's outbox put it, saves the form and lands in the
# store; buys telephone credit and a posted book; the operator marks the book sent; the player
# finds both orders in his account book, opens their boxes and visits the merchant page.
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
        [ -f "$f" ] && { echo "--- $f" >&2; grep -v -i "screenshot" "$f" | tail -n 25 >&2; }
    done
    exit 1
}
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
# shellcheck source=tools/tests/players.sh
source "$(dirname "$0")/players.sh"

"$BIN/brindle-server" --entry-port "$PORT" --game-port $((PORT + 1)) --db "$WORK/brindle.db" \
    --password-cost min --clock "2026-12-19 12:00:00" >"$WORK/server.log" 2>&1 &
for _ in $(seq 1 100); do listening "$PORT" && break; sleep 0.1; done
listening "$PORT" || fail "the server did not start"

TEL=13900000001
refused="$(register_player "$PORT" "$TEL" tour123 TOUR-a "$WORK/a")" || fail "registration refused: $refused"
# The running server writes too (its once-a-second ticks): wait for its lock rather than fail.
db() { sqlite3 -cmd ".timeout 5000" "$WORK/brindle.db" "$1"; }
# A player who has been answering for a while.
db "UPDATE players SET money = 2000, score = 800 WHERE id = 10001"
money() { db "SELECT money FROM players WHERE id = 10001"; }

# From the main menu (2): close the notice and the event boxes, then the store button.
menu="--tap 678,478@s2+1.2 --tap 678,478@s2+2.7 --tap 678,478@s2+4 --tap 690,120@s2+5.5"
shots() { local t out=""; for t in "${@:2}"; do out="$out --screenshot $SHOTS/$1-${t//+/-}.png --screenshot-at $t"; done; echo "$out"; }
play() {
    local log="$1" limit="$2"
    shift 2
    # shellcheck disable=SC2086
    timeout "$limit" "$BIN/brindle" --entry "127.0.0.1:$PORT" --user-dir "$WORK/a" $menu "$@" >"$WORK/$log.log" 2>&1 ||
        fail "the client of $log did not finish"
}
served() { grep -c -- "$1" "$WORK/server.log" || true; }
asked() { [ "$(served "$1")" -ge 1 ] || fail "$2"; }

# The claim form (18), field by field: name, man, QQ, birthday 1988-03-05 from the pickers,
# province and city, the street.
form() {
    echo "--tap 270,415@s18+1 --type 李雷@s18+1.3 --tap 560,415@s18+1.6 --tap 280,340@s18+2 --type 12345678@s18+2.3
 --tap 640,340@s18+2.6 --tap 570,185@s18+3.1 --tap 770,340@s18+3.5 --tap 745,220@s18+4 --tap 895,340@s18+4.4
 --tap 870,140@s18+4.9 --tap 370,265@s18+5.3 --screenshot $1 --screenshot-at s18+5.6 --tap 170,225@s18+5.8
 --tap 625,265@s18+6.2 --tap 440,225@s18+6.7 --tap 470,190@s18+7.1 --type 东城区东四北大街8号@s18+7.4"
}

# 1. The store (6); its account book sends a player without claim details to the form, where he
# asks for the code ("sure" closes the box) and watches the countdown; a picker open on the way.
# shellcheck disable=SC2046,SC2086
play code 90 $(shots store s6+2.5) --tap 335,596@s6+3 $(shots claim s18+0.8) $(form "$SHOTS/claim-picker.png") \
    $(shots claim s18+7.8) --tap 525,490@s18+8 $(shots claim s18+8.8) \
    --tap 480,270@s18+9.2 $(shots claim s18+11) --quit-after s18+11.3
asked 'type 24 (claim form) player 10001 type="authcode" -> response 1 (code sent)' "no code was asked for"
[ -f "$WORK/sms-outbox.txt" ] || fail "the server wrote no outbox"
CODE="$(grep -P "^2026-12-19 \d\d:\d\d:\d\d\t$TEL\t" "$WORK/sms-outbox.txt" | tail -n 1 | grep -o '验证码是[0-9]\{4\}' | grep -o '[0-9]\{4\}')" ||
    fail "no code for $TEL in the outbox"
! grep -q "验证码" "$WORK/server.log" || fail "the code's message reached the server's log"

# 2. The form again with the code; saved, its "sure" leads to the store.
# shellcheck disable=SC2046,SC2086
play save 90 --tap 335,596@s6+3 $(form "$WORK/picker.png") --tap 780,490@s18+7.8 --type "$CODE@s18+8.1" \
    --tap 480,90@s18+8.5 \
    $(shots saved s18+9.3) --tap 480,270@s18+9.6 $(shots saved s18+11.5) --quit-after s18+12
asked 'type 24 (claim form) player 10001 type="update" -> response 1' "the claim form was not saved"
[ "$(db "SELECT infofilled FROM players WHERE id = 10001")" = 1 ] || fail "binfo is not set"
"$BIN/brindle-server" claim-details 10001 --db "$WORK/brindle.db" | grep -q "李雷" || fail "the details were not kept"
for secret in 李雷 12345678 东四北大街; do
    ! grep -q "$secret" "$WORK/server.log" || fail "the claim form's $secret reached the server's log"
done
[ "$(served 'act="show"')" -ge 2 ] || fail "the store did not open after saving"

# 3. Telephone credit: 10 yuan twice, the number entered twice, "exchange", "sure", close.
before="$(money)"
# shellcheck disable=SC2046
play phone 90 --tap 585,410@s6+2.5 --tap 275,235@s9+1.5 --type "$TEL@s9+1.8" --tap 685,235@s9+2.1 \
    --type "$TEL@s9+2.4" --tap 680,455@s9+2.7 $(shots phone s9+3.2) --tap 630,85@s9+3.5 $(shots phone s9+4.5) \
    --tap 480,270@s9+5 --tap 880,580@s9+5.5 --quit-after s9+6.5
asked 'type 7 (store) player 10001 act="convert" goodsid=102 count=2 -> response 1' "the credit was not bought"
[ "$(money)" = $((before - 200)) ] || fail "two 100-carrot credits took $((before - $(money))) golden carrots"

# 4. A posted book: the gifts category, its second tile, receiver, address, number twice.
before="$(money)"
# shellcheck disable=SC2046
play parcel 90 --tap 110,355@s6+2.5 $(shots gifts s6+3.5) --tap 585,410@s6+4 --tap 230,270@s9+1.5 \
    --type 韩梅梅@s9+1.8 --tap 640,270@s9+2.1 --type 北京市东城区东四北大街8号@s9+2.4 --tap 275,200@s9+2.7 \
    --type "$TEL@s9+3" --tap 685,200@s9+3.3 --type "$TEL@s9+3.6" $(shots parcel s9+4.2) --tap 480,85@s9+4.5 \
    $(shots parcel s9+5.5) --quit-after s9+6
asked 'type 7 (store) player 10001 act="convert" goodsid=302 count=1 -> response 1' "the book was not bought"
[ "$(money)" = $((before - 420)) ] || fail "the book took $((before - $(money))) golden carrots"
[ "$(db "SELECT COUNT(*) FROM store_orders")" = 2 ] || fail "not exactly two orders"
! grep -q "韩梅梅\|东四北大街" "$WORK/server.log" || fail "the delivery address reached the server's log"

# 5. The operator sends the book.
"$BIN/brindle-server" orders --db "$WORK/brindle.db" >"$WORK/orders.txt"
grep -q "韩梅梅" "$WORK/orders.txt" || fail "the operator's list has no receiver"
order="$(awk -F'\t' '$4 == 302 { print $1 }' "$WORK/orders.txt")"
"$BIN/brindle-server" order-sent "$order" --code SF1234567890 --db "$WORK/brindle.db" >/dev/null ||
    fail "the order could not be marked sent"

# 6. The account book (10) with both boxes, then the merchant page (11) and one of its goods.
# shellcheck disable=SC2046
play book 90 --tap 335,596@s6+2.5 $(shots book s10+2) --tap 233,430@s10+2.5 $(shots book s10+3.2) \
    --tap 748,488@s10+3.5 --tap 480,430@s10+4 $(shots book s10+4.7) --tap 748,433@s10+5 --tap 905,594@s10+5.5 \
    --tap 520,596@s10+7.5 $(shots merchant s11+2) --tap 233,430@s11+2.5 $(shots merchant s9+1.5) --quit-after s9+2
asked 'type 7 (store) player 10001 act="record" -> response 1 buyrecord\[2\]' "the account book did not list both orders"
asked 'type 7 (store) player 10001 act="showbreak" -> response 1' "the merchant page was not opened"

! grep -q "Sanitizer\|runtime error" "$WORK"/*.log || fail "a sanitizer spoke"
[ -n "${BRINDLE_SHOT_DIR:-}" ] && cp "$WORK"/*.log "$SHOTS"/
echo "claimed, bought credit and a book, found both in the account book: money $(money)"
