#!/usr/bin/env bash
# Runs the libFuzzer targets that `make fuzz` builds into BUILD_DIR.
#
#   tests/fuzz/fuzz.sh BUILD_DIR smoke
#       every kept regression input once, then each target a few seconds
#       from its seeds alone (about a minute in all, whatever corpus the long
#       runs have grown); fails on any finding.
#   tests/fuzz/fuzz.sh BUILD_DIR run TARGET [libFuzzer options...]
#       one target from its seeds and its growing corpus, until stopped or
#       until an option such as -runs=1000000 or -max_total_time=3600 ends it.
#   tests/fuzz/fuzz.sh BUILD_DIR replay
#       every kept regression input once.
#
# Targets: conf_reader results_reader credits_reader bench_setup_reader
# whole_run. Seeds are made afresh from the demo league, the leagues of
# tests/data and the golden seasons, with those of tests/fuzz/seeds; the
# corpus grows in
# BUILD_DIR/fuzz/corpus/TARGET, findings land in BUILD_DIR/fuzz/findings/TARGET.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=$(cd "${1:?build folder}" && pwd)
mode=${2:?mode: smoke, run or replay}
work=$build/fuzz
targets=(conf_reader results_reader credits_reader bench_setup_reader whole_run)
# A smaller quarantine of freed memory than AddressSanitizer's 256 MB: an
# input allocates a few MB at most, so a use after free within one input is
# still caught, and the targets run about three times as fast (with the
# full quarantine every execution touches fresh pages).
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}

# The league folders the seeds come from.
leagues=("$repo/examples/fantabar")
for folder in "$repo"/tests/data/*/; do
  folder=${folder%/}
  if [ -f "$folder/league/conf.txt" ]; then leagues+=("$folder/league")
  elif [ -f "$folder/conf.txt" ]; then leagues+=("$folder"); fi
done

make_seeds() {
  local target league
  rm -rf "$work/seeds"
  for target in "${targets[@]}"; do
    mkdir -p "$work/seeds/$target"
    # The seeds kept in the repository: inputs at the limits of the data,
    # and files that the leagues lack.
    if [ -d "$here/seeds/$target" ]; then cp "$here/seeds/$target"/* "$work/seeds/$target/"; fi
  done
  for league in "${leagues[@]}"; do
    local tag exports=() file
    tag=$(echo "${league#"$repo"/}" | tr '/ ' '__')
    cp "$league/conf.txt" "$work/seeds/conf_reader/$tag"
    [ -f "$league/cred.txt" ] && cp "$league/cred.txt" "$work/seeds/credits_reader/$tag"
    [ -f "$league/Panchine.txt" ] && cp "$league/Panchine.txt" "$work/seeds/bench_setup_reader/$tag"
    while IFS= read -r file; do exports+=("$file"); done < <(ls "$league" | grep 'Risultati[0-9]*\.tab$')
    for file in "${exports[@]}"; do
      cp "$league/$file" "$work/seeds/results_reader/${tag}_$(echo "$file" | tr ' ' '_')"
    done
    # The whole run: conf.txt, cred.txt, Panchine.txt and the first three
    # exports of the league.
    {
      for file in conf.txt cred.txt Panchine.txt "${exports[@]:0:3}"; do
        [ -f "$league/$file" ] || continue
        printf '==> %s <==\n' "$file"
        cat "$league/$file"
        # The next header must start a line of its own.
        [ -z "$(tail -c 1 "$league/$file")" ] || echo
      done
    } > "$work/seeds/whole_run/$tag"
  done
}

dictionary() {
  case $1 in
    conf_reader) echo "$here/dict/conf.dict" ;;
    results_reader) echo "$here/dict/export.dict" ;;
    credits_reader) echo "$here/dict/credits.dict" ;;
    bench_setup_reader) echo "$here/dict/bench_setup.dict" ;;
    whole_run)
      cat "$here"/dict/*.dict > "$work/whole_run.dict"
      echo "$work/whole_run.dict" ;;
  esac
}

# A whole run takes tens of milliseconds; a reader far less.
timeout_of() { [ "$1" = whole_run ] && echo 30 || echo 5; }

binary() {
  local program=$build/tests/fuzz/fuzz_$1
  [ -x "$program" ] || { echo "missing $program: run make fuzz first" >&2; exit 2; }
  echo "$program"
}

# fuzz CORPUS TARGET [options...]
fuzz() {
  local corpus=$1/$2 target=$2
  shift 2
  mkdir -p "$corpus" "$work/findings/$target"
  "$(binary "$target")" "$corpus" "$work/seeds/$target" \
    -dict="$(dictionary "$target")" -timeout="$(timeout_of "$target")" \
    -max_len=131072 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/findings/$target/" "$@"
}

replay() {
  local target inputs
  for target in "${targets[@]}"; do
    inputs=("$here/regressions/$target"/*)
    [ -e "${inputs[0]}" ] || continue
    echo "== replaying ${#inputs[@]} kept inputs of $target"
    "$(binary "$target")" -timeout="$(timeout_of "$target")" -rss_limit_mb=2048 \
      "${inputs[@]}"
  done
}

case $mode in
  smoke)
    make_seeds
    replay
    # Seconds per target: the whole run and the export reader have the most
    # code behind them.
    for pair in conf_reader:7 results_reader:15 credits_reader:5 bench_setup_reader:5 \
                whole_run:20; do
      echo "== fuzzing ${pair%%:*} for ${pair##*:} s"
      rm -rf "$work/smoke"
      fuzz "$work/smoke" "${pair%%:*}" -max_total_time="${pair##*:}"
    done ;;
  run)
    make_seeds
    fuzz "$work/corpus" "${3:?target}" "${@:4}" ;;
  replay) replay ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac
