#pragma once

#include "UserSchema.h"

#include <optional>

// Two facts about the logged-in account, as read at login, decide every
// permission: whether it is named exactly "root", and whether its IsRoot is 1.

bool isNamedRoot(const UserSchema& account);
bool isAdministrator(const std::optional<UserSchema>& loginUser);

// Whether the logged-in account may see `account`'s password in the user list
// and open it in the user editor: the account named "root" may, the account
// itself (the same ID) may, and so may an administrator.
bool mayOpenAccount(const std::optional<UserSchema>& loginUser, const UserSchema& account);

// Only the account named "root" changes another account's administrator flag,
// and nobody changes the flag of the account named "root".
bool mayChangeAdministratorFlag(const std::optional<UserSchema>& loginUser,
                                const UserSchema& account);
