#!/usr/bin/python3
# A stand-in tray host for the black-box tests: the StatusNotifierWatcher of the bus at
# $DBUS_SESSION_BUS_ADDRESS, with a host registered, so that programs put their tray items up. Each
# item that registers is logged to LOG as "BUS-NAME OBJECT-PATH".
#   tray_watcher.py LOG
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

INTERFACE = """<node><interface name="org.kde.StatusNotifierWatcher">
<method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
<method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
<property name="RegisteredStatusNotifierItems" type="as" access="read"/>
<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
<property name="ProtocolVersion" type="i" access="read"/>
<signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
<signal name="StatusNotifierHostRegistered"/>
</interface></node>"""
PATH, NAME = "/StatusNotifierWatcher", "org.kde.StatusNotifierWatcher"

log = open(sys.argv[1], "a", buffering=1)
items = []
bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)


def call(connection, sender, path, interface, method, args, invocation):
    if method == "RegisterStatusNotifierItem":
        # An item names its bus name or its object path; the other is the sender's, or the usual path.
        given = args.unpack()[0]
        service, item = (sender, given) if given.startswith("/") else (given, "/StatusNotifierItem")
        items.append(service + item)
        log.write(f"{service} {item}\n")
        bus.emit_signal(None, PATH, NAME, "StatusNotifierItemRegistered", GLib.Variant("(s)", (service + item,)))
    invocation.return_value(None)


def get(connection, sender, path, interface, name):
    return {"RegisteredStatusNotifierItems": GLib.Variant("as", items),
            "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
            "ProtocolVersion": GLib.Variant("i", 0)}[name]


bus.register_object(PATH, Gio.DBusNodeInfo.new_for_xml(INTERFACE).interfaces[0], call, get, None)
Gio.bus_own_name_on_connection(bus, NAME, Gio.BusNameOwnerFlags.NONE, None, None)
GLib.MainLoop().run()
