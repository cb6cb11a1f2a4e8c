#!/usr/bin/env bash
# A throwaway PostgreSQL 15 server for the database tests, on 127.0.0.1 only,
# with trust authentication on loopback. Idempotent: a second start finds the
# cluster running and only prints the connection string again.
#
#   scripts/postgres-pruebas.sh DIR         start (creating the cluster in DIR) and print
#                                           the connection string for NVLA_PG
#   scripts/postgres-pruebas.sh stop DIR    stop it
#
#   export NVLA_PG="$(scripts/postgres-pruebas.sh /tmp/nvla-pg)"
#
# Environment: NVLA_PG_PORT (default 55432), NVLA_PG_DB (default nvla).
# As root the server runs as user postgres (PostgreSQL refuses root), so DIR
# and the folders above it must be reachable by that user.
set -euo pipefail

PUERTO="${NVLA_PG_PORT:-55432}"
BASE="${NVLA_PG_DB:-nvla}"

uso() {
    echo "uso: $0 DIR | $0 stop DIR" >&2
    exit 2
}

binarios() {
    local dir
    for dir in /usr/lib/postgresql/15/bin /usr/lib/postgresql/*/bin; do
        if [ -x "$dir/pg_ctl" ]; then
            echo "$dir"
            return
        fi
    done
    dirname "$(command -v pg_ctl || { echo "PostgreSQL no está instalado (paquete postgresql)" >&2; exit 1; })"
}

BIN="$(binarios)"

# Runs a command as the cluster's owner.
como_dueno() {
    if [ "$(id -u)" = 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

en_marcha() {
    como_dueno "$BIN/pg_ctl" -D "$DATOS" status >/dev/null 2>&1
}

arrancar() {
    mkdir -p "$DIR"
    if [ "$(id -u)" = 0 ]; then
        chown postgres: "$DIR"
    fi
    if [ ! -f "$DATOS/PG_VERSION" ]; then
        como_dueno "$BIN/initdb" -D "$DATOS" -U postgres --auth=trust --encoding=UTF8 --locale=C.UTF-8 >"$DIR/initdb.log" 2>&1 \
            || { cat "$DIR/initdb.log" >&2; exit 1; }
    fi
    if ! en_marcha; then
        como_dueno "$BIN/pg_ctl" -D "$DATOS" -l "$DIR/postgres.log" -w -t 60 \
            -o "-p $PUERTO -c listen_addresses=127.0.0.1 -k $DIR -c fsync=off -c max_connections=200" start >/dev/null \
            || { cat "$DIR/postgres.log" >&2; exit 1; }
    fi
    "$BIN/pg_isready" -q -h 127.0.0.1 -p "$PUERTO" -U postgres -d postgres -t 30
    if ! "$BIN/psql" -h 127.0.0.1 -p "$PUERTO" -U postgres -d postgres -tAc \
        "SELECT 1 FROM pg_database WHERE datname = '$BASE'" | grep -q 1; then
        "$BIN/createdb" -h 127.0.0.1 -p "$PUERTO" -U postgres "$BASE"
    fi
    echo "Driver=PostgreSQL;Server=127.0.0.1;Port=$PUERTO;Database=$BASE;Uid=postgres;Pwd="
}

parar() {
    if [ -f "$DATOS/PG_VERSION" ] && en_marcha; then
        como_dueno "$BIN/pg_ctl" -D "$DATOS" -m fast -w stop >/dev/null
    fi
}

case "${1:-}" in
    stop)
        [ $# -eq 2 ] || uso
        DIR="$(realpath -m "$2")"
        DATOS="$DIR/data"
        parar
        ;;
    "" | -h | --help) uso ;;
    *)
        [ $# -eq 1 ] || uso
        DIR="$(realpath -m "$1")"
        DATOS="$DIR/data"
        arrancar
        ;;
esac
