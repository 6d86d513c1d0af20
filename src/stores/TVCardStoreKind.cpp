#include "TVCardStoreKind.h"

#include "VCardSources.h"
#include "VCardText.h"
#include "config/ConfigFile.h"
#include "config/KhardConfig.h"
#include "config/TKeyFile.h"
#include "config/VdirsyncerConfig.h"
#include "sqlite/TSqliteDatabase.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace Stores {

namespace {

std::string KindOf(const std::filesystem::path& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? "vcard-folder" : "vcard-file";
}

void Add(const std::filesystem::path& path, std::vector<TStoreLocation>& found, const char* owner = "")
{
    if (!path.empty())
        found.push_back({KindOf(path), path, owner});
}

// A vdirsyncer `fileext` that names vCards: the extension alone.
bool IsVCardExtension(std::string_view extension)
{
    return VCard::IEquals(extension, ".vcf") || VCard::IEquals(extension, ".vcard");
}

// KDE's folder and file resources keep their place in `Path=` of [General].
void FindKdeResources(const TStoreEnvironment& environment, std::vector<TStoreLocation>& found)
{
    std::string bytes;
    for (const char* prefix : {"akonadi_contacts_resource_", "akonadi_vcarddir_resource_", "akonadi_vcard_resource_"}) {
        for (const auto& rc : FolderEntries(environment.ConfigHome, prefix, "rc")) {
            if (!ReadConfigFile(rc, bytes))
                continue;
            if (const auto path = TKeyFile(bytes).Value("General", "Path"))
                Add(environment.Expand(*path), found, "kde");
        }
    }
}

// vdirsyncer's own order: $VDIRSYNCER_CONFIG, else ~/.vdirsyncer/config when it exists, else the XDG place.
std::filesystem::path VdirsyncerConfigPath(const TStoreEnvironment& environment)
{
    std::filesystem::path config = TStoreEnvironment::Variable("VDIRSYNCER_CONFIG");
    if (config.empty()) {
        config = environment.Home.empty() ? std::filesystem::path() : environment.Home / ".vdirsyncer" / "config";
        struct stat info;
        if (config.empty() || ::stat(config.c_str(), &info) != 0)
            config = environment.ConfigHome.empty() ? std::filesystem::path()
                                                    : environment.ConfigHome / "vdirsyncer" / "config";
    }
    return config;
}

void FindVdirsyncer(const TStoreEnvironment& environment, std::vector<TStoreLocation>& found)
{
    const std::filesystem::path config = VdirsyncerConfigPath(environment);
    std::string bytes;
    if (config.empty() || !ReadConfigFile(config, bytes))
        return;
    for (const auto& storage : ParseVdirsyncerConfig(bytes)) {
        if (storage.Type == "filesystem" && IsVCardExtension(storage.FileExt)) {
            Add(environment.Expand(storage.Path), found);
        } else if (storage.Type == "singlefile" && VCard::HasVCardExtension(storage.Path)) {
            const std::string path = environment.Expand(storage.Path).string();
            if (path.find("%s") == std::string::npos) {
                Add(path, found);
                continue;
            }
            for (const auto& file : GlobPaths(SinglefilePattern(path)))
                Add(file, found);
        }
    }
}

std::filesystem::path KhardConfigPath(const TStoreEnvironment& environment)
{
    std::filesystem::path config = TStoreEnvironment::Variable("KHARD_CONFIG");
    if (config.empty() && !environment.ConfigHome.empty())
        config = environment.ConfigHome / "khard" / "khard.conf";
    return config;
}

void FindKhard(const TStoreEnvironment& environment, std::vector<TStoreLocation>& found)
{
    const std::filesystem::path config = KhardConfigPath(environment);
    std::string bytes;
    if (config.empty() || !ReadConfigFile(config, bytes))
        return;
    for (const auto& book : ParseKhardConfig(bytes)) {
        const std::filesystem::path path = environment.Expand(book.Path);
        if (!book.Discover) {
            Add(path, found);
            continue;
        }
        for (const auto& folder : GlobPaths(path.string())) {
            struct stat info;
            if (::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
                Add(folder, found);
        }
    }
}

std::string ErrnoReason(int error)
{
    if (error == EACCES || error == EPERM)
        return "no permission";
    return std::strerror(error);
}

// Why a single file cannot be read, before the reader tries; empty when it can be opened.
std::string CheckFile(const std::filesystem::path& path, struct stat& info)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return ErrnoReason(errno);
    std::string reason;
    if (::fstat(fd, &info) != 0)
        reason = ErrnoReason(errno);
    else if (!S_ISREG(info.st_mode))
        reason = "not a regular file or folder";
    ::close(fd);
    return reason;
}

// The files of one store: every vCard below a folder, or the store itself when it is one file. Empty when they
// can be listed, else why not.
std::string StoreFiles(const std::filesystem::path& store, std::vector<std::filesystem::path>& files)
{
    struct stat info;
    if (::stat(store.c_str(), &info) != 0)
        return ErrnoReason(errno);
    if (S_ISDIR(info.st_mode)) {
        // The walk leaves out what it cannot open: a folder the user may not read must say so here.
        DIR* folder = ::opendir(store.c_str());
        if (!folder)
            return ErrnoReason(errno);
        ::closedir(folder);
        files = VCard::CollectVCardFiles({store});
        return {};
    }
    if (std::string reason = CheckFile(store, info); !reason.empty())
        return reason;
    files.push_back(store);
    return {};
}

} // namespace

