#!/usr/bin/env bash
# Starts the real client many times and ends it at varied moments of the logo, the loading screen,
# the login and the main menu, against a real brindle-server: as a guest, with a stored account
# whose password the server refuses, with a good account, with nothing listening, with a server
# that is killed while the client starts, and with a session that a second login replaces; some
# runs mix sound for real. Every run has to end by itself with status 0 and without a sanitizer
# report; a crash, a hang or a report fails the test. Sanitizer builds find their faults here; a
# plain build still catches crashes and hangs on the way out.
#
#   start_quit_test.sh BIN_DIR [RUNS]
# BRINDLE_STRESS_SEED repeats a run order, BRINDLE_STRESS_BUSY=N keeps N busy loops spinning
# for the whole test (timing faults show more often on a loaded machine), BRINDLE_STRESS_KEEP=1
# leaves the logs in place.
set -uo pipefail
BIN="$1"
RUNS="${2:-${BRINDLE_STRESS_RUNS:-20}}"
BUILD="$(cd "$BIN/.." && pwd)"
WORK="$(mktemp -d)"
SEED="${BRINDLE_STRESS_SEED:-$$}"
RANDOM="$SEED"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
unset BRINDLE_ENTRY

SERVER=""
own_server=""
cleanup() {
    local pids
    # The servers are started inside command substitutions, so they are not jobs of this shell.
    pids="$(jobs -p) $SERVER $own_server"
    [ -n "${pids// /}" ] && kill $pids 2>/dev/null
    wait 2>/dev/null
    if [ "${BRINDLE_STRESS_KEEP:-0}" = 1 ]; then echo "logs kept in $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

failures=0
report() {
    echo "FAIL: $1 (seed $SEED)" >&2
    [ -f "$2" ] && { echo "--- $2" >&2; grep -v "MsgResponseQuestionList" "$2" | tail -n 40 >&2; }
    failures=$((failures + 1))
}
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
free_port() {
    local p
    while true; do
        p=$((10000 + RANDOM % 20000)) # below the ephemeral range
        ! listening "$p" && ! listening $((p + 1)) && { echo "$p"; return; }
    done
}
# A report from any sanitizer, or UBSan's "runtime error" line.
sanitizer_report() { grep -E -q "ERROR: (Address|Leak|Thread)Sanitizer|WARNING: ThreadSanitizer|runtime error:" "$1"; }

start_server() { # PORT DB LOG
    local args=(--entry-port "$1" --game-port $(($1 + 1)) --db "$2" --password-cost min --log-level quiet)
    [ -d "$BUILD/server-data" ] && args+=(--data "$BUILD/server-data")
    "$BIN/brindle-server" "${args[@]}" >"$3" 2>&1 &
    local pid=$!
    for _ in $(seq 1 300); do
        listening "$1" && { echo "$pid"; return 0; }
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    kill "$pid" 2>/dev/null
    return 1
}

# One entry request; prints the answer's body (after the 4-byte length).
entry_request() { # PORT JSON
    (
        exec 3<>"/dev/tcp/127.0.0.1/$1" || exit 1
        printf '%s' "$2" >&3
        timeout 10 cat <&3 | tail -c +5
    )
}

digest() { printf '%s' "$1" | md5sum | cut -c1-32 | tr 'a-f' 'A-F'; }

# A user folder whose stored defaults log in as NAME with the password PLAIN (the client keeps
# the typed password and sends its digest).
user_dir() { # DIR NAME PLAIN
    mkdir -p "$1"
    cat >"$1/UserDefault.xml" <<EOF
<?xml version="1.0" encoding="utf-8" ?>
<userDefaultRoot>
    <isRegisterPlayer>true</isRegisterPlayer>
    <userName>$2</userName>
    <pwd>$3</pwd>
    <bRememberPwd>true</bRememberPwd>
</userDefaultRoot>
EOF
}

# Waits for the client to end by itself; status 124 when it had to be killed.
wait_client() { # PID LIMIT_SECONDS
    local waited=0
    while kill -0 "$1" 2>/dev/null; do
        if [ "$waited" -ge $(($2 * 10)) ]; then
            kill -ABRT "$1" 2>/dev/null
            sleep 2
            kill -KILL "$1" 2>/dev/null
            wait "$1" 2>/dev/null
            return 124
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    wait "$1"
}

check_run() { # NAME STATUS LOG
    if [ "$2" -eq 124 ]; then
        report "$1: the client did not end (killed)" "$3"
    elif [ "$2" -ne 0 ]; then
        report "$1: the client ended with status $2" "$3"
    elif sanitizer_report "$3"; then
        report "$1: sanitizer report" "$3"
    fi
}

for _ in $(seq 1 "${BRINDLE_STRESS_BUSY:-0}"); do
    (while :; do :; done) &
done

PORT="$(free_port)"
SERVER="$(start_server "$PORT" "$WORK/server.db" "$WORK/server.log")" || {
    report "brindle-server does not start" "$WORK/server.log"
    exit 1
}
ACCOUNT=13900001234
PASSWORD=secret7
answer="$(entry_request "$PORT" "{\"system\":1,\"username\":\"$ACCOUNT\",\"pwd\":\"$(digest $PASSWORD)\",\"mac\":\"0A0B0C0D0E0F\",\"tuijian\":0}")"
case "$answer" in
*'"response"'*1*) ;;
*) report "the test account was not registered: $answer" "$WORK/server.log"; exit 1 ;;
esac

