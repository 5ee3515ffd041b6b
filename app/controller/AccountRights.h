#pragma once

#include "UserSchema.h"

#include <optional>
#include <vector>

// Two facts about the logged-in account decide every permission: whether it is
// named exactly "root", and whether its IsRoot is 1. Both as the file holds
// them now: a right that another copy took away does not keep working.

bool isNamedRoot(const UserSchema& account);
// Whether the logged-in account stands in `accounts` (the file now) with the
// name and flag it logged in with.
bool stillAsLoggedIn(const std::optional<UserSchema>& loginUser,
                     const std::vector<UserSchema>& accounts);
// Whether an account may be given the name "root": only the account named so
// keeps it, or takes it back (`rootAccountID`, the one that had it last); no
// other account may take root's rights by taking its name.
bool mayBeNamedRoot(const UserSchema& account, int32_t rootAccountID);
bool isAdministrator(const std::optional<UserSchema>& loginUser);

// Whether the logged-in account may see `account`'s password in the user list
// and open it in the user editor: the account named "root" may, the account
// itself (the same ID) may, and so may an administrator.
bool mayOpenAccount(const std::optional<UserSchema>& loginUser, const UserSchema& account);

// Only the account named "root" changes another account's administrator flag,
// and nobody changes the flag of the account named "root".
bool mayChangeAdministratorFlag(const std::optional<UserSchema>& loginUser,
                                const UserSchema& account);
