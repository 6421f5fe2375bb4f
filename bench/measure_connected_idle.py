#!/usr/bin/env python3
"""Whole-process idle figures of the program with a receiver plugged in.

Runs the simulated-device program (the whole program, composed as the shipped one, with a
simulated receiver in place of hidapi) under Xvfb with a private home folder, plugs a receiver
through its control socket, lets the link settle, then reads over a quiet period:
  - processor time, in % of one core (utime + stime from /proc/<pid>/stat),
  - resident memory at the end (VmRSS).
With --captures N it then shows every page of the main window and runs N screen captures (the
device's screenshot key, then Escape through XTest), and reads the resident memory at rest
again (goal under 60 MB after 10 captures and all pages). With --voice N (after the pages, and the
captures when asked) the user speaks N times: a 2 s voice file through the receiver's voice key,
recognised by the stand-in speech server of the same build, and the resident memory is read once
the popups are gone. With --tray a stand-in tray host owns the
tray selection from the start, and at the end the main window is closed (to the tray) and the resident
memory read once more.
The program is built by the README's bench command (Release, build/bench):
  cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVQ_BUILD_TESTS=OFF
  cmake --build build/bench --target corvane-companion-sim
The program runs in the caller's LANG (C.UTF-8 when unset) and LANGUAGE: for a Chinese user's
figures, LANG=zh_CN.UTF-8 LANGUAGE=zh_CN.
Usage: bench/measure_connected_idle.py [program] [seconds] [vid pid] [--captures N] [--voice N] [--tray]
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
import time
import wave

args = sys.argv[1:]
captures = 0
if "--captures" in args:
    at = args.index("--captures")
    captures = int(args[at + 1])
    del args[at:at + 2]
voices = 0
if "--voice" in args:
    at = args.index("--voice")
    voices = int(args[at + 1])
    del args[at:at + 2]
tray = "--tray" in args
if tray:
    args.remove("--tray")
default_program = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "build/bench/tests/sim_app/corvane-companion-sim")
program = os.path.realpath(args[0] if len(args) > 0 else default_program)
seconds = float(args[1]) if len(args) > 1 else 10.0
vid, pid_ = (args[2], args[3]) if len(args) > 3 else ("248a", "61ab")
if not os.access(program, os.X_OK):
    sys.exit(f"no program at {program}; build it with the README's bench command first")

if "VQ_BENCH_INNER" not in os.environ:
    env = dict(os.environ, VQ_BENCH_INNER="1")
    os.execvpe("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24", sys.executable, *sys.argv], env)

home = tempfile.mkdtemp(prefix="vq-bench-home-")
os.makedirs(f"{home}/run", mode=0o700)
sock_path = f"{home}/control.sock"
env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_CACHE_HOME=f"{home}/.cache",
           XDG_DATA_HOME=f"{home}/.local/share", XDG_RUNTIME_DIR=f"{home}/run", LANG=os.environ.get("LANG") or "C.UTF-8")
env.pop("DBUS_SESSION_BUS_ADDRESS", None)
xlib = ctypes.CDLL("libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XInternAtom.restype = ctypes.c_ulong
xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
xlib.XDefaultRootWindow.restype = ctypes.c_ulong
xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
display = xlib.XOpenDisplay(None)
root = xlib.XDefaultRootWindow(display)
if tray:
    # A tray host as far as the program can tell: the owner of the tray selection.
    xlib.XCreateSimpleWindow.restype = ctypes.c_ulong
    xlib.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + [ctypes.c_uint] * 3 + [ctypes.c_ulong] * 2
    xlib.XSetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong]
    owner = xlib.XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0)
    xlib.XSetSelectionOwner(display, xlib.XInternAtom(display, b"_NET_SYSTEM_TRAY_S0", 0), owner, 0)
    xlib.XSync(display, 0)


def close_main_window():
    """Sends WM_DELETE_WINDOW to the top-level windows titled as the main window."""
    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                    ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    class Event(ctypes.Union):
        _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

    windows = ctypes.POINTER(ctypes.c_ulong)()
    count = ctypes.c_uint()
    unused = ctypes.c_ulong()
    xlib.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
                                ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)), ctypes.POINTER(ctypes.c_uint)]
    xlib.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(Event)]
    xlib.XQueryTree(display, root, ctypes.byref(unused), ctypes.byref(unused), ctypes.byref(windows), ctypes.byref(count))
    for i in range(count.value):
        name = ctypes.c_char_p()
        if xlib.XFetchName(display, windows[i], ctypes.byref(name)) and name.value == b"Corvane Companion":
            event = Event()
            event.xclient.type = 33  # ClientMessage
            event.xclient.window = windows[i]
            event.xclient.format = 32
            event.xclient.message_type = xlib.XInternAtom(display, b"WM_PROTOCOLS", 0)
            event.xclient.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
            xlib.XSendEvent(display, windows[i], 0, 0, ctypes.byref(event))
    xlib.XSync(display, 0)


speech = None
if voices > 0:
    stand_in = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(program))), "tests/support/corvane-speech-stand-in")
    if not os.access(stand_in, os.X_OK):
        sys.exit(f"no stand-in speech server at {stand_in}")
    with socket.socket() as probe:  # a free port
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    speech = subprocess.Popen([stand_in, str(port)], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    speech.stdout.readline()  # it listens
    env["CORVANE_SPEECH_URL"] = f"ws://127.0.0.1:{port}"
    voice_file = f"{home}/voice.wav"
    with wave.open(voice_file, "wb") as out:  # 2 s of a 440 Hz tone, 16 kHz mono
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(16000)
        out.writeframes(b"".join(int(8000 * math.sin(2 * math.pi * 440 * i / 16000)).to_bytes(2, "little", signed=True)
                                 for i in range(32000)))

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

    if captures > 0 or voices > 0:
        xtst = ctypes.CDLL("libXtst.so.6")
        xlib.XStringToKeysym.restype = ctypes.c_ulong
        xlib.XStringToKeysym.argtypes = [ctypes.c_char_p]
        xlib.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        xlib.XFlush.argtypes = [ctypes.c_void_p]
        xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        escape = xlib.XKeysymToKeycode(display, xlib.XStringToKeysym(b"Escape"))

        def windows():
            return [w["class"] for w in json.loads(command("state")[3:])["windows"]]

        def wait_for(predicate, what):
            deadline = time.monotonic() + 10
            while not predicate():
                if time.monotonic() > deadline:
                    sys.exit(f"{what} did not happen")
                time.sleep(0.05)

        command("open")
        for tag in range(8):
            conn.sendall(f"show-page {tag}\n".encode())
            reader.readline()  # a tag without a page is refused; the others show
            time.sleep(0.5)
        time.sleep(2.0)
        print(f"RSS after every page:    {rss_mb():.1f} MB")
        for _ in range(captures):
            command("press 128")  # the device's screenshot key
            wait_for(lambda: "VQSnipFullWindow" in windows(), "the capture")
            time.sleep(0.3)
            xtst.XTestFakeKeyEvent(display, escape, 1, 0)
            xtst.XTestFakeKeyEvent(display, escape, 0, 0)
            xlib.XFlush(display)
            wait_for(lambda: "VQSnipFullWindow" not in windows(), "the end of the capture")
        if captures > 0:
            time.sleep(3.0)
            print(f"RSS after {captures} captures:   {rss_mb():.1f} MB   (goal < 60 MB)")
        for _ in range(voices):
            command(f"voice {voice_file}")  # answered once the voice key is released
            wait_for(lambda: "VQPopupWindow" not in windows(), "the popup's close")
            time.sleep(0.5)
        if voices > 0:
            time.sleep(3.0)
            print(f"RSS after {voices} utterances: {rss_mb():.1f} MB")
    if tray:
        command("open")
        time.sleep(1.0)
        close_main_window()
        time.sleep(3.0)
        print(f"RSS, main window closed:  {rss_mb():.1f} MB   (tray host present)")
    command("quit")
    proc.wait(timeout=10)
finally:
    if proc.poll() is None:
        proc.kill()
    if speech:
        speech.kill()
    shutil.rmtree(home, ignore_errors=True)
