#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A private PostgreSQL server for the tests, in a temporary folder, run by an unprivileged
# user (nobody, when started as root), on a free port of 127.0.0.1 with password logins.
#   test_server.sh start STATE   start one; STATE (a folder) records where it is
#   test_server.sh stop|resume STATE   stop it or start it again, keeping its data
#   test_server.sh freeze|thaw STATE   hang it (SIGSTOP) or let it go on
#   test_server.sh remove STATE  stop it and remove its folder
# STATE/env holds PGHOST, PGPORT and the superuser's name and password for the tests.
set -euo pipefail
mode=$1
state=$(realpath -m "$2")
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
[[ -x $bin/initdb ]] || { echo "PostgreSQL is not installed (Debian postgresql-15)" >&2; exit 1; }

as_owner() { # runs a command as the server's user
    if ((EUID == 0)); then runuser -u nobody -- "$@"; else "$@"; fi
}
pg_ctl_() { as_owner "$bin/pg_ctl" -D "$data" -l "$data/server.log" -w -t 30 "$@" >/dev/null; }

case "$mode" in
start)
    [[ -f $state/env ]] && "$0" remove "$state"
    mkdir -p "$state"
    root=$(mktemp -d /tmp/lab-pg.XXXXXX)
    data=$root/data
    password=$(od -An -N12 -tx1 /dev/urandom | tr -d ' \n')
    port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    printf '%s\n' "$password" >"$root/pwfile"
    ((EUID == 0)) && chown -R nobody "$root"
    chmod 700 "$root"
    as_owner "$bin/initdb" -D "$data" -U postgres --pwfile="$root/pwfile" --auth=scram-sha-256 \
        -E UTF8 --locale=C.UTF-8 >/dev/null
    rm "$root/pwfile"
    {
        echo "listen_addresses = '127.0.0.1'"
        echo "port = $port"
        echo "unix_socket_directories = '$root'"
        echo "fsync = off"
        echo "max_connections = 200"
    } >>"$data/postgresql.conf"
    printf 'PGROOT=%s\nPGHOST=127.0.0.1\nPGPORT=%s\nPGUSER=postgres\nPGPASSWORD=%s\n' \
        "$root" "$port" "$password" >"$state/env"
    pg_ctl_ start
    ;;
stop | resume | freeze | thaw | remove)
    [[ -f $state/env ]] || exit 0
    root=$(sed -n 's/^PGROOT=//p' "$state/env")
    data=$root/data
    case "$mode" in
    stop) pg_ctl_ stop -m fast ;;
    resume) as_owner "$bin/pg_ctl" -D "$data" status >/dev/null || pg_ctl_ start ;;
    freeze | thaw)
        [[ -f $data/postmaster.pid ]] || exit 0
        kill "-$([[ $mode == freeze ]] && echo STOP || echo CONT)" "$(head -1 "$data/postmaster.pid")"
        ;;
    remove)
        [[ -f $data/postmaster.pid ]] && { kill -CONT "$(head -1 "$data/postmaster.pid")" 2>/dev/null || true; pg_ctl_ stop -m immediate || true; }
        rm -rf "$root" "$state/env"
        ;;
    esac
    ;;
*)
    echo "usage: $0 start|stop|resume|freeze|thaw|remove STATE" >&2
    exit 2
    ;;
esac
