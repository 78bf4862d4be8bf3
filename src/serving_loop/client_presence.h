#pragma once
// Whether the client is there to serve: signed on, its chat room open, its mailbox open and
// answering. While it is not, the serving tick takes nothing from the queues (nothing queued is
// lost), the status bar says what serving waits for after the served counts, and serving goes
// on by itself once the client is back. A mailbox that went is opened again and hidden, as Start
// does.

#include <limits>
#include <string>

#include "shared/winsys/window_system.h"

namespace serving_engine {
class ServerForm;
}

namespace serving_loop {

// Whether the tick has anything to take to the client.
enum class WorkDue { kNone, kSome };

class ClientPresence {
 public:
  // The server window reopens the mailbox and shows what serving waits for.
  ClientPresence(winsys::WindowSystem& ws, serving_engine::ServerForm& server);

  // Looks at the client, reopening its mailbox when that is all that is missing; true when the
  // tick may serve. With no work due it looks at most once a second and otherwise answers as it
  // last found: a look walks the client's windows and asks its mailbox for an answer, and ten
  // looks a second were most of what an idle room cost the processor on the real window system.
  // The waiting note and the reopened mailbox then follow the client within that second.
  bool ReadyToServe(WorkDue work);

 private:
  // Puts the status bar back to the served counts alone, when it said serving waited.
  void EndWaiting();
  // What serving waits for, or the empty text when the client is ready.
  std::string MissingPart();
  void ShowWaitingFor(const std::string& what);

  winsys::WindowSystem& ws_;
  serving_engine::ServerForm& server_;
  // The status bar says serving waits: the last look found the client not ready.
  bool waiting_ = false;
  double last_look_ = -std::numeric_limits<double>::infinity();
  // The windows the last look found signed on and in the room, probed first at the next.
  winsys::HWND welcome_ = winsys::kNoWindow;
  winsys::HWND chat_room_ = winsys::kNoWindow;
};

}  // namespace serving_loop
