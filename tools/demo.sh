#!/usr/bin/env bash
# Runs the program on a scratch copy of the demo league, so that the copy in
# examples/ stays clean, and says where the pages are.
set -euo pipefail
binary=$(realpath "${1:-build/corvalis}")
here=$(cd "$(dirname "$0")/.." && pwd)
scratch="${TMPDIR:-/tmp}/corvalis-demo"
rm -rf "$scratch"
mkdir -p "$scratch"
cp "$here"/examples/fantabar/* "$scratch"/
cd "$scratch"
status=0
"$binary" --home "$scratch" || status=$?
echo
echo "Lega dimostrativa: $scratch"
echo "Pagine scritte:"
ls -1 "$scratch" | grep -E '\.(htm|js|php)$' | sed 's/^/  /' || true
exit "$status"
