#!/usr/bin/env python3
"""The pen bench's processor time seen from outside, per 10 s.

Starts a private Xvfb (1920x1080x24), runs vq_laser_pen_bench on it with the given arguments and
reads, every 10 s from the pointer's first move (the bench's mover process starting), the CPU time
(utime + stime from /proc/<pid>/stat) of the bench program and of the X server, as shares of one
core; the bench's set-up before it (the finished strokes drawn at once) is shown on its own; then
the whole run and the bench's own report. The load average is printed at the start and the end,
since other work on the machine changes the figures.
The bench is built by the README's bench command (Release, build/bench):
  cmake --build build/bench --target vq_laser_pen_bench
Usage: bench/measure_pen_cpu.py [program] [bench arguments...]
  e.g.  bench/measure_pen_cpu.py pen --talk --strokes 100 --hz 125 120
"""
import os
import subprocess
import sys
import time

WINDOW = 10.0
here = os.path.dirname(os.path.abspath(__file__))
args = sys.argv[1:]
program = os.path.realpath(os.path.join(here, "..", "build/bench/bench/vq_laser_pen_bench"))
if args and os.path.isfile(args[0]):
    program = os.path.realpath(args.pop(0))
if not os.access(program, os.X_OK):
    sys.exit(f"no program at {program}; build it with the README's bench command first")
args = args or ["pen", "--talk", "--hz", "125", "120"]
tick = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
    except OSError:
        return None
    return (int(fields[11]) + int(fields[12])) / tick


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


read_end, write_end = os.pipe()
server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
                          pass_fds=(write_end,), stderr=subprocess.DEVNULL)
os.close(write_end)
with os.fdopen(read_end) as f:
    display = ":" + f.readline().strip()
print(f"load average at start: {load()}; bench {' '.join(args)}", flush=True)
bench = subprocess.Popen([program, *args], env=dict(os.environ, DISPLAY=display), stdout=subprocess.PIPE, text=True)
launched = (time.monotonic(), 0.0, cpu_seconds(server.pid) or 0.0)


def mover_started():
    try:
        with open(f"/proc/{bench.pid}/task/{bench.pid}/children") as f:
            return f.read().strip() != ""
    except OSError:
        return False


while bench.poll() is None and not mover_started():
    time.sleep(0.01)
rows = []
start = time.monotonic()
last = (start, cpu_seconds(bench.pid) or 0.0, cpu_seconds(server.pid) or 0.0)
first = last
setup = last[0] - launched[0]
if setup > 0:
    print(f"  set-up before the first move, {setup:.1f} s: program {100 * (last[1] - launched[1]) / setup:.1f} %"
          f" + X server {100 * (last[2] - launched[2]) / setup:.1f} % of one core", flush=True)
while bench.poll() is None:
    time.sleep(max(0.0, last[0] + WINDOW - time.monotonic()))
    own, x = cpu_seconds(bench.pid), cpu_seconds(server.pid)
    if own is None or x is None or bench.poll() is not None:
        break
    now = (time.monotonic(), own, x)
    wall = now[0] - last[0]
    rows.append((last[0] - start, now[0] - start, 100 * (now[1] - last[1]) / wall, 100 * (now[2] - last[2]) / wall))
    print(f"  {rows[-1][0]:4.0f}-{rows[-1][1]:4.0f} s: program {rows[-1][2]:5.1f} % + X server {rows[-1][3]:5.1f} %"
          f" = {rows[-1][2] + rows[-1][3]:5.1f} % of one core", flush=True)
    last = now
report = bench.communicate()[0]
server.terminate()
server.wait()
if rows:
    wall = last[0] - first[0]
    own = 100 * (last[1] - first[1]) / wall
    x = 100 * (last[2] - first[2]) / wall
    worst = max(r[2] + r[3] for r in rows)
    print(f"  whole (from outside): program {own:.1f} % + X server {x:.1f} % = {own + x:.1f} %; worst 10 s {worst:.1f} %")
print(f"load average at end: {load()}")
print("bench's own report:")
print(report, end="")
sys.exit(bench.returncode)
