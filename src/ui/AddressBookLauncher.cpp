#include "AddressBookLauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

void ShowAddressBook(ILauncher& launcher, const std::function<void()>& cannotRun)
{
    struct TContactManager
    {
        const char* Program;
        QStringList Arguments;
    };
    const TContactManager managers[] = {
        {"gnome-contacts", {}},
        {"kaddressbook", {}},
        {"evolution", {QStringLiteral("--component=contacts")}},
        {"thunderbird", {QStringLiteral("-addressbook")}},
    };
    for (const TContactManager& manager : managers) {
        const QString path = launcher.FindProgram(QString::fromLatin1(manager.Program));
        if (!path.isEmpty() && launcher.StartProgram(path, manager.Arguments))
            return;
    }

    // No contact manager: show the folder the contacts are read from.
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    const QString folder = dataHome + QStringLiteral("/contacts");
    if (QFileInfo(folder).isDir())
        launcher.OpenUrl(QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded), cannotRun);
    else
        cannotRun();
}
