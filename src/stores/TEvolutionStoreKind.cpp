#include "TEvolutionStoreKind.h"

#include "ConfigFile.h"
#include "TKeyFile.h"
#include "TSqliteDatabase.h"
#include "TSqliteStatement.h"
#include "VCardParser.h"

namespace Stores {

namespace {

// The built-in personal book: its source may have no file, and its folder is not named by its uid.
constexpr std::string_view kSystemUid = "system-address-book";
// A synced book's cache keeps each contact's offline state: -1 unknown, 0 synced, 1 created here, 2 changed here,
// 3 deleted here but not yet on the server (Evolution 3.46's EOfflineState). Only the first four are live
// contacts; a state this program does not know is not taken for one.
constexpr std::string_view kLiveStates = "ECacheState IS NULL OR ECacheState IN (-1, 0, 1, 2)";

struct TBases
{
    std::filesystem::path Config;
    std::filesystem::path Data;
    std::filesystem::path Cache;
};

void FindBooks(const TBases& bases, std::vector<TStoreLocation>& found)
{
    const auto local = [&](std::string_view folder) {
        return bases.Data / "evolution" / "addressbook" / folder / "contacts.db";
    };
    bool systemEnabled = true;
    std::vector<std::filesystem::path> others;
    std::string bytes;
    for (const auto& file : FolderEntries(bases.Config / "evolution" / "sources", "", ".source")) {
        if (!ReadConfigFile(file, bytes))
            continue;
        const TKeyFile source(bytes);
        if (!source.HasGroup("Address Book"))
            continue;
        const std::string uid = file.stem().string();
        const std::string enabled = source.Value("Data Source", "Enabled").value_or("true");
        if (enabled == "false" || enabled == "0") {
            if (uid == kSystemUid)
                systemEnabled = false;
            continue;
        }
        if (uid == kSystemUid || uid.empty() || uid == "." || uid == "..")
            continue;
        if (source.Value("Address Book", "BackendName").value_or("") == "local")
            others.push_back(local(uid));
        else
            others.push_back(bases.Cache / "evolution" / "addressbook" / uid / "cache.db");
    }
    if (systemEnabled)
        found.push_back({"evolution", local("system")});
    for (auto& path : others)
        found.push_back({"evolution", std::move(path)});
}

// The query that gives a book's vCards, by the tables it has; empty (with the reason in `database.Error()`)
// when it has neither.
std::string QueryFor(TSqliteDatabase& database)
{
    if (database.HasColumn("folder_id", "vcard"))
        return "SELECT vcard FROM folder_id";
    const std::string localReason = database.Error();
    if (!localReason.starts_with("no "))
        return {};
    if (database.HasColumn("ECacheObjects", "ECacheOBJ")) {
        if (database.HasColumn("ECacheObjects", "ECacheState"))
            return "SELECT ECacheOBJ FROM ECacheObjects WHERE " + std::string(kLiveStates);
        return "SELECT ECacheOBJ FROM ECacheObjects";
    }
    return {};
}

} // namespace

void TEvolutionStoreKind::Find(const TStoreEnvironment& environment, std::vector<TStoreLocation>& found) const
{
    if (!environment.ConfigHome.empty() && !environment.DataHome.empty() && !environment.CacheHome.empty())
        FindBooks({environment.ConfigHome, environment.DataHome, environment.CacheHome}, found);
    if (!environment.Home.empty()) {
        const auto flatpak = environment.Home / ".var" / "app" / "org.gnome.Evolution";
        FindBooks({flatpak / "config", flatpak / "data", flatpak / "cache"}, found);
    }
}

std::optional<std::string> TEvolutionStoreKind::Recognise(const std::filesystem::path& path,
                                                          std::string_view head) const
{
    if (!TSqliteDatabase::IsSqliteHead(head))
        return std::nullopt;
    TSqliteDatabase database(path);
    if (QueryFor(database).empty())
        return std::nullopt;
    return "evolution";
}

std::string TEvolutionStoreKind::Read(const TStoreLocation& store, TStoreRun& /*run*/,
                                      std::vector<VCard::TVCard>& cards) const
{
    TSqliteDatabase database(store.Path);
    if (!database.IsOpen())
        return database.Error();
    const std::string query = QueryFor(database);
    if (query.empty()) {
        const std::string& reason = database.Error();
        return reason.starts_with("no ") ? "no table folder_id or ECacheObjects" : reason;
    }
    TSqliteStatement statement(database, query);
    if (!statement.IsPrepared())
        return statement.Error();
    VCard::TVCardTexts reader(cards);
    while (statement.Step()) {
        if (!statement.IsNull(0))
            reader.Read(statement.Bytes(0));
    }
    return statement.Error();
}

} // namespace Stores
