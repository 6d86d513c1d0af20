# Writes COUNT contacts into a new Evolution contacts.db at PATH through Evolution's own book database class,
# in the shape phones and desktop programs keep them: name parts, a telephone, an e-mail address, a birthday
# spread over the year and a wedding anniversary on every fifth card.
#   /usr/bin/python3 evolution-book.py PATH COUNT
import sys

import gi

gi.require_version("EDataBook", "1.2")
gi.require_version("EBookContacts", "1.2")
gi.require_version("EDataServer", "1.2")
from gi.repository import EBookContacts, EDataBook, EDataServer  # noqa: E402

book = EDataBook.BookSqlite.new(sys.argv[1], EDataServer.Source.new_with_uid("system-address-book", None), None)
contacts = []
for i in range(int(sys.argv[2])):
    month, day, year = i % 12 + 1, i % 28 + 1, 1940 + i % 70
    text = (
        "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:c%05d\r\nN:Family%d;Given%d;;;\r\nFN:Given%d Family%d\r\n"
        "TEL;TYPE=CELL:+49 170 %07d\r\nEMAIL;TYPE=INTERNET:given%d@example.org\r\nBDAY:%04d-%02d-%02d\r\n"
        % (i, i, i, i, i, i, i, year, month, day)
    )
    if i % 5 == 0:
        text += "X-EVOLUTION-ANNIVERSARY:%04d-%02d-%02d\r\n" % (year + 25, month, day)
    contacts.append(EBookContacts.Contact.new_from_vcard(text + "END:VCARD\r\n"))
book.add_contacts(contacts, None, False, None)
