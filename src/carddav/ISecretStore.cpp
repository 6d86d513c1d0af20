#include "ISecretStore.h"

#include <QEventLoop>

#include <functional>

namespace CardDav {

namespace {

// Runs one keyring request and waits in a local event loop for its answer, which may also come at once. `request`
// gets the function to call with the error text.
QString Await(const std::function<void(std::function<void(const QString&)>)>& request)
{
    QEventLoop loop;
    QString error;
    bool answered = false;
    request([&](const QString& why) {
        error = why;
        answered = true;
        loop.quit();
    });
    if (!answered)
        loop.exec();
    return error;
}

} // namespace

QString ReadSecret(ISecretStore& store, const QString& key, QString& password)
{
    return Await([&](std::function<void(const QString&)> done) {
        store.Read(key, [&password, done = std::move(done)](const QString& found, const QString& why) {
            password = found;
            done(why);
        });
    });
}

QString WriteSecret(ISecretStore& store, const QString& key, const QString& password)
{
    return Await([&](std::function<void(const QString&)> done) { store.Write(key, password, std::move(done)); });
}

QString RemoveSecret(ISecretStore& store, const QString& key)
{
    return Await([&](std::function<void(const QString&)> done) { store.Remove(key, std::move(done)); });
}

} // namespace CardDav
