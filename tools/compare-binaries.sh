#!/usr/bin/env bash
# Runs two builds of the program on the same generated leagues and compares
# everything they leave behind: every file, standard output and error, and
# the exit status. For changes that must not change a byte.
#   tools/compare-binaries.sh OLD_BINARY NEW_BINARY [LEAGUES] [SEASONGEN]
set -euo pipefail
old=$(realpath "$1")
new=$(realpath "$2")
count=${3:-200}
gen=$(realpath "${4:-build/corvalis_seasongen}")
scratch=$(mktemp -d "${TMPDIR:-/tmp}/corvalis-compare.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

run() {  # binary folder -> writes folder/.out folder/.err folder/.status
  local status=0
  (cd "$2" && "$1" --home "$2" >"$2/.out" 2>"$2/.err") || status=$?
  echo "$status" >"$2/.status"
}

differ=0
for ((i = 1; i <= count; i++)); do
  # Every shape: 2 to 40 teams, 1 to 42 matchdays, gaps, cup matches, SQ,
  # with and without section 3, cred.txt, Panchine.txt, several exponents.
  teams=$((2 + (i * 7) % 39))
  matchdays=$((1 + (i * 13) % 42))
  players=$((11 + (i * 5) % 15))
  args=(--seed "$i" --teams "$teams" --matchdays "$matchdays" --players "$players")
  missing=(0 0.1 0.3); cup=(0 0.2 0.6); exps=("" 1 2 0.5 1.5 3)
  args+=(--missing "${missing[i % 3]}" --cup "${cup[(i / 3) % 3]}")
  [ -n "${exps[i % 6]}" ] && args+=(--exponent "${exps[i % 6]}")
  ((i % 4 == 0)) && args+=(--sq)
  ((i % 5 == 0)) && args+=(--no-cred)
  ((i % 7 == 0)) && args+=(--no-panchine)
  ((i % 6 == 1)) && args+=(--no-section3)
  league="$scratch/league"
  rm -rf "$league" "$scratch/a" "$scratch/b"
  mkdir -p "$league"
  "$gen" "${args[@]}" "$league" >/dev/null
  cp -r "$league" "$scratch/a"
  cp -r "$league" "$scratch/b"
  run "$old" "$scratch/a"
  run "$new" "$scratch/b"
  if ! diff -r "$scratch/a" "$scratch/b" >"$scratch/diff" 2>&1; then
    differ=$((differ + 1))
    echo "lega $i (${args[*]}): differenze"
    head -n 20 "$scratch/diff"
  fi
done
echo "$count leghe confrontate, $differ con differenze"
[ "$differ" -eq 0 ]
