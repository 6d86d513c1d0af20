#include "FormFixture.h"

#include "InstallTranslations.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QSet>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// The runs of letters of a text: what a reader takes for its words ("Şimdi &denetle" is "Şimdi" and "denetle").
QSet<QString> Words(const QString& text)
{
    QSet<QString> words;
    QString word;
    for (const QChar c : text + QLatin1Char(' ')) {
        if (c.isLetter() || c.isMark()) {
            word += c;
        } else if (!word.isEmpty()) {
            words.insert(word);
            word.clear();
        }
    }
    return words;
}

// Every word the Turkish translation writes, as it writes it.
QSet<QString> CatalogueWords(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    QSet<QString> words;
    QXmlStreamReader xml(&file);
    bool inTranslation = false; // the translation, or one of its plural forms
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement || token == QXmlStreamReader::EndElement) {
            if (xml.name() == QLatin1String("translation"))
                inTranslation = token == QXmlStreamReader::StartElement;
        } else if (token == QXmlStreamReader::Characters && inTranslation) {
            words |= Words(xml.text().toString());
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    return words;
}

// Names with both Turkish i's, in upper and lower case as people type them into their address books.
const char* const Names[] = {"İlkay Işık", "ırmak inci", "IŞIL İNCE"};

class TurkishCaseTest : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        m_locale = QLocale();
        // Reminded by window and notification ("Remind me with" at offset 24 is 0), 15 days ahead.
        QFile file(QStringLiteral("Nelvora.cfg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(ConfigImage(2, 15, 1, 0));
        file.close();
        const Calendar::CivilDate today = Calendar::CivilFromDay(Calendar::WholeDay(Clock.Day));
        const Calendar::CivilDate later = Calendar::CivilFromDay(Calendar::WholeDay(Clock.Day) + 5);
        const auto day = [](const Calendar::CivilDate& date, int year) {
            return FakeWab::TDay{year, static_cast<int>(date.Month), static_cast<int>(date.Day)};
        };
        const Calendar::CivilDate tomorrow = Calendar::CivilFromDay(Calendar::WholeDay(Clock.Day) + 1);
        FakeWab::Contacts = {{Names[0], day(today, 1990), std::nullopt},
                             {Names[1], day(tomorrow, 2001), std::nullopt},
                             {Names[2], std::nullopt, day(later, 2011)}};
    }

    void TearDown() override
    {
        FormFixture::TearDown();
        QLocale::setDefault(m_locale);
    }

    // Every text the window, its tray menu and its notification give the eye or a screen reader, after a check.
    QStringList ShownTexts()
    {
        Run();
        QStringList texts;
        for (QLabel* label : Form->findChildren<QLabel*>())
            texts << QTextDocumentFragment::fromHtml(label->text()).toPlainText();
        for (QAbstractButton* button : Form->findChildren<QAbstractButton*>())
            texts << button->text() << button->toolTip();
        for (QGroupBox* group : Form->findChildren<QGroupBox*>())
            texts << group->title();
        for (QComboBox* box : Form->findChildren<QComboBox*>()) {
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
        }
        for (QTabWidget* pages : Form->findChildren<QTabWidget*>()) {
            for (int i = 0; i < pages->count(); ++i)
                texts << pages->tabText(i);
        }
        for (QTreeWidget* list : Form->findChildren<QTreeWidget*>()) {
            for (int column = 0; column < list->columnCount(); ++column)
                texts << list->headerItem()->text(column);
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                for (int column = 0; column < list->columnCount(); ++column) {
                    const QTreeWidgetItem* item = list->topLevelItem(row);
                    texts << item->text(column) << item->data(column, Qt::AccessibleTextRole).toString()
                          << item->data(column, Qt::AccessibleDescriptionRole).toString();
                }
            }
        }
        for (QWidget* widget : Form->findChildren<QWidget*>())
            texts << widget->accessibleName() << widget->accessibleDescription();
        texts << Form->windowTitle() << Tray.Hint;
        if (Tray.Menu != nullptr) {
            for (const QAction* action : Tray.Menu->actions())
                texts << action->text();
        }
        EXPECT_FALSE(Notifier.Notices.empty());
        for (const TNotice& notice : Notifier.Notices) {
            texts << notice.Summary << notice.BodyLines << notice.ShowListLabel;
            for (const auto& [key, label] : notice.Actions)
                texts << label;
        }
        Form.reset();
        Notifier.Notices.clear();
        return texts;
    }

private:
    QLocale m_locale;
};

} // namespace

// Nothing the program shows changes the case of a text on its own: in Turkish every word on the screen is one the
// translation or the address book wrote, letter for letter. An upper-cased "i" that became "I" rather than "İ", or a
// lowered "I" that became "i" rather than "ı", would be a word neither wrote.
TEST_F(TurkishCaseTest, EveryWordShownIsTheTranslationsOrTheAddressBooksAsWritten)
{
    // Texts the program shows in every language (the names, the version, addresses) are words the English run shows.
    QSet<QString> allowed;
    {
        QObject english;
        InstallTranslations(english, {QStringLiteral("en")}, QStringLiteral(NELVORA_QM_DIR));
        for (const QString& text : ShownTexts())
            allowed |= Words(text);
    }
    for (const char* name : Names)
        ASSERT_TRUE(allowed.contains(Words(QString::fromUtf8(name))));
    allowed |= CatalogueWords(QStringLiteral(NELVORA_TS_DIR "/nelvora_tr.ts"));

    QObject turkish;
    ASSERT_EQ(
        InstallTranslations(turkish, {QStringLiteral("tr-TR"), QStringLiteral("tr")}, QStringLiteral(NELVORA_QM_DIR)),
        QStringLiteral("tr"));
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QStringList shown = ShownTexts();
    for (const char* name : Names) {
        EXPECT_TRUE(std::any_of(shown.begin(), shown.end(),
                                [name](const QString& text) { return text.contains(QString::fromUtf8(name)); }))
            << name << " is shown as written";
    }
    EXPECT_TRUE(shown.contains(QStringLiteral("Şimdi &denetle")));
    for (const QString& text : shown) {
        for (const QString& word : Words(text))
            EXPECT_TRUE(allowed.contains(word)) << '"' << qPrintable(word) << "\" in \"" << qPrintable(text) << '"';
    }
}
