#include "FormFixture.h"

#include "TAddAccountDialog.h"
#include "TTextFit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFocusFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeWidget>

#include <cstdio>

namespace {

const QString Filler = QStringLiteral("éàüöçñåøÉÀ");

// Every text half again as long and more, in letters that stand above and below the line: the widest language the
// window is likely to meet. Placeholders stay where they were.
QString Lengthened(const QString& text)
{
    QString extra;
    for (qsizetype i = 0; extra.size() < text.size() * 6 / 10 + 1; ++i)
        extra += Filler[i % Filler.size()];
    return text + extra;
}

class TLongTranslator final : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        return text.isEmpty() ? text : Lengthened(text);
    }
};

class TextFitTest : public FormFixture
{
protected:
    void TearDown() override
    {
        FormFixture::TearDown();
        Use(nullptr);
    }

    void Use(std::unique_ptr<QTranslator> translator)
    {
        if (m_translator != nullptr)
            QCoreApplication::removeTranslator(m_translator.get());
        m_translator = std::move(translator);
        if (m_translator != nullptr)
            QCoreApplication::installTranslator(m_translator.get());
    }

    // Something due today, tomorrow and later in the window; started as at login.
    TFormMain& RunWithEverythingDue()
    {
        FakeWab::Contacts = {{"Anna Schmidt", FakeWab::TDay{1970, 6, 15}, std::nullopt},
                             {"Bernard Dupont", FakeWab::TDay{1985, 6, 16}, FakeWab::TDay{2010, 6, 16}},
                             {"Chiara Rossi", std::nullopt, FakeWab::TDay{1999, 6, 22}}};
        return Run();
    }

    QTabWidget* Pages() const { return Find<QTabWidget>("PageControl"); }

    // The controls placed by hand side by side: the window, its pages, their group boxes.
    QList<QWidget*> Containers() const
    {
        QList<QWidget*> containers{Form.get()};
        for (int i = 0; i < Pages()->count(); ++i)
            containers << Pages()->widget(i);
        for (QGroupBox* group : Form->findChildren<QGroupBox*>())
            containers << group;
        return containers;
    }

