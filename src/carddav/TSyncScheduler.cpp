#include "TSyncScheduler.h"

#include "AccountSync.h"

#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>
#include <memory>

namespace CardDav {

namespace {

constexpr qint64 FirstPauseSeconds = 120;
constexpr qint64 LongestPauseSeconds = 6 * 3600;

} // namespace

TSyncScheduler::TSyncScheduler(ISecretStore& secrets, TAccounts accounts, TSync sync, TClock clock, QObject* parent)
    : QObject(parent), m_secrets(secrets), m_accounts(std::move(accounts)), m_sync(std::move(sync)),
      m_clock(std::move(clock))
{
    if (!m_accounts)
        m_accounts = [] {
            std::string error;
            return LoadAccounts(AccountsFile(), error);
        };
    if (!m_sync)
        m_sync = [](const TAccount& account, const QString& password, const QString& keyringError,
                    const TSyncControl& control) {
            if (!keyringError.isEmpty()) {
                TSyncResult result;
                result.Failure = TFailure::Local(keyringError.toStdString());
                RecordAccountFailure(account, result.Failure);
                return result;
            }
            // No wait for a sync `nelvora-report --sync` runs: its result is as good, and this one comes again.
            return SyncAccount(account, password, std::chrono::milliseconds(0), nullptr, nullptr, control);
        };
    if (!m_clock)
        m_clock = [] { return QDateTime::currentDateTimeUtc(); };
    m_relay->Owner = this;
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &TSyncScheduler::SyncNow);
}

TSyncScheduler::~TSyncScheduler()
{
    {
        std::lock_guard<std::mutex> guard(m_relay->Lock);
        m_relay->Owner = nullptr;
    }
    m_cancel->store(true);
    if (m_worker) {
        m_worker->disconnect(this);
        // The sync looks at the flag between requests and its transport aborts the one in flight, so this is
        // quick. A sync that still runs after that holds nothing of this object; its thread object is left to it.
        if (m_worker->wait(QDeadlineTimer(std::chrono::milliseconds(2000))))
            delete m_worker;
        else
            connect(m_worker, &QThread::finished, m_worker, &QObject::deleteLater);
    }
}

void TSyncScheduler::SyncNow()
{
    if (m_running) {
        m_again = true;
        return;
    }
    const QDateTime now = m_clock();
    m_queue.clear();
    for (const TAccount& account : m_accounts()) {
        const auto pause = m_pauses.find(SecretKey(account));
        if (pause == m_pauses.end() || pause->second.Until <= now)
            m_queue.push_back(account);
    }
    std::reverse(m_queue.begin(), m_queue.end()); // taken from the back, in the list's order
    m_running = true;
    Next();
}

void TSyncScheduler::Found(const TAccount& account, TDiscovery found)
{
    m_found[SecretKey(account)] = std::move(found);
}

void TSyncScheduler::Next()
{
    if (m_queue.empty()) {
        m_running = false;
        PlanRetry();
        emit Finished();
        if (m_again) {
            m_again = false;
            SyncNow();
        }
        return;
    }
    const TAccount account = m_queue.back();
    m_queue.pop_back();
    // Removed since the run began: neither the keyring nor the cache hears of it again.
    const std::vector<TAccount> listed = m_accounts();
    if (std::find(listed.begin(), listed.end(), account) == listed.end()) {
        Next();
        return;
    }
    TSyncControl control;
    control.Cancel = m_cancel;
    if (const auto found = m_found.find(SecretKey(account)); found != m_found.end()) {
        control.Discovery = std::move(found->second);
        m_found.erase(found);
    }
    control.Progress = [relay = m_relay, url = QString::fromStdString(account.Url)](const QUrl& book, int done,
                                                                                    int total) {
        std::lock_guard<std::mutex> guard(relay->Lock);
        if (TSyncScheduler* owner = relay->Owner)
            QMetaObject::invokeMethod(
                owner,
                [owner, url, book = book.toString(), done, total] { emit owner->Progress(url, book, done, total); },
                Qt::QueuedConnection);
    };
    m_secrets.Read(QString::fromStdString(SecretKey(account)),
                   [this, account, control](const QString& password, const QString& error) {
                       auto result = std::make_shared<TSyncResult>();
                       m_worker = QThread::create([sync = m_sync, account, password, error, result, control] {
                           *result = sync(account, password, error, control);
                       });
                       connect(m_worker, &QThread::finished, this, [this, account, result] {
                           m_worker->deleteLater();
                           m_worker = nullptr;
                           Done(account, *result);
                           Next();
                       });
                       m_worker->start();
                   });
}

void TSyncScheduler::Done(const TAccount& account, const TSyncResult& result)
{
    const std::string key = SecretKey(account);
    const TFailure failure = result.FirstFailure();
    if (!failure) {
        m_pauses.erase(key);
    } else {
        TPause& pause = m_pauses[key];
        pause.Failures = std::min(pause.Failures + 1, 20);
        const qint64 seconds = std::min(LongestPauseSeconds, FirstPauseSeconds << (pause.Failures - 1));
        pause.Until = m_clock().addSecs(seconds);
    }
    const bool changed = result.CardsFetched + result.CardsRemoved > 0 || m_lastFailure[key] != failure;
    m_lastFailure[key] = failure;
    emit AccountSynced(QString::fromStdString(account.Url), WordsOf(failure), changed);
}

void TSyncScheduler::PlanRetry()
{
    if (m_pauses.empty()) {
        m_retry.stop();
        return;
    }
    QDateTime first;
    for (const auto& [key, pause] : m_pauses)
        if (!first.isValid() || pause.Until < first)
            first = pause.Until;
    const qint64 wait = std::clamp<qint64>(m_clock().msecsTo(first), 1000, LongestPauseSeconds * 1000);
    m_retry.start(std::chrono::milliseconds(wait));
}

} // namespace CardDav
