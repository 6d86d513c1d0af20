#pragma once

#include "SyncFailure.h"

#include <QString>
#include <QUrl>

// Where the sync may send a request, and where the password may go. The user names one server; the sync talks to
// that host and, because large providers spread their users' books over sibling hosts (contacts.icloud.com hands
// out p42-contacts.icloud.com), to hosts of the same domain that this server itself points to, where that domain
// belongs to one owner by the public suffix list (alice.synology.me has no siblings).
namespace CardDav {

using Stores::TFailure;
using Stores::TSyncFailure;

// The bare name localhost, 127.0.0.0/8 and ::1 (in any form the address parser takes).
bool IsLoopbackHost(const QString& host);

struct TServerAddress
{
    QUrl Url;
    // Why not, when Url is empty: NotAServerAddress, UserInformation (a user name or password written into the
    // address would be kept in the account list and the cache) or PlainHttp.
    TSyncFailure Problem = TSyncFailure::None;
};

// The server address a user typed, in the window or on the command line, as the account keeps it: a bare host name
// means https. Refused (Url empty) when it names no server, carries user information or would send the password
// over plain http to another computer.
TServerAddress NormalisedServerUrl(const QString& typed);

// The address with any user information left out, for messages.
QString ShownAddress(const QString& typed);

// None when the address may be used for an account at all, else why not: a password never travels over plain
// http:// except to this computer, and only http and https are spoken.
TFailure RefusalOf(const QUrl& url);

// True when `target` is the account's own host or a sibling host of its domain (same name after the first label,
// and that name is a registered domain or below one: dav.example.org -> *.example.org; example.org, example.co.uk
// and alice.synology.me -> only themselves).
bool IsSameSite(const QUrl& account, const QUrl& target);

// Both of the above: the sync may send this request, with the password.
bool MayVisit(const QUrl& account, const QUrl& target);

} // namespace CardDav
