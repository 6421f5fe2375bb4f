#!/usr/bin/env python3
"""Whole-process idle figures of the program with a receiver plugged in.

Runs the simulated-device program (the whole program, composed as the shipped one, with a
simulated receiver in place of hidapi) under Xvfb with a private home folder, plugs a receiver
through its control socket, lets the link settle, then reads over a quiet period:
  - processor time, in % of one core (utime + stime from /proc/<pid>/stat),
  - resident memory at the end (VmRSS).
Build the program in a Release configuration with the tests on, for example:
  cmake -S . -B build/rel-sim -G Ninja -DCMAKE_BUILD_TYPE=Release -DVQ_BUILD_TESTS=ON
  cmake --build build/rel-sim --target corvane-companion-sim
Usage: bench/measure_connected_idle.py [program] [seconds] [vid pid]
"""
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

program = os.path.realpath(sys.argv[1] if len(sys.argv) > 1 else "build/rel-sim/tests/sim_app/corvane-companion-sim")
seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 10.0
vid, pid_ = (sys.argv[3], sys.argv[4]) if len(sys.argv) > 4 else ("248a", "61ab")
if not os.access(program, os.X_OK):
    sys.exit(f"no program at {program}; build the Release configuration with the tests first")

if "VQ_BENCH_INNER" not in os.environ:
    env = dict(os.environ, VQ_BENCH_INNER="1")
    os.execvpe("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24", sys.executable, *sys.argv], env)

home = tempfile.mkdtemp(prefix="vq-bench-home-")
os.makedirs(f"{home}/run", mode=0o700)
sock_path = f"{home}/control.sock"
env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_CACHE_HOME=f"{home}/.cache",
           XDG_DATA_HOME=f"{home}/.local/share", XDG_RUNTIME_DIR=f"{home}/run", LANG="C.UTF-8")
env.pop("DBUS_SESSION_BUS_ADDRESS", None)
log = open(f"{home}/out.log", "w")
proc = subprocess.Popen([program, "--control", sock_path], env=env, stdout=log, stderr=subprocess.STDOUT)

def cpu_ticks():
    with open(f"/proc/{proc.pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])

def rss_mb():
    with open(f"/proc/{proc.pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS"):
                return int(line.split()[1]) / 1024
    return 0.0

try:
    deadline = time.monotonic() + 20
    while not os.path.exists(sock_path):
        if proc.poll() is not None or time.monotonic() > deadline:
            sys.exit("the program did not open its control socket")
        time.sleep(0.01)
    conn = socket.socket(socket.AF_UNIX)
    conn.connect(sock_path)
    reader = conn.makefile("r", encoding="utf-8")

    def command(text):
        conn.sendall((text + "\n").encode())
        reply = reader.readline().strip()
        if not reply.startswith("ok"):
            sys.exit(f"{text}: {reply}")
        return reply

    print(command(f"plug {vid} {pid_}"))
    time.sleep(2.0)  # the device information, battery and firmware reads settle
    hz = os.sysconf("SC_CLK_TCK")
    t0 = cpu_ticks()
    time.sleep(seconds)
    t1 = cpu_ticks()
    print(f"program:                 {program}")
    print(f"idle CPU, receiver in:   {(t1 - t0) / hz / seconds * 100:.2f} % of one core over {seconds:.0f} s   (goal < 0.3 %)")
    print(f"idle RSS, receiver in:   {rss_mb():.1f} MB   (goal < 60 MB)")
    command("quit")
    proc.wait(timeout=10)
finally:
    if proc.poll() is None:
        proc.kill()
    shutil.rmtree(home, ignore_errors=True)
