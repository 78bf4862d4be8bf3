#include "scenario/event_log.h"

#include <cstdio>

#include "scenario/encoding.h"

namespace scenario {

EventLog::EventLog(std::ostream& out, const winsys::Clock& clock, LogStyle style)
    : out_(out), clock_(clock), style_(style) {}

void EventLog::Write(EventKind kind, std::string_view text) {
  if (style_ == LogStyle::kTranscript &&
      (kind == EventKind::kCheck || kind == EventKind::kAction)) {
    return;
  }
  out_ << TimeOfDay(clock_.Local()) << ' ' << text << '\n';
  out_.flush();
}

void EventLog::WritePlain(std::string_view text) {
  out_ << text << '\n';
  out_.flush();
}

std::string TimeOfDay(const winsys::LocalTime& time) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d.%03d", time.hour, time.minute, time.second,
                time.millisecond);
  return buffer;
}

std::string Printable(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\r':
        escaped += "\\r";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\t':
        escaped += "\\t";
        break;
      default:
        escaped += c;
    }
  }
  return Cp1252ToUtf8(escaped);
}

std::string Quoted(std::string_view text) {
  return "\"" + Printable(text) + "\"";
}

}  // namespace scenario
