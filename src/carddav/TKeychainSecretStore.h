#pragma once

#include "ISecretStore.h"

namespace CardDav {

// Passwords through QtKeychain, under the service name "nelvora-carddav". Never falls back to a file: without a
// Secret Service the password cannot be kept, and the error says so.
class TKeychainSecretStore final : public ISecretStore
{
public:
    void Read(const QString& key, std::function<void(const QString&, const QString&)> done) override;
    void Write(const QString& key, const QString& password, std::function<void(const QString&)> done) override;
    void Remove(const QString& key, std::function<void(const QString&)> done) override;
};

} // namespace CardDav
