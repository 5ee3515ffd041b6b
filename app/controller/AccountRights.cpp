#include "controller/AccountRights.h"

namespace {
constexpr const char* kRootName = "root";
}

bool isNamedRoot(const UserSchema& account) {
    return account.User() == kRootName;
}

bool isAdministrator(const std::optional<UserSchema>& loginUser) {
    return loginUser && loginUser->IsRoot() == 1;
}

bool mayOpenAccount(const std::optional<UserSchema>& loginUser, const UserSchema& account) {
    if (!loginUser) {
        return false;
    }
    // "The account itself" is the same row, known by its ID: an account that
    // renamed itself keeps its own row, and never gains the row of whoever
    // takes its old name.
    return isNamedRoot(*loginUser) || loginUser->ID() == account.ID() || loginUser->IsRoot() == 1;
}

bool mayChangeAdministratorFlag(const std::optional<UserSchema>& loginUser,
                                const UserSchema& account) {
    return loginUser && isNamedRoot(*loginUser) && !isNamedRoot(account);
}
