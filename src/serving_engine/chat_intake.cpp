#include "serving_engine/chat_intake.h"

namespace serving_engine {

ChatIntake::ChatIntake(IntakeQueues queues, IntakeSources& sources)
    : queues_(queues), sources_(sources) {}

TakeResult ChatIntake::TakeTranscript(std::string_view, std::string_view) {
  return TakeResult::kTaken;
}

void ChatIntake::TakeLine(std::string_view, std::string_view) {}

}  // namespace serving_engine
