#!/usr/bin/python3
"""Fails on any text of the program that a language does not translate, on any translation whose placeholders (%1, %L2,
%n ...) or number of plural forms differ from what the English and the language need, on a caption that loses its Alt
key or gains one the English does not have, on two controls of one page of the window (or of one dialog) that a
language gives the same Alt key, on a Japanese or Chinese Alt key not written as "(&X)" after the text, and on a
French text with an ordinary, breakable space where French typography puts a no-break one.

    check-translations.py [--pages WINDOW_SOURCE] TS... [-- LUPDATE [OPTION...] SOURCE...]

With an lupdate command line, the check runs on copies of the .ts files refreshed from the sources first, so that a
text wrapped without a refresh is caught as untranslated. The files themselves are never written. The pages and the
texts on each are read from the window's source (--pages); without it the Alt keys go unchecked.
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
# Czech counts 1 / 2-4 / the rest, Ukrainian like Russian; Turkish, Japanese and Chinese have a single form.
PLURAL_FORMS = {"cs": 3, "de": 2, "en": 2, "es": 2, "fr": 2, "it": 2, "ja": 1, "nl": 2, "pl": 3, "pt": 2, "ru": 3,
                "sv": 2, "tr": 1, "uk": 3, "zh": 1}
# Languages whose desktops write the Alt key as a Latin letter in brackets after the text: "保存(&S)", "服务器(&S):".
BRACKETED_ACCELERATOR = {"ja", "zh"}
BRACKETED = re.compile(r"\(&[A-Za-z0-9]\)(?:[:：]|…|\.\.\.)?$")


def placeholders(text):
    return collections.Counter(PLACEHOLDER.findall(text or ""))


def short(text):
    text = " ".join((text or "").split())
    return text if len(text) <= 60 else text[:57] + "..."


def c_strings(text):
    """The texts of the C++ string literals that follow one another at the start of text (joined as the compiler
    joins them)."""
    joined = []
    for match in re.finditer(r'\s*"((?:[^"\\]|\\.)*)"', text):
        if match.start() != (joined[-1][1] if joined else 0):
            break
        joined.append((match.group(1), match.end()))
    escapes = {"n": "\n", "t": "\t", '"': '"', "'": "'", "\\": "\\"}
    return re.sub(r"\\(.)", lambda m: escapes.get(m.group(1), m.group(1)), "".join(part for part, _ in joined))


def window_pages(source_path):
    """The window's pages, each with the (context, English text) of every control on it.

    A page is built by a function Build<Page>Sheet and named by the tab it is added to. Its texts are the tr() calls
    of that function, and every text of a class of its own that the function puts on the page. Texts of the window
    outside the pages' functions (the buttons below the pages, the tabs) are on every page.
    """
    source = open(source_path, encoding="utf-8").read()
    bodies = {m.group(1): m.group(2) for m in re.finditer(r"^\S[^\n]*\bTFormMain::(Build\w*)\(\)\s*\n\{\n(.*?)^\}",
                                                           source, re.S | re.M)}
    if "BuildLayout" not in bodies:
        sys.exit(f"{source_path}: no TFormMain::BuildLayout")

    def texts(body):
        found = [("TFormMain", c_strings(body[m.end():])) for m in re.finditer(r"\btr\(", body)]
        found += [(m.group(1), c_strings(body[m.end():]))
                  for m in re.finditer(r'\bQT_TRANSLATE_NOOP\(\s*"(\w+)"\s*,', body)]
        return {text for text in found if text[1]}

    def classes(body):
        # Classes of the program whose objects the function creates or asks to add themselves.
        return {a or b for a, b in re.findall(r"\bnew\s+(T[A-Z]\w*)|\b(T[A-Z]\w*)::", body)} - {"TFormMain"}

    shared = texts(bodies["BuildLayout"])
    tab_of = {m.group(1): c_strings(bodies["BuildLayout"][m.end():])
              for m in re.finditer(r"addTab\(\s*(\w+)\s*,\s*tr\(", bodies["BuildLayout"])}
    sheet_of = dict((function, sheet) for sheet, function in re.findall(r"(\w+)\s*=\s*(Build\w+Sheet)\(\)", source))
    pages = []
    for function, body in sorted(bodies.items()):
        page = re.fullmatch(r"Build(\w+)Sheet", function)
        if page:
            name = tab_of.get(sheet_of.get(function), page.group(1))
            pages.append((name, shared | texts(body), classes(body)))
    if not pages:
        sys.exit(f"{source_path}: no pages found")
    return pages


def accelerator(text):
    """The Alt key of a caption: the character after a single &, && being an ampersand. Upper-cased without regard
    to the language, as the toolkit matches it: Turkish "ı" and "i" are both Alt+I."""
    match = re.search(r"(?<!&)(?:&&)*&([^&\s])", text or "")
    return match.group(1).upper() if match else None


def accelerator_count(text):
    return len(re.findall(r"(?<!&)(?:&&)*&[^&\s]", text or ""))


def check_accelerator_form(language, where, source, text):
    """A caption keeps the English's Alt key (one, or none); Japanese and Chinese write it as "(&X)" at the end."""
    wanted, got = accelerator_count(source), accelerator_count(text)
    if got != wanted:
        if got == 0:
            return [f'{where}: "{short(text)}" has no Alt key, the English has one']
        if wanted == 0:
            return [f'{where}: "{short(text)}" has an Alt key, the English none']
        return [f'{where}: "{short(text)}" has {got} Alt keys, the English one']
    if wanted and language in BRACKETED_ACCELERATOR and not BRACKETED.search(text):
        return [f'{where}: the Alt key of "{short(text)}" is not written as (&X) after the text']
    return []


