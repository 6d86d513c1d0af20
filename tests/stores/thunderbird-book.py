"""Writes address books the way Thunderbird keeps them, for the tests.

  thunderbird-book.py create BOOK                      an empty book: Thunderbird's tables, write-ahead log
  thunderbird-book.py card BOOK UID NAME=VALUE...      one card with these properties
  thunderbird-book.py list BOOK UID NAME CARD...       a distribution list of these cards
  thunderbird-book.py hold BOOK UID NAME=VALUE...      holds the book as a running Thunderbird does (exclusive
                                                       lock, write-ahead log), adds the card only to the -wal,
                                                       prints "holding" and keeps the lock until stdin closes
  thunderbird-book.py locked BOOK                      exit status 0 when another process locks the book
"""
import fcntl
import sqlite3
import sys

# SQLite's lock bytes: a reader takes a read lock on its shared range, which a writer's exclusive lock refuses.
SHARED_FIRST = 0x40000000 + 2
SHARED_SIZE = 510

# Thunderbird 115's book layout (SQLiteDirectory): one row per property, lists and their members apart.
SCHEMA = """
CREATE TABLE properties (card TEXT, name TEXT, value TEXT);
CREATE TABLE lists (uid TEXT PRIMARY KEY, name TEXT, nickName TEXT, description TEXT);
CREATE TABLE list_cards (list TEXT, card TEXT, PRIMARY KEY(list, card));
CREATE INDEX properties_card ON properties(card);
CREATE INDEX properties_name ON properties(name);
PRAGMA user_version = 4;
"""


def connect(path):
    connection = sqlite3.connect(path, isolation_level=None)
    return connection


def add_card(connection, uid, pairs):
    connection.execute("BEGIN")
    for pair in pairs:
        name, _, value = pair.partition("=")
        connection.execute("INSERT INTO properties (card, name, value) VALUES (?, ?, ?)", (uid, name, value))
    connection.execute("COMMIT")


def main(argv):
    command, path = argv[1], argv[2]
    if command == "create":
        connection = connect(path)
        connection.execute("PRAGMA journal_mode=WAL")
        connection.executescript(SCHEMA)
        connection.close()
    elif command == "card":
        connection = connect(path)
        add_card(connection, argv[3], argv[4:])
        connection.close()
    elif command == "list":
        connection = connect(path)
        connection.execute("INSERT INTO lists (uid, name, nickName, description) VALUES (?, ?, '', '')",
                           (argv[3], argv[4]))
        for card in argv[5:]:
            connection.execute("INSERT INTO list_cards (list, card) VALUES (?, ?)", (argv[3], card))
        connection.close()
    elif command == "hold":
        connection = connect(path)
        connection.execute("PRAGMA locking_mode=EXCLUSIVE")
        connection.execute("PRAGMA journal_mode=WAL")
        # Thunderbird's own writes stay in the log until it checkpoints; here they stay there for good.
        connection.execute("PRAGMA wal_autocheckpoint=0")
        add_card(connection, argv[3], argv[4:])
        print("holding", flush=True)
        sys.stdin.read()
        connection.close()
    elif command == "locked":
        with open(path, "rb") as book:
            try:
                fcntl.lockf(book, fcntl.LOCK_SH | fcntl.LOCK_NB, SHARED_SIZE, SHARED_FIRST)
            except OSError:
                sys.exit(0)
        sys.exit(1)
    else:
        sys.exit("unknown command " + command)


if __name__ == "__main__":
    main(sys.argv)
