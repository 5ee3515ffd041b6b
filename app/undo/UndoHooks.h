#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// What the history and the recycle bin ask of the program: who acts (the logged-in account as
// the file holds it now; none, and said, when it may not act), how a secret is copied, how a
// category is named, that the lists must be read again, and what was done.
struct UndoHooks {
    std::function<std::optional<int32_t>()> actingAccount;
    std::function<void(const QString&)> copySecret;
    std::function<QString(int32_t categoryID)> categoryName;
    std::function<void()> entriesChanged;
    // Says in the status line that something was done.
    std::function<void(const QString&)> say;
};

// A stored UTC time (ISO-8601) as the user's locale writes a date and time.
QString localTime(const std::string& utc);
