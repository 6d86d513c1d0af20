// libFuzzer target for one sync of one account. The server is the fuzz input: its answers, one per request in turn,
// each a first line "STATUS [LOCATION]" and the body after it, the answers separated by a line "=====". A first
// line that is no number stands for a request that brought no answer. Besides crashes, hangs and sanitizer reports
// it checks what the user relies on: nothing is written outside the account's cache folder, and every book there
// is whole (its state can be read and names only card files that are there).

#include "CardDavCache.h"
#include "IDavTransport.h"
#include "TSyncEngine.h"

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The server of one input. A sync that asks more than this is cut off as by a server gone away.
class TScriptedServer final : public CardDav::IDavTransport
{
public:
    explicit TScriptedServer(const QByteArray& script)
    {
        static constexpr QByteArrayView Separator("\n=====\n");
        qsizetype from = 0;
        for (qsizetype at; (at = script.indexOf(Separator, from)) >= 0; from = at + Separator.size())
            m_answers.push_back(script.mid(from, at - from));
        m_answers.push_back(script.mid(from));
    }

    CardDav::TDavReply Send(const CardDav::TDavRequest&) override
    {
        CardDav::TDavReply reply;
        if (m_next >= m_answers.size() || m_next >= MaxRequests) {
            reply.Failure = CardDav::TTransportFailure::Network;
            return reply;
        }
        const QByteArray& answer = m_answers[m_next++];
        const qsizetype end = answer.indexOf('\n');
        const QByteArray first = answer.left(end < 0 ? answer.size() : end);
        const QList<QByteArray> words = first.split(' ');
        bool number = false;
        reply.Status = words.front().toInt(&number);
        if (!number) {
            reply.Status = 0;
            reply.Failure = CardDav::TTransportFailure::Network;
            return reply;
        }
        if (words.size() > 1)
            reply.Location = QUrl(QString::fromUtf8(words[1]));
        reply.Body = end < 0 ? QByteArray() : answer.mid(end + 1);
        return reply;
    }

private:
    static constexpr qsizetype MaxRequests = 300;
    QList<QByteArray> m_answers;
    qsizetype m_next = 0;
};

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The cache of every run, emptied before each and removed at the end.
struct TCacheFolder
{
    TCacheFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "nelvora-fuzz-sync-XXXXXX").string();
        Check(::mkdtemp(pattern.data()) != nullptr);
        Path = pattern;
    }
    ~TCacheFolder()
    {
        std::error_code ignored;
        fs::remove_all(Path, ignored);
    }
    fs::path Path;
};

const fs::path& CacheRoot()
{
    static const TCacheFolder folder;
    return folder.Path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fs::path& root = CacheRoot();
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(root, ignored))
        fs::remove_all(entry.path(), ignored);

    const QUrl account(QStringLiteral("https://dav.example.org/dav/"));
    const QString user = QStringLiteral("alice");
    TScriptedServer server(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    CardDav::TSyncEngine engine(server, root);
    engine.SetClock([] { return std::int64_t{1767225600}; });
    engine.Sync(account, user);

    // Nothing beside the account's folder but the cache's own lock.
    const fs::path folder = CardDav::TSyncEngine::AccountFolder(root, account, user);
    for (const auto& entry : fs::directory_iterator(root))
        Check(entry.path() == folder || entry.path().filename() == ".lock");
    if (!fs::exists(folder))
        return 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (!entry.is_directory() || entry.path().filename().native().starts_with('.'))
            continue;
        const fs::path state = entry.path() / Stores::CardDavStateFile;
        if (!fs::exists(state))
            continue; // a folder the sync works in, not a book
        const auto book = Stores::ParseCardDavState(ReadFile(state));
        Check(book.has_value());
        for (const Stores::TCardDavCard& card : book->Cards)
            Check(card.File.empty() || fs::is_regular_file(entry.path() / card.File));
    }
    return 0;
}
