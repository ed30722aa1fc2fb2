#!/usr/bin/env bash
# The fault campaign behind the end-to-end fault tests, at full size: on a
# generated league whose last matchday is new (so every page has an old and
# a new version), runs
#   - overlapping pairs: two runs started together; one must be refused
#     (exit 2, the message) or both must complete; then every page is new;
#   - kills: a run killed with SIGKILL at a random moment; every page must
#     be old or new, whole; the run after the kills leaves no temporary file;
#   - planted links: links in place of pages and under temporary-looking
#     names; the files they point to must stay untouched;
# and prints the figures. Exits 1 when anything went wrong.
#
#   tools/fault-campaign.sh [PROGRAM [PAIRS [KILLS]]]
#
# PROGRAM defaults to build/corvalis (build-asan/corvalis for the sanitizer
# build); the league generator is taken from beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/corvalis}")
pairs=${2:-100}
kills=${3:-400}
generator=$(dirname "$program")/corvalis_seasongen
[ -x "$generator" ] || generator=build/corvalis_seasongen
teams=20
matchdays=38

scratch=$(mktemp -d "${TMPDIR:-/tmp}/corvalis-faults-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
home=$scratch/home web=$scratch/web js=$scratch/js work=$scratch/work
old=$scratch/old outside=$scratch/outside
mkdir -p "$home" "$web" "$js" "$work" "$old" "$outside"
folders=(home web js work)
folder_of() { case $1 in home) echo "$home" ;; web) echo "$web" ;; js) echo "$js" ;;
  work) echo "$work" ;; esac; }
temporary='^\.htcorvalis-[0-9a-f]{16}\.tmp$'
problems=0
problem() { echo "PROBLEM: $*" >&2; problems=$((problems + 1)); }

"$generator" --seed 7 --teams $teams --matchdays $matchdays "$home" >/dev/null
sed -i "0,/^\*\r\$/s||*\r\nDIR $web\r\nDJS $js\r|" "$home/conf.txt"
declare -A input=()
while IFS= read -r name; do input[$name]=1; done < <(cd "$home" && ls -A)
last_export=$(cd "$home" && ls | grep "Risultati$matchdays\.tab\$")

run() { (cd "$work" && exec "$program" --home "$home"); }

# sums ARRAY: the SHA-256 of every output file, keyed "folder/name".
sums() {
  local -n into=$1
  into=()
  local label dir sum name
  for label in "${folders[@]}"; do
    dir=$(folder_of "$label")
    while IFS= read -r line; do
      sum=${line%% *}
      name=${line#*  }
      [ "$label" = home ] && [ -n "${input[$name]:-}" ] && continue
      into["$label/$name"]=$sum
    done < <(cd "$dir" && find . -maxdepth 1 -type f -printf '%P\0' | xargs -0 -r sha256sum)
  done
}

# The old pages: a run without the last matchday; kept for restoring.
mv "$home/$last_export" "$scratch/"
run >/dev/null 2>&1 || { echo "the run without matchday $matchdays failed" >&2; exit 1; }
declare -A old_sum new_sum now_sum
sums old_sum
for label in "${folders[@]}"; do
  mkdir -p "$old/$label"
  for key in "${!old_sum[@]}"; do
    [ "${key%%/*}" = "$label" ] && cp -p "$(folder_of "$label")/${key#*/}" "$old/$label/"
  done
done
mv "$scratch/$last_export" "$home/"
times=()
for i in 1 2 3; do
  start=$(date +%s%N)
  run >/dev/null 2>&1 || { echo "the run with every matchday failed" >&2; exit 1; }
  times+=($((($(date +%s%N) - start) / 1000)))
done
run_us=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 2p)
sums new_sum

