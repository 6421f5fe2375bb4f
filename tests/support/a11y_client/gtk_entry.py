#!/usr/bin/python3
# A GTK 3 application for the x11 tests of text insertion through accessibility: a window at
# (x, y) of the first two arguments with one entry holding the third. Same output and commands
# as corvane-a11y-client (offsets in characters, as GTK counts them).
import sys
import urllib.parse

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import GLib, Gtk  # noqa: E402

x, y, text = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
window = Gtk.Window(type=Gtk.WindowType.TOPLEVEL)
window.set_decorated(False)
window.move(x, y)
box = Gtk.Box(orientation=Gtk.Orientation.VERTICAL)
box.set_border_width(40)
entry = Gtk.Entry()
entry.set_text(text)
entry.set_size_request(300, 36)
box.pack_start(entry, False, False, 0)
window.add(box)
window.show_all()


def say(line):
    sys.stdout.write(line + "\n")
    sys.stdout.flush()


def ready():
    _, ox, oy = entry.get_window().get_origin()
    a = entry.get_allocation()
    say("ready")
    say("field 0 %d %d %d %d" % (ox + a.x, oy + a.y, a.width, a.height))
    say("end")
    return False


def command(source, condition):
    line = sys.stdin.readline()
    if not line:
        Gtk.main_quit()
        return False
    words = line.split()
    if words[:1] == ["caret"] and len(words) == 3:
        entry.set_position(int(words[2]))
    elif words[:1] == ["dump"]:
        say("text 0 %s %d" % (urllib.parse.quote(entry.get_text(), safe=""), entry.get_position()))
        say("end")
    return True


GLib.timeout_add(500, ready)
GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, command)
Gtk.main()
