#!/usr/bin/env bash
# Start-up benchmark: times each program from process start to its first window mapped,
# against the floor (a bare Qt window with a Chinese caption), in paired runs that
# alternate floor and program, on an X server and a session bus of its own. Prints the
# medians, the ratio to the floor, and the peak memory of each.
#
# Usage: bench/startup.sh [rounds]      (default 15; DISPLAY_FROM=70 picks the first display)
set -euo pipefail

rounds="${1:-15}"
settle_ms="${SETTLE_MS:-500}"  # after the first map, so work done later counts in the peak
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/install-missing.sh" xvfb dbus-daemon libxcb1-dev pkg-config
"$root/scripts/setup.sh" >/dev/null
cmake -S "$root/bench" -B "$root/build/bench" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build/bench" -j "$(nproc)" >/dev/null

dist="$root/build/dist"
floor="$root/build/bench/floor"
firstmap="$root/build/bench/firstmap"

work="$(mktemp -d /tmp/startup-bench.XXXXXX)"
xvfb_pid=""
bus_pid=""
cleanup() {
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# An X server on the first free display from DISPLAY_FROM up.
display="${DISPLAY_FROM:-70}"
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
  display=$((display + 1))
done
# Xvfb writes the display number to fd 3 once it takes connections.
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset -displayfd 3 \
  3>"$work/xvfb.ready" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do
  [ -s "$work/xvfb.ready" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
  sleep 0.05
done
[ -s "$work/xvfb.ready" ] || { echo "startup.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"

# A session bus, as on a desktop.
bus_info="$(dbus-daemon --session --fork --print-address=1 --print-pid=1)"
export DBUS_SESSION_BUS_ADDRESS="$(sed -n 1p <<<"$bus_info")"
bus_pid="$(sed -n 2p <<<"$bus_info")"

# Private runtime and settings folders, so nothing of the learner's is read or written.
mkdir -m 700 "$work/runtime"
mkdir "$work/config"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORM SESSION_MANAGER SUITE_START_STATE

# Working folders laid out like build/dist: one whose preference shows Main first, one
# whose preference shows the tips window first.
for mode in main tips; do
  mkdir "$work/$mode"
  ln -s "$dist/Brenvale" "$dist/sound" "$dist/partmathtools" "$work/$mode/"
done
printf '"2.71828"\r\n' >"$work/main/Wendrake.SWC"
printf '"0"\r\n' >"$work/tips/Wendrake.SWC"

names=("Brenvale Main" "Brenvale kaishi" triangle symmetry Dorvix Tobrask distance)
folders=(main tips main main main main main)
programs=(./Brenvale ./Brenvale partmathtools/triangle partmathtools/symmetry
  partmathtools/Dorvix partmathtools/Tobrask partmathtools/distance)

# One timed run: "<seconds> <peak KiB>" appended to the file.
run() {
  local folder="$1" out="$2"
  shift 2
  if ! (cd "$work/$folder" && "$firstmap" "$settle_ms" 10000 "$@") >>"$out" 2>"$work/run.log"; then
    echo "startup.sh: $* in $folder/ failed:" >&2
    tail -n 20 "$work/run.log" >&2
    exit 1
  fi
}

echo "Display :$display, $rounds rounds, peak read ${settle_ms} ms after the first map."
# One unrecorded run of each first: caches are warm for every recorded one.
run main /dev/null "$floor"
for i in "${!names[@]}"; do run "${folders[$i]}" /dev/null "${programs[$i]}"; done

for r in $(seq "$rounds"); do
  for i in "${!names[@]}"; do
    # The pair's order alternates from round to round.
    if ((r % 2)); then
      run main "$work/floor.$i" "$floor"
      run "${folders[$i]}" "$work/prog.$i" "${programs[$i]}"
    else
      run "${folders[$i]}" "$work/prog.$i" "${programs[$i]}"
      run main "$work/floor.$i" "$floor"
    fi
  done
  printf '.'
done
echo

median() {  # column $2 of file $1
  cut -d' ' -f"$2" "$1" | sort -g | awk '{v[NR] = $1} END {
    if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '%-16s %9s %9s %6s   %9s %9s %6s\n' program "floor s" "prog s" ratio "floor MiB" "prog MiB" ratio
for i in "${!names[@]}"; do
  ft="$(median "$work/floor.$i" 1)"
  pt="$(median "$work/prog.$i" 1)"
  fm="$(median "$work/floor.$i" 2)"
  pm="$(median "$work/prog.$i" 2)"
  awk -v n="${names[$i]}" -v ft="$ft" -v pt="$pt" -v fm="$fm" -v pm="$pm" 'BEGIN {
    printf "%-16s %9.3f %9.3f %6.2f   %9.1f %9.1f %6.2f\n", n, ft, pt, pt / ft, fm / 1024, pm / 1024, pm / fm }'
done