# Every page of either version, and the old pages back in place; temporary
# files stay, for the next run to clean.
pages=()
for key in "${!old_sum[@]}" "${!new_sum[@]}"; do
  pages+=("$(folder_of "${key%%/*}")/${key#*/}")
done
restore_old() {
  rm -f -- "${pages[@]}"
  for label in "${folders[@]}"; do cp -pr "$old/$label"/. "$(folder_of "$label")/"; done
}

# check WHEN TEMP_ALLOWED: every page old or new, none missing; counts the
# pages of each kind and the temporary files in found_old, found_new,
# found_temp.
check() {
  local when=$1 temp_allowed=$2 key name
  sums now_sum
  found_old=0 found_new=0 found_temp=0
  for key in "${!now_sum[@]}"; do
    name=${key#*/}
    if [[ $name =~ $temporary ]]; then
      found_temp=$((found_temp + 1))
      [ "$temp_allowed" = yes ] || problem "$when: temporary file $key left"
    elif [ "${now_sum[$key]}" = "${new_sum[$key]:-}" ]; then
      found_new=$((found_new + 1))
    elif [ "${now_sum[$key]}" = "${old_sum[$key]:-}" ]; then
      found_old=$((found_old + 1))
    else
      problem "$when: $key is neither the old nor the new page"
    fi
  done
  for key in "${!old_sum[@]}"; do
    [ -n "${new_sum[$key]:-}" ] && [ -z "${now_sum[$key]:-}" ] && problem "$when: $key missing"
  done
  return 0
}

busy="Corvalis e' gia' in esecuzione sulla lega della cartella $home: questa esecuzione \
termina senza modificare alcun file (riprovare quando l'altra sara' finita)"
echo "league: $teams teams, $matchdays matchdays, ${#new_sum[@]} output files;" \
  "a whole run takes $((run_us / 1000)) ms"

# ---- Overlapping pairs ------------------------------------------------------
refused=0 both=0
for ((p = 1; p <= pairs; p++)); do
  restore_old
  (cd "$work" && exec "$program" --home "$home") >"$scratch/a.out" 2>"$scratch/a.err" &
  a=$!
  (cd "$work" && exec "$program" --home "$home") >"$scratch/b.out" 2>"$scratch/b.err" &
  b=$!
  sa=0 sb=0
  wait $a || sa=$?
  wait $b || sb=$?
  if [ $sa -eq 0 ] && [ $sb -eq 0 ]; then
    both=$((both + 1))
  elif { [ $sa -eq 0 ] && [ $sb -eq 2 ]; } || { [ $sa -eq 2 ] && [ $sb -eq 0 ]; }; then
    refused=$((refused + 1))
    loser=b
    [ $sa -eq 2 ] && loser=a
    [ "$(cat "$scratch/$loser.err")" = "$busy" ] ||
      problem "pair $p: refused with: $(head -c 300 "$scratch/$loser.err")"
    [ -s "$scratch/$loser.out" ] && problem "pair $p: the refused run wrote to stdout"
  else
    problem "pair $p: exit statuses $sa and $sb: $(cat "$scratch/a.err" "$scratch/b.err")"
  fi
  check "pair $p" no
  [ $found_old -eq 0 ] || problem "pair $p: $found_old pages still old"
done
echo "overlapping pairs: $pairs; one run refused with the message: $refused;" \
  "both completed (one after the other): $both"

# ---- Kills at random moments -----------------------------------------------
# The kill comes at a random moment of a window as long as a run: a run that
# ended before it shortens the window, one that did not lengthens it, so
# that most kills find a run at work whatever the machine's speed.
window_us=$run_us
killed=0 completed=0 mixed=0 with_temp=0 temp_total=0 pages_old=0 pages_new=0
for ((k = 1; k <= kills; k++)); do
  restore_old
  delay=$(((RANDOM * 32768 + RANDOM) % (window_us + 1)))
  (cd "$work" && exec "$program" --home "$home") >/dev/null 2>&1 &
  pid=$!
  sleep "$(printf '%d.%06d' $((delay / 1000000)) $((delay % 1000000)))"
  kill -9 $pid 2>/dev/null || true
  status=0
  { wait $pid; } 2>/dev/null || status=$?  # no "Killed" line from the shell
  if [ $status -eq 137 ]; then
    killed=$((killed + 1)) window_us=$((window_us * 101 / 100))
  else
    completed=$((completed + 1)) window_us=$((window_us * 95 / 100))
  fi
  check "kill $k" yes
  pages_old=$((pages_old + found_old)) pages_new=$((pages_new + found_new))
  [ $found_old -gt 0 ] && [ $found_new -gt 0 ] && mixed=$((mixed + 1))
  [ $found_temp -gt 0 ] && with_temp=$((with_temp + 1)) && temp_total=$((temp_total + found_temp))
done
# The next run completes and cleans what the kills left (restore_old keeps
# the temporary files of every kill).
run >/dev/null 2>&1 || problem "the run after the kills failed"
check "the run after the kills" no
echo "kills: $kills; killed during the run: $killed, run already over: $completed;" \
  "old and new pages side by side after $mixed kills; pages found old: $pages_old," \
  "new: $pages_new"
echo "temporary files: left by $with_temp kills ($temp_total files in all, kept until the" \
  "next run); after the next run: $found_temp"

# ---- Planted links ------------------------------------------------------------
restore_old
for target in page script archive temp-web temp-source; do
  echo "not to be touched: $target" >"$outside/$target"
done
(cd "$outside" && sha256sum -- *) >"$scratch/outside.sums"
ln -sf "$outside/page" "$web/bestrose.htm"
ln -sf "$outside/script" "$js/crvTop11.js"
ln -sf "$outside/archive" "$work/ultima $matchdays.htm"
ln -sf "$outside/temp-web" "$web/.htcorvalis-0123456789abcdef.tmp"
ln -sf "$outside/temp-source" "$home/.htcorvalis-fedcba9876543210.tmp"
run >/dev/null 2>&1 || problem "the run with planted links failed"
(cd "$outside" && sha256sum -c --quiet "$scratch/outside.sums") ||
  problem "a file outside the league changed"
[ "$(ls -A "$outside" | wc -l)" -eq 5 ] || problem "a file appeared outside the league"
for page in "$web/bestrose.htm" "$js/crvTop11.js" "$work/ultima $matchdays.htm"; do
  [ -L "$page" ] && problem "$page is still a link"
done
rm -f "$web/.htcorvalis-0123456789abcdef.tmp" "$home/.htcorvalis-fedcba9876543210.tmp"
check "planted links" no
echo "planted links: 3 in place of pages (replaced by the pages), 2 under temporary names" \
  "(left alone); files outside the league untouched: $([ $problems -eq 0 ] && echo yes || echo no)"

if [ $problems -ne 0 ]; then
  echo "FAILED: $problems problems" >&2
  exit 1
fi
echo "fault campaign passed: nothing lost, nothing outside the league touched"
