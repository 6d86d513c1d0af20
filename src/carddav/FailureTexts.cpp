#include "FailureTexts.h"

#include <QCoreApplication>

namespace CardDav {

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("CardDav", text);
}

} // namespace

QString FailureText(const TFailure& failure)
{
    // No default: a new failure without its text does not build.
    switch (failure.Code) {
    case TSyncFailure::None:
        return {};
    case TSyncFailure::LoginFailed:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "login failed: check the user name and the (app) password"));
    case TSyncFailure::AccessDenied:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "the server refused access to the address book"));
    case TSyncFailure::CertificateNotTrusted:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "the server's certificate is not trusted"));
    case TSyncFailure::ServerNotReachable:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "the server cannot be reached"));
    case TSyncFailure::TimedOut:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "the server did not answer in time"));
    case TSyncFailure::AnswerTooLarge:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "the server's answer was too large"));
    case TSyncFailure::UnreadableAnswer:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "the server's answer could not be read"));
    case TSyncFailure::ServerError:
        //: %1 is an HTTP status, 500.
        return Tr(QT_TRANSLATE_NOOP("CardDav", "the server answered with error %1")).arg(failure.Status);
    case TSyncFailure::NoAddressBook:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "no address book was found at this address"));
    case TSyncFailure::TooManyRedirects:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "the server sent the request round in circles"));
    case TSyncFailure::RedirectedToAnotherHost:
    case TSyncFailure::AnotherHost:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "the server sent the request to another host"));
    case TSyncFailure::BookTooLarge:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "the address book is larger than a sync may fetch"));
    case TSyncFailure::TooManyPages:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "the server's list of changes did not end"));
    case TSyncFailure::NotAServerAddress:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "this is not a server address"));
    case TSyncFailure::UserInformation:
        return Tr(QT_TRANSLATE_NOOP("CardDav",
                                    "put the user name and the password in their own fields, not in the server address"));
    case TSyncFailure::PlainHttp:
        return Tr(QT_TRANSLATE_NOOP("CardDav",
                                    "a password is sent over plain http only to this computer: use an https address"));
    case TSyncFailure::ServerNotFound:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "no address-book server was found for this e-mail address"));
    case TSyncFailure::Cancelled:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "the sync was stopped"));
    case TSyncFailure::AccountRemoved:
        return Tr(QT_TRANSLATE_NOOP("CardDav", "the account was removed"));
    case TSyncFailure::Other:
        // This computer's own words (a folder that cannot be written, the keyring's answer), as they came.
        return QString::fromStdString(failure.Detail);
    }
    return QString::fromStdString(failure.Detail);
}

} // namespace CardDav
