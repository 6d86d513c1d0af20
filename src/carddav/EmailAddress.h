#pragma once

#include <QString>
#include <QUrl>

namespace CardDav {

// alice@example.org: no scheme, one @, something before it, and a domain of at least two labels after it. What the
// Add dialog and --add-account take for an e-mail address rather than a server's; header-only, for the window too.
inline bool IsEmailAddress(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.contains(QLatin1String("://")) || trimmed.count(u'@') != 1)
        return false;
    const qsizetype at = trimmed.indexOf(u'@');
    const QString domain = trimmed.mid(at + 1);
    if (at == 0 || !domain.contains(u'.') || domain.startsWith(u'.') || domain.endsWith(u'.'))
        return false;
    for (const QChar c : trimmed)
        if (c.isSpace() || c == u'/' || c == u'?' || c == u'#' || c == u':' || c == u'\\')
            return false;
    return QUrl(QStringLiteral("https://") + domain + u'/', QUrl::StrictMode).isValid();
}

} // namespace CardDav
