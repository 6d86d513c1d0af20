#include "TAddressBooksPage.h"

#include "IOnlineBooks.h"
#include "TExError.h"
#include "TStoreListView.h"

#include <QApplication>
#include <QFocusFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("TAddressBooksPage", text);
}

} // namespace

TAddressBooksPage::TAddressBooksPage(IOnlineBooks* online, std::string excludedFile, QWidget* parent)
    : QWidget(parent), m_online(online), m_excludedFile(std::move(excludedFile)), m_list(new TStoreListView(this))
{
    setObjectName(QStringLiteral("AddressBooksSheet"));
    m_list->OnLeftOut = [this](const std::string& name, bool leftOut) { return LeaveOut(name, leftOut); };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(m_list, 3);
    // A list without a current row would not show that it has the focus: a frame follows the focus onto it.
    auto* frame = new QFocusFrame(this);
    connect(qApp, &QApplication::focusChanged, frame,
            [this, frame](QWidget*, QWidget* now) { frame->setWidget(now == m_list ? m_list : nullptr); });
    if (m_online == nullptr)
        return;

    auto* row = new QHBoxLayout;
    row->addWidget(m_online->MakePanel(this), 1);
    //: A button: reads the online address books from their servers now.
    m_syncNow = new QPushButton(Tr(QT_TRANSLATE_NOOP("TAddressBooksPage", "Sync Now")), this);
    m_syncNow->setObjectName(QStringLiteral("btnSyncNow"));
    m_syncNow->setAutoDefault(true);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_syncNow);
    buttons->addStretch();
    row->addLayout(buttons);
    layout->addLayout(row, 2);

    auto* progressRow = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("pbSync"));
    m_progress->setTextVisible(false);
    m_progressText = new QLabel(this);
    m_progressText->setObjectName(QStringLiteral("lblSyncProgress"));
    m_progressText->setBuddy(m_progress);
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_progressText, 2);
    layout->addLayout(progressRow);
    m_progress->hide();
    m_progressText->hide();

    connect(m_syncNow, &QPushButton::clicked, this, [this] { m_online->SyncNow(); });
}

void TAddressBooksPage::SetStores(const std::vector<TStoreInfo>& stores)
{
    if (m_online != nullptr)
        m_model.SetBooks(m_online->Books());
    m_model.SetStores(stores);
    Show();
}

void TAddressBooksPage::SetExcluded(const std::vector<std::string>& paths)
{
    m_model.SetExcluded(paths);
    Show();
}

void TAddressBooksPage::SetProgress(const TOnlineProgress& progress)
{
    m_model.SetProgress(progress);
    Show();
    if (m_progress == nullptr)
        return;
    const TOnlineProgress& shown = m_model.Progress();
    m_syncNow->setEnabled(!shown.Running);
    m_progress->setVisible(shown.Running);
    m_progressText->setVisible(shown.Running);
    if (!shown.Running)
        return;
    const int permille = TAddressBooksModel::Permille(shown);
    // Without a count the bar runs to and fro.
    m_progress->setRange(0, permille < 0 ? 0 : 1000);
    if (permille >= 0)
        m_progress->setValue(permille);
    const QString account = QString::fromStdString(shown.Account);
    QString text;
    if (shown.Total >= 0)
        //: While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.
        text = Tr(QT_TRANSLATE_NOOP("TAddressBooksPage", "%1: %2 of %3 cards"))
                   .arg(account, QString::number(std::min(shown.Done, shown.Total)), QString::number(shown.Total));
    else if (!account.isEmpty())
        //: While an online address book syncs and the number of its cards is not known yet; %1 is the account.
        text = Tr(QT_TRANSLATE_NOOP("TAddressBooksPage", "%1: syncing…")).arg(account);
    else
        //: While the online address books sync, before the first account is named.
        text = Tr(QT_TRANSLATE_NOOP("TAddressBooksPage", "Syncing…"));
    m_progressText->setText(text);
    m_progress->setAccessibleName(text);
}

void TAddressBooksPage::Show()
{
    m_list->SetRows(m_model.Rows());
}

bool TAddressBooksPage::LeaveOut(const std::string& name, bool leftOut)
{
    try {
        m_model.SetLeftOut(name, leftOut, m_excludedFile);
    } catch (const TExError& error) {
        if (OnChoiceFailed)
            OnChoiceFailed(error);
        return false;
    }
    // Called from the list's own signal: its rows are refilled once that is done.
    QTimer::singleShot(0, this, [this] {
        Show();
        if (OnChoiceChanged)
            OnChoiceChanged(m_model.Excluded());
    });
    return true;
}
