#!/bin/sh
# Runs `zlecenix-cli demo` twice on a fresh program folder and checks the orders it stored.
set -eu
cli="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$cli" --folder "$dir" demo
"$cli" --folder "$dir" demo
db="$dir/data/przDB.sqlite"
n=$(sqlite3 "$db" "select count(*) from kartoteka")
kinds=$(sqlite3 "$db" "select count(distinct rodzaj_przelewu) from kartoteka")
obrien=$(sqlite3 "$db" "select count(*) from kartoteka where dost_nazwa = 'O''Brien Consulting Sp. z o.o.'")
echo "orders: $n, kinds: $kinds, to O'Brien: $obrien"
[ "$n" -ge 50 ] && [ "$kinds" -eq 3 ] && [ "$obrien" -ge 2 ]
