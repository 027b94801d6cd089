#!/usr/bin/python3
"""A stand-in desktop portal front end on the session bus, for tests of the PickColor client.

usage: stand_in_portal.py MODE
MODE: pick (answers a colour), cancel (response 1), ended (response 2), silent (never answers),
error (the call fails). Every answer is sent before the call's reply, as a fast portal may, so a
client that subscribes late misses it.
"""
import sys

from gi.repository import Gio, GLib

INTERFACE_XML = """
<node>
  <interface name="org.freedesktop.portal.Screenshot">
    <method name="PickColor">
      <arg type="s" name="parent_window" direction="in"/>
      <arg type="a{sv}" name="options" direction="in"/>
      <arg type="o" name="handle" direction="out"/>
    </method>
    <property name="version" type="u" access="read"/>
  </interface>
</node>
"""

# Channels chosen so that truncating instead of rounding shows: 0.5 * 255 = 127.5 -> 128.
PICKED = (0.5, 0.2, 0.9999)
RESPONSES = {"pick": 0, "cancel": 1, "ended": 2}


def main():
    mode = sys.argv[1]
    loop = GLib.MainLoop()
    node = Gio.DBusNodeInfo.new_for_xml(INTERFACE_XML)

    def on_call(connection, sender, path, interface, method, parameters, invocation):
        _parent, options = parameters.unpack()
        token = options.get("handle_token", "")
        if not token:
            invocation.return_dbus_error("org.freedesktop.portal.Error.InvalidArgument", "no handle_token")
            return
        if mode == "error":
            invocation.return_dbus_error("org.freedesktop.portal.Error.Failed", "the stand-in refuses")
            return
        request = "/org/freedesktop/portal/desktop/request/%s/%s" % (sender[1:].replace(".", "_"), token)
        if mode in RESPONSES:
            results = {"color": GLib.Variant("(ddd)", PICKED)} if mode == "pick" else {}
            connection.emit_signal(sender, request, "org.freedesktop.portal.Request", "Response",
                                   GLib.Variant("(ua{sv})", (RESPONSES[mode], results)))
        invocation.return_value(GLib.Variant("(o)", (request,)))

    def on_get_property(connection, sender, path, interface, name):
        return GLib.Variant("u", 2)

    def on_bus(connection, _name):
        connection.register_object("/org/freedesktop/portal/desktop", node.interfaces[0], on_call,
                                   on_get_property, None)

    Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop", Gio.BusNameOwnerFlags.NONE,
                     on_bus, None, lambda *_: loop.quit())
    loop.run()


if __name__ == "__main__":
    main()
