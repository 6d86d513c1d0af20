#include "TQtLauncher.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <memory>
#include <utility>

TQtLauncher::~TQtLauncher()
{
    // Whoever asked is gone: an opener that still runs reports to nobody. (Ending it leaves what it started alone.)
    for (QObject* child : m_openers.children())
        QObject::disconnect(child, nullptr, nullptr, nullptr);
}

void TQtLauncher::OpenUrl(const QString& url, std::function<void()> failed)
{
    // A bare path would be read as a relative URL, which no handler opens.
    const QUrl target = url.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(url) : QUrl(url);
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!target.isValid() || target.isRelative() || opener.isEmpty()) {
        failed();
        return;
    }

    auto* process = new QProcess(&m_openers);
    process->setProgram(opener);
    // A local file goes as a path, which every opener takes; only a section of it needs the URL form, and so does a
    // name that is not UTF-8, whose bytes only the URL's percent-encoding keeps (a QString path would garble them).
    const bool asPath = target.isLocalFile() && !target.hasFragment() &&
                        QFile::encodeName(target.toLocalFile()) ==
                            QByteArray::fromPercentEncoding(target.path(QUrl::FullyEncoded).toLatin1());
    process->setArguments({asPath ? target.toLocalFile() : target.toString(QUrl::FullyEncoded)});
    process->setStandardInputFile(QProcess::nullDevice());
    // Its complaints belong in the session's log, beside ours.
    process->setProcessChannelMode(QProcess::ForwardedChannels);

    // Called once, whichever of the two signals comes.
    auto report = std::make_shared<std::function<void()>>(std::move(failed));
    QObject::connect(process, &QProcess::errorOccurred, process, [process, report](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // a crash or a lost pipe also ends in finished()
        process->deleteLater();
        if (auto call = std::exchange(*report, nullptr))
            call();
    });
    QObject::connect(process, &QProcess::finished, process,
                     [process, report](int exitCode, QProcess::ExitStatus exitStatus) {
                         process->deleteLater();
                         if (exitStatus == QProcess::NormalExit && exitCode == 0)
                             return;
                         if (auto call = std::exchange(*report, nullptr))
                             call();
                     });
    process->start();
}

bool TQtLauncher::StartProgram(const QString& program, const QStringList& arguments)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

QString TQtLauncher::FindProgram(const QString& name) const
{
    return QStandardPaths::findExecutable(name);
}

QString TQtLauncher::ProgramFilePath() const
{
    return QCoreApplication::applicationFilePath();
}
