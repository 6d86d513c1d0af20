// One sync of one account into the cache below $XDG_CACHE_HOME, timed, with what went over the wire:
//   carddav_sync_probe URL
// reads the user name and the password from the two lines of standard input (a password never travels on a command
// line) and prints "seconds requests answer-bytes cards-fetched cards-removed" on one line, or the failure.

#include "AccountSync.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: carddav_sync_probe URL\n");
        return 2;
    }
    std::string user;
    std::string password;
    std::getline(std::cin, user);
    std::getline(std::cin, password);
    const CardDav::TAccount account{argv[1], user};
    int requests = 0;
    qint64 bytes = 0;
    const auto start = std::chrono::steady_clock::now();
    const CardDav::TSyncResult result =
        CardDav::SyncAccount(account, QString::fromStdString(password), std::chrono::seconds(0), &requests, &bytes);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (!result.Ok()) {
        std::fprintf(stderr, "sync failed: %s\n", Stores::FailureWords(result.FirstFailure()).c_str());
        return 1;
    }
    std::printf("%.3f %d %lld %d %d\n", took.count(), requests, static_cast<long long>(bytes), result.CardsFetched,
                result.CardsRemoved);
    return 0;
}
