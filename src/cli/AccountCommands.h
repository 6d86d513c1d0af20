#pragma once

#include "ReportArguments.h"

// nelvora-report's online address-book commands, over the real network, keyring and cache.

// --add-account, --remove-account or --accounts. Returns the exit status: 0 when done, 2 when not.
int RunAccountCommand(const TAccountArguments& accounts);

// --sync: every account into the cache before the report reads it. A failure is one line on standard error; the
// cache stays as it was and the report goes on with it. False when the sync of any account failed.
bool SyncAccounts();
