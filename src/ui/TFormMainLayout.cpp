// The window's widgets: its three pages, the buttons below them, the timers and the tray menu. Places and sizes
// are those of the original fixed layout; TDesktopScale and TTextFit adapt them to the desktop's font afterwards.

#include "TFormMain.h"

#include "CheckSummary.h"
#include "HelpPage.h"
#include "IOnlineBooks.h"
#include "TAccessibleNames.h"
#include "TAddressBooksPage.h"
#include "TClickLabel.h"
#include "TDesktopScale.h"
#include "TExcludedStores.h"
#include "TFormMainGuarded.h"
#include "TReportListView.h"
#include "TTextFit.h"
#include "TWheelGuard.h"
#include "TWindowKeys.h"
#include "TWindowLaunches.h"
#include "TWindowTimer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTimeEdit>
#include <QWindow>

#include <algorithm>

namespace {

// Spin arrows without a visible number: the read-only edit beside them shows the value.
class TUpDown final : public QSpinBox
{
public:
    TUpDown(const char* name, QWidget* parent, int minimum, int maximum) : QSpinBox(parent)
    {
        setObjectName(QString::fromLatin1(name));
        setRange(minimum, maximum);
        setWrapping(false);
        setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        lineEdit()->setVisible(false);
        // The hidden edit would swallow the focus; the arrows keys are handled by the spin box itself.
        setFocusProxy(nullptr);
        setFocusPolicy(Qt::StrongFocus);
    }
};

// Tab leaves the time as it leaves every other control; the hour and the minute are reached with the arrow keys.
class TTimeEdit final : public QTimeEdit
{
public:
    using QTimeEdit::QTimeEdit;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLabel* MakeFixedLabel(const char* name, const QString& text, QWidget* parent, const QRect& geometry,
                       Qt::Alignment alignment, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent, const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

QLineEdit* MakeValueEdit(const char* name, QWidget* parent, int x, int y)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(x, y, 33, 21);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

// The label of an edit sits to its left with 3 pixels between them.
void MakeEditLabel(const QString& text, QWidget* parent, const QLineEdit* edit)
{
    auto* label = new QLabel(text, parent);
    const int right = edit->x() - 3;
    label->setGeometry(4, edit->y(), right - 4, edit->height());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(const_cast<QLineEdit*>(edit));
}

// The layout's fixed places were measured for a narrow bitmap font. The sans font that stands in for it on Linux
// runs about a third wider, which cut the longer option labels off. Narrow the font just enough for the
// widest fixed texts to fit their places (FreeType synthesises the stretch where the family has no narrow face).
QFont FitToLayout(QFont font)
{
    struct FixedText
    {
        const char* Text;
        int Width;
    };
    static constexpr FixedText Texts[] = {
        {"Automatically close event list after showing it for", 222},
        {"Check forward for due events within ", 222},
        {"Check mode for due events:", 132},
        {"-=- Events for tomorrow -=-", 144},
    };
    int stretch = 100;
    const QFontMetrics metrics(font);
    for (const FixedText& fixed : Texts) {
        const int width = metrics.horizontalAdvance(QString::fromLatin1(fixed.Text));
        if (width > fixed.Width)
            stretch = std::min(stretch, fixed.Width * 100 / width);
    }
    font.setStretch(std::max(stretch, 60));
    return font;
}

} // namespace

void TFormMain::BuildLayout()
{
    QFont formFont(QStringLiteral("MS Sans Serif"), 8);
    formFont.setStyleHint(QFont::SansSerif);
    setFont(FitToLayout(formFont));
    setFixedSize(428, 281);

    IconList.push_back(QFile::exists(QStringLiteral(":/nelvora.svg")) ? QIcon(QStringLiteral(":/nelvora.svg"))
                                                                      : QApplication::windowIcon());
    if (!IconList[0].isNull())
        setWindowIcon(IconList[0]);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setGeometry(0, 0, 425, 233);
    EventListSheet = BuildEventListSheet();
    OptionsSheet = BuildOptionsSheet();
    AddressBooksSheet = new TAddressBooksPage(m_services.OnlineBooks, TExcludedStores::FileName);
    AboutSheet = BuildAboutSheet();
    //: A tab: the page with the list of due events.
    PageControl->addTab(EventListSheet, tr("Event List"));
    //: A tab.
    PageControl->addTab(OptionsSheet, tr("Options"));
    //: A tab: the page with every address book the program reads.
    PageControl->addTab(AddressBooksSheet, tr("Address books"));
    //: A tab.
    PageControl->addTab(AboutSheet, tr("About"));
    PageControl->setCurrentIndex(0);
    // Only a page change by the user counts; the program's own selections stay silent.
    connect(PageControl, &QTabWidget::currentChanged, this, [this](int) {
        if (!m_silentPageChange)
            PageControlChange();
    });

    btnMinimize = MakeButton("btnMinimize", tr("&Send to Tray"), this, QRect(5, 248, 90, 25));
    btnMinimize->setDefault(true);
    btnCheckNow = MakeButton("btnCheckNow", tr("&Check Now"), this, QRect(96, 248, 90, 25));
    btnHelp = MakeButton("btnHelp", tr("&Help"), this, QRect(216, 248, 90, 25));
    btnQuit = MakeButton("btnQuit", tr("&Quit Program"), this, QRect(333, 248, 90, 25));
    // As in a dialog, Enter presses the button that has the focus; otherwise the page's default (keyPressEvent).
    // The default buttons take Enter when focused anyway; made auto-default they would lose their look on focus-out.
    for (QPushButton* button : {btnCheckNow, btnHelp, btnQuit})
        button->setAutoDefault(true);
    connect(btnMinimize, &QPushButton::clicked, this, [this] { btnMinimizeClick(); });
    connect(btnCheckNow, &QPushButton::clicked, this, [this] { btnCheckNowClick(); });
    connect(btnHelp, &QPushButton::clicked, this, [this] { btnHelpClick(); });
    connect(btnQuit, &QPushButton::clicked, this, [this] { btnQuitClick(); });

    Timer = new TWindowTimer("Timer", this);
    TimerCheck = new TWindowTimer("TimerCheck", this);
    TimerEventList = new TWindowTimer("TimerEventList", this);
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
    connect(TimerCheck, &QTimer::timeout, this, [this] { TimerCheckTimer(); });
    connect(TimerEventList, &QTimer::timeout, this, [this] { TimerEventListTimer(); });

    BuildTray();

    TAccessibleNames::NameControls(*this);
    TWindowKeys::Install(*this, *PageControl, [this] { btnMinimizeClick(); });
    TDesktopScale::Apply(*this, TDesktopScale::Factor(QApplication::font()));
    TTextFit::Install(*this);
    TWheelGuard::Install(*this);
}

QWidget* TFormMain::BuildEventListSheet()
{
    auto* sheet = new QWidget();
    sheet->setObjectName(QStringLiteral("EventListSheet"));
    lvEventList = new TReportListView(sheet);
    lvEventList->setGeometry(8, 8, 401, 175);
    lvEventList->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    lvEventList->OnDoubleClick = [this] { lvEventListDblClick(); };
    lvEventList->OnEventMenu = [this](int row, const QPoint& at) { Guarded([&] { ShowEventMenu(row, at); }); };
    lblCheckSummary = new TCheckSummary(sheet);
    lblCheckSummary->setGeometry(8, 185, 401, 16);
    lblCheckSummary->OnShowStores = [this] { Guarded([this] { ShowStoreList(); }); };
    lblCheckSummary->OnShowHelp = [this] {
        Guarded([this] { m_launches->OpenHelpPage(HelpSectionWhereContactsLive); });
    };
    return sheet;
}

QWidget* TFormMain::BuildOptionsSheet()
{
    auto* sheet = new QWidget();
    sheet->setObjectName(QStringLiteral("OptionsSheet"));
    //: The frame around the options.
    auto* group = new QGroupBox(tr("Options"), sheet);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(8, 8, 401, 185);

    MakeLabel("Label1", tr("Check mode for due events:"), group, 13, 30);
    cbRunMode = new QComboBox(group);
    cbRunMode->setObjectName(QStringLiteral("cbRunMode"));
    cbRunMode->setEditable(false);
    cbRunMode->addItem(tr("Check on start and quit"));
    cbRunMode->addItem(tr("Check daily"));
    cbRunMode->setGeometry(152, 26, 145, 21);

    edCheckForward = MakeValueEdit("edCheckForward", group, 238, 56);
    //: Before a number of days (2 to 30) that follows in a box of its own.
    MakeEditLabel(tr("Check forward for due events within "), group, edCheckForward);
    UpDownForward = new TUpDown("UpDownForward", group, 2, 30);
    UpDownForward->setGeometry(271, 56, 16, 21);
    //: After the number of days (2 to 30) of the line "Check forward for due events within".
    MakeLabel("Label2", tr("days"), group, 296, 60);

    edAutoClose = MakeValueEdit("edAutoClose", group, 238, 86);
    //: Before a number of minutes (1 to 15) that follows in a box of its own.
    MakeEditLabel(tr("Automatically close event list after showing it for"), group, edAutoClose);
    UpDownAutoClose = new TUpDown("UpDownAutoClose", group, 1, 15);
    UpDownAutoClose->setGeometry(271, 86, 16, 21);
    //: After the number of minutes (1 to 15) of the line "Automatically close event list after showing it for".
    MakeLabel("Label5", tr("minutes"), group, 296, 90);

    // Each edit shows its spin position and changes only through the arrows.
    connect(UpDownForward, &QSpinBox::valueChanged, edCheckForward,
            [this](int value) { edCheckForward->setText(QString::number(value)); });
    connect(UpDownAutoClose, &QSpinBox::valueChanged, edAutoClose,
            [this](int value) { edAutoClose->setText(QString::number(value)); });
    edCheckForward->setText(QString::number(UpDownForward->value()));
    edAutoClose->setText(QString::number(UpDownAutoClose->value()));

    cbAlwaysOnTop = new QCheckBox(tr("Always on top"), group);
    cbAlwaysOnTop->setObjectName(QStringLiteral("cbAlwaysOnTop"));
    cbAlwaysOnTop->setLayoutDirection(Qt::RightToLeft); // caption left of the box
    cbAlwaysOnTop->setGeometry(64, 116, 185, 17);
    //: Before a time of day (00:00 to 23:59) at which the new day's check comes; 00:00 is at midnight.
    auto* remindAtLabel = MakeLabel("lblRemindAt", tr("Remind at"), group, 262, 117);
    edRemindAt = new TTimeEdit(group);
    edRemindAt->setObjectName(QStringLiteral("edRemindAt"));
    edRemindAt->setDisplayFormat(QStringLiteral("HH:mm"));
    edRemindAt->setGeometry(330, 114, 56, 21);
    // Centred on the time box's row: a line of Chinese or Japanese stands taller than a Latin one, and placed as a
    // Latin one it would reach into the drop-down below.
    remindAtLabel->move(remindAtLabel->x(), edRemindAt->y() + (edRemindAt->height() - remindAtLabel->height()) / 2);
    remindAtLabel->setBuddy(edRemindAt);
    MakeLabel("lblRemindWith", tr("Remind me with:"), group, 13, 138);
    cbRemindWith = new QComboBox(group);
    cbRemindWith->setObjectName(QStringLiteral("cbRemindWith"));
    for (const char* item :
         {QT_TRANSLATE_NOOP("TFormMain", "window and notification"), QT_TRANSLATE_NOOP("TFormMain", "window only"),
          QT_TRANSLATE_NOOP("TFormMain", "notification only")})
        cbRemindWith->addItem(tr(item));
    cbRemindWith->setGeometry(152, 134, 145, 18);

    btnSaveChanges = MakeButton("btnSaveChanges", tr("&Save Changes"), group, QRect(145, 152, 110, 25));
    btnSaveChanges->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    btnSaveChanges->setDefault(true);
    connect(btnSaveChanges, &QPushButton::clicked, this, [this] { btnSaveChangesClick(); });

    QWidget::setTabOrder(cbRunMode, UpDownForward);
    QWidget::setTabOrder(UpDownForward, UpDownAutoClose);
    QWidget::setTabOrder(UpDownAutoClose, cbAlwaysOnTop);
    QWidget::setTabOrder(cbAlwaysOnTop, edRemindAt);
    QWidget::setTabOrder(edRemindAt, cbRemindWith);
    QWidget::setTabOrder(cbRemindWith, btnSaveChanges);
    return sheet;
}

QWidget* TFormMain::BuildAboutSheet()
{
    auto* sheet = new QWidget();
    sheet->setObjectName(QStringLiteral("AboutSheet"));
    //: The frame of the About page.
    auto* group = new QGroupBox(tr("About"), sheet);
    group->setObjectName(QStringLiteral("GroupBox2"));
    group->setGeometry(8, 8, 401, 185);

    Image1 = new TClickLabel("Image1", group);
    Image1->setGeometry(16, 32, 32, 32);
    Image1->setPixmap(IconList[0].pixmap(32, 32));
    Image1->OnClick = [this] { Image1Click(); };

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    lblAbout = MakeFixedLabel("lblAbout", QString(), group, QRect(96, 20, 290, 16), centred, true);
    MakeFixedLabel("Label3", tr("Reminds you of birthdays and anniversaries."), group, QRect(96, 40, 290, 16), centred,
                   true);
    MakeFixedLabel("Label4", tr("This program is free to use!"), group, QRect(96, 60, 290, 16), centred, true);
    lblAboutScroll =
        MakeFixedLabel("lblAboutScroll", QString(), group, QRect(15, 92, 380, 16), Qt::AlignLeft | Qt::AlignTop, false);

    llblHomePage = new TClickLabel("llblHomePage", group);
    llblHomePage->setText(tr("-=> Visit Home Page <=-"));
    llblHomePage->setGeometry(15, 144, 370, 16);
    llblHomePage->setAlignment(centred);
    QFont linkFont = llblHomePage->font();
    linkFont.setBold(true);
    llblHomePage->setFont(linkFont);
    llblHomePage->setCursor(Qt::PointingHandCursor);
    llblHomePage->OnClick = [this] { llblHomePageClick(); };
    return sheet;
}

void TFormMain::BuildTray()
{
    TrayMenu = new QMenu(this);
    TrayMenu->setObjectName(QStringLiteral("TrayMenu"));
    QAction* showAddressBook = TrayMenu->addAction(tr("Show Address Book"));
    showAddressBook->setObjectName(QStringLiteral("mnuShowAddressBook"));
    TrayMenu->addSeparator();
    QAction* show = TrayMenu->addAction(tr("Show Main Window"));
    show->setObjectName(QStringLiteral("mnuShow"));
    TrayMenu->addSeparator();
    QAction* quit = TrayMenu->addAction(tr("Quit Application"));
    quit->setObjectName(QStringLiteral("mnuQuit"));
    connect(showAddressBook, &QAction::triggered, this, [this] { mnuShowAddressBookClick(); });
    connect(show, &QAction::triggered, this, [this] { mnuShowClick(); });
    connect(quit, &QAction::triggered, this, [this] { mnuQuitClick(); });
}

// ---- how the window presents itself ----

void TFormMain::FadeIn()
{
    if (m_services.FirstArgument == NoBlendArgument || !TWindowPlace::CanFade())
        return;
    for (int value = 0; value <= 255; ++value) {
        SetOpacity(value);
        repaint();
    }
}

void TFormMain::SetOpacity(int value)
{
    m_alphaValue = value;
    if (TWindowPlace::CanFade())
        setWindowOpacity(m_alphaBlend ? value / 255.0 : 1.0);
}

void TFormMain::SetTopmost(bool on)
{
    // Switching the flag on the native window keeps it in place; the widget's own flag would re-create and hide it.
    if (windowHandle() == nullptr)
        create();
    if (QWindow* window = windowHandle())
        window->setFlag(Qt::WindowStaysOnTopHint, on);
}

void TFormMain::SelectPageSilently(int index)
{
    m_silentPageChange = true;
    PageControl->setCurrentIndex(index);
    m_silentPageChange = false;
}

void TFormMain::SetOptionsTabVisible(bool visible)
{
    m_silentPageChange = true;
    // The address books are options too: they come and go with them.
    PageControl->setTabVisible(PageControl->indexOf(OptionsSheet), visible);
    PageControl->setTabVisible(PageControl->indexOf(AddressBooksSheet), visible);
    m_silentPageChange = false;
}

void TFormMain::SetMinimized(bool minimized)
{
    m_ownStateChange = true;
    setWindowState(minimized ? windowState() | Qt::WindowMinimized : windowState() & ~Qt::WindowMinimized);
    m_ownStateChange = false;
}
