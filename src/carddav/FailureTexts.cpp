#include "FailureTexts.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace CardDav {

QString ShownFailure(const QString& failure)
{
    static constexpr std::array<std::pair<const char*, const char*>, 12> Texts{{
        {"login failed", QT_TRANSLATE_NOOP("CardDav", "login failed: check the user name and the (app) password")},
        {"certificate not trusted", QT_TRANSLATE_NOOP("CardDav", "the server's certificate is not trusted")},
        {"server not reachable", QT_TRANSLATE_NOOP("CardDav", "the server cannot be reached")},
        {"timed out", QT_TRANSLATE_NOOP("CardDav", "the server did not answer in time")},
        {"no address book found", QT_TRANSLATE_NOOP("CardDav", "no address book was found at this address")},
        {"redirected to another host", QT_TRANSLATE_NOOP("CardDav", "the server sent the request to another host")},
        {"answer too large", QT_TRANSLATE_NOOP("CardDav", "the server's answer was too large")},
        {"server not found",
         QT_TRANSLATE_NOOP("CardDav", "no address-book server was found for this e-mail address")},
        {"not a server address", QT_TRANSLATE_NOOP("CardDav", "this is not a server address")},
        {"book too large", QT_TRANSLATE_NOOP("CardDav", "the address book is larger than a sync may fetch")},
        {"too many pages", QT_TRANSLATE_NOOP("CardDav", "the server's list of changes did not end")},
        {"too many redirects", QT_TRANSLATE_NOOP("CardDav", "the server sent the request round in circles")},
    }};
    for (const auto& [english, shown] : Texts)
        if (failure == QLatin1String(english))
            return QCoreApplication::translate("CardDav", shown);
    if (failure.startsWith(QLatin1String("refused: plain http")))
        return QCoreApplication::translate("CardDav", "a password is sent over plain http only to this computer: use "
                                                      "an https address");
    return failure;
}

} // namespace CardDav
