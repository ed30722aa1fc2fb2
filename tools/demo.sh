#!/usr/bin/env bash
# Runs the program on a scratch copy of the demo league, so that the copy in
# examples/ stays clean, with a preview of the site, and says where the pages
# and the preview are.
set -euo pipefail
binary=$(realpath "${1:-build/corvalis}")
here=$(cd "$(dirname "$0")/.." && pwd)
scratch="${TMPDIR:-/tmp}/corvalis-demo"
rm -rf "$scratch"
mkdir -p "$scratch"
cp "$here"/examples/fantabar/* "$scratch"/
cd "$scratch"
status=0
"$binary" --home "$scratch" --preview "$scratch/anteprima" || status=$?
echo
echo "Lega dimostrativa: $scratch"
echo "Pagine scritte:"
ls -1 "$scratch" | grep -E '\.(htm|js|php)$' | sed 's/^/  /' || true
if [ "$status" -eq 0 ]; then
  echo
  echo "Anteprima del sito, da aprire nel browser:"
  echo "  file://$scratch/anteprima/index.html"
fi
exit "$status"
