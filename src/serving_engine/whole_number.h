#pragma once
// Whole numbers as requesters type them into the room: a run of the decimal digits 0-9 and
// nothing else, read without regard to leading zeros and without overflow.

#include <cstdint>
#include <string_view>

namespace serving_engine {

// The value a number too large for 64 bits reads as: far above any item number there can be.
inline constexpr std::int64_t kHugeNumber = INT64_MAX;

// Whether the text is one or more decimal digits and nothing else.
bool IsWholeNumber(std::string_view text);
// The value of a whole number; kHugeNumber when it does not fit. Expects IsWholeNumber.
std::int64_t WholeNumberValue(std::string_view digits);
// Compares two whole numbers of any length by value: negative, 0 or positive.
int CompareWholeNumbers(std::string_view a, std::string_view b);

}  // namespace serving_engine
