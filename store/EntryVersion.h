#pragma once

#include "PasswordSchema.h"

#include <string>

// An entry as it was at some moment: an earlier version of an entry (`when` it was replaced),
// or an entry in the recycle bin (`when` it was deleted). `when` is UTC ISO-8601 text.
struct EntryVersion {
    int32_t versionID = 0; // the history row; for the bin, the entry's own ID
    PasswordSchema entry;
    std::string when;
};
