#pragma once

#include "OptionalText.h"

#include <cstdint>

// One row of LM_USER: an account of the program. IsRoot 1 marks an
// administrator; any other value is kept and written back unchanged.
class UserSchema {
public:
    int32_t ID() const { return id_; }
    void setID(int32_t value) { id_ = value; }
    const OptionalText& User() const { return user_; }
    void setUser(OptionalText value) { user_ = std::move(value); }
    const OptionalText& Password() const { return password_; }
    void setPassword(OptionalText value) { password_ = std::move(value); }
    int32_t IsRoot() const { return isRoot_; }
    void setIsRoot(int32_t value) { isRoot_ = value; }

private:
    int32_t id_ = 0;
    OptionalText user_;
    OptionalText password_;
    int32_t isRoot_ = 0;
};
