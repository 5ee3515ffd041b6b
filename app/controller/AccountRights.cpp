#include "controller/AccountRights.h"

namespace {
constexpr const char* kRootName = "root";
}

bool isNamedRoot(const UserSchema& account) {
    return account.User() == kRootName;
}

bool stillAsLoggedIn(const std::optional<UserSchema>& loginUser,
                     const std::vector<UserSchema>& accounts) {
    for (const UserSchema& account : accounts) {
        if (loginUser && account.ID() == loginUser->ID()) {
            return account.User() == loginUser->User() && account.IsRoot() == loginUser->IsRoot();
        }
    }
    return false;
}

bool mayBeNamedRoot(const UserSchema& account, int32_t rootAccountID) {
    return account.ID() != 0 && (isNamedRoot(account) || account.ID() == rootAccountID);
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
