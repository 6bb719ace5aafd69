# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Announces the accessibility bus (org.a11y.Bus, with its status saying a
# screen reader runs) on the session bus it is started on, handing out the
# address of the real one: a program on that session bus reaches the
# accessibility bus the moment this starts, and not before.
# Usage: late-a11y-bus.py ADDRESS
import sys

from gi.repository import Gio, GLib

ADDRESS = sys.argv[1]
NODE = Gio.DBusNodeInfo.new_for_xml("""<node>
  <interface name="org.a11y.Bus"><method name="GetAddress"><arg type="s" direction="out"/></method></interface>
  <interface name="org.a11y.Status">
    <property name="IsEnabled" type="b" access="read"/>
    <property name="ScreenReaderEnabled" type="b" access="read"/>
  </interface>
</node>""")


def call(_connection, _sender, _path, _interface, _method, _parameters, invocation):
    invocation.return_value(GLib.Variant("(s)", (ADDRESS,)))


def get(_connection, _sender, _path, _interface, _name):
    return GLib.Variant("b", True)


def bus_acquired(connection, _name):
    # the objects first: a program sees the name and asks at once
    for interface in NODE.interfaces:
        connection.register_object("/org/a11y/bus", interface, call, get, None)


Gio.bus_own_name(Gio.BusType.SESSION, "org.a11y.Bus", Gio.BusNameOwnerFlags.NONE, bus_acquired, None, None)
GLib.MainLoop().run()
