#include "HelpPage.h"

#include <QDir>
#include <QFileInfo>

QString HelpPageFile(const QString& programFile)
{
    const QString directory = QFileInfo(programFile).path();
    // QDir joins with exactly one separator, also when the parent is the root directory.
    return QDir(QFileInfo(directory).path()).filePath(QStringLiteral("share/nelvora/nelvora.html"));
}
