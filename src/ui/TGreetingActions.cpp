#include "TGreetingActions.h"

#include <QAction>
#include <QMenu>
#include <QUrl>
#include <QUrlQuery>

TGreetingActions::TGreetingActions(ILauncher& launcher, IClipboard& clipboard, std::function<void()> launchFailed)
    : m_launcher(launcher), m_clipboard(clipboard), m_launchFailed(std::move(launchFailed))
{
}

TGreetingActions::TPerson TGreetingActions::Person(const tdstAddressItem& contact, bool anniversary)
{
    TPerson person;
    person.Name = QString::fromStdString(contact.Name);
    for (const std::string& address : contact.Emails)
        person.Emails << QString::fromStdString(address);
    for (const std::string& number : contact.Phones)
        person.Phones << QString::fromStdString(number);
    person.Anniversary = anniversary;
    return person;
}

QString TGreetingActions::Subject(bool anniversary)
{
    // Each text on a statement of its own, so that the translators see its comment.
    if (anniversary)
        //: The subject of an e-mail written from a wedding-anniversary reminder.
        return tr("Happy anniversary!");
    //: The subject of an e-mail written from a birthday reminder.
    return tr("Happy birthday!");
}

QString TGreetingActions::MailUrl(const QString& address, bool anniversary)
{
    // Built by hand rather than through QUrl's path: an address is not a path, and "?" or "#" in its local part
    // must not start the query (RFC 6068 percent-encodes them).
    QString url = QStringLiteral("mailto:") + QString::fromLatin1(QUrl::toPercentEncoding(address.trimmed(), "@"));
    url += QStringLiteral("?subject=") + QString::fromLatin1(QUrl::toPercentEncoding(Subject(anniversary)));
    return url;
}

QString TGreetingActions::PhoneUrl(const QString& number)
{
    QString digits;
    for (const QChar c : number.trimmed()) {
        if (c.isDigit() && c.unicode() < 0x80)
            digits += c;
        else if ((c == QLatin1Char('+') && digits.isEmpty()) || c == QLatin1Char('*') || c == QLatin1Char('#'))
            digits += c;
    }
    // "#" would start a fragment.
    return QStringLiteral("tel:") + QString::fromLatin1(QUrl::toPercentEncoding(digits, "+*"));
}

void TGreetingActions::Write(const QString& address, bool anniversary)
{
    m_launcher.OpenUrl(MailUrl(address, anniversary), m_launchFailed);
}

void TGreetingActions::Call(const QString& number)
{
    m_launcher.OpenUrl(PhoneUrl(number), m_launchFailed);
}

void TGreetingActions::Copy(const QString& text)
{
    m_clipboard.SetText(text);
}

namespace {

// One entry for a list of addresses: a plain action for one, a submenu naming each for several, disabled for none.
void AddEntry(QMenu& menu, const QString& caption, const char* name, const QStringList& values,
              const std::function<void(const QString&)>& act)
{
    if (values.size() > 1) {
        QMenu* sub = menu.addMenu(caption);
        sub->menuAction()->setObjectName(QString::fromLatin1(name));
        for (const QString& value : values) {
            QAction* item = sub->addAction(value);
            QObject::connect(item, &QAction::triggered, &menu, [act, value] { act(value); });
        }
        return;
    }
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(!values.isEmpty());
    if (!values.isEmpty()) {
        const QString value = values.front();
        QObject::connect(action, &QAction::triggered, &menu, [act, value] { act(value); });
    }
}

} // namespace

void TGreetingActions::FillMenu(QMenu& menu, const TPerson& person)
{
    const bool anniversary = person.Anniversary;
    AddEntry(menu, tr("Write e-mail…"), "mnuWriteEmail", person.Emails,
             [this, anniversary](const QString& address) { Write(address, anniversary); });
    AddEntry(menu, tr("Call"), "mnuCall", person.Phones, [this](const QString& number) { Call(number); });
    menu.addSeparator();
    AddEntry(menu, tr("Copy e-mail address"), "mnuCopyEmail", person.Emails,
             [this](const QString& address) { Copy(address); });
    AddEntry(menu, tr("Copy phone number"), "mnuCopyPhone", person.Phones,
             [this](const QString& number) { Copy(number); });
}
