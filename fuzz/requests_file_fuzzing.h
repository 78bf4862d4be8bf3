#pragma once
// One load of a pending-requests file from arbitrary bytes, and the checks every load must pass:
// what the fuzz target feeds it, and what the seeded test of the suite feeds it too.
//
// The first byte chooses how many entries the queue holds before the load (some of which the
// file may hold again); the rest is the file's content.
//
// The checks: the entries queued before are untouched and first; every entry added is a line of
// the file as the shared text functions cut it (once every line break, LF alone too, is a CR), is
// servable (requester, " - ", whole number), and was not queued already; the added entries keep
// file order; no entry is queued twice; the caption shows the count; the queue never passes what a
// list box can count; and the text saved from the queue loads back as the same entries.

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "aol_automation/text_lines.h"
#include "serving_engine/request_queue.h"
#include "serving_loop/pending_requests.h"
#include "shared/ui/form.h"
#include "shared/ui/frame.h"
#include "shared/ui/registry.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"

namespace serving_loop::fuzzing {

inline const std::vector<std::string>& QueuedBefore() {
  static const std::vector<std::string> entries = {"ann - 12", "bob - 7", "Joe Smith - 0",
                                                   "ann - 012"};
  return entries;
}

// The text with each line break (CR LF, CR or LF) as one CR, as the shared text functions cut it.
inline std::string OneCarriageReturnPerBreak(std::string_view text) {
  std::string cut;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    cut += text[i] == '\n' ? '\r' : text[i];
  }
  return cut;
}

class LoadRun {
 public:
  LoadRun()
      : desktop_(clock_),
        ws_(desktop_.CreateProcess("program")),
        form_(ws_, registry_, "serverFrm", "server", {4725, 5070}),
        frame1_(form_, "Frame1", "Item Requests:  0", {45, 495, 2205, 3825}),
        requests_(frame1_, "Requests", {105, 285, 1995, 3435}, "Item Requests:  ") {
    form_.Load();
  }

  std::vector<std::string> Faults(std::string_view data) {
    std::vector<std::string> faults;
    const std::size_t before =
        data.empty() ? 0 : static_cast<unsigned char>(data[0]) % (QueuedBefore().size() + 1);
    const std::string_view content = data.empty() ? data : data.substr(1);
    for (std::size_t i = 0; i < before; ++i) requests_.Append(QueuedBefore()[i]);

    const int added = AddLoadedRequests(requests_, content);
    const std::vector<std::string>& entries = requests_.list().items();
    if (static_cast<int>(entries.size()) != static_cast<int>(before) + added) {
      faults.push_back("the count of added entries is wrong");
    }
    for (std::size_t i = 0; i < before && i < entries.size(); ++i) {
      if (entries[i] != QueuedBefore()[i]) faults.push_back("an entry queued before changed");
    }
    CheckAdded(content, before, entries, faults);
    if (std::set<std::string>(entries.begin(), entries.end()).size() != entries.size()) {
      faults.push_back("an entry is queued twice");
    }
    if (frame1_.caption() != "Item Requests:  " + std::to_string(entries.size()) && added > 0) {
      faults.push_back("the caption does not show the count: " + frame1_.caption());
    }
    if (static_cast<int>(entries.size()) > kMostQueuedRequests) {
      faults.push_back("the queue holds more than a list box can count");
    }
    if (ServableRequestLines(JoinPendingRequests(entries) + "\r\n") != entries) {
      faults.push_back("the saved queue does not load back as itself");
    }
    return faults;
  }

 private:
  // The added entries must be, in order, the file's servable lines not queued already.
  static void CheckAdded(std::string_view content, std::size_t before,
                         const std::vector<std::string>& entries,
                         std::vector<std::string>& faults) {
    std::set<std::string> queued(
        entries.begin(), entries.begin() + static_cast<long>(std::min(before, entries.size())));
    std::vector<std::string> expected;
    const std::string cut = OneCarriageReturnPerBreak(content);
    for (int n = 1; n <= vornik32::LineCount(cut); ++n) {
      std::string line = vornik32::GetLine(cut, n);
      if (!IsServableItemEntry(line) || !queued.insert(line).second) continue;
      expected.push_back(std::move(line));
    }
    const std::vector<std::string> added(entries.begin() + static_cast<long>(before),
                                         entries.end());
    if (added != expected) faults.push_back("the added entries are not the file's new lines");
    for (const std::string& entry : added) {
      if (!IsServableItemEntry(entry)) faults.push_back("an unservable entry was added: " + entry);
    }
  }

  winsys::sim::VirtualClock clock_;
  winsys::sim::SimDesktop desktop_;
  winsys::WindowSystem& ws_;
  ui::Registry registry_;
  ui::Form form_;
  ui::Frame frame1_;
  serving_engine::RequestQueue requests_;
};

inline std::vector<std::string> LoaderFaults(std::string_view data) {
  LoadRun run;
  return run.Faults(data);
}

}  // namespace serving_loop::fuzzing
