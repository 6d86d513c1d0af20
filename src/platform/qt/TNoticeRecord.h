#pragma once

#include <QString>

#include <optional>
#include <utility>

// Which notification of the program a server shows, kept for the session in a small file, so that the next start
// replaces a notice that a killed or crashed run left on the screen instead of stacking a second one on it. The file
// is the program's own but still read as untrusted: one that is missing, too long, garbled, or not the user's own
// counts as no record.
class TNoticeRecord final
{
public:
    struct TShown
    {
        QString Server; // the unique bus name of the server that took the notice
        uint Id = 0;
    };

    // `path` empty: nothing is remembered. `session` names the bus; a record of another bus is not this one's.
    TNoticeRecord(QString path, QString session) : m_path(std::move(path)), m_session(std::move(session)) {}

    // $XDG_RUNTIME_DIR/nelvora/notice-id; empty where the session has no runtime folder.
    static QString DefaultPath();

    std::optional<TShown> Read() const;
    // Best effort: a notice that cannot be remembered is still shown.
    void Write(const TShown& shown) const;
    void Remove() const;

private:
    QString m_path;
    QString m_session;
};