    void ExpectEveryTextFits(const QString& language)
    {
        SCOPED_TRACE(language.toStdString());
        EXPECT_LE(Pages()->tabBar()->sizeHint().width(), Pages()->width());
        // The options fit their page as they stand: nothing scrolls.
        EXPECT_TRUE(Find<QWidget>("OptionsSheet")->findChildren<QScrollArea*>().isEmpty());
        for (int page = 0; page < Pages()->count(); ++page) {
            Pages()->setCurrentIndex(page);
            for (QWidget* widget : Pages()->currentWidget()->findChildren<QWidget*>())
                ExpectFits(*widget);
        }
        for (QWidget* button : Form->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
            ExpectFits(*button);

        auto* list = Find<QTreeWidget>("lvEventList");
        int columns = 0;
        for (int column = 0; column < list->columnCount(); ++column) {
            columns += list->columnWidth(column);
            if (column == 0)
                continue; // the names: data, cut as in English
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                const QModelIndex index = list->model()->index(row, column);
                EXPECT_LE(list->sizeHintForIndex(index).width(), list->columnWidth(column))
                    << qPrintable(index.data().toString());
            }
        }
        EXPECT_LE(columns, list->viewport()->width());

        for (QWidget* container : Containers()) {
            QList<QWidget*> children;
            for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!child->isWindow() && !child->isHidden() && qobject_cast<QFocusFrame*>(child) == nullptr)
                    children << child;
            }
            for (qsizetype i = 0; i < children.size(); ++i) {
                EXPECT_TRUE(container->rect().contains(children[i]->geometry()))
                    << qPrintable(children[i]->objectName() + " outside " + container->objectName());
                for (qsizetype j = i + 1; j < children.size(); ++j) {
                    EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                        << qPrintable(children[i]->objectName() + " overlaps " + children[j]->objectName());
                }
            }
        }
        Pages()->setCurrentIndex(0);
    }

    void ExpectFits(QWidget& widget)
    {
        int need = 0;
        if (auto* label = qobject_cast<QLabel*>(&widget); label != nullptr && !label->text().isEmpty())
            need = label->sizeHint().width();
        else if (qobject_cast<QAbstractButton*>(&widget) != nullptr || qobject_cast<QComboBox*>(&widget) != nullptr)
            need = widget.sizeHint().width();
        else if (qobject_cast<QGroupBox*>(&widget) != nullptr)
            need = widget.minimumSizeHint().width();
        if (widget.isVisible()) {
            EXPECT_LE(need, widget.width()) << qPrintable(widget.objectName());
        }
    }

    // In its corner of the primary screen, as the first tick put it.
    void ExpectInTheCorner()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect frame = Form->frameGeometry();
        EXPECT_TRUE(screen.contains(frame));
        EXPECT_EQ(frame.right() + 1, screen.right() + 1 - 10);
        EXPECT_EQ(frame.bottom() + 1, screen.bottom() + 1 - 40);
    }

    // The three pages one below the other, for a person to look at.
    void WriteScreenshot(const QString& language)
    {
        QList<QImage> pages;
        for (int page = 0; page < Pages()->count(); ++page) {
            Pages()->setCurrentIndex(page);
            pages << Form->grab().toImage();
        }
        Pages()->setCurrentIndex(0);
        QImage sheet(pages[0].width(), pages[0].height() * static_cast<int>(pages.size()), QImage::Format_RGB32);
        QPainter painter(&sheet);
        for (qsizetype i = 0; i < pages.size(); ++i)
            painter.drawImage(0, pages[0].height() * static_cast<int>(i), pages[i]);
        painter.end();
        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR");
        const QString name = scale.isEmpty() ? language : language + QStringLiteral("-x") + scale;
        QDir().mkpath(QStringLiteral(NELVORA_SCREENSHOT_DIR));
        EXPECT_TRUE(sheet.save(QStringLiteral(NELVORA_SCREENSHOT_DIR "/") + name + QStringLiteral(".png")));
    }

private:
    std::unique_ptr<QTranslator> m_translator;
};

// Accounts nobody has: the Add dialog only needs someone to ask.
class TNoAccounts final : public CardDav::IAccountService
{
public:
    std::vector<CardDav::TAccount> Accounts() const override { return {}; }
    void Add(const QUrl&, const QString&, const QString&, std::function<void(const QString&)>) override {}
    void Remove(const CardDav::TAccount&, std::function<void(const QString&)>) override {}
};

// The dialog's title is on the desktop's title bar, in its bold font, centred between the window's buttons (up to
// three, about two lines high and wide each, on one side); its labels and buttons must not be cut either. And each
// language's file reaches the dialog at all.
TEST_F(TextFitTest, TheAddDialogShowsItsTitleAndTextsWholeInEveryLanguage)
{
    const QDir directory(QStringLiteral(NELVORA_QM_DIR));
    QStringList languages{QStringLiteral("en"), QStringLiteral("long")};
    for (const QString& file : directory.entryList({QStringLiteral("nelvora_*.qm")}, QDir::Files, QDir::Name))
        languages << directory.filePath(file);
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        if (language == QLatin1String("long")) {
            Use(std::make_unique<TLongTranslator>());
        } else if (language != QLatin1String("en")) {
            auto translator = std::make_unique<QTranslator>();
            ASSERT_TRUE(translator->load(language));
            Use(std::move(translator));
        }
        TNoAccounts accounts;
        TAddAccountDialog dialog(accounts);
        dialog.show();
        QFont bold = dialog.font();
        bold.setBold(true);
        EXPECT_LE(QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + 12 * dialog.fontMetrics().height(),
                  dialog.width());
        if (language != QLatin1String("en") && !language.endsWith(QLatin1String("_en.qm"))) {
            EXPECT_NE(dialog.windowTitle(), QStringLiteral("Add an online address book"));
        }
        for (QWidget* widget : dialog.findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(widget);
            if (label == nullptr || !label->wordWrap())
                ExpectFits(*widget);
        }
        Use(nullptr);
    }
}

