#include "TGreetingActions.h"

#include <QAction>
#include <QMenu>
#include <QRegularExpression>
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

namespace {

// The letters of a phone's keypad (ITU E.161), for numbers written as words: 1-800-FLOWERS.
QChar KeypadDigit(char32_t letter)
{
    static constexpr char Keys[] = "22233344455566677778889999";
    const char32_t upper = letter >= U'a' ? letter - (U'a' - U'A') : letter;
    return QLatin1Char(Keys[upper - U'A']);
}

bool IsAsciiLetter(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

} // namespace

QString TGreetingActions::PhoneUrl(const QString& number)
{
    QString text = number.trimmed();
    if (text.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
        text = text.mid(4).trimmed();
    // "+49 (0)30 …": the trunk 0 is dialled only from inside the country, never after the country code.
    if (text.startsWith(u'+'))
        text.remove(QRegularExpression(QStringLiteral("\\(\\s*0\\s*\\)")));
    // An extension at the end goes to the tel: address's own parameter, not into the number.
    // After a digit or a blank, so that a word's X ("BOX 12") stays a letter of the number.
    static const QRegularExpression Extension(
        QStringLiteral("(?<=[\\d\\s)])(?:;\\s*ext\\s*=|ext\\.?|x|,)\\s*([\\d\\s.-]*\\d)[\\s.-]*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    QString extension;
    if (const QRegularExpressionMatch found = Extension.match(text); found.hasMatch()) {
        for (const char32_t c : found.captured(1).toUcs4())
            if (QChar::isDigit(c))
                extension += QLatin1Char(static_cast<char>('0' + QChar::digitValue(c)));
        text.truncate(found.capturedStart(0));
    }

    QString dial;
    bool digits = false;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isDigit(c)) {
            dial += QLatin1Char(static_cast<char>('0' + QChar::digitValue(c)));
            digits = true;
        } else if (IsAsciiLetter(c)) {
            // Counted only beside real digits: "n/a" is no number.
            dial += KeypadDigit(c);
        } else if (QChar::isLetter(c)) {
            return {}; // no keypad has it: better no call than a wrong one
        } else if ((c == U'+' && dial.isEmpty()) || c == U'*' || c == U'#') {
            dial += QChar(static_cast<char16_t>(c));
        }
    }
    if (!digits)
        return {};
    // "#" would start a fragment.
    QString url = QStringLiteral("tel:") + QString::fromLatin1(QUrl::toPercentEncoding(dial, "+*"));
    if (!extension.isEmpty())
        url += QStringLiteral(";ext=") + extension;
    return url;
}

void TGreetingActions::Write(const QString& address, bool anniversary)
{
    m_launcher.OpenUrl(MailUrl(address, anniversary), m_launchFailed);
}

void TGreetingActions::Call(const QString& number)
{
    if (const QString url = PhoneUrl(number); !url.isEmpty())
        m_launcher.OpenUrl(url, m_launchFailed);
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
    QStringList dialled;
    for (const QString& number : person.Phones)
        if (!PhoneUrl(number).isEmpty())
            dialled << number;
    AddEntry(menu, tr("Call"), "mnuCall", dialled, [this](const QString& number) { Call(number); });
    menu.addSeparator();
    AddEntry(menu, tr("Copy e-mail address"), "mnuCopyEmail", person.Emails,
             [this](const QString& address) { Copy(address); });
    AddEntry(menu, tr("Copy phone number"), "mnuCopyPhone", person.Phones,
             [this](const QString& number) { Copy(number); });
}
