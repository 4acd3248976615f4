#!/usr/bin/python3
# A stand-in desktop notification server for the black-box tests, on the bus at $DBUS_SESSION_BUS_ADDRESS.
# Each Notify is logged to LOG as "summary | body | action keys", newlines in the body as " / ". TAKE is
# action keys, comma-separated: the first notice that offers the first has it taken half a second later
# (ActionInvoked), the next one that offers the second has that taken, and so on ("default": a click on it).
# LOG.calls has each call with the wall-clock time it came: "1733383860.123 notify 2 replaces 1 timeout 0
# summary" (a notice that replaces another keeps its id), "1733383860.456 close 2".
#   notification_server.py LOG [TAKE]
import sys
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

INTERFACE = """<node><interface name="org.freedesktop.Notifications">
<method name="GetCapabilities"><arg type="as" direction="out"/></method>
<method name="Notify"><arg type="s"/><arg type="u"/><arg type="s"/><arg type="s"/><arg type="s"/>
  <arg type="as"/><arg type="a{sv}"/><arg type="i"/><arg type="u" direction="out"/></method>
<method name="CloseNotification"><arg type="u"/></method>
<signal name="ActionInvoked"><arg type="u"/><arg type="s"/></signal>
<signal name="NotificationClosed"><arg type="u"/><arg type="u"/></signal>
</interface></node>"""
PATH, NAME = "/org/freedesktop/Notifications", "org.freedesktop.Notifications"

log = open(sys.argv[1], "a", buffering=1)
calls = open(sys.argv[1] + ".calls", "a", buffering=1)
labels = open(sys.argv[1] + ".labels", "a", buffering=1)
take = sys.argv[2].split(",") if len(sys.argv) > 2 else []
state = {"last": 0, "taken": 0}
bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)


def act(notice, key):
    bus.emit_signal(None, PATH, NAME, "ActionInvoked", GLib.Variant("(us)", (notice, key)))
    return False


def call(connection, sender, path, interface, method, args, invocation):
    if method == "GetCapabilities":
        invocation.return_value(GLib.Variant("(as)", (["actions", "body"],)))
    elif method == "Notify":
        _, replaces, _, summary, body, actions, _, timeout = args.unpack()
        if not replaces:
            state["last"] += 1
        notice = replaces or state["last"]
        keys = actions[0::2]
        labels.write("%s\n" % " | ".join(actions[1::2]))
        log.write("%s | %s | %s\n" % (summary, body.replace("\n", " / "), " ".join(keys)))
        calls.write("%.3f notify %d replaces %d timeout %d %s\n" % (time.time(), notice, replaces, timeout, summary))
        if state["taken"] < len(take) and take[state["taken"]] in keys:
            state["taken"] += 1
            GLib.timeout_add(500, act, notice, take[state["taken"] - 1])
        invocation.return_value(GLib.Variant("(u)", (notice,)))
    elif method == "CloseNotification":
        calls.write("%.3f close %d\n" % (time.time(), args.unpack()[0]))
        invocation.return_value(None)
    else:
        invocation.return_value(None)


bus.register_object(PATH, Gio.DBusNodeInfo.new_for_xml(INTERFACE).interfaces[0], call, None, None)
Gio.bus_own_name_on_connection(bus, NAME, Gio.BusNameOwnerFlags.NONE, None, None)
GLib.MainLoop().run()
