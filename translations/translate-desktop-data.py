#!/usr/bin/env python3
"""Writes the translations of translations/*.ts into a desktop entry or AppStream data.

    translate-desktop-data.py desktop|metainfo INPUT OUTPUT TS...

Every text to translate must be a message of the context "DesktopEntry" (src/app/DesktopTexts.h); one that is not
stops the build, so that the menu never shows a text the translators were not given. A language whose translation of
a text is unfinished simply leaves that text English.
"""
import re
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

CONTEXT = "DesktopEntry"
DESKTOP_KEYS = ("Name", "GenericName", "Comment", "Keywords")


def one_line(text):
    return " ".join(text.split())


def read_catalogues(ts_files):
    catalogues = []
    for path in ts_files:
        root = ET.parse(path).getroot()
        language = root.get("language")
        if not language:
            sys.exit(f"{path}: no language attribute")
        messages = {}
        for context in root.iter("context"):
            if context.findtext("name") != CONTEXT:
                continue
            for message in context.iter("message"):
                translation = message.find("translation")
                finished = translation is not None and translation.get("type") is None and (translation.text or "")
                messages[one_line(message.findtext("source") or "")] = one_line(translation.text) if finished else None
        catalogues.append((language, messages))
    return sorted(catalogues)


def translations_of(text, catalogues, where):
    english = one_line(text)
    if catalogues and all(english not in messages for _, messages in catalogues):
        sys.exit(f'{where}: "{english}" is not among the texts of src/app/DesktopTexts.h; add it there and refresh '
                 "the translations")
    return [(language, messages[english]) for language, messages in catalogues if messages.get(english)]


def desktop(lines, catalogues, where):
    out = []
    for line in lines:
        out.append(line)
        match = re.match(r"^(%s)=(.*)$" % "|".join(DESKTOP_KEYS), line.rstrip("\n"))
        if match:
            key, value = match.groups()
            for language, translation in translations_of(value, catalogues, where):
                out.append(f"{key}[{language}]={translation}\n")
    return out


def metainfo(text, catalogues, where):
    def translate(match):
        indent, tag, english = match.group(1), match.group(2), match.group(3)
        pieces = [match.group(0)]
        for language, translation in translations_of(english, catalogues, where):
            pieces.append(f'\n{indent}<{tag} xml:lang="{language}">{escape(translation)}</{tag}>')
        return "".join(pieces)

    def translate_keywords(match):
        indent, body, closing = match.group(1), match.group(2), match.group(3)
        words = re.findall(r"^([ \t]*)<keyword>(.*?)</keyword>", body, flags=re.M)
        if not words:
            return match.group(0)
        # The list is the desktop entry's Keywords, so that a search in the menu and in the software centre finds
        # the program by the same words in every language.
        english = "".join(word + ";" for _, word in words)
        word_indent = words[0][0]
        added = []
        for language, translation in translations_of(english, catalogues, where):
            for word in filter(None, (w.strip() for w in translation.split(";"))):
                added.append(f'{word_indent}<keyword xml:lang="{language}">{escape(word)}</keyword>\n')
        return f"{indent}<keywords>\n{body}{''.join(added)}{closing}"

    # The English elements are plain text without markup; their translations follow each at the same indentation.
    text = re.sub(r"^([ \t]*)<(summary|p)>(.*?)</\2>", translate, text, flags=re.S | re.M)
    return re.sub(r"^([ \t]*)<keywords>\n(.*?)(^[ \t]*</keywords>)", translate_keywords, text, flags=re.S | re.M)


def main():
    if len(sys.argv) < 4 or sys.argv[1] not in ("desktop", "metainfo"):
        sys.exit(__doc__)
    kind, source, target = sys.argv[1:4]
    catalogues = read_catalogues(sys.argv[4:])
    with open(source, encoding="utf-8") as f:
        if kind == "desktop":
            result = "".join(desktop(f.readlines(), catalogues, source))
        else:
            result = metainfo(f.read(), catalogues, source)
    with open(target, "w", encoding="utf-8") as f:
        f.write(result)


if __name__ == "__main__":
    main()
