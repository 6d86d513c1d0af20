#include "AddressBookProgram.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

struct TContactManager
{
    const char* Program;
    QStringList Arguments;
};

const TContactManager GnomeContacts{"gnome-contacts", {}};
const TContactManager KAddressBook{"kaddressbook", {}};
const TContactManager Evolution{"evolution", {QStringLiteral("--component=contacts")}};
const TContactManager Thunderbird{"thunderbird", {QStringLiteral("-addressbook")}};

bool Start(ILauncher& launcher, const TContactManager& manager)
{
    const QString path = launcher.FindProgram(QString::fromLatin1(manager.Program));
    return !path.isEmpty() && launcher.StartProgram(path, manager.Arguments);
}

bool OpenFolder(ILauncher& launcher, const QString& folder, const std::function<void()>& cannotRun)
{
    if (!QFileInfo(folder).isDir())
        return false;
    launcher.OpenUrl(QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded), cannotRun);
    return true;
}

// The program for the largest store; false when it is not there or does not start.
bool ShowStore(ILauncher& launcher, const TStoreInfo& store, const std::function<void()>& cannotRun)
{
    if (store.Kind == "evolution")
        return Start(launcher, GnomeContacts) || Start(launcher, Evolution);
    if (store.Kind == "thunderbird")
        return Start(launcher, Thunderbird);
    if (store.Owner == "kde" && Start(launcher, KAddressBook))
        return true;
    const QString path = QString::fromUtf8(store.Path.data(), static_cast<qsizetype>(store.Path.size()));
    if (store.Kind == "vcard-folder")
        return OpenFolder(launcher, path, cannotRun);
    if (store.Kind == "vcard-file")
        return OpenFolder(launcher, QFileInfo(path).path(), cannotRun);
    return false;
}

} // namespace

void ShowAddressBook(ILauncher& launcher, const std::vector<TStoreInfo>& stores, std::function<void()> cannotRun)
{
    if (const TStoreInfo* largest = LargestStore(stores);
        largest != nullptr && ShowStore(launcher, *largest, cannotRun))
        return;

    for (const TContactManager* manager : {&GnomeContacts, &KAddressBook, &Evolution, &Thunderbird})
        if (Start(launcher, *manager))
            return;

    // No contact manager: show the folder the contacts are read from.
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    if (!OpenFolder(launcher, dataHome + QStringLiteral("/contacts"), cannotRun))
        cannotRun();
}
