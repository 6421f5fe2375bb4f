#!/usr/bin/env python3
"""How many F1 dictations reach another program's text field, by how long F1 is held at the end.

Runs the simulated-device program (the whole program, composed as the shipped one) under Xvfb
with a private home folder and no device, a private PulseAudio whose default input is a pipe fed
by this script, the stand-in speech server of the same build (it answers the end of each
utterance at once) and a Tk text field of another process that has the focus. Each dictation is
typed as a user would through XTest: F1 starts it, 0.6 s of a tone is spoken, F1 is pressed again
and held for the given time while the answer comes, then released. A dictation arrived when the
field ends with the stand-in's answer within 3 s of the release.
The program is built by the README's bench command (Release, build/bench):
  cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVQ_BUILD_TESTS=OFF
  cmake --build build/bench --target corvane-companion-sim corvane-speech-stand-in
Usage: bench/measure_dictation_delivery.py [program] [dictations per hold] [hold seconds ...]
"""
import ctypes
import json
import math
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

args = sys.argv[1:]
default_program = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "build/bench/tests/sim_app/corvane-companion-sim")
program = os.path.realpath(args[0] if args else default_program)
count = int(args[1]) if len(args) > 1 else 20
holds = [float(a) for a in args[2:]] or [0.1, 0.5, 2.0]
stand_in = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(program))), "tests/support/corvane-speech-stand-in")
for needed in (program, stand_in):
    if not os.access(needed, os.X_OK):
        sys.exit(f"no program at {needed}; build it with the README's bench command first")

if "VQ_BENCH_INNER" not in os.environ:
    env = dict(os.environ, VQ_BENCH_INNER="1")
    os.execvpe("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24", sys.executable, *sys.argv], env)

home = tempfile.mkdtemp(prefix="vq-bench-home-")
children = []


def start(command, **kwargs):
    child = subprocess.Popen(command, **kwargs)
    children.append(child)
    return child


def wait_for(predicate, seconds, what=None):
    deadline = time.monotonic() + seconds
    while not predicate():
        if time.monotonic() > deadline:
            if what:
                sys.exit(f"{what} did not happen")
            return False
        time.sleep(0.01)
    return True


# The sound server: its microphone a pipe this script feeds, the default input.
pulse_dir = f"{home}/pulse"
os.makedirs(f"{pulse_dir}/runtime", mode=0o700)
fifo = f"{pulse_dir}/mic.fifo"
with open(f"{pulse_dir}/server.pa", "w") as script:
    script.write(f"load-module module-native-protocol-unix auth-anonymous=1 socket={pulse_dir}/runtime/native\n"
                 "load-module module-null-sink sink_name=bench_sink norewinds=1\n"
                 f"load-module module-pipe-source source_name=bench_mic file={fifo} format=s16le rate=16000 channels=1\n"
                 "set-default-sink bench_sink\nset-default-source bench_mic\n")
pulse_env = dict(os.environ, HOME=pulse_dir, XDG_RUNTIME_DIR=f"{pulse_dir}/runtime", DBUS_SESSION_BUS_ADDRESS="disabled:")
start(["pulseaudio", "-n", f"--file={pulse_dir}/server.pa", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
       "--log-level=error"], env=pulse_env, stdout=subprocess.DEVNULL)
sound_env = {"PULSE_SERVER": f"unix:{pulse_dir}/runtime/native", "PULSE_COOKIE": f"{pulse_dir}/cookie"}
wait_for(lambda: subprocess.run(["pactl", "info"], env=dict(os.environ, **sound_env), capture_output=True).returncode == 0,
         10, "the sound server's start")
tone = b"".join(int(8000 * math.sin(2 * math.pi * 440 * i / 16000)).to_bytes(2, "little", signed=True) for i in range(9600))


def speak():
    """Writes the tone into the microphone's pipe at the pace of real time (20 ms pieces)."""
    fd = os.open(fifo, os.O_WRONLY | os.O_NONBLOCK)
    try:
        next_piece = time.monotonic()
        for at in range(0, len(tone), 640):
            time.sleep(max(0.0, next_piece - time.monotonic()))
            next_piece += 0.02
            piece = tone[at:at + 640]
            while piece:
                try:
                    piece = piece[os.write(fd, piece):]
                except BlockingIOError:
                    time.sleep(0.002)
    finally:
        os.close(fd)


