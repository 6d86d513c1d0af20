#pragma once

#include "IClipboard.h"
#include "ILauncher.h"
#include "Records.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

class QMenu;

// From a reminder to a greeting: the mail program through a mailto: address whose subject is the greeting, the
// phone through tel:, or an address on the clipboard. Every launch goes through the desktop's opener, so the user's
// own mail program, KDE Connect, GNOME Calls or a softphone answers.
class TGreetingActions final
{
    Q_DECLARE_TR_FUNCTIONS(TGreetingActions)

public:
    // The person of one event row or notice, addresses preferred first.
    struct TPerson
    {
        QString Name;
        QStringList Emails;
        QStringList Phones;
        bool Anniversary = false;
    };

    static TPerson Person(const tdstAddressItem& contact, bool anniversary);

    // `launchFailed` is called when the opener could not open an address.
    TGreetingActions(ILauncher& launcher, IClipboard& clipboard, std::function<void()> launchFailed);

    // "Happy birthday!" or "Happy anniversary!" in the user's language.
    static QString Subject(bool anniversary);
    static QString MailUrl(const QString& address, bool anniversary);
    // A number as tel: takes it (RFC 3966): digits in ASCII (any script's digits count, letters by the phone keypad),
    // a leading +, and * # for service codes; the rest is layout. After a leading + a trunk "(0)" is left out, and
    // an extension ("x12", "ext. 12", ";ext=12", ", 12") is passed as ";ext=12". Empty when nothing can be dialled.
    static QString PhoneUrl(const QString& number);

    void Write(const QString& address, bool anniversary);
    void Call(const QString& number);
    void Copy(const QString& text);

    // Adds "Write e-mail…", "Call", "Copy e-mail address" and "Copy phone number" for `person` to `menu`. An entry
    // without an address (for "Call", without a number that can be dialled) is disabled; with several addresses it becomes a submenu that lists them.
    void FillMenu(QMenu& menu, const TPerson& person);

private:
    ILauncher& m_launcher;
    IClipboard& m_clipboard;
    std::function<void()> m_launchFailed;
};
