#include "serving_engine/setting_caption.h"

#include <limits>

namespace serving_engine {

std::string SettingValue(std::string_view caption) {
  const auto separator = caption.find(kSettingSeparator);
  if (separator == std::string_view::npos) return {};
  return std::string(caption.substr(separator + std::string_view(kSettingSeparator).size()));
}

std::int64_t LeadingNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();
  std::int64_t value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    const int digit = text[at] - '0';
    if (value > (kMost - digit) / 10)
      return negative ? std::numeric_limits<std::int64_t>::min() : kMost;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

}  // namespace serving_engine
