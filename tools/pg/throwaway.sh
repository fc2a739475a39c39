#!/usr/bin/env bash
# A throwaway PostgreSQL cluster for tests and benchmarks: its own folder, its own socket in that
# folder, trust login for the local user, gone with the folder.
#
#   throwaway.sh start DIR [PORT]  initdb (when DIR is new) and start; prints the connection URI
#   throwaway.sh stop DIR          fast shutdown; the folder stays until you remove it
#   throwaway.sh available         exit 0 when PostgreSQL's server programs are installed
#
# initdb and postgres refuse to run as root, so as root the cluster belongs to the "postgres"
# system user the Debian package creates.
set -euo pipefail

pg_bin() {
    local dir
    for dir in /usr/lib/postgresql/*/bin; do
        [ -x "$dir/initdb" ] && { echo "$dir"; return 0; }
    done
    return 1
}

as_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

free_port() {
    python3 - <<'PY' 2>/dev/null || echo $((20000 + RANDOM % 20000))
import socket
s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1]); s.close()
PY
}

cmd="${1:-}"
case "$cmd" in
    available)
        pg_bin >/dev/null
        ;;
    start)
        dir="${2:?usage: throwaway.sh start DIR [PORT]}"
        port="${3:-$(free_port)}"
        bin="$(pg_bin)" || { echo "PostgreSQL is not installed (no initdb under /usr/lib/postgresql)" >&2; exit 3; }
        mkdir -p "$dir"
        dir="$(cd "$dir" && pwd)"
        if [ "$(id -u)" -eq 0 ]; then
            chown postgres: "$dir"
            chmod 700 "$dir"
            runuser -u postgres -- test -x "$dir" || {
                echo "the postgres user cannot reach $dir: every folder above it must be searchable (chmod o+x)" >&2
                exit 1
            }
        fi
        if [ ! -f "$dir/data/PG_VERSION" ]; then
            as_owner "$bin/initdb" -D "$dir/data" -U brindle --auth=trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 \
                || { cat "$dir/initdb.log" >&2; exit 1; }
        fi
        # Small and fast: a test cluster needs no durability beyond the process being killed.
        as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
            -o "-k $dir -p $port -c listen_addresses=127.0.0.1 -c max_connections=300 -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c shared_buffers=64MB" \
            start >/dev/null || { cat "$dir/server.log" >&2; exit 1; }
        echo "$port" >"$dir/port"
        as_owner "$bin/psql" -h "$dir" -p "$port" -U brindle -d postgres -qtAc "SELECT 1 FROM pg_database WHERE datname='brindle'" | grep -q 1 \
            || as_owner "$bin/createdb" -h "$dir" -p "$port" -U brindle brindle
        echo "postgresql://brindle@127.0.0.1:$port/brindle"
        ;;
    stop)
        dir="${2:?usage: throwaway.sh stop DIR}"
        bin="$(pg_bin)"
        [ -f "$dir/data/postmaster.pid" ] && as_owner "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null || true
        ;;
    *)
        echo "usage: throwaway.sh start DIR [PORT] | stop DIR | available" >&2
        exit 2
        ;;
esac
