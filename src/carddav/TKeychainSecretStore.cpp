#include "TKeychainSecretStore.h"

#include "AccountList.h"

#include <QCoreApplication>

#include <qt6keychain/keychain.h>

namespace CardDav {

namespace {

// The keychain's own error texts can name the key; ours name only what went wrong and what would help.
QString ErrorText(QKeychain::Error error)
{
    switch (error) {
    case QKeychain::NoError:
        return {};
    case QKeychain::EntryNotFound:
        return QCoreApplication::translate("CardDav", "no password is kept for this account");
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
        return QCoreApplication::translate("CardDav", "no Secret Service is running (GNOME Keyring, KWallet or "
                                                      "KeePassXC), so the password cannot be kept safely");
    case QKeychain::AccessDeniedByUser:
    case QKeychain::AccessDenied:
        return QCoreApplication::translate("CardDav", "the keyring refused access");
    case QKeychain::CouldNotDeleteEntry:
    case QKeychain::OtherError:
        break;
    }
    return QCoreApplication::translate("CardDav", "the keyring failed");
}

template <typename TJob> TJob* NewJob(const QString& key)
{
    auto* job = new TJob(QString::fromLatin1(SecretService));
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(key);
    return job;
}

} // namespace

void TKeychainSecretStore::Read(const QString& key, std::function<void(const QString&, const QString&)> done)
{
    auto* job = NewJob<QKeychain::ReadPasswordJob>(key);
    QObject::connect(job, &QKeychain::Job::finished, [done = std::move(done)](QKeychain::Job* finished) {
        const auto* read = static_cast<QKeychain::ReadPasswordJob*>(finished);
        done(read->error() == QKeychain::NoError ? read->textData() : QString(), ErrorText(read->error()));
    });
    job->start();
}

void TKeychainSecretStore::Write(const QString& key, const QString& password, std::function<void(const QString&)> done)
{
    auto* job = NewJob<QKeychain::WritePasswordJob>(key);
    job->setTextData(password);
    QObject::connect(job, &QKeychain::Job::finished,
                     [done = std::move(done)](QKeychain::Job* finished) { done(ErrorText(finished->error())); });
    job->start();
}

void TKeychainSecretStore::Remove(const QString& key, std::function<void(const QString&)> done)
{
    auto* job = NewJob<QKeychain::DeletePasswordJob>(key);
    QObject::connect(job, &QKeychain::Job::finished, [done = std::move(done)](QKeychain::Job* finished) {
        // Nothing to remove is what removing wants.
        done(finished->error() == QKeychain::EntryNotFound ? QString() : ErrorText(finished->error()));
    });
    job->start();
}

} // namespace CardDav
