#include "ISecretStore.h"

#include <QEventLoop>

namespace CardDav {

QString ReadSecret(ISecretStore& store, const QString& key, QString& password)
{
    QEventLoop loop;
    QString error;
    bool answered = false;
    store.Read(key, [&](const QString& found, const QString& why) {
        password = found;
        error = why;
        answered = true;
        loop.quit();
    });
    if (!answered)
        loop.exec();
    return error;
}

QString WriteSecret(ISecretStore& store, const QString& key, const QString& password)
{
    QEventLoop loop;
    QString error;
    bool answered = false;
    store.Write(key, password, [&](const QString& why) {
        error = why;
        answered = true;
        loop.quit();
    });
    if (!answered)
        loop.exec();
    return error;
}

QString RemoveSecret(ISecretStore& store, const QString& key)
{
    QEventLoop loop;
    QString error;
    bool answered = false;
    store.Remove(key, [&](const QString& why) {
        error = why;
        answered = true;
        loop.quit();
    });
    if (!answered)
        loop.exec();
    return error;
}

} // namespace CardDav
