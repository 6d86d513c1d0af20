#include "TQtLauncher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool TQtLauncher::OpenUrl(const QString& url)
{
    // A bare path would be read as a relative URL, which no handler opens.
    const QUrl target = url.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(url) : QUrl(url);
    if (!target.isValid())
        return false;
    return QDesktopServices::openUrl(target);
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
