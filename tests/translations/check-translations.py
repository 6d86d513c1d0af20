#!/usr/bin/python3
"""Fails on any text of the program that a language does not translate, and on any translation whose placeholders
(%1, %L2, %n ...) differ from the English.

    check-translations.py TS... [-- LUPDATE [OPTION...] SOURCE...]

With an lupdate command line, the check runs on copies of the .ts files refreshed from the sources first, so that a
text wrapped without a refresh is caught as untranslated. The files themselves are never written.
"""
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(?:\d{1,2}|n)")
# Plural forms as the toolkit counts them; a language missing here must be consistent within its own file.
PLURAL_FORMS = {"de": 2, "en": 2, "es": 2, "fr": 2, "it": 2, "nl": 2, "pl": 3, "pt": 2, "ru": 3}


def placeholders(text):
    return collections.Counter(PLACEHOLDER.findall(text or ""))


def short(text):
    text = " ".join((text or "").split())
    return text if len(text) <= 60 else text[:57] + "..."


def check(path, name):
    problems = []
    root = ET.parse(path).getroot()
    language = root.get("language") or ""
    if not language:
        problems.append(f"{name}: no language attribute")
    expected_forms = PLURAL_FORMS.get(language.split("_")[0])
    seen_forms = set()
    for context in root.iter("context"):
        context_name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f'{name}: {context_name}: "{short(source)}"'
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                problems.append(f"{where}: not translated")
                continue
            if message.get("numerus") == "yes":
                forms = [form.text or "" for form in translation.iter("numerusform")]
                seen_forms.add(len(forms))
                if expected_forms is not None and len(forms) != expected_forms:
                    problems.append(f"{where}: {len(forms)} plural forms, {language} has {expected_forms}")
            else:
                forms = [translation.text or ""]
            for index, form in enumerate(forms):
                label = f"form {index + 1}" if len(forms) > 1 or message.get("numerus") == "yes" else "translation"
                if not form.strip():
                    problems.append(f"{where}: {label} is empty")
                elif placeholders(form) != placeholders(source):
                    got = " ".join(sorted(placeholders(form).elements())) or "none"
                    want = " ".join(sorted(placeholders(source).elements())) or "none"
                    problems.append(f"{where}: {label} has placeholders {got}, the English {want}")
    if expected_forms is None and len(seen_forms) > 1:
        problems.append(f"{name}: plural messages with different numbers of forms {sorted(seen_forms)}")
    return problems


def main(argv):
    if "--" in argv:
        split = argv.index("--")
        ts_files, lupdate = argv[:split], argv[split + 1:]
    else:
        ts_files, lupdate = argv, []
    if not ts_files:
        sys.exit(__doc__)
    problems = []
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for path in ts_files:
            copy = os.path.join(work, os.path.basename(path))
            shutil.copyfile(path, copy)
            copies.append(copy)
        if lupdate:
            # English holds only the counted texts (their singular), as the build's refresh writes it.
            english = [copy for copy in copies if os.path.basename(copy) == "nelvora_en.ts"]
            others = [copy for copy in copies if copy not in english]
            for options, files in ((lupdate, others), (lupdate[:1] + ["-pluralonly"] + lupdate[1:], english)):
                if not files:
                    continue
                refresh = subprocess.run(options + ["-ts"] + files, capture_output=True, text=True)
                if refresh.returncode != 0:
                    sys.exit(f"lupdate failed:\n{refresh.stdout}{refresh.stderr}")
        for path, copy in zip(ts_files, copies):
            problems += check(copy, os.path.basename(path))
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} problems")
        if lupdate:
            print("After a text changed: cmake --build build --target update_translations, then translate.")
        return 1
    print(f"{len(ts_files)} languages, every text translated")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
