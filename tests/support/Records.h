#pragma once

#include "PasswordSchema.h"
#include "UserSchema.h"

#include <cstdint>
#include <string>

// Records as the editors hand them to the store: every text present.

inline UserSchema makeUser(std::string name, std::string password, int32_t isRoot, int32_t id = 0) {
    UserSchema user;
    user.setID(id);
    user.setUser(std::move(name));
    user.setPassword(std::move(password));
    user.setIsRoot(isRoot);
    return user;
}

inline PasswordSchema makeEntry(int32_t userID, int32_t categoryID, std::string title,
                                std::string password = "") {
    PasswordSchema entry;
    entry.setUserID(userID);
    entry.setCategoryID(categoryID);
    entry.setTitle(std::move(title));
    entry.setPassword(std::move(password));
    entry.setUser("");
    entry.setHttp("");
    entry.setMemo("");
    return entry;
}
