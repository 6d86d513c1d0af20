#!/usr/bin/python3
"""Fails where the software centre's keywords and the menu's differ in a language.

    check-desktop-data.py DESKTOP_ENTRY METAINFO

Both files are the build's, translated. A search in the menu and one in the software centre should find the program by
the same words in every language the desktop entry has.
"""
import collections
import sys
import xml.etree.ElementTree as ET

XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def desktop_keywords(path):
    keywords = {}
    in_entry = False
    for line in open(path, encoding="utf-8"):
        line = line.rstrip("\n")
        if line.startswith("["):
            in_entry = line == "[Desktop Entry]"
        elif in_entry and line.startswith("Keywords"):
            key, _, value = line.partition("=")
            language = key[len("Keywords["):-1] if key.startswith("Keywords[") else ""
            keywords[language] = [word for word in value.split(";") if word]
    return keywords


def metainfo_keywords(path):
    keywords = collections.defaultdict(list)
    for keyword in ET.parse(path).getroot().iter("keyword"):
        keywords[keyword.get(XML_LANG, "")].append(keyword.text or "")
    return dict(keywords)


def main(argv):
    if len(argv) != 2:
        sys.exit(__doc__)
    menu, centre = desktop_keywords(argv[0]), metainfo_keywords(argv[1])
    problems = []
    for language in sorted(set(menu) | set(centre)):
        label = language or "English"
        if menu.get(language) != centre.get(language):
            problems.append(f"{label}: the menu's keywords {menu.get(language) or 'none'}, the software centre's "
                            f"{centre.get(language) or 'none'}")
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} problems")
        return 1
    print(f"{len(menu)} languages, the same keywords in the menu and the software centre")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
