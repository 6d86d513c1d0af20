#include "AddressBookProgram.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <filesystem>
#include <string>
#include <system_error>

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

// A folder by the bytes the file system knows it by, which need not be UTF-8: a name that is not text would not
// survive a QString (Qt reads every file name as UTF-8), so the folder goes to the opener as a percent-encoded URL.
bool OpenFolder(ILauncher& launcher, const std::string& folder, const std::function<void()>& cannotRun)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
    if (folder.empty() || error || !std::filesystem::is_directory(absolute, error))
        return false;
    const QByteArray url =
        QByteArrayLiteral("file://") + QByteArray::fromStdString(absolute.string()).toPercentEncoding("/");
    launcher.OpenUrl(QString::fromLatin1(url), cannotRun);
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
    if (store.Kind == "vcard-folder")
        return OpenFolder(launcher, store.Path, cannotRun);
    if (store.Kind == "vcard-file")
        return OpenFolder(launcher, std::filesystem::path(store.Path).parent_path().string(), cannotRun);
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

    // No contact manager: show the folder the contacts are read from. A relative XDG_DATA_HOME is invalid and
    // ignored, as the base directory rules say.
    QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (!dataHome.startsWith('/'))
        dataHome = QFile::encodeName(QDir::homePath()) + "/.local/share";
    if (!OpenFolder(launcher, (dataHome + "/contacts").toStdString(), cannotRun))
        cannotRun();
}
