#include "AccountRights.h"

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
    return isNamedRoot(*loginUser) || loginUser->User() == account.User() ||
           loginUser->IsRoot() == 1;
}

bool mayChangeAdministratorFlag(const std::optional<UserSchema>& loginUser,
                                const UserSchema& account) {
    return loginUser && isNamedRoot(*loginUser) && !isNamedRoot(account);
}
