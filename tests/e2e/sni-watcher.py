"""A StatusNotifierItem watcher and host on the session bus, as a panel of KDE Plasma or the GNOME AppIndicator
extension runs it, and the calls such a panel makes on an item. For the end-to-end test of the tray over D-Bus.

    sni-watcher.py watch RECORD     serve org.kde.StatusNotifierWatcher with a host until ended; each item that
                                    registers is appended to RECORD as "service object-path"
    sni-watcher.py activate SERVICE PATH      a left click on the item
    sni-watcher.py menu SERVICE PATH          the item's menu, one "id<TAB>label" line per visible entry
    sni-watcher.py click SERVICE PATH LABEL   a click on the menu entry with that label

Run by Debian's /usr/bin/python3 with python3-dbus and python3-gi.
"""

import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"

# python3-dbus builds its own introspection data from the exported methods and signals only. The toolkit reads
# IsStatusNotifierHostRegistered through a proxy made from this data, so the properties have to be declared here.
WATCHER_XML = """<!DOCTYPE node PUBLIC "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="org.freedesktop.DBus.Introspectable">
    <method name="Introspect"><arg name="xml" type="s" direction="out"/></method>
  </interface>
  <interface name="org.freedesktop.DBus.Properties">
    <method name="Get">
      <arg name="interface" type="s" direction="in"/><arg name="name" type="s" direction="in"/>
      <arg name="value" type="v" direction="out"/>
    </method>
    <method name="GetAll">
      <arg name="interface" type="s" direction="in"/><arg name="values" type="a{sv}" direction="out"/>
    </method>
  </interface>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
</node>
"""


class Watcher(dbus.service.Object):
    def __init__(self, bus, record):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.record = record
        self.items = []
        self.hosts = []

    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, in_signature="", out_signature="s")
    def Introspect(self):
        return WATCHER_XML

    def properties(self):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(bool(self.hosts)),
            "ProtocolVersion": dbus.Int32(0),
        }

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        values = self.properties()
        if interface != WATCHER or name not in values:
            raise dbus.exceptions.DBusException(
                "no property %s.%s" % (interface, name), name="org.freedesktop.DBus.Error.UnknownProperty")
        return values[name]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.properties() if interface == WATCHER else {}

    @dbus.service.method(WATCHER, in_signature="s", out_signature="", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # An item may name its object path instead of a bus name; the sender is then the bus name.
        if service.startswith("/"):
            name, path = sender, service
        else:
            name, path = service, "/StatusNotifierItem"
        self.items.append("%s%s" % (name, path))
        with open(self.record, "a", encoding="utf-8") as out:
            out.write("%s %s\n" % (name, path))
        self.StatusNotifierItemRegistered("%s%s" % (name, path))

    @dbus.service.method(WATCHER, in_signature="s", out_signature="")
    def RegisterStatusNotifierHost(self, service):
        self.hosts.append(service)
        self.StatusNotifierHostRegistered()

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, item):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemUnregistered(self, item):
        pass

    @dbus.service.signal(WATCHER, signature="")
    def StatusNotifierHostRegistered(self):
        pass


def watch(record):
    from gi.repository import GLib

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    watcher = Watcher(bus, record)
    watcher_name = dbus.service.BusName(WATCHER, bus, do_not_queue=True)
    host_name = dbus.service.BusName("org.kde.StatusNotifierHost-%d" % os.getpid(), bus, do_not_queue=True)
    watcher.RegisterStatusNotifierHost(host_name.get_name())
    # Created last: the test waits for this file before it starts the program.
    with open(record, "a", encoding="utf-8"):
        pass
    GLib.MainLoop().run()
    del watcher_name


def item(service, path):
    return dbus.SessionBus().get_object(service, path, introspect=False)


def menu_entries(service, path):
    menu_path = item(service, path).Get(ITEM, "Menu", dbus_interface=dbus.PROPERTIES_IFACE)
    menu = dbus.SessionBus().get_object(service, menu_path, introspect=False)
    _, layout = menu.GetLayout(0, -1, [], dbus_interface=MENU, signature="iias")
    entries = []

    def walk(node):
        node_id, props, children = node
        if props.get("type", "standard") != "separator" and props.get("visible", True) and "label" in props:
            entries.append((int(node_id), str(props["label"])))
        for child in children:
            walk(child)

    walk(layout)
    return menu, entries


def main(argv):
    command = argv[1] if len(argv) > 1 else ""
    if command == "watch" and len(argv) == 3:
        watch(argv[2])
    elif command == "activate" and len(argv) == 4:
        item(argv[2], argv[3]).Activate(0, 0, dbus_interface=ITEM, signature="ii")
    elif command == "menu" and len(argv) == 4:
        for node_id, label in menu_entries(argv[2], argv[3])[1]:
            print("%d\t%s" % (node_id, label))
    elif command == "click" and len(argv) == 5:
        menu, entries = menu_entries(argv[2], argv[3])
        ids = [node_id for node_id, label in entries if label == argv[4]]
        if not ids:
            print("no menu entry '%s'" % argv[4], file=sys.stderr)
            return 1
        menu.Event(ids[0], "clicked", dbus.Int32(0), 0, dbus_interface=MENU, signature="isvu")
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
