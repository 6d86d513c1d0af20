#include "InstallTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// "pt-Latn-BR" -> pt_Latn_BR, pt_Latn, pt: the most particular file first, as the toolkit names its own.
QStringList Candidates(const QString& uiLanguage)
{
    QStringList parts = QString(uiLanguage).replace(QLatin1Char('-'), QLatin1Char('_')).split(QLatin1Char('_'));
    QStringList names;
    while (!parts.isEmpty() && !parts.first().isEmpty()) {
        names.append(parts.join(QLatin1Char('_')));
        parts.removeLast();
    }
    return names;
}

bool IsEnglish(const QString& uiLanguage)
{
    const QStringList names = Candidates(uiLanguage);
    return !names.isEmpty() && names.last().compare(QLatin1String("en"), Qt::CaseInsensitive) == 0;
}

// QTranslator::load(fileName, directory) would also try ever shorter names down to the bare prefix; only the exact
// file is wanted here. The translator checks the file's structure and refuses a damaged one.
QTranslator* Load(QObject& owner, const QString& directory, const QString& fileName)
{
    const QString path = QDir(directory).filePath(fileName + QStringLiteral(".qm"));
    if (!QFileInfo(path).isFile())
        return nullptr;
    auto* translator = new QTranslator(&owner);
    if (!translator->load(path) || translator->isEmpty()) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace

QString ProgramTranslationsDirectory()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/nelvora/translations"));
}

namespace {

// The texts are English already; the English file holds only the singular and plural forms of the counted ones
// ("1 contact", "2 contacts"), which the source texts cannot carry. A regional English file ("en_GB") comes first,
// as for any other language.
QString InstallEnglish(QObject& owner, const QString& directory, const QString& uiLanguage)
{
    const QStringList names = uiLanguage.isEmpty() ? QStringList{QStringLiteral("en")} : Candidates(uiLanguage);
    for (const QString& language : names) {
        if (QTranslator* english = Load(owner, directory, QStringLiteral("nelvora_") + language)) {
            QCoreApplication::installTranslator(english);
            break;
        }
    }
    return {};
}

} // namespace

QString InstallTranslations(QObject& owner, const QStringList& uiLanguages, const QString& directory,
                            const QString& toolkitDirectory)
{
    for (const QString& uiLanguage : uiLanguages) {
        if (IsEnglish(uiLanguage))
            return InstallEnglish(owner, directory, uiLanguage);
        for (const QString& language : Candidates(uiLanguage)) {
            QTranslator* own = Load(owner, directory, QStringLiteral("nelvora_") + language);
            if (own == nullptr)
                continue;
            QCoreApplication::installTranslator(own);
            // Qt names its files as we do ("pt_BR", else "pt"); without one the buttons stay English.
            for (const QString& toolkitLanguage : Candidates(language)) {
                QTranslator* toolkit = toolkitDirectory.isEmpty()
                                           ? nullptr
                                           : Load(owner, toolkitDirectory, QStringLiteral("qtbase_") + toolkitLanguage);
                if (toolkit != nullptr) {
                    QCoreApplication::installTranslator(toolkit);
                    break;
                }
            }
            return language;
        }
    }
    return InstallEnglish(owner, directory, QString());
}

QString InstallTranslations(QObject& owner)
{
    return InstallTranslations(owner, QLocale::system().uiLanguages(), ProgramTranslationsDirectory(),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

std::string TranslateText(const char* context, const char* text, int n)
{
    return QCoreApplication::translate(context, text, nullptr, n).toStdString();
}
