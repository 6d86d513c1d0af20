#pragma once

#include "SyncFailure.h"

#include <QString>

namespace CardDav {

using Stores::TFailure;
using Stores::TSyncFailure;

// A sync's or an account's failure in the user's language, as the window shows it.
QString FailureText(const TFailure& failure);

// The failure's words in English, as the status file, `--sources` and the command line show them.
inline QString WordsOf(const TFailure& failure)
{
    return QString::fromStdString(Stores::FailureWords(failure));
}

} // namespace CardDav
