#include "aolsim/settings.h"

#include <algorithm>
#include <array>
#include <utility>

namespace aolsim {
namespace {

constexpr std::array<std::pair<Delay, const char*>, 6> kDelayWords{{
    {Delay::kMailbox, "mailbox"},
    {Delay::kRead, "read"},
    {Delay::kForward, "forward"},
    {Delay::kWrite, "write"},
    {Delay::kFlash, "flash"},
    {Delay::kInstantMessage, "im"},
}};

constexpr std::array<std::pair<Fault, const char*>, 8> kFaultWords{{
    {Fault::kNone, "none"},
    {Fault::kNoMailbox, "no-mailbox"},
    {Fault::kNoRead, "no-read"},
    {Fault::kSendStuck, "send-stuck"},
    {Fault::kFlashStuck, "flash-stuck"},
    {Fault::kDeleteNoDialog, "delete-no-dialog"},
    {Fault::kImRefused, "im-refused"},
    {Fault::kForwardTwice, "forward-twice"},
}};

constexpr std::array<std::pair<PopupKind, const char*>, 4> kPopupWords{{
    {PopupKind::kStatus, "status"},
    {PopupKind::kError, "error"},
    {PopupKind::kModal, "modal"},
    {PopupKind::kNotice, "notice"},
}};

template <typename Enum, std::size_t N>
std::optional<Enum> Parse(const std::array<std::pair<Enum, const char*>, N>& words,
                          std::string_view word) {
  for (const auto& [value, text] : words) {
    if (word == text) return value;
  }
  return std::nullopt;
}

template <typename Enum, std::size_t N>
const char* Name(const std::array<std::pair<Enum, const char*>, N>& words, Enum value) {
  for (const auto& [candidate, text] : words) {
    if (candidate == value) return text;
  }
  return "?";
}

}  // namespace

std::optional<Delay> ParseDelay(std::string_view word) {
  return Parse(kDelayWords, word);
}
std::optional<Fault> ParseFault(std::string_view word) {
  return Parse(kFaultWords, word);
}
std::optional<PopupKind> ParsePopupKind(std::string_view word) {
  return Parse(kPopupWords, word);
}
const char* ToString(Delay delay) {
  return Name(kDelayWords, delay);
}
const char* ToString(Fault fault) {
  return Name(kFaultWords, fault);
}
const char* ToString(PopupKind kind) {
  return Name(kPopupWords, kind);
}

void Settings::SetDelay(Delay delay, double seconds) {
  delays_[static_cast<int>(delay)] = std::max(0.0, seconds);
}

std::optional<double> Settings::DelayOf(Delay delay) const {
  return delays_[static_cast<int>(delay)];
}

double Settings::AppearSeconds(Delay delay) const {
  return DelayOf(delay).value_or(kWindowAppearSeconds);
}

void Settings::SetFault(Fault fault) {
  if (fault == Fault::kNone) {
    faults_.clear();
    mailbox_stall_.reset();
  } else {
    faults_.insert(fault);
  }
}

void Settings::CopyDelaysFrom(const Settings& other) {
  for (std::size_t i = 0; i < std::size(delays_); ++i) delays_[i] = other.delays_[i];
}

std::optional<double> Settings::TakeMailboxStall() {
  const std::optional<double> stall = mailbox_stall_;
  mailbox_stall_.reset();
  return stall;
}

}  // namespace aolsim
