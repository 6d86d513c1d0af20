#pragma once

#include <QString>

// The help page of an installed program (or of the build tree, which mirrors the layout): <prefix>/share/nelvora/
// nelvora.html beside <prefix>/bin/nelvora.
QString HelpPageFile(const QString& programFile);

// Its section on where the program looks for contacts.
inline constexpr const char* HelpSectionWhereContactsLive = "where-nelvora-looks";
