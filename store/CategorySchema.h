#pragma once

#include "OptionalText.h"

#include <cstdint>

// One row of LM_CATEGORY. The stored name is the localised text of one of the
// ten category keys, the same text the category buttons carry as titles.
class CategorySchema {
public:
    int32_t ID() const { return id_; }
    void setID(int32_t value) { id_ = value; }
    const OptionalText& Category() const { return category_; }
    void setCategory(OptionalText value) { category_ = std::move(value); }

private:
    int32_t id_ = 0;
    OptionalText category_;
};
