#!/usr/bin/python3
"""A stand-in portal back-end (org.freedesktop.impl.portal.Screenshot) for the real
xdg-desktop-portal front end: answers every colour pick with one colour, every screenshot with the
pattern picture of stand_in_portal.py written into FOLDER, and grants every access it is asked for.

usage: stand_in_backend.py BUS_NAME [FOLDER [WxH]]
"""
import os
import sys

from gi.repository import Gio, GLib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from stand_in_portal import write_png  # noqa: E402

INTERFACE_XML = """
<node>
  <interface name="org.freedesktop.impl.portal.Screenshot">
    <method name="Screenshot">
      <arg type="o" name="handle" direction="in"/>
      <arg type="s" name="app_id" direction="in"/>
      <arg type="s" name="parent_window" direction="in"/>
      <arg type="a{sv}" name="options" direction="in"/>
      <arg type="u" name="response" direction="out"/>
      <arg type="a{sv}" name="results" direction="out"/>
    </method>
    <method name="PickColor">
      <arg type="o" name="handle" direction="in"/>
      <arg type="s" name="app_id" direction="in"/>
      <arg type="s" name="parent_window" direction="in"/>
      <arg type="a{sv}" name="options" direction="in"/>
      <arg type="u" name="response" direction="out"/>
      <arg type="a{sv}" name="results" direction="out"/>
    </method>
    <property name="version" type="u" access="read"/>
  </interface>
  <interface name="org.freedesktop.impl.portal.Access">
    <method name="AccessDialog">
      <arg type="o" name="handle" direction="in"/>
      <arg type="s" name="app_id" direction="in"/>
      <arg type="s" name="parent_window" direction="in"/>
      <arg type="s" name="title" direction="in"/>
      <arg type="s" name="subtitle" direction="in"/>
      <arg type="s" name="body" direction="in"/>
      <arg type="a{sv}" name="options" direction="in"/>
      <arg type="u" name="response" direction="out"/>
      <arg type="a{sv}" name="results" direction="out"/>
    </method>
  </interface>
</node>
"""

PICKED = (0.25, 0.5, 0.75)  # 63.75 -> 64, 127.5 -> 128, 191.25 -> 191


def main():
    folder = sys.argv[2] if len(sys.argv) > 2 else None
    width, height = (int(n) for n in (sys.argv[3] if len(sys.argv) > 3 else "800x600").split("x"))
    loop = GLib.MainLoop()
    node = Gio.DBusNodeInfo.new_for_xml(INTERFACE_XML)

    def on_call(connection, sender, path, interface, method, parameters, invocation):
        if method == "PickColor":
            invocation.return_value(GLib.Variant("(ua{sv})", (0, {"color": GLib.Variant("(ddd)", PICKED)})))
        elif method == "Screenshot" and folder:
            name = os.path.join(folder, "Screenshot.png")
            write_png(name, width, height)
            uri = GLib.Variant("s", GLib.filename_to_uri(name, None))
            invocation.return_value(GLib.Variant("(ua{sv})", (0, {"uri": uri})))
        elif method == "AccessDialog":
            invocation.return_value(GLib.Variant("(ua{sv})", (0, {})))
        else:
            invocation.return_value(GLib.Variant("(ua{sv})", (2, {})))

    def on_get_property(connection, sender, path, interface, name):
        return GLib.Variant("u", 2)

    def on_bus(connection, _name):
        for interface in node.interfaces:
            connection.register_object("/org/freedesktop/portal/desktop", interface, on_call, on_get_property, None)

    Gio.bus_own_name(Gio.BusType.SESSION, sys.argv[1], Gio.BusNameOwnerFlags.NONE, on_bus, None,
                     lambda *_: loop.quit())
    loop.run()


if __name__ == "__main__":
    main()
