#include "FormFixture.h"
#include "TWindowTimer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

class KeyboardTest : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        WriteConfig(2);
    }

    // Shown from the tray with nothing due (every page reachable), as the active window.
    void RunShownActive()
    {
        Run();
        Form->mnuShowClick();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    }
    QTabWidget* Pages() const { return Find<QTabWidget>("PageControl"); }
    // What the user sees of a control: the window around it, a focus frame outside it included.
    QImage Around(const QWidget* control) const
    {
        return Form->grab(QRect(control->mapTo(Form.get(), QPoint(-3, -3)), control->size() + QSize(6, 6))).toImage();
    }
    static void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
};

TEST_F(KeyboardTest, TabVisitsEachPageInVisualOrderShiftTabBackAndFocusShowsOnEveryStop)
{
    const QStringList buttons{"btnMinimize", "btnCheckNow", "btnHelp", "btnQuit"};
    const QStringList pages[] = {
        QStringList{"lvEventList", "lblCheckSummary"} + buttons,
        QStringList{"cbRunMode", "UpDownForward", "UpDownAutoClose", "cbAlwaysOnTop", "edRemindAt", "cbRemindWith",
                    "btnSaveChanges"} +
            buttons,
        QStringList{"lvStores"} + buttons,
        QStringList{"Image1", "llblHomePage"} + buttons,
    };
    RunShownActive();
    for (int page = 0; page < 4; ++page) {
        Pages()->setCurrentIndex(page);
        Pages()->tabBar()->setFocus(Qt::TabFocusReason);
        QStringList forward;
        std::vector<QImage> focused;
        for (int i = 0; i < 14 && (i == 0 || QApplication::focusWidget() != Pages()->tabBar()); ++i) {
            Press(Qt::Key_Tab);
            forward << QApplication::focusWidget()->objectName();
            focused.push_back(Around(QApplication::focusWidget()));
        }
        const QStringList expected = pages[page] + QStringList{Pages()->tabBar()->objectName()};
        EXPECT_EQ(forward, expected) << "page " << page;

        QStringList backward;
        for (int i = 0; i < expected.size(); ++i) {
            Press(Qt::Key_Tab, Qt::ShiftModifier);
            backward.prepend(QApplication::focusWidget()->objectName());
        }
        EXPECT_EQ(backward, QStringList{expected.last()} + expected.mid(0, expected.size() - 1)) << "page " << page;

        // The focus is on the tab bar again: every control looks different without it.
        for (int i = 0; i + 1 < expected.size() && i < static_cast<int>(focused.size()); ++i)
            EXPECT_NE(Around(Find<QWidget>(qPrintable(expected[i]))), focused[i]) << qPrintable(expected[i]);
    }
}

TEST_F(KeyboardTest, CtrlTabAndCtrlPageKeysSwitchPagesPassingOverTheHiddenOptions)
{
    RunShownActive();
    const struct
    {
        int Key;
        Qt::KeyboardModifiers Modifiers;
        int Page;
    } steps[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 1},
        {Qt::Key_PageDown, Qt::ControlModifier, 2},
        {Qt::Key_PageDown, Qt::ControlModifier, 3},
        {Qt::Key_PageDown, Qt::ControlModifier, 0},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 3},
        {Qt::Key_PageUp, Qt::ControlModifier, 2},
    };
    for (const auto& step : steps) {
        Press(step.Key, step.Modifiers);
        EXPECT_EQ(Pages()->currentIndex(), step.Page);
    }
    // A page chosen by key is the user's choice: the About scroller runs.
    Press(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(Pages()->currentIndex(), 3);
    EXPECT_TRUE(TimerEnabled("Timer"));

    // The list opened by itself on a new day: the Options and Address books pages wait hidden until it closes.
    Form->btnMinimizeClick();
    Clock.AdvanceDay();
    AddDueContact();
    Form->TimerCheckTimer();
    ASSERT_FALSE(OptionsTabVisible());
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Pages()->currentIndex(), 3);
}

