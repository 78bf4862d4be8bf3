#include "serving_engine/whole_number.h"

namespace serving_engine {

namespace {

std::string_view WithoutLeadingZeros(std::string_view digits) {
  const auto first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? std::string_view() : digits.substr(first);
}

}  // namespace

bool IsWholeNumber(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::int64_t WholeNumberValue(std::string_view digits) {
  std::int64_t value = 0;
  for (const char c : digits) {
    const int digit = c - '0';
    if (value > (kHugeNumber - digit) / 10) return kHugeNumber;
    value = value * 10 + digit;
  }
  return value;
}

int CompareWholeNumbers(std::string_view a, std::string_view b) {
  a = WithoutLeadingZeros(a);
  b = WithoutLeadingZeros(b);
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b);
}

}  // namespace serving_engine
