#pragma once

#include <QString>

namespace CardDav {

// A sync's or a check's failure as the window shows it: the reasons the status file keeps in English (they are
// also what `--sources` prints) in the user's language; anything else as it is.
QString ShownFailure(const QString& failure);

} // namespace CardDav
