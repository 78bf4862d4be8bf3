#pragma once
// The run's event log: one line per event, each beginning with the time of day HH:MM:SS.mmm.
// Texts come in the system's 8-bit set and go out as UTF-8; line breaks inside a text are shown
// as \r and \n so that one event stays one line.

#include <ostream>
#include <string>
#include <string_view>

#include "shared/winsys/clock.h"

namespace scenario {

// What the log prints: everything (scenario runs), or the readable transcript of the demo (the
// room, the mails and the dialogs, without the runner's own bookkeeping).
enum class LogStyle { kFull, kTranscript };

// Which kind of event a line is, so the transcript can leave some out.
enum class EventKind { kChat, kMail, kDialog, kAction, kCheck, kNote };

class EventLog {
 public:
  EventLog(std::ostream& out, const winsys::Clock& clock, LogStyle style);

  void Write(EventKind kind, std::string_view text);
  // Without the time of day (the closing count, parse errors).
  void WritePlain(std::string_view text);

 private:
  std::ostream& out_;
  const winsys::Clock& clock_;
  LogStyle style_;
};

std::string TimeOfDay(const winsys::LocalTime& time);
// The text for the log: UTF-8, with CR, LF and TAB written as \r, \n and \t.
std::string Printable(std::string_view text);
// A text in double quotes, printable.
std::string Quoted(std::string_view text);

}  // namespace scenario
