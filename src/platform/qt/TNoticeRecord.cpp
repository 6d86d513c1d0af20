#include "TNoticeRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace {

const QByteArray Magic = QByteArrayLiteral("nelvora-notice 1");
// Far more than a record takes: magic, bus address, unique name and id.
constexpr qint64 MaxRecordBytes = 4096;

} // namespace

QString TNoticeRecord::DefaultPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QDir::isAbsolutePath(runtime))
        return {};
    return runtime + QStringLiteral("/nelvora/notice-id");
}

std::optional<TNoticeRecord::TShown> TNoticeRecord::Read() const
{
    if (m_path.isEmpty())
        return std::nullopt;
    const QFileInfo info(m_path);
    // Only a plain file of this user: a link or someone else's file in a shared folder says nothing about our notice.
    if (!info.isFile() || info.isSymLink() || info.ownerId() != ::getuid() || info.size() > MaxRecordBytes)
        return std::nullopt;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = file.read(MaxRecordBytes).split('\n');
    if (lines.size() < 4 || lines[0] != Magic || QString::fromUtf8(lines[1]) != m_session)
        return std::nullopt;
    bool ok = false;
    const uint id = lines[3].toUInt(&ok);
    const QString server = QString::fromUtf8(lines[2]);
    if (!ok || id == 0 || server.size() > 255)
        return std::nullopt;
    return TShown{server, id};
}

void TNoticeRecord::Write(const TShown& shown) const
{
    if (m_path.isEmpty())
        return;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return;
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(Magic + '\n' + m_session.toUtf8() + '\n' + shown.Server.toUtf8() + '\n' + QByteArray::number(shown.Id) +
               '\n');
    file.commit();
}

void TNoticeRecord::Remove() const
{
    if (!m_path.isEmpty())
        QFile::remove(m_path);
}
