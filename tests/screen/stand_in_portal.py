#!/usr/bin/python3
"""A stand-in desktop portal front end on the session bus, for tests of the portal clients.

usage: stand_in_portal.py MODE [--screenshot SHOT] [--picture WxH] [--folder DIR] [--keep FILE]
                               [--log FILE]
MODE (PickColor): pick (answers a colour), cancel (response 1), ended (response 2), silent (never
answers), error (the call fails).
SHOT (Screenshot): none (the default: no Screenshot method at all), shot (writes a PNG of WxH
pixels into DIR, answers its file:// address), cancel, ended, silent, error, nouri (success without
an address), link (answers the address of a link to a file of its own, which must survive).
--keep writes a copy of each served picture to FILE; --log appends one line per call:
"METHOD key=value ..." with the options as received.
Every answer is sent before the call's reply, as a fast portal may, so a client that subscribes late
misses it.
"""
import argparse
import os
import struct
import sys
import zlib

from gi.repository import Gio, GLib

PICK_COLOR_XML = """
    <method name="PickColor">
      <arg type="s" name="parent_window" direction="in"/>
      <arg type="a{sv}" name="options" direction="in"/>
      <arg type="o" name="handle" direction="out"/>
    </method>
"""
SCREENSHOT_XML = """
    <method name="Screenshot">
      <arg type="s" name="parent_window" direction="in"/>
      <arg type="a{sv}" name="options" direction="in"/>
      <arg type="o" name="handle" direction="out"/>
    </method>
"""

# Channels chosen so that truncating instead of rounding shows: 0.5 * 255 = 127.5 -> 128.
PICKED = (0.5, 0.2, 0.9999)
RESPONSES = {"pick": 0, "shot": 0, "nouri": 0, "link": 0, "cancel": 1, "ended": 2}

# A black-and-white checkerboard for the averaging tests, white where x + y is even.
CHECKERS = (40, 30, 60, 50)  # left, top, right (excluded), bottom (excluded)


def pattern(x, y):
    """The colour of picture pixel (x, y): every pixel of a picture up to 4096 x 4096 differs."""
    left, top, right, bottom = CHECKERS
    if left <= x < right and top <= y < bottom:
        return (255, 255, 255) if (x + y) % 2 == 0 else (0, 0, 0)
    return (x & 255, y & 255, 0x80 | (x >> 8) << 4 | y >> 8)


def write_png(path, width, height):
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # no filter
        for x in range(width):
            rows.extend(pattern(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(bytes(rows), 6)))
        out.write(chunk(b"IEND", b""))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("mode")
    parser.add_argument("--screenshot", default="none")
    parser.add_argument("--picture", default="64x48")
    parser.add_argument("--folder", default=None)
    parser.add_argument("--keep", default=None)
    parser.add_argument("--log", default=None)
    args = parser.parse_args()
    width, height = (int(n) for n in args.picture.split("x"))
    folder = args.folder or GLib.get_tmp_dir()
    methods = PICK_COLOR_XML + (SCREENSHOT_XML if args.screenshot != "none" else "")
    node = Gio.DBusNodeInfo.new_for_xml(
        '<node><interface name="org.freedesktop.portal.Screenshot">%s'
        '<property name="version" type="u" access="read"/></interface></node>' % methods)
    loop = GLib.MainLoop()
    served = [0]

    def log(method, options):
        if args.log:
            with open(args.log, "a") as out:
                out.write(method + "".join(" %s=%s" % (k, options[k]) for k in sorted(options)) + "\n")

    def screenshot_results(mode):
        if mode == "nouri":
            return {}
        served[0] += 1
        name = os.path.join(folder, "Screenshot %d.png" % served[0])
        if mode == "link":
            target = os.path.join(folder, "kept.png")
            write_png(target, 4, 4)
            os.symlink(target, name)
        else:
            write_png(name, width, height)
            if args.keep:
                write_png(args.keep, width, height)
        return {"uri": GLib.Variant("s", GLib.filename_to_uri(name, None))}

    def on_call(connection, sender, path, interface, method, parameters, invocation):
        _parent, options = parameters.unpack()
        log(method, options)
        token = options.get("handle_token", "")
        if not token:
            invocation.return_dbus_error("org.freedesktop.portal.Error.InvalidArgument", "no handle_token")
            return
        mode = args.mode if method == "PickColor" else args.screenshot
        if mode == "error":
            invocation.return_dbus_error("org.freedesktop.portal.Error.Failed", "the stand-in refuses")
            return
        request = "/org/freedesktop/portal/desktop/request/%s/%s" % (sender[1:].replace(".", "_"), token)
        if mode in RESPONSES:
            if RESPONSES[mode] != 0:
                results = {}
            elif method == "PickColor":
                results = {"color": GLib.Variant("(ddd)", PICKED)}
            else:
                results = screenshot_results(mode)
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
