#!/bin/sh
# The programs start as a desktop user's and a script's tools should: zlecenix --help and --version
# print and end without a window; zlecenix-cli's commands, the PDF ones included, need no display
# and write nothing to stderr, even in a session without XDG_RUNTIME_DIR.
# Usage: quiet_start_test.sh ZLECENIX ZLECENIX_CLI
set -eu
app="$1"
cli="$2"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
bare() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR "$@"; }

bare "$app" --help > "$dir/help.txt" 2> "$dir/err.txt" || fail "zlecenix --help failed"
grep -q -- '--folder' "$dir/help.txt" || fail "help names no --folder"
bare "$app" --version > "$dir/version.txt" 2>> "$dir/err.txt" || fail "zlecenix --version failed"
grep -qE '^zlecenix [0-9]+\.[0-9]+' "$dir/version.txt" || fail "version: $(cat "$dir/version.txt")"

f="$dir/folder"
bare "$cli" --folder "$f" demo > /dev/null 2>> "$dir/err.txt"
bank=$(bare "$cli" --folder "$f" sql "select nr_id from kartoteka where rodzaj_przelewu = 0" 2>> "$dir/err.txt" \
  | sed -n 2,3p | paste -sd, -)
[ -n "$bank" ] || fail "no bank orders in the demo data"
bare "$cli" --folder "$f" print --ids "$bank" --layout 0 --out "$dir/p.pdf" > /dev/null 2>> "$dir/err.txt" \
  || fail "print failed"
bare "$cli" --folder "$f" report --kind zestawienie1 --ids "$bank" --out "$dir/r.pdf" > /dev/null \
  2>> "$dir/err.txt" || fail "report failed"
[ -s "$dir/p.pdf" ] && [ -s "$dir/r.pdf" ] || fail "no PDF written"
if [ -s "$dir/err.txt" ]; then
  cat "$dir/err.txt" >&2
  fail "something was written to stderr"
fi
echo "quiet: help, version, demo, sql, print, report"
