#!/usr/bin/env bash
# Server throughput against nginx serving an answer of the same size, one TCP connection per
# request on loopback, the same heartbeats on one entry server and two game servers sharing one
# PostgreSQL database, and the memory 10,000 guest sessions take. Prints BENCH lines.
# Run by ./brindle bench with BRINDLE_BIN set to the release bin folder.
set -euo pipefail

BIN="${BRINDLE_BIN:?set BRINDLE_BIN to the folder with brindle-server and brindle-load}"
SECONDS_EACH="${BRINDLE_BENCH_SECONDS:-5}"
THREADS="${BRINDLE_BENCH_THREADS:-4}"
SESSIONS="${BRINDLE_BENCH_SESSIONS:-10000}"
SIGNINS="${BRINDLE_BENCH_SIGNINS:-3000}"
ROUNDS="${BRINDLE_BENCH_ROUNDS:-2}"
# The level operators run by default: one log line per request, heartbeats only counted.
LOG_LEVEL="${BRINDLE_BENCH_LOG_LEVEL:-info}"
# The cluster's database: empty starts a throwaway PostgreSQL; "off" skips the cluster.
CLUSTER_DB="${BRINDLE_BENCH_CLUSTER_DB:-}"
PG_TOOL="$(cd "$(dirname "${BASH_SOURCE[0]}")/../pg" && pwd)/throwaway.sh"

for tool in brindle-server brindle-load; do
    [ -x "$BIN/$tool" ] || { echo "server.sh: $BIN/$tool is missing" >&2; exit 1; }
done
NGINX="$(command -v nginx || true)"
[ -n "$NGINX" ] || { [ -x /usr/sbin/nginx ] && NGINX=/usr/sbin/nginx; } || true