TEST_F(KeyboardTest, EscapeSendsTheWindowToTheTrayFromAnyControl)
{
    AddDueContact();
    Run();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    ASSERT_TRUE(AutoCloseEnabled());
    Press(Qt::Key_Escape);
    EXPECT_FALSE(Form->isVisible());
    EXPECT_FALSE(AutoCloseEnabled());

    Form->mnuShowClick();
    Pages()->setCurrentIndex(1);
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    Find<QWidget>("UpDownForward")->setFocus();
    Press(Qt::Key_Escape);
    EXPECT_FALSE(Form->isVisible());
}

TEST_F(KeyboardTest, TheListHasTheFocusOnItsFirstEventWhenTheWindowAppearsAndArrowsMoveThroughTheRows)
{
    AddDueContact("Ben");
    Run();
    auto* list = Find<QTreeWidget>("lvEventList");
    ASSERT_TRUE(Form->isVisible());
    EXPECT_EQ(Form->focusWidget(), list);
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->currentItem()->text(0), "Ben");
    EXPECT_TRUE(list->selectedItems().isEmpty()); // the list keeps its look
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    Press(Qt::Key_Down);
    EXPECT_EQ(list->currentItem(), list->topLevelItem(2));
}

// ---- the look ----

class LookTest : public KeyboardTest
{
protected:
    void TearDown() override
    {
        KeyboardTest::TearDown();
        QApplication::setStyle(QStyleFactory::create(m_style));
        QApplication::setPalette(m_palette);
        QApplication::setFont(m_font);
    }
    // How many pixels of an image are light, and how light the lightest is.
    static std::pair<int, double> Light(const QImage& image)
    {
        std::pair<int, double> light{0, 0.0};
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const double lightness = QColor(image.pixel(x, y)).lightnessF();
                light = {light.first + (lightness > 0.6 ? 1 : 0), std::max(light.second, lightness)};
            }
        }
        return light;
    }

private:
    QString m_style = QApplication::style()->name();
    QPalette m_palette = QApplication::palette();
    QFont m_font = QApplication::font();
};

TEST_F(LookTest, ADarkPaletteGivesADarkWindowWithReadableTextOnEveryPage)
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark(QColor(45, 45, 45)); // window colour; the rest derived from it
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    QApplication::setPalette(dark);
    RunShownActive();
    AddDueContact();
    Form->btnCheckNowClick();
    for (int page = 0; page < 3; ++page) {
        Pages()->setCurrentIndex(page);
        const QImage image = Form->grab().toImage();
        // Light text only, no light area.
        EXPECT_LT(Light(image).first, image.width() * image.height() / 8) << "page " << page;
        for (QLabel* label : Pages()->currentWidget()->findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) {
                EXPECT_GT(Light(label->grab().toImage()).second, 0.6) << qPrintable(label->objectName());
            }
        }
    }
}

TEST_F(LookTest, LargeDesktopTextGrowsTheWindowAndNoCaptionIsCut)
{
    for (const double points : {9.0, 22.0}) {
        QFont font = QApplication::font();
        font.setPointSizeF(points);
        QApplication::setFont(font);
        Start();
        const QSize expected = points > 11 ? QSize(856, 562) : QSize(428, 281);
        EXPECT_EQ(Form->size(), expected);
        for (QWidget* widget : Form->findChildren<QWidget*>()) {
            QString text;
            if (auto* label = qobject_cast<QLabel*>(widget))
                text = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                text = button->text().remove(QLatin1Char('&'));
            if (text.isEmpty() || widget->width() == 0)
                continue;
            const int room = widget->contentsRect().width() - (qobject_cast<QAbstractButton*>(widget) ? 16 : 0);
            EXPECT_LE(widget->fontMetrics().horizontalAdvance(text), room)
                << points << "pt " << qPrintable(widget->objectName() + " " + text);
        }
        Form.reset();
    }
}

} // namespace
