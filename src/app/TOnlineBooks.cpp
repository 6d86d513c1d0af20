#include "TOnlineBooks.h"

#include "CardDavCache.h"
#include "TAccountsPanel.h"
#include "config/ConfigFile.h"

#include <QTimer>

#include <filesystem>
#include <system_error>

namespace {

// The cache's own folders are plain keys; staging and aside folders carry a dot.
std::vector<std::filesystem::path> KeyFolders(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> folders;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!name.empty() && name.find('.') == std::string::npos && entry->is_directory(error) &&
            !entry->is_symlink(error))
            folders.push_back(entry->path());
    }
    return folders;
}

} // namespace

TOnlineBooks::TOnlineBooks(ILauncher& launcher) : m_launcher(launcher), m_scheduler(m_secrets), m_service(m_secrets, m_scheduler)
{
    // Only news counts: a sync that found nothing new leaves the list as it is.
    QObject::connect(&m_scheduler, &CardDav::TSyncScheduler::AccountSynced, &m_scheduler,
                     [this](const QString&, const QString&, bool changed) {
                         // The account's count is done; the next one starts from nothing known.
                         m_progress = TOnlineProgress{};
                         m_progress.Running = m_scheduler.IsRunning();
                         Tell();
                         if (changed)
                             Changed();
                     });
    // How far the running sync is, for the Address books page's bar: the account and its cards so far.
    QObject::connect(&m_scheduler, &CardDav::TSyncScheduler::Progress, &m_scheduler,
                     [this](const QString& account, const QString&, int done, int total) {
                         Report(account.toStdString(), done, total);
                     });
    // A run that ends may start the next one at once: look once the scheduler has settled.
    QObject::connect(&m_scheduler, &CardDav::TSyncScheduler::Finished, &m_scheduler,
                     [this] { QTimer::singleShot(0, &m_scheduler, [this] { FollowScheduler(); }); });
}

QWidget* TOnlineBooks::MakePanel(QWidget* parent)
{
    auto* panel = new TAccountsPanel(m_service, parent, &m_launcher);
    panel->OnAccountsChanged = [this] {
        Changed();
        FollowScheduler(); // an added account syncs at once
    };
    return panel;
}

void TOnlineBooks::SyncNow()
{
    m_scheduler.SyncNow();
    FollowScheduler();
}

void TOnlineBooks::FollowScheduler()
{
    const bool running = m_scheduler.IsRunning();
    if (running == m_progress.Running)
        return; // a running sync's news come from Report
    m_progress = TOnlineProgress{};
    m_progress.Running = running;
    Tell();
}

void TOnlineBooks::Report(const std::string& account, std::int64_t done, std::int64_t total)
{
    m_progress.Running = true;
    m_progress.Account = account;
    m_progress.Done = done;
    m_progress.Total = total;
    Tell();
}

std::map<std::string, TOnlineBook> TOnlineBooks::Books() const
{
    std::map<std::string, TOnlineBook> books;
    const std::filesystem::path root = Stores::CardDavCacheRoot(Stores::TStoreEnvironment::FromProcess());
    if (root.empty())
        return books;
    std::string text;
    for (const auto& account : KeyFolders(root)) {
        for (const auto& book : KeyFolders(account)) {
            if (!Stores::ReadConfigFile(book / Stores::CardDavStateFile, text))
                continue;
            if (const auto state = Stores::ParseCardDavState(text))
                books[state->BookUrl] = TOnlineBook{state->AccountUrl, state->SyncedAt};
        }
    }
    return books;
}
