#pragma once

#include <optional>
#include <string>

// A text field of a record: absent (std::nullopt) until someone sets it.
// Absent and empty are different things: the store refuses to write a record
// whose text fields are absent, but stores an empty text as an empty text.
using OptionalText = std::optional<std::string>;
