#!/usr/bin/env bash
# A registered player who asked to be remembered starts the game three times in a row with one
# user folder, against the real server: every start logs in with the account and reaches the main
# menu, the stored password stays what was typed, and the settings file is the owner's alone.
set -euo pipefail
BIN="$1"
WORK="$(mktemp -d)"
PORT=$((10000 + RANDOM % 20000)) # below the ephemeral range
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$WORK"' EXIT
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
unset BRINDLE_ENTRY

NAME=13800138000
PASSWORD=carrot42

fail() {
    echo "FAIL: $*" >&2
    for f in "$WORK"/*.log; do
        [ -f "$f" ] && { echo "--- $f" >&2; grep -v -i "questionlist" "$f" | tail -n 15 >&2; }
    done
    exit 1
}
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
digest() { printf '%s' "$1" | md5sum | cut -d' ' -f1 | tr 'a-f' 'A-F'; }
stored() { sed -n "s:.*<$1>\(.*\)</$1>.*:\1:p" "$WORK/user/UserDefault.xml"; }

"$BIN/brindle-server" --entry-port "$PORT" --game-port $((PORT + 1)) --db "$WORK/brindle.db" \
    --password-cost min >"$WORK/server.log" 2>&1 &
for _ in $(seq 1 100); do listening "$PORT" && break; sleep 0.1; done
listening "$PORT" || fail "the server did not start"

# The entry server takes one plain JSON object and answers with a 4-byte length and the body.
exec 3<>"/dev/tcp/127.0.0.1/$PORT"
printf '{"system":1,"username":"%s","pwd":"%s","mac":"TEST","tuijian":0}' "$NAME" "$(digest "$PASSWORD")" >&3
answer="$(tail -c +5 <&3)"
exec 3<&-
[[ "$answer" == *'"response":1'* ]] || fail "registration refused: $answer"

# What the login form leaves behind for a remembered account, written as an older build did
# (readable by everyone), so the first start has to make it private.
mkdir -p "$WORK/user"
cat >"$WORK/user/UserDefault.xml" <<EOF
<?xml version="1.0" encoding="utf-8" ?>
<userDefaultRoot>
    <userName>$NAME</userName>
    <pwd>$PASSWORD</pwd>
    <bRememberPwd>true</bRememberPwd>
    <isRegisterPlayer>true</isRegisterPlayer>
</userDefaultRoot>
EOF
chmod 644 "$WORK/user/UserDefault.xml"

for start in 1 2 3; do
    log="$WORK/start$start.log"
    "$BIN/brindle" --entry "127.0.0.1:$PORT" --user-dir "$WORK/user" --quit-on-scene 2 --quit-after 60 \
        >"$log" 2>&1 || fail "start $start exited with $?"
    grep -q "loading: account login" "$log" || fail "start $start did not log in with the account"
    grep -q "switch to scene 2" "$log" || fail "start $start never reached the main menu"
    [ "$(stored pwd)" = "$PASSWORD" ] || fail "after start $start the stored password is '$(stored pwd)'"
    [ "$(stored userName)" = "$NAME" ] || fail "after start $start the stored user name is '$(stored userName)'"
done
logins="$(grep -c 'login' "$WORK/server.log" || true)"
! grep -i "login" "$WORK/server.log" | grep -qi "refused" || fail "the server refused a login"
mode="$(stat -c %a "$WORK/user/UserDefault.xml")"
[ "$mode" = 600 ] || fail "UserDefault.xml has mode $mode"
echo "returning player: three starts logged in ($logins login lines), settings file mode $mode"