# The stand-in speech server: "connection <n> region=..." when a recognition connects,
# "connection <n>: <answer>" when it answered.
with socket.socket() as probe:
    probe.bind(("127.0.0.1", 0))
    port = probe.getsockname()[1]
speech = start([stand_in, str(port)], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
speech.stdout.readline()
connected, answers = [], {}


def read_speech():
    for line in speech.stdout:
        head, _, rest = line.strip().partition(" ")[2].partition(" ")
        if rest.startswith("region="):
            connected.append(int(head))
        elif head.endswith(":"):
            answers[int(head[:-1])] = rest


threading.Thread(target=read_speech, daemon=True).start()

# The other program: a Tk field with the focus that prints its text at every change.
field_code = """
import sys, tkinter
root = tkinter.Tk()
root.geometry("600x40+200+200")
text = tkinter.StringVar()
text.trace_add("write", lambda *a: print("text " + text.get(), flush=True))
entry = tkinter.Entry(root, textvariable=text)
entry.pack(fill="both", expand=True)
root.after(300, lambda: (root.focus_force(), entry.focus_set(), print("ready", flush=True)))
root.mainloop()
"""
field = start([sys.executable, "-c", field_code], stdout=subprocess.PIPE, text=True)
field_text = [""]
field_ready = threading.Event()


def read_field():
    for line in field.stdout:
        if line.startswith("ready"):
            field_ready.set()
        elif line.startswith("text "):
            field_text[0] = line[5:].rstrip("\n")


threading.Thread(target=read_field, daemon=True).start()
wait_for(field_ready.is_set, 10, "the field's start")

sock_path = f"{home}/control.sock"
env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_CACHE_HOME=f"{home}/.cache",
           XDG_DATA_HOME=f"{home}/.local/share", XDG_RUNTIME_DIR=f"{home}/run", LANG=os.environ.get("LANG") or "C.UTF-8",
           CORVANE_SPEECH_URL=f"ws://127.0.0.1:{port}", **sound_env)
env.pop("DBUS_SESSION_BUS_ADDRESS", None)
os.makedirs(f"{home}/run", mode=0o700)
log = open(f"{home}/out.log", "w")
proc = start([program, "--control", sock_path], env=env, stdout=log, stderr=subprocess.STDOUT)

xlib = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
xlib.XFlush.argtypes = [ctypes.c_void_p]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
display = xlib.XOpenDisplay(None)
f1 = xlib.XKeysymToKeycode(display, 0xFFBE)


def key(down):
    xtst.XTestFakeKeyEvent(display, f1, 1 if down else 0, 0)
    xlib.XFlush(display)


try:
    wait_for(lambda: os.path.exists(sock_path) or proc.poll() is not None, 20, "the control socket")
    conn = socket.socket(socket.AF_UNIX)
    conn.connect(sock_path)
    reader = conn.makefile("r", encoding="utf-8")

    def ready():
        conn.sendall(b"state\n")
        return json.loads(reader.readline()[3:]).get("ready", False)

    wait_for(ready, 20, "the program's first face")
    print(f"program: {program}")
    last_start = 0.0
    for hold in holds:
        arrived = 0
        for _ in range(count):
            time.sleep(max(0.0, last_start + 1.7 - time.monotonic()))  # closer starts are refused
            before = len(connected)
            key(True)
            key(False)
            last_start = time.monotonic()
            if not wait_for(lambda: len(connected) > before, 10):
                continue
            number = connected[-1]
            speak()
            key(True)
            time.sleep(hold)
            key(False)
            if wait_for(lambda: number in answers, 5):
                arrived += wait_for(lambda: field_text[0].endswith(answers[number]), 3)
        print(f"F1 held {hold:.1f} s: {arrived} of {count} dictations arrived", flush=True)
    conn.sendall(b"quit\n")
    proc.wait(timeout=10)
finally:
    for child in reversed(children):
        if child.poll() is None:
            child.kill()
    shutil.rmtree(home, ignore_errors=True)
