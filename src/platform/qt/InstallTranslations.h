#pragma once

#include <QString>
#include <QStringList>

#include <string>

class QObject;

// <program folder>/../share/nelvora/translations: installed beside <prefix>/bin, and the build tree mirrors that.
QString ProgramTranslationsDirectory();

// Puts in place the program's translation for the first of the user's languages that has one, and the toolkit's
// own translation (standard buttons) for the same language, so that a window never mixes two languages. English
// anywhere in the list ends the search: it is the language of the texts themselves, and English (also where no
// language has a file) takes only the plural forms of nelvora_en. A missing, unreadable or
// damaged file counts as absent. Returns the chosen language ("de", "pt_BR"), empty for English. The translators
// belong to owner (the application, in the programs) and are taken out of use with it.
QString InstallTranslations(QObject& owner, const QStringList& uiLanguages,
                            const QString& directory = ProgramTranslationsDirectory(),
                            const QString& toolkitDirectory = QString());

// The same for the user's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) and the toolkit's installed translations.
QString InstallTranslations(QObject& owner);

// The lookup handed to the layers without the toolkit (a TTranslate): the installed translation of a text marked
// under `context`, in UTF-8, with %n replaced by n when n >= 0.
std::string TranslateText(const char* context, const char* text, int n);
