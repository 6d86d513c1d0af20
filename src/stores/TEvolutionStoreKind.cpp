#include "TEvolutionStoreKind.h"

#include "VCardParser.h"
#include "config/ConfigFile.h"
#include "config/EvolutionConfig.h"
#include "sqlite/TSqliteDatabase.h"
#include "sqlite/TSqliteStatement.h"

#include <algorithm>
#include <system_error>

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
        const TEvolutionSource source = ParseEvolutionSource(bytes);
        if (!source.IsAddressBook)
            continue;
        const std::string uid = file.stem().string();
        if (!source.Enabled) {
            if (uid == kSystemUid)
                systemEnabled = false;
            continue;
        }
        if (uid == kSystemUid || uid.empty() || uid == "." || uid == "..")
            continue;
        if (source.IsLocal)
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

// Rows gathered for parsing: their bytes one after the other and where each ends.
class TRows final
{
public:
    void Add(std::string_view bytes)
    {
        m_bytes.append(bytes);
        m_ends.push_back(m_bytes.size());
    }
    void Clear()
    {
        m_bytes.clear();
        m_ends.clear();
    }
    // Room for the text of a database of `size` bytes, made at once: growing a large text step by step copies it
    // again and again into fresh memory.
    void Reserve(std::size_t size) { m_bytes.reserve(size); }
    std::size_t Size() const { return m_bytes.size(); }
    std::size_t Count() const { return m_ends.size(); }
    std::string_view Row(std::size_t index) const
    {
        const std::size_t begin = index == 0 ? 0 : m_ends[index - 1];
        return std::string_view(m_bytes).substr(begin, m_ends[index] - begin);
    }

private:
    std::string m_bytes;
    std::vector<std::size_t> m_ends;
};

// Up to this much text the rows are all gathered before any is parsed, so that the database is released first and
// the owner's writes never wait for our parsing; only a book beyond any usual size holds it longer.
constexpr std::size_t kPartBytes = std::size_t{32} << 20;

void ParseRows(const TRows& rows, std::vector<VCard::TVCard>& cards)
{
    cards.reserve(cards.size() + rows.Count());
    VCard::TVCardTexts reader(cards);
    for (std::size_t i = 0; i < rows.Count(); ++i)
        reader.Read(rows.Row(i));
}

// Parses every row of the statement's first column, in parts, so that a very large book is never held whole as
// text. `size` is the database's size, when known: the cards' text is smaller than the database that holds it.
void ParseInParts(TSqliteStatement& statement, std::uintmax_t size, std::vector<VCard::TVCard>& cards)
{
    TRows rows;
    rows.Reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, kPartBytes)));
    while (statement.Step()) {
        if (statement.IsNull(0))
            continue;
        rows.Add(statement.Bytes(0));
        if (rows.Size() >= kPartBytes) {
            ParseRows(rows, cards);
            rows.Clear();
        }
    }
    ParseRows(rows, cards);
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
    // A database the user names may be another program's, held under a lock for as long as that program runs
    // (Thunderbird's books): telling what it is must not wait for the lock. A locked database is looked at through
    // a private copy instead, which needs no lock.
    TSqliteDatabase database(path, TSqliteDatabase::TMode::InPlace, TSqliteDatabase::TWait::No);
    if (!QueryFor(database).empty())
        return "evolution";
    if (!database.WasLocked())
        return std::nullopt;
    TSqliteDatabase copy(path, TSqliteDatabase::TMode::AlwaysCopy);
    if (QueryFor(copy).empty())
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
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(store.Path, error);
    ParseInParts(statement, error ? 0 : size, cards);
    return statement.Error();
}

} // namespace Stores
