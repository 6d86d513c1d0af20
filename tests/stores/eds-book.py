# Writes contacts the way Evolution Data Server does, through Evolution's own libraries:
#   eds-book.py add UID FN BDAY [ANNIVERSARY]   a contact in the personal address book, through the running
#                                               address-book service (as GNOME Contacts adds one)
#   eds-book.py birthday UID BDAY               changes that contact's birthday through the service
#   eds-book.py cache PATH                      a synced book's cache.db, written by Evolution's own cache class:
#                                               "Synced Sam" (synced), "Offline Olga" (created here, not yet sent)
#                                               and "Deleted Dora" (deleted here, not yet sent)
# Run by /usr/bin/python3: Debian's python3-gi is not seen by other Pythons.
import sys
import warnings

import gi

gi.require_version("EDataServer", "1.2")
gi.require_version("EBookContacts", "1.2")
from gi.repository import EBookContacts, EDataServer  # noqa: E402


def card(uid, name, birthday, anniversary=None):
    lines = ["BEGIN:VCARD", "VERSION:3.0", "UID:" + uid, "FN:" + name, "BDAY:" + birthday]
    if anniversary:
        lines.append("X-EVOLUTION-ANNIVERSARY:" + anniversary)
    lines.append("END:VCARD")
    return EBookContacts.Contact.new_from_vcard("\r\n".join(lines))


def personal_book():
    gi.require_version("EBook", "1.2")
    from gi.repository import EBook

    # connect_sync waits for the service to call itself online, which never happens without a network; the
    # older open call does not wait for that.
    warnings.simplefilter("ignore", DeprecationWarning)
    registry = EDataServer.SourceRegistry.new_sync(None)
    client = EBook.BookClient.new(registry.ref_builtin_address_book())
    client.open_sync(False, None)
    return client


def write_cache(path):
    gi.require_version("EBackend", "1.2")
    gi.require_version("EDataBook", "1.2")
    from gi.repository import EBackend, EDataBook

    cache = EDataBook.BookCache.new(path, EDataServer.Source.new_with_uid("nelvora-test-carddav", None), None)
    online, offline = EBackend.CacheOfflineFlag.IS_ONLINE, EBackend.CacheOfflineFlag.IS_OFFLINE
    cache.put_contact(card("sam", "Synced Sam", "1971-03-01"), None, 0, online, None)
    cache.put_contact(card("olga", "Offline Olga", "1972-03-02"), None, 0, offline, None)
    cache.put_contact(card("dora", "Deleted Dora", "1973-03-03"), None, 0, online, None)
    cache.remove_contact("dora", 0, offline, None)


command = sys.argv[1]
flags = EBookContacts.BookOperationFlags.NONE
if command == "add":
    personal_book().add_contact_sync(card(*sys.argv[2:]), flags, None)
elif command == "birthday":
    client = personal_book()
    ok, contact = client.get_contact_sync(sys.argv[2], None)
    attribute = contact.get_attribute("BDAY")
    attribute.remove_values()
    attribute.add_value(sys.argv[3])
    client.modify_contact_sync(contact, flags, None)
elif command == "cache":
    write_cache(sys.argv[2])
else:
    sys.exit("unknown command " + command)
