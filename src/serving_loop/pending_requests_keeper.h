#pragma once
// Keeps the pending item requests on disk while serving, so that a program that dies (a crash, a
// power cut, the machine shut down) loses none of them: the next start offers to load them.
//
// The file is in the format of Save Requests and is replaced atomically, so that it always holds
// either the queue of one moment or of another, never a torn mix. While serving it is written at
// most kSaveSpacing after a change of the queue, and at every stop, also when the server window
// is closed while serving. An empty queue removes the file instead: nothing pending, nothing to
// offer at the next start.
//
// A save that fails while serving does not interrupt serving with a box (a modal box inside the
// chat or serving timer would hold up the room); it is tried again, and the stop says so when the
// last try failed.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace serving_engine {
class RequestQueue;
}

namespace shared {
class ProgramEnd;
}

namespace ui {
class OwnerWindow;
}

namespace serving_loop {

// Where the program keeps them: the folder it runs in.
inline constexpr char kPendingRequestsFileName[] = "tollmere-pending.req";

class PendingRequestsKeeper {
 public:
  // The longest a change of the queue waits before it is on disk (the timers that look run at
  // least every five seconds while serving).
  static constexpr double kSaveSpacing = 30.0;

  // The boxes it shows belong to owner (the server window); requests is the item queue.
  PendingRequestsKeeper(ui::OwnerWindow& owner, serving_engine::RequestQueue& requests,
                        const shared::ProgramEnd& end);

  // Where the requests are kept; until it is given (the scenario runner, the demo and most tests
  // give none), nothing is. Set before the program starts.
  void KeepIn(std::string path) { path_ = std::move(path); }

  // At the program's start: when the file holds requests, asks whether to load the ones the
  // queue can take (the number asked is the number loaded); Yes loads them as Load Requests does.
  // A file that cannot be read or holds no request, one answered No, and one that held more than
  // was loaded are moved aside (KeepAside), never deleted.
  void OfferSavedRequests();
  // Serving has started: the queue as it stands now is written at once.
  void BeginServing();
  // Called by the timers that run while serving: writes when the queue changed and the last
  // write is far enough back.
  void SaveIfDue();
  // Serving stops, or the program ends: the queue is written now and keeping ends.
  void EndServing();
  // The item entries a forward has taken out of the queue while the client works on them: they
  // are written with the queue, at its head, until the forward is over (sent, or back in the
  // queue), so that a program that dies or is closed meanwhile keeps them.
  void HoldInFlight(std::vector<std::string> entries);
  void ReleaseInFlight();

 private:
  bool Keeping() const { return !path_.empty(); }
  // Moves the file to a name of its own beside it and tells the user why and where; when it
  // cannot be moved, keeping stops for this run, so that no save replaces it.
  void KeepAside(const std::string& why);
  // Writes the queue (or removes the file when it is empty); answers whether that worked.
  bool SaveNow();
  std::uint64_t QueueChanges() const;

  ui::OwnerWindow& owner_;
  serving_engine::RequestQueue& requests_;
  const shared::ProgramEnd& end_;
  std::string path_;
  bool serving_ = false;
  std::vector<std::string> in_flight_;
  std::uint64_t in_flight_changes_ = 0;
  std::uint64_t saved_changes_ = 0;
  double last_save_time_ = 0.0;
};

}  // namespace serving_loop
