#!/bin/sh
# Runs `zlecenix-cli demo` twice on a fresh program folder and lists the orders with `zlecenix-cli sql`.
set -eu
cli="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$cli" --folder "$dir" demo
"$cli" --folder "$dir" demo
"$cli" --folder "$dir" sql " select * from kartoteka " > "$dir/lista.txt"
head -n 1 "$dir/lista.txt" | grep -q "nr_id"
n=$(($(wc -l < "$dir/lista.txt") - 1))
kinds=$("$cli" --folder "$dir" sql "select count(*) as n from (select distinct rodzaj_przelewu from kartoteka)" | tail -n 1)
obrien=$(grep -c "O'Brien Consulting Sp. z o.o." "$dir/lista.txt" || true)
# Amounts come out with the decimal comma, dates as yyyy-mm-dd.
grep -qE "	[0-9]+,[0-9]{2}	" "$dir/lista.txt"
grep -qE "	20[0-9]{2}-[0-9]{2}-[0-9]{2}	" "$dir/lista.txt"
echo "orders: $n, kinds: $kinds, to O'Brien: $obrien"
[ "$n" -ge 50 ] && [ "$kinds" -eq 3 ] && [ "$obrien" -ge 2 ]
