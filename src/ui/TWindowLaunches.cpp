#include "TWindowLaunches.h"

#include "AddressBookProgram.h"
#include "HelpPage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace {

// The boxes keep the window's words, and their translations.
QString Tr(const char* text)
{
    return QCoreApplication::translate("TFormMain", text);
}

} // namespace

TWindowLaunches::TWindowLaunches(ILauncher& launcher, IDialogs& dialogs, TGuard guard)
    : m_launcher(launcher), m_dialogs(dialogs), m_guard(std::move(guard))
{
}

std::function<void()> TWindowLaunches::Sorry(QString text)
{
    return [this, text = std::move(text)] { m_guard([this, &text] { m_dialogs.ShowErrorDialog(text); }); };
}

void TWindowLaunches::OpenHomePage(const QString& url)
{
    //: %1 is the home page's address.
    m_launcher.OpenUrl(
        url, Sorry(Tr(QT_TRANSLATE_NOOP("TFormMain", "Sorry!\nCouldn't find any web application to visit home "
                                                     "page!\nPlease visit %1 by your own."))
                       .arg(url)));
}

void TWindowLaunches::OpenHelpPage(const char* section)
{
    const QString helpFile = HelpPageFile(m_launcher.ProgramFilePath());
    const auto sorry = Sorry(Tr(QT_TRANSLATE_NOOP("TFormMain", "Sorry!\nCouldn't open help file!\n")));
    // A missing page would otherwise surface, if at all, as the browser's own "file not found".
    if (!QFileInfo(helpFile).isFile()) {
        sorry();
        return;
    }
    QUrl url = QUrl::fromLocalFile(helpFile);
    if (section != nullptr)
        url.setFragment(QString::fromLatin1(section));
    m_launcher.OpenUrl(url.toString(QUrl::FullyEncoded), sorry);
}

void TWindowLaunches::OpenAddressBook(const std::vector<TStoreInfo>& stores)
{
    ShowAddressBook(m_launcher, stores, Sorry(Tr(QT_TRANSLATE_NOOP("TFormMain", "Can't run address book program!"))));
}

std::function<void()> TWindowLaunches::AddressFailed()
{
    //: A mail or phone address could not be opened: no mail program, phone or softphone took it.
    return Sorry(Tr(QT_TRANSLATE_NOOP("TFormMain", "Sorry!\nCouldn't find any program to write or call with!")));
}
