#!/usr/bin/env bash
# The Windows build, checked on this machine: cross-compiles corvalis.exe
# and the unit tests with MinGW-w64, runs the tests under Wine, then runs
# corvalis.exe and the POSIX program on two copies of the demo league and
# requires the same files, byte for byte, the same messages and the same
# exit status. Installs the cross compiler, GoogleTest's sources and Wine
# when missing.
#
#   tools/windows-check.sh [POSIX binary, default build/corvalis]
#
# Every run uses --console: a headless Wine must never wait on a message box.
set -euo pipefail
cd "$(dirname "$0")/.."
here=$(pwd)
build_dir="$here/${WINDOWS_BUILD_DIR:-build-windows}"
jobs=${JOBS:-2}
posix_binary=${1:-build/corvalis}

find_wine() {
  command -v wine64 || { [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64; } ||
    command -v wine || true
}

missing=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 ||
  missing+=(g++-mingw-w64-x86-64-posix)
[ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
[ -n "$(find_wine)" ] || missing+=(wine64)
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
    "${missing[@]}"
fi
wine=$(find_wine)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/corvalis-windows-XXXXXX")
own_prefix=0
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX="$scratch/wine-prefix"
  own_prefix=1
fi
cleanup() {
  # The prefix's wine server leaves by itself once idle; wait for it before
  # its folder goes.
  if [ "$own_prefix" -eq 1 ]; then
    "$(dirname "$wine")/wineserver" -w 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer dialogs
unset DISPLAY WAYLAND_DISPLAY

echo "== Windows build (MinGW-w64) in $build_dir"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
  -DCORVALIS_GTEST_SOURCE=/usr/src/googletest -DCORVALIS_WINE="$wine" >/dev/null
cmake --build "$build_dir" -j "$jobs"
exe="$build_dir/corvalis.exe"

# Only DLLs that every Windows has: nothing to ship beside corvalis.exe.
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
if echo "$dlls" | grep -viqE '^(kernel32|user32|msvcrt|advapi32|shell32)\.dll$'; then
  echo "corvalis.exe needs DLLs that Windows lacks:" $dlls >&2
  exit 1
fi

echo "== Wine: first start of the prefix (${SECONDS}s)"
"$wine" wineboot --init >/dev/null 2>&1 || true

echo "== Unit tests under Wine (${SECONDS}s)"
# A Wine process now and then dies at start-up, before the test prints a
# line. The same tests run natively and under the sanitizers, so a test
# that fails here is run once more, alone, and only a second failure counts.
if ! ctest --test-dir "$build_dir" --output-on-failure -j "$jobs"; then
  echo "== Failed tests once more, one at a time (${SECONDS}s)"
  ctest --test-dir "$build_dir" --output-on-failure --rerun-failed
fi

[ -x "$posix_binary" ] || make build JOBS="$jobs"
posix_binary=$(realpath "$posix_binary")
# The Windows program locks a league on a hidden file that stays in the
# source folder; the POSIX one locks the folder itself.
list_files() {
  (cd "$1" && find . -type f ! -name .htcorvalis.lock | sed 's|^\./||' | LC_ALL=C sort)
}

# Runs both programs on copies of the league in $2 and compares everything.
compare_league() {
  local label=$1 league=$2 work="$scratch/$1"
  echo "== $label: POSIX and Windows output (${SECONDS}s)"
  for side in posix windows; do
    mkdir -p "$work/$side"
    cp "$league"/* "$work/$side/"
  done
  local posix_status=0 windows_status=0 failed=0
  (cd "$work/posix" &&
    "$posix_binary" --home "$work/posix" >"$work/posix.out" 2>"$work/posix.err") ||
    posix_status=$?
  local windows_home
  windows_home="Z:$(printf '%s' "$work/windows" | tr / '\\')"
  (cd "$work/windows" &&
    "$wine" "$exe" --console --home "$windows_home" </dev/null \
      >"$work/windows.out" 2>"$work/windows.err") || windows_status=$?
  if [ "$posix_status" -ne 0 ] || [ "$windows_status" -ne 0 ]; then
    echo "exit status: POSIX $posix_status, Windows $windows_status (both must be 0)" >&2
    failed=1
  fi
  for stream in out err; do
    # Windows ends console lines with CR LF; paths in messages differ.
    if ! diff <(sed "s|$work/posix|HOME|g" "$work/posix.$stream") \
        <(tr -d '\r' <"$work/windows.$stream" | tr '\\' / |
          sed "s|Z:$work/windows|HOME|g") >&2; then
      echo "standard $stream differs" >&2
      failed=1
    fi
  done
  if ! diff <(list_files "$work/posix") <(list_files "$work/windows") >"$work/sets"; then
    echo "the two runs left different files (< POSIX only, > Windows only):" >&2
    cat "$work/sets" >&2
    failed=1
  fi
  local compared=0 name
  while IFS= read -r name; do
    [ -f "$work/windows/$name" ] || continue
    compared=$((compared + 1))
    if ! cmp "$work/posix/$name" "$work/windows/$name" >&2; then
      echo "differs: $name" >&2
      failed=1
    fi
  done < <(list_files "$work/posix")
  if [ "$failed" -ne 0 ]; then
    echo "FAILED: corvalis.exe and the POSIX program disagree on the $label" >&2
    exit 1
  fi
  echo "$label: $compared files byte-identical, same messages, exit status $posix_status"
}

compare_league "demo league" examples/fantabar

# A generated league with what the demo lacks: the SQ switch, a fractional
# gap exponent, cup matches, missing matchdays.
generator=$(dirname "$posix_binary")/corvalis_seasongen
if [ -x "$generator" ]; then
  mkdir -p "$scratch/generated-league"
  "$generator" --seed 5 --teams 12 --matchdays 20 --missing 0.1 --cup 0.3 --sq --exponent 1.5 \
    "$scratch/generated-league" >/dev/null
  compare_league "generated league" "$scratch/generated-league"
fi
echo "Windows check passed in ${SECONDS}s"