WORK="$(mktemp -d /tmp/brindle-bench-server.XXXXXX)"
PG_DIR="" # its own folder: as root the cluster belongs to the postgres user, who cannot enter WORK
PIDS=()
cleanup() {
    local pid
    for pid in "${PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    if [ -n "$PG_DIR" ]; then
        bash "$PG_TOOL" stop "$PG_DIR" || true
        rm -rf "$PG_DIR"
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT

# Starts brindle-server on free loopback ports; sets SERVER_PID, ENTRY_PORT and GAME_PORT.
start_server() {
    local name="$1"
    "$BIN/brindle-server" --entry-port 0 --game-port 0 --db "$WORK/$name.db" --log-level "$LOG_LEVEL" \
        >"$WORK/$name.out" 2>"$WORK/$name.err" &
    SERVER_PID=$!
    PIDS+=("$SERVER_PID")
    local i
    for i in $(seq 1 100); do
        ENTRY_PORT="$(sed -n 's/^entry listening on .*:\([0-9]*\)$/\1/p' "$WORK/$name.out")"
        GAME_PORT="$(sed -n 's/^game listening on .*:\([0-9]*\)$/\1/p' "$WORK/$name.out")"
        [ -n "$ENTRY_PORT" ] && [ -n "$GAME_PORT" ] && return 0
        sleep 0.1
    done
    echo "server.sh: brindle-server did not start:" >&2
    cat "$WORK/$name.err" >&2
    exit 1
}

# Starts brindle-server with the given flags and waits for its "KIND listening" line; sets
# ROLE_PID and ROLE_PORT. Returns 1 when the server ends (or stays silent) instead.
start_role() {
    local name="$1" kind="$2"
    shift 2
    "$BIN/brindle-server" "$@" --log-level "$LOG_LEVEL" >"$WORK/$name.out" 2>"$WORK/$name.err" &
    ROLE_PID=$!
    PIDS+=("$ROLE_PID")
    local i
    for i in $(seq 1 200); do
        ROLE_PORT="$(sed -n "s/^$kind listening on .*:\([0-9]*\)\$/\1/p" "$WORK/$name.out")"
        [ -n "$ROLE_PORT" ] && return 0
        kill -0 "$ROLE_PID" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# The last line a server wrote on standard error, for a skip line.
last_error() { grep -v '^$' "$WORK/$1.err" | tail -1 | cut -c1-200; }

# A port below the ephemeral range, where the load's own client sockets never sit.
free_port() {
    local low port
    low="$(awk '{print $1}' /proc/sys/net/ipv4/ip_local_port_range 2>/dev/null || echo 32768)"
    while :; do
        port=$((10000 + RANDOM % (low - 10000)))
        if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
            echo "$port"
            return
        fi
    done
}

value() { sed -n "s/^$1 //p" "$2"; }

# 1. Heartbeats against the game server.
start_server game
"$BIN/brindle-load" --target game --entry-port "$ENTRY_PORT" --requests 1 --threads 1 \
    >"$WORK/probe.txt"
ANSWER_BYTES="$(value answer_bytes "$WORK/probe.txt")"
GAME_SERVER_PID="$SERVER_PID"

# 2. nginx with a static file of the heartbeat answer's size, then both under the same load.
NGINX_RPS=""
if [ -n "$NGINX" ]; then
    mkdir -p "$WORK/nginx/www" "$WORK/nginx/logs" "$WORK/nginx/tmp"
fi
NGINX_UP=0
for attempt in 1 2 3 4 5; do
    [ -n "$NGINX" ] || break
    NGINX_PORT="$(free_port)"
    head -c "$ANSWER_BYTES" /dev/zero | tr '\0' 'x' >"$WORK/nginx/www/answer"
    USER_LINE=""
    [ "$(id -u)" -eq 0 ] && USER_LINE="user root;"
    cat >"$WORK/nginx/nginx.conf" <<CONF
$USER_LINE
worker_processes 2;
daemon off;
pid $WORK/nginx/nginx.pid;
error_log $WORK/nginx/logs/error.log;
events { worker_connections 4096; }
http {
    access_log off;
    keepalive_timeout 0;
    client_body_temp_path $WORK/nginx/tmp/body;
    proxy_temp_path $WORK/nginx/tmp/proxy;
    fastcgi_temp_path $WORK/nginx/tmp/fastcgi;
    uwsgi_temp_path $WORK/nginx/tmp/uwsgi;
    scgi_temp_path $WORK/nginx/tmp/scgi;
    default_type application/octet-stream;
    server {
        listen 127.0.0.1:$NGINX_PORT;
        root $WORK/nginx/www;
    }
}
CONF
    "$NGINX" -p "$WORK/nginx" -c "$WORK/nginx/nginx.conf" -e "$WORK/nginx/logs/error.log" 2>>"$WORK/nginx/start.log" &
    NGINX_PID=$!
    PIDS+=("$NGINX_PID")
    for _ in $(seq 1 50); do
        if (exec 3<>"/dev/tcp/127.0.0.1/$NGINX_PORT") 2>/dev/null; then
            NGINX_UP=1
            break
        fi
        kill -0 "$NGINX_PID" 2>/dev/null || break
        sleep 0.1
    done
    [ "$NGINX_UP" -eq 1 ] && break
    kill "$NGINX_PID" 2>/dev/null || true
    wait "$NGINX_PID" 2>/dev/null || true
done
if [ "$NGINX_UP" -ne 1 ]; then
    echo "server.sh: nginx is not installed or did not start; no comparison" >&2
    [ -f "$WORK/nginx/start.log" ] && tail -3 "$WORK/nginx/start.log" >&2
fi

# Alternate the two under the same settings and keep each one's best round: the machine is
# shared, and whichever ran during someone else's build would otherwise lose.
best() { awk -v a="$1" -v b="$2" 'BEGIN { print (a + 0 > b + 0 ? a : b) }'; }
SERVER_RPS=0
for round in $(seq 1 "$ROUNDS"); do
    "$BIN/brindle-load" --target game --entry-port "$ENTRY_PORT" --requests 100000000 \
        --seconds "$SECONDS_EACH" --threads "$THREADS" >"$WORK/game.txt"
    SERVER_RPS="$(best "$SERVER_RPS" "$(value rps "$WORK/game.txt")")"
    echo "round $round server heartbeat: $(tr '\n' ' ' <"$WORK/game.txt")" >&2
    if [ "$NGINX_UP" -eq 1 ]; then
        "$BIN/brindle-load" --target http --port "$NGINX_PORT" --path /answer --requests 100000000 \
            --seconds "$SECONDS_EACH" --threads "$THREADS" >"$WORK/nginx.txt" || true
        NGINX_RPS="$(best "${NGINX_RPS:-0}" "$(value rps "$WORK/nginx.txt")")"
        echo "round $round nginx static ($ANSWER_BYTES bytes): $(tr '\n' ' ' <"$WORK/nginx.txt")" >&2
    fi
done
kill "$GAME_SERVER_PID"; wait "$GAME_SERVER_PID" 2>/dev/null || true
if [ "$NGINX_UP" -eq 1 ]; then
    kill "$NGINX_PID"; wait "$NGINX_PID" 2>/dev/null || true
fi

# 3. The same heartbeats on one entry server and two game servers on one database. The load
# follows each login answer to its game server, so it spreads over both.
CLUSTER_RPS=""
CLUSTER_SKIP=""
if [ "$CLUSTER_DB" = off ]; then
    CLUSTER_SKIP="turned off (BRINDLE_BENCH_CLUSTER_DB=off)"
elif [ -z "$CLUSTER_DB" ]; then
    if ! bash "$PG_TOOL" available; then
        CLUSTER_SKIP="PostgreSQL is not installed"
    else
        PG_DIR="$(mktemp -d /tmp/brindle-bench-pg.XXXXXX)"
        if ! CLUSTER_DB="$(bash "$PG_TOOL" start "$PG_DIR" 2>"$WORK/pg.err")"; then
            CLUSTER_SKIP="the throwaway PostgreSQL did not start: $(tail -1 "$WORK/pg.err")"
        fi
    fi
fi
CLUSTER_PIDS=()
if [ -z "$CLUSTER_SKIP" ]; then
    # One after the other: the first one creates the tables.
    if ! start_role cluster-game1 game --no-entry --game-port 0 --db "$CLUSTER_DB"; then
        CLUSTER_SKIP="brindle-server refused the cluster's --db: $(last_error cluster-game1)"
    else
        CLUSTER_PIDS+=("$ROLE_PID")
        GAME1_PORT="$ROLE_PORT"
        start_role cluster-game2 game --no-entry --game-port 0 --db "$CLUSTER_DB" \
            || { echo "server.sh: the second game server did not start: $(last_error cluster-game2)" >&2; exit 1; }
        CLUSTER_PIDS+=("$ROLE_PID")
        GAME2_PORT="$ROLE_PORT"
        start_role cluster-entry entry --no-game --entry-port 0 --db "$CLUSTER_DB" \
            --game-server "127.0.0.1:$GAME1_PORT" --game-server "127.0.0.1:$GAME2_PORT" \
            || { echo "server.sh: the entry server did not start: $(last_error cluster-entry)" >&2; exit 1; }
        CLUSTER_PIDS+=("$ROLE_PID")
        CLUSTER_ENTRY_PORT="$ROLE_PORT"
        CLUSTER_RPS=0
        for round in $(seq 1 "$ROUNDS"); do
            "$BIN/brindle-load" --target game --entry-port "$CLUSTER_ENTRY_PORT" --requests 100000000 \
                --seconds "$SECONDS_EACH" --threads "$THREADS" >"$WORK/cluster.txt" || true
            echo "round $round cluster heartbeat: $(tr '\n' ' ' <"$WORK/cluster.txt")" >&2
            CLUSTER_RPS="$(best "$CLUSTER_RPS" "$(value rps "$WORK/cluster.txt")")"
        done
        if [ "$(value game_servers "$WORK/cluster.txt")" != 2 ]; then
            echo "server.sh: the cluster's logins named $(value game_servers "$WORK/cluster.txt") game servers, not 2" >&2
        fi
        if [ "$(value requests "$WORK/cluster.txt")" = 0 ]; then
            CLUSTER_SKIP="the game servers answered no heartbeat of a session the entry server opened (sessions not shared between the processes)"
            CLUSTER_RPS=""
        fi
    fi
fi
for pid in "${CLUSTER_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
done
if [ -n "$PG_DIR" ]; then
    bash "$PG_TOOL" stop "$PG_DIR" || true
fi
[ -z "$CLUSTER_SKIP" ] || echo "server.sh: cluster skipped: $CLUSTER_SKIP" >&2

# 4. Memory with 10,000 guest sessions on a fresh server.
start_server sessions
"$BIN/brindle-load" --target login --port "$ENTRY_PORT" --requests "$SESSIONS" --seconds 300 --threads "$THREADS" \
    >"$WORK/logins.txt"
LOGINS="$(value requests "$WORK/logins.txt")"
RSS_KB="$(awk '/^VmRSS:/ {print $2}' "/proc/$SERVER_PID/status")"
echo "guest logins: $LOGINS of $SESSIONS" >&2

# 5. The morning rush: that many guests each sign in for the day once, every request a write
# transaction with its reward, on a fresh server.
start_server signin
"$BIN/brindle-load" --target signin --entry-port "$ENTRY_PORT" --port "$GAME_PORT" --players "$SIGNINS" \
    --seconds 300 --threads "$THREADS" >"$WORK/signin.txt"
echo "sign-ins: $(tr '\n' ' ' <"$WORK/signin.txt")" >&2
[ "$(value errors "$WORK/signin.txt")" = 0 ] || { echo "server.sh: sign-ins were refused" >&2; exit 1; }

echo "BENCH server_heartbeat_rps $SERVER_RPS rps"
if [ -n "$NGINX_RPS" ]; then
    echo "BENCH nginx_same_size_rps $NGINX_RPS rps"
    echo "BENCH server_over_nginx $(awk -v a="$SERVER_RPS" -v b="$NGINX_RPS" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }') ratio"
fi
if [ -n "$CLUSTER_RPS" ]; then
    echo "BENCH cluster_heartbeat_rps $CLUSTER_RPS rps"
    echo "BENCH cluster_heartbeat_ratio $(awk -v a="$CLUSTER_RPS" -v b="$SERVER_RPS" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }') ratio"
else
    echo "SKIP cluster_heartbeat_rps cluster_heartbeat_ratio: $CLUSTER_SKIP"
fi
echo "BENCH server_rss_10k_sessions_mb $(awk -v k="$RSS_KB" 'BEGIN { printf "%.1f", k / 1024 }') MB"
echo "BENCH server_signin_rps $(value rps "$WORK/signin.txt") rps"
echo "BENCH server_signin_p99_ms $(value p99_ms "$WORK/signin.txt") ms"