def check_accelerators(root, name, pages):
    translations = {}
    for context in root.iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is not None and translation.get("type") is None and message.get("numerus") != "yes":
                translations[(context.findtext("name"), message.findtext("source") or "")] = translation.text or ""
    # A dialog of its own (a class T...Dialog) is a page too: its captions share the Alt keys.
    dialogs = sorted({context for context, _ in translations if re.fullmatch(r"T\w+Dialog", context or "")})
    problems = []
    reported = set()
    for page, texts, classes in pages + [(dialog, set(), {dialog}) for dialog in dialogs]:
        # The English texts are given, not translated: only what a language translates is checked.
        on_page = {key for key in translations if key in texts or key[0] in classes}
        by_key = collections.defaultdict(list)
        for key in sorted(on_page):
            letter = accelerator(translations[key])
            if letter is not None:
                by_key[letter].append(translations[key])
        page_name = translations.get(("TFormMain", page), page)
        for letter, captions in sorted(by_key.items()):
            if len(captions) > 1 and (letter, tuple(captions)) not in reported:
                reported.add((letter, tuple(captions)))
                listed = " and ".join(f'"{short(caption)}"' for caption in captions)
                problems.append(f'{name}: Alt+{letter} twice on the page "{page_name}": {listed}')
    return problems


# French puts a no-break space (U+00A0, or the narrow U+202F) before ! ? ; : and inside guillemets.
FRENCH_BREAKABLE = re.compile(r" [!?;:»]|« ")


def check_french_spaces(root, name):
    problems = []
    for context in root.iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None:
                continue
            forms = [form.text or "" for form in translation.iter("numerusform")] or [translation.text or ""]
            for form in forms:
                slip = FRENCH_BREAKABLE.search(form)
                if slip:
                    at = slip.group(0).strip()
                    near = form[max(0, slip.start() - 30):slip.end() + 10].replace("\n", " ")
                    problems.append(f'{name}: {context.findtext("name")}: an ordinary space '
                                    f'{"after" if at == "«" else "before"} "{at}" in "...{near}...", where French keeps '
                                    "a no-break one")
                    break
    return problems


def check(path, name, pages=None):
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
                problems += check_accelerator_form(language.split("_")[0], where, source, forms[0])
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
    if pages:
        problems += check_accelerators(root, name, pages)
    if language.split("_")[0] == "fr":
        problems += check_french_spaces(root, name)
    return problems


def main(argv):
    pages = None
    if argv[:1] == ["--pages"] and len(argv) > 1:
        pages = window_pages(argv[1])
        argv = argv[2:]
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
            problems += check(copy, os.path.basename(path), pages)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} problems")
        if lupdate and any(problem.endswith(": not translated") for problem in problems):
            print("After a text changed: cmake --build build --target update_translations, then translate.")
        return 1
    print(f"{len(ts_files)} languages, every text translated")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