void TVCardStoreKind::Find(const TStoreEnvironment& environment, std::vector<TStoreLocation>& found) const
{
    if (!environment.DataHome.empty())
        Add(environment.DataHome / "contacts", found);
    // KDE's personal contacts resource uses this path whatever XDG_DATA_HOME says.
    if (!environment.Home.empty())
        Add(environment.Home / ".local" / "share" / "contacts", found);
    FindKdeResources(environment, found);
    // KDE Connect copies a paired phone's contacts here (kdeconnect-<device>/<uid>.vcf); other KDE programs keep
    // loose cards beside them. Shown as the phone's, since they are edited there, not on the desktop.
    if (!environment.DataHome.empty())
        found.push_back({"phone", environment.DataHome / "kpeoplevcard"});
    FindVdirsyncer(environment, found);
    FindKhard(environment, found);
}

std::optional<std::string> TVCardStoreKind::Recognise(const std::filesystem::path& path, std::string_view head) const
{
    // Databases belong to other kinds; anything else the user names is read as vCards, whatever its name.
    if (TSqliteDatabase::IsSqliteHead(head))
        return std::nullopt;
    return KindOf(path);
}

std::string TVCardStoreKind::Read(const TStoreLocation& store, TStoreRun& run, std::vector<VCard::TVCard>& cards) const
{
    std::vector<std::filesystem::path> files;
    if (std::string reason = StoreFiles(store.Path, files); !reason.empty())
        return reason;

    std::string buffer;
    std::size_t unread = 0;
    std::string why;
    for (const auto& file : files) {
        struct stat fileInfo;
        if (::stat(file.c_str(), &fileInfo) != 0 || !run.FirstVisit(fileInfo.st_dev, fileInfo.st_ino))
            continue;
        if (VCard::LoadVCardFile(file, buffer, cards))
            continue;
        const int error = errno;
        // A store that is one file fails whole.
        if (files.size() == 1 && file == store.Path)
            return "cannot be read";
        // Removed since the listing (a sync tool replacing it): gone, not unreadable.
        if (error == ENOENT)
            continue;
        // Inside a folder the other files are read, but the store says that it is not whole: a calendar made from
        // it would lose the events of the cards it could not read.
        ++unread;
        if (why.empty())
            why = error == EFBIG ? "too large" : error == EINVAL ? "not a regular file" : ErrnoReason(error);
    }
    if (unread > 0)
        run.Partly = std::string(PartlyReadPrefix) + ", " + std::to_string(unread) + (unread == 1 ? " file" : " files") +
                     " cannot be read (" + why + ")";
    return {};
}

} // namespace Stores
