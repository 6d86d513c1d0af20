#pragma once

#include <string>

// Marks a text for people in the layers that do without the toolkit (the report's writers, the event rows). The
// mark leaves the English text as it is; the refresh of translations/*.ts reads it as QT_TRANSLATE_NOOP (or
// QT_TRANSLATE_N_NOOP for a text with %n), and whoever shows the text looks it up with
// QCoreApplication::translate(context, text[, nullptr, n]) under the same context. Texts that are data (tsv,
// --sources, the debug log) are never marked.
#define NELVORA_TRANSLATE_NOOP(context, text) text
#define NELVORA_TRANSLATE_N_NOOP(context, text) text

// The lookup that whoever shows a text these layers compose hands down to them: the marked text (UTF-8) in the
// user's language, %n already replaced by n where n >= 0. Without one the layers write English, which is also what
// data (tsv) must always be.
using TTranslate = std::string (*)(const char* context, const char* text, int n);

// The marked text through `translate`, or the English with %n replaced by n.
std::string TranslateOrEnglish(TTranslate translate, const char* context, const char* text, int n = -1);

// `text` with every %1 (up to %9, by `number`) replaced by `value`, as QString::arg does for one placeholder.
std::string ReplaceArgument(std::string text, int number, const std::string& value);
