#pragma once

// Marks a text for people in the layers that do without the toolkit (the report's writers, the event rows). The
// mark leaves the English text as it is; the refresh of translations/*.ts reads it as QT_TRANSLATE_NOOP (or
// QT_TRANSLATE_N_NOOP for a text with %n), and whoever shows the text looks it up with
// QCoreApplication::translate(context, text[, nullptr, n]) under the same context. Texts that are data (tsv,
// --sources, the debug log) are never marked.
#define NELVORA_TRANSLATE_NOOP(context, text) text
#define NELVORA_TRANSLATE_N_NOOP(context, text) text
