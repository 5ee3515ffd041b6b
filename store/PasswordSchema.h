#pragma once

#include "OptionalText.h"

#include <cstdint>

// One row of LM_PASSWORD: a password entry owned by one account, filed under
// one category. Field names are the column names.
class PasswordSchema {
public:
    int32_t ID() const { return id_; }
    void setID(int32_t value) { id_ = value; }
    int32_t UserID() const { return userID_; }
    void setUserID(int32_t value) { userID_ = value; }
    int32_t CategoryID() const { return categoryID_; }
    void setCategoryID(int32_t value) { categoryID_ = value; }
    const OptionalText& Title() const { return title_; }
    void setTitle(OptionalText value) { title_ = std::move(value); }
    const OptionalText& User() const { return user_; }
    void setUser(OptionalText value) { user_ = std::move(value); }
    const OptionalText& Password() const { return password_; }
    void setPassword(OptionalText value) { password_ = std::move(value); }
    const OptionalText& Http() const { return http_; }
    void setHttp(OptionalText value) { http_ = std::move(value); }
    const OptionalText& Memo() const { return memo_; }
    void setMemo(OptionalText value) { memo_ = std::move(value); }

private:
    int32_t id_ = 0;
    int32_t userID_ = 0;
    int32_t categoryID_ = 0;
    OptionalText title_;
    OptionalText user_;
    OptionalText password_;
    OptionalText http_;
    OptionalText memo_;
};