TEST_F(TextFitTest, EnglishKeepsItsSizeAndEveryTextFits)
{
    RunWithEverythingDue();
    EXPECT_EQ(Form->size(), QSize(428, 281));
    ExpectEveryTextFits(QStringLiteral("en"));
    ExpectInTheCorner();
    WriteScreenshot(QStringLiteral("en"));
}

TEST_F(TextFitTest, ALongLanguageWidensTheWindowInItsCornerAndCutsNothing)
{
    Use(std::make_unique<TLongTranslator>());
    RunWithEverythingDue();
    // Texts the translator does not reach yet, lengthened in place as a later language change would, and the next
    // check fits the window to them. (A drop-down measures its items once, when they are first added.)
    // Texts the translator already lengthened are left as they are: twice as long is no language.
    const auto reached = [](const QString& text) { return text.contains(Filler.front()); };
    for (QLabel* label : Form->findChildren<QLabel*>()) {
        if (!label->text().isEmpty() && !reached(label->text()) && label->textFormat() != Qt::RichText)
            label->setText(Lengthened(label->text()));
    }
    for (QAbstractButton* button : Form->findChildren<QAbstractButton*>()) {
        if (!reached(button->text()))
            button->setText(Lengthened(button->text()));
    }
    for (QGroupBox* group : Form->findChildren<QGroupBox*>()) {
        if (!reached(group->title()))
            group->setTitle(Lengthened(group->title()));
    }
    for (int i = 0; i < Pages()->count(); ++i) {
        if (!reached(Pages()->tabText(i)))
            Pages()->setTabText(i, Lengthened(Pages()->tabText(i)));
    }
    Form->btnCheckNowClick();
    auto* list = Find<QTreeWidget>("lvEventList");
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (!reached(list->topLevelItem(row)->text(1)))
            list->topLevelItem(row)->setText(1, Lengthened(list->topLevelItem(row)->text(1)));
    }
    TTextFit::Apply(*Form);

    EXPECT_GT(Form->width(), 428 * 3 / 2);
    EXPECT_EQ(Form->height(), 281);
    ExpectEveryTextFits(QStringLiteral("long"));
    ExpectInTheCorner();
    WriteScreenshot(QStringLiteral("long"));
}

// The languages of translations/. A new one is added here once its texts fit a window no wider than the widest of
// these make it (Russian, 558 pixels).
const QStringList Languages = {
    QStringLiteral("cs"), QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("fr"),
    QStringLiteral("it"), QStringLiteral("ja"), QStringLiteral("nl"), QStringLiteral("pl"), QStringLiteral("pt_BR"),
    QStringLiteral("ru"), QStringLiteral("sv"), QStringLiteral("tr"), QStringLiteral("uk"), QStringLiteral("zh_CN")};
constexpr int WidestWindow = 558;

TEST_F(TextFitTest, EveryBuiltTranslationFitsTheWindow)
{
    const QDir directory(QStringLiteral(NELVORA_QM_DIR));
    const QStringList files = directory.entryList({QStringLiteral("nelvora_*.qm")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    QStringList missing = Languages;
    for (const QString& file : files) {
        auto translator = std::make_unique<QTranslator>();
        ASSERT_TRUE(translator->load(directory.filePath(file)));
        Use(std::move(translator));
        const QString language = file.mid(8).chopped(3);
        EXPECT_TRUE(Languages.contains(language))
            << qPrintable(language) << " is not among the languages the window is fitted to";
        missing.removeAll(language);
        RunWithEverythingDue();
        ExpectEveryTextFits(language);
        EXPECT_LE(Form->width(), WidestWindow) << qPrintable(language);
        ExpectInTheCorner();
        WriteScreenshot(language);
        Form.reset();
    }
    if (!missing.isEmpty())
        std::printf("Not built, so not fitted: %s\n", qPrintable(missing.join(QLatin1Char(' '))));
}

} // namespace
