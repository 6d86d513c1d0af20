#include "InstallTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The build tree's translations, as the programs find them, and the toolkit's installed ones.
namespace {

const QString BuiltTranslations = QStringLiteral(NELVORA_QM_DIR);

QString Install(QObject& owner, const QStringList& languages, const QString& directory = BuiltTranslations)
{
    return InstallTranslations(owner, languages, directory, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString ErrorCaption()
{
    return QCoreApplication::translate("TQtDialogs", "Error");
}

QString CancelButton()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

} // namespace

TEST(InstallTranslations, TheFirstOfTheUsersLanguagesWithATranslationWinsAndTheToolkitSpeaksItToo)
{
    {
        QObject owner;
        // As the toolkit lists them for LANGUAGE=fi:de with LANG=de_DE.UTF-8: no Finnish, so German.
        EXPECT_EQ(Install(owner, {"fi", "fi-Latn-FI", "de-DE", "de-Latn-DE", "de"}), QStringLiteral("de"));
        EXPECT_EQ(ErrorCaption(), QStringLiteral("Fehler"));
        EXPECT_EQ(CancelButton(), QStringLiteral("Abbrechen"));
    }
    // Gone with their owner.
    EXPECT_EQ(ErrorCaption(), QStringLiteral("Error"));

    QObject owner;
    // The region counts where there is a file for it (Brazilian Portuguese, the toolkit's qtbase_pt_BR too).
    EXPECT_EQ(Install(owner, {"pt-BR", "pt-Latn-BR", "pt"}), QStringLiteral("pt_BR"));
    EXPECT_EQ(ErrorCaption(), QStringLiteral("Erro"));
    EXPECT_EQ(CancelButton(), QStringLiteral("Cancelar"));
}

TEST(InstallTranslations, SimplifiedChineseIsChinasAndNotTaiwans)
{
    {
        QObject owner;
        // As the toolkit lists them for LANGUAGE=zh with LANG=zh_CN.UTF-8: the bare language has no file, China's has.
        EXPECT_EQ(Install(owner, {"zh", "zh-Hans-CN", "zh-CN"}), QStringLiteral("zh_CN"));
        EXPECT_EQ(ErrorCaption(), QStringLiteral("错误"));
        EXPECT_EQ(CancelButton(), QStringLiteral("取消"));
    }
    QObject owner;
    // LANG=zh_TW.UTF-8 writes the traditional characters: the simplified ones are no translation for it.
    EXPECT_EQ(Install(owner, {"zh-TW", "zh-Hant-TW"}), QString());
    EXPECT_EQ(ErrorCaption(), QStringLiteral("Error"));
}

TEST(InstallTranslations, AnUnknownLanguageTheCLocaleOrEnglishFirstGiveEnglish)
{
    const QList<QStringList> cases = {{"xx", "C"}, {"C"}, {}, {"en-GB", "en-Latn-GB", "de-DE", "de"}};
    for (const QStringList& languages : cases) {
        QObject owner;
        EXPECT_EQ(Install(owner, languages), QString()) << languages.join(QLatin1Char(',')).toStdString();
        EXPECT_EQ(ErrorCaption(), QStringLiteral("Error"));
        EXPECT_EQ(CancelButton(), QStringLiteral("Cancel"));
        // English counts one as one.
        EXPECT_EQ(QCoreApplication::translate("TCheckSummary", "%Ln contacts", nullptr, 1),
                  QStringLiteral("1 contact"));
        EXPECT_EQ(QCoreApplication::translate("TCheckSummary", "%Ln contacts", nullptr, 2),
                  QStringLiteral("2 contacts"));
    }
}

TEST(InstallTranslations, AMissingTruncatedOrForeignFileGivesEnglishWithoutAnError)
{
    QFile built(QDir(BuiltTranslations).filePath(QStringLiteral("nelvora_de.qm")));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QByteArray whole = built.readAll();
    ASSERT_GT(whole.size(), 64);

    for (const QByteArray& content : {whole.left(whole.size() / 2), whole.left(20), QByteArray("not a translation")}) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        QFile damaged(folder.filePath(QStringLiteral("nelvora_de.qm")));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
        damaged.write(content);
        damaged.close();

        QObject owner;
        EXPECT_EQ(Install(owner, {"de-DE", "de"}, folder.path()), QString()) << content.size() << " bytes";
        EXPECT_EQ(ErrorCaption(), QStringLiteral("Error"));
        EXPECT_EQ(CancelButton(), QStringLiteral("Cancel"));
    }

    QObject owner;
    EXPECT_EQ(Install(owner, {"de"}, QStringLiteral("/nonexistent")), QString());
    EXPECT_EQ(ErrorCaption(), QStringLiteral("Error"));
}

TEST(InstallTranslations, ARegionalFileIsTriedBeforeTheBareLanguage)
{
    // Files planted under other names, so that the caption tells which one was taken.
    const auto plant = [](const QTemporaryDir& folder, const char* built, const char* as) {
        return QFile::copy(QDir(BuiltTranslations).filePath(QStringLiteral("nelvora_%1.qm").arg(QLatin1String(built))),
                           folder.filePath(QStringLiteral("nelvora_%1.qm").arg(QLatin1String(as))));
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(plant(folder, "pt_BR", "pt_BR"));
    ASSERT_TRUE(plant(folder, "de", "pt"));
    ASSERT_TRUE(plant(folder, "en", "en"));
    ASSERT_TRUE(plant(folder, "de", "en_GB"));

    struct TCase
    {
        QStringList Languages;
        QString Chosen;
        QString Caption;
    };
    const TCase cases[] = {
        {{"pt-BR", "pt"}, QStringLiteral("pt_BR"), QStringLiteral("Erro")},
        {{"pt-PT", "pt"}, QStringLiteral("pt"), QStringLiteral("Fehler")},
        {{"en-GB", "en"}, QString(), QStringLiteral("Fehler")},
        {{"en-US", "en"}, QString(), QStringLiteral("Error")},
    };
    for (const TCase& c : cases) {
        const std::string languages = c.Languages.join(QLatin1Char(',')).toStdString();
        QObject owner;
        EXPECT_EQ(Install(owner, c.Languages, folder.path()).toStdString(), c.Chosen.toStdString()) << languages;
        EXPECT_EQ(ErrorCaption().toStdString(), c.Caption.toStdString()) << languages;
    }
}
