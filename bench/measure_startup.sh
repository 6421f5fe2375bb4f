#!/usr/bin/env bash
# Whole-process figures of the program under Xvfb with no device attached, each run with a
# private, empty home folder (a first launch):
#   - start to ready: from starting the process to its "ready" log line (tray or guide shown),
#     measured from outside, and the figure the program logs itself (from main());
#   - idle CPU over the 10 s after ready, in % of one core (from /proc/<pid>/stat);
#   - idle RSS after those 10 s (VmRSS from /proc/<pid>/status), and how many mappings of the
#     web engine's libraries or its plugin the process holds then (none before the AI window),
#     and of the offline recogniser's libraries (none before the first English dictation);
#   - quit: from SIGTERM (handled as the Quit menu item) to the end of the process.
# It also reports error lines in the log ("❌", Qt criticals and warnings on stderr).
#
# Usage: bench/measure_startup.sh [binary] [runs]
#   binary  the Release build (default: build/bench/src/composition/corvane-companion, as the
#           README's bench command builds it)
#   runs    how many launches (default 5); idle figures come from the first run
set -euo pipefail
cd "$(dirname "$0")/.."

binary=$(realpath "${1:-build/bench/src/composition/corvane-companion}")
runs=${2:-5}
[ -x "$binary" ] || { echo "no program at $binary; build it with the README's bench command first" >&2; exit 2; }

if [ -z "${VQ_BENCH_INNER:-}" ]; then
  # One X server for all runs, so its own start-up is not counted.
  exec env VQ_BENCH_INNER=1 xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$binary" "$runs"
fi

now_ns() { date +%s%N; }
clk_tck=$(getconf CLK_TCK)

cpu_ticks() { # utime + stime of the process
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

ready_ext=()
ready_int=()
quit_ms=()
errors=0
idle_cpu=""
idle_rss=""
webengine_mapped=""
recognizer_mapped=""

for run in $(seq 1 "$runs"); do
  home=$(mktemp -d /tmp/vq-bench-home-XXXXXX)
  mkdir -p "$home/run" && chmod 700 "$home/run"
  log="$home/out.log"
  start=$(now_ns)
  env -u DBUS_SESSION_BUS_ADDRESS HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
      XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/run" LANG=C.UTF-8 \
      "$binary" >"$log" 2>&1 &
  pid=$!
  deadline=$(( start + 10000000000 ))
  until grep -q " ready in " "$log" 2>/dev/null; do
    if ! kill -0 "$pid" 2>/dev/null || [ "$(now_ns)" -gt "$deadline" ]; then
      echo "run $run: the program did not get ready" >&2; cat "$log" >&2; exit 1
    fi
    sleep 0.002
  done
  ready=$(now_ns)
  ready_ext+=( $(( (ready - start) / 1000000 )) )
  ready_int+=( "$(grep -o ' ready in [0-9]* ms' "$log" | grep -o '[0-9]*')" )

  if [ "$run" -eq 1 ]; then
    t0=$(cpu_ticks "$pid")
    sleep 10
    t1=$(cpu_ticks "$pid")
    idle_cpu=$(awk -v d=$(( t1 - t0 )) -v hz="$clk_tck" 'BEGIN { printf "%.2f", d / hz / 10 * 100 }')
    idle_rss=$(awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
    # The web engine is a plugin loaded at the first AI window: none of it is mapped before.
    webengine_mapped=$(grep -c -E "libQt6WebEngine|vq_ai_web" "/proc/$pid/maps" || true)
    recognizer_mapped=$(grep -c -E "libpocketsphinx|libsphinxbase" "/proc/$pid/maps" || true)
  fi

  quit_start=$(now_ns)
  kill -TERM "$pid"
  wait "$pid" || true
  quit_ms+=( $(( ($(now_ns) - quit_start) / 1000000 )) )

  # Errors: the log's error level, Qt's criticals and warnings on stderr.
  found=$(grep -c -E "❌|^QStandardPaths|^qt\.|Warning:|Critical:|^Q[A-Za-z]+::" "$log" || true)
  if [ "$found" -gt 0 ]; then
    errors=$(( errors + found ))
    echo "run $run: error lines in the log:" >&2
    grep -E "❌|^QStandardPaths|^qt\.|Warning:|Critical:|^Q[A-Za-z]+::" "$log" >&2 || true
  fi
  rm -rf "$home"
done

median() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

echo "program:                  $binary"
echo "runs:                     $runs"
echo "start to ready (outside): first ${ready_ext[0]} ms, median $(median "${ready_ext[@]}") ms   (goal < 300 ms)"
echo "start to ready (logged):  first ${ready_int[0]} ms, median $(median "${ready_int[@]}") ms"
echo "idle CPU over 10 s:       ${idle_cpu} % of one core   (goal < 0.3 %)"
echo "idle RSS:                 ${idle_rss} MB   (goal < 60 MB)"
echo "web engine mappings idle: ${webengine_mapped}   (goal 0)"
echo "recogniser mappings idle: ${recognizer_mapped}   (goal 0)"
echo "quit on SIGTERM:          median $(median "${quit_ms[@]}") ms, max $(printf '%s\n' "${quit_ms[@]}" | sort -n | tail -1) ms   (goal < 1000 ms)"
echo "error lines in the logs:  $errors"