# A session replaced by another login: A logs in with the account and stays on the main menu
# past its first heartbeat (20 s), while B logs in as the same player after A reached the menu.
user_dir "$WORK/replaced-a" "$ACCOUNT" "$PASSWORD"
user_dir "$WORK/replaced-b" "$ACCOUNT" "$PASSWORD"
"$BIN/brindle" --resources "$BUILD/resources" --entry "127.0.0.1:$PORT" --user-dir "$WORK/replaced-a" \
    --quit-after 26 >"$WORK/replaced-a.log" 2>&1 &
replaced_a=$!

# When a run ends it: the client's own timer, one second after a scene shows, or the window
# closing (SIGTERM, turned into a quit event) at a moment after the window opened.
QUIT_TIMES=(0 0.05 0.1 0.2 0.3 0.4 0.6 0.8 1 1.3 1.6 2 2.5 3 4 5 7)
SCENARIOS=(guest guest refused account nothing-listens server-goes-away)
replaced_b_started=0
start_second_login() {
    if [ "$replaced_b_started" -eq 0 ] && grep -q "switch to scene 2" "$WORK/replaced-a.log"; then
        replaced_b_started=1
        "$BIN/brindle" --resources "$BUILD/resources" --entry "127.0.0.1:$PORT" --user-dir "$WORK/replaced-b" \
            --quit-on-scene 2 --quit-after 30 >"$WORK/replaced-b.log" 2>&1 &
        replaced_b=$!
    fi
}
for run in $(seq 1 "$RUNS"); do
    start_second_login
    scenario="${SCENARIOS[RANDOM % ${#SCENARIOS[@]}]}"
    when="${QUIT_TIMES[RANDOM % ${#QUIT_TIMES[@]}]}"
    dir="$WORK/run$run"
    entry="127.0.0.1:$PORT"
    own_server=""
    case "$scenario" in
    guest) mkdir -p "$dir" ;;
    refused) user_dir "$dir" "$ACCOUNT" "wrong$RANDOM" ;;
    account) user_dir "$dir" "$ACCOUNT" "$PASSWORD" ;;
    nothing-listens) mkdir -p "$dir"; entry="127.0.0.1:$(free_port)" ;;
    server-goes-away)
        mkdir -p "$dir"
        other="$(free_port)"
        own_server="$(start_server "$other" "$WORK/other.db" "$dir.server.log")" || {
            report "run $run: its own brindle-server does not start" "$dir.server.log"
            continue
        }
        entry="127.0.0.1:$other"
        ;;
    esac
    close_window=0
    case $((RANDOM % 4)) in
    0 | 1) how=(--quit-after "$when"); how_text="quit after $when s" ;;
    2) scene=$((RANDOM % 3)); how=(--quit-on-scene "$scene" --quit-after 20); how_text="quit on scene $scene" ;;
    3) how=(--quit-after 20); how_text="window closed $when s after it opened"; close_window=1 ;;
    esac
    # Every third run mixes sound for real (SDL's disk driver into /dev/null), so the mixer's
    # thread is busy while the game shuts its audio down.
    audio=dummy
    [ $((RANDOM % 3)) -eq 0 ] && audio=disk
    name="run $run ($scenario, $how_text, $audio audio)"
    SDL_AUDIODRIVER="$audio" SDL_DISKAUDIOFILE=/dev/null \
        "$BIN/brindle" --resources "$BUILD/resources" --entry "$entry" --user-dir "$dir" "${how[@]}" \
        >"$dir.log" 2>&1 &
    client=$!
    if [ -n "$own_server" ]; then
        sleep "0.$((RANDOM % 10))$((RANDOM % 10))"
        sleep $((RANDOM % 3))
        kill "$own_server" 2>/dev/null
        own_server=""
    fi
    if [ "$close_window" -eq 1 ]; then
        for _ in $(seq 1 300); do
            grep -q "switch to scene" "$dir.log" && break
            kill -0 "$client" 2>/dev/null || break
            sleep 0.1
        done
        sleep "$when"
        kill -TERM "$client" 2>/dev/null
    fi
    wait_client "$client" 90
    check_run "$name" $? "$dir.log"
done

while [ "$replaced_b_started" -eq 0 ] && kill -0 "$replaced_a" 2>/dev/null; do
    start_second_login
    sleep 0.1
done
wait_client "$replaced_a" 120
check_run "replaced session (first login)" $? "$WORK/replaced-a.log"
if [ "$replaced_b_started" -eq 1 ]; then
    wait_client "$replaced_b" 60
    check_run "replaced session (second login)" $? "$WORK/replaced-b.log"
else
    report "the first login never reached the main menu, so its session was not replaced" "$WORK/replaced-a.log"
fi
kill -0 "$SERVER" 2>/dev/null || report "brindle-server died during the runs" "$WORK/server.log"

if [ "$failures" -ne 0 ]; then
    echo "$failures of $((RUNS + 2)) client runs failed (seed $SEED)" >&2
    exit 1
fi
echo "start_quit_test: $((RUNS + 2)) client runs ended cleanly (seed $SEED)"
