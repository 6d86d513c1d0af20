#pragma once

#include <QString>
#include <QUrl>

// Where the sync may send a request, and where the password may go. The user names one server; the sync talks to
// that host and, because large providers spread their users' books over sibling hosts (contacts.icloud.com hands
// out p42-contacts.icloud.com), to hosts of the same domain that this server itself points to.
namespace CardDav {

// localhost, *.localhost, 127.0.0.0/8 and ::1.
bool IsLoopbackHost(const QString& host);

// Empty when the address may be used for an account at all, else why not: a password never travels over plain
// http:// except to this computer, and only http and https are spoken.
QString RefusalOf(const QUrl& url);

// True when `target` is the account's own host or a sibling host of its domain (same name after the first label,
// and that name still has two labels: dav.example.org -> *.example.org; example.org -> only itself).
bool IsSameSite(const QUrl& account, const QUrl& target);

// Both of the above: the sync may send this request, with the password.
bool MayVisit(const QUrl& account, const QUrl& target);

} // namespace CardDav
