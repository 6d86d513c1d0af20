#pragma once

#include <QString>

#include <functional>

namespace CardDav {

// The desktop's Secret Service (GNOME Keyring, KWallet, KeePassXC). Asynchronous: each call answers once, through
// `done`, from the calling thread's event loop; an empty error means it worked.
class ISecretStore
{
public:
    virtual ~ISecretStore() = default;
    virtual void Read(const QString& key, std::function<void(const QString& password, const QString& error)> done) = 0;
    virtual void Write(const QString& key, const QString& password, std::function<void(const QString& error)> done) = 0;
    virtual void Remove(const QString& key, std::function<void(const QString& error)> done) = 0;
};

// The same, waiting in a local event loop: for the command-line program.
QString ReadSecret(ISecretStore& store, const QString& key, QString& password);
QString WriteSecret(ISecretStore& store, const QString& key, const QString& password);
QString RemoveSecret(ISecretStore& store, const QString& key);

} // namespace CardDav
