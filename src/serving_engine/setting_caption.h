#pragma once
// Settings live in menu captions as a label, ":  " and the value; these read them back.

#include <cstdint>
#include <string>
#include <string_view>

namespace serving_engine {

// What separates a setting's label from its value.
inline constexpr char kSettingSeparator[] = ":  ";

// The text after the first ":  " of a caption; the empty text when there is none.
std::string SettingValue(std::string_view caption);

// The leading number of a text, as a person typing a limit means it: blanks before it are
// skipped, an optional sign, then decimal digits up to the first other character; 0 when there
// are no digits ("7abc" is 7, "-5" is -5, "abc" is 0). Never overflows: a number beyond what
// 64 bits hold reads as the largest (or smallest) 64-bit value.
std::int64_t LeadingNumber(std::string_view text);

}  // namespace serving_engine
