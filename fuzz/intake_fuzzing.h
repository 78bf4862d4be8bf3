#pragma once
// One run of the chat intake on arbitrary bytes, and the checks that every run must pass: what
// the fuzz target feeds it, and what the seeded test of the suite feeds it too.
//
// The first four bytes choose the scene: the size of the mail list, the item and find limits
// (zero and negative ones included), whether "joe" is banned and whether "mia" is out of the room.
// The rest is the transcript, as the room's chat view would hand it over.
//
// The checks: every entry is well formed (requester " - " digits naming a mail of the list;
// requester " - " a trimmed, non-empty search text; a bare requester), no requester has more
// pending than the limit allows, list, status and find entries are never doubled, the captions
// show the counts, the per-requester counts agree with the entries, no entry holds a control
// character or a sender no member can be, and the transcript was cut into the lines the shared
// text functions make of it.

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "aol_automation/text_lines.h"
#include "serving_engine/chat_intake.h"
#include "serving_engine/transcript_lines.h"
#include "serving_engine/whole_number.h"
#include "shared/ui/frame.h"
#include "tests/support/intake_harness.h"

namespace serving_engine::fuzzing {

using testing::FakeSources;
using testing::IntakeHarness;
using testing::kOwnName;

inline constexpr std::size_t kSceneBytes = 4;

struct Scene {
  std::int64_t mail_count = 50;
  std::int64_t item_limit = 100;
  std::int64_t find_limit = 5;
  bool ban_joe = false;
  bool mia_absent = false;
};

inline Scene SceneOf(std::string_view data) {
  Scene scene;
  if (data.size() < kSceneBytes) return scene;
  static constexpr std::int64_t kMailCounts[] = {0, 1, 10, 50, 300, 1000, 32767, 3};
  scene.mail_count = kMailCounts[static_cast<unsigned char>(data[0]) % 8];
  scene.item_limit = static_cast<std::int8_t>(data[1]);
  scene.find_limit = static_cast<std::int8_t>(data[2]) % 8;
  const auto flags = static_cast<unsigned char>(data[3]);
  scene.ban_joe = (flags & 1) != 0;
  scene.mia_absent = (flags & 2) != 0;
  return scene;
}

class IntakeRun {
 public:
  explicit IntakeRun(const Scene& scene) : scene_(scene) { SetTheScene(); }

  // Takes the transcript and answers what is wrong afterwards (nothing: all is well).
  std::vector<std::string> TakeAndCheck(std::string_view transcript) {
    std::vector<std::string> faults;
    CheckLineCutting(transcript, faults);
    harness_.intake.TakeTranscript(transcript, kOwnName);
    CheckItems(faults);
    CheckFinds(faults);
    CheckBareQueue(harness_.Lists, "Lists", faults);
    CheckBareQueue(harness_.Statuss, "Statuss", faults);
    CheckCaption(harness_.Frame1, harness_.Requests, faults);
    CheckCaption(harness_.Frame2, harness_.Lists, faults);
    CheckCaption(harness_.Frame3, harness_.Finds, faults);
    for (const RequestQueue* queue :
         {&harness_.Requests, &harness_.Lists, &harness_.Finds, &harness_.Statuss}) {
      CheckCounts(*queue, faults);
    }
    return faults;
  }

  // Entries of the four queues together.
  int EntryCount() const {
    return harness_.Requests.Count() + harness_.Lists.Count() + harness_.Finds.Count() +
           harness_.Statuss.Count();
  }

 private:
  void SetTheScene() {
    FakeSources& sources = harness_.sources;
    sources.mail_count = scene_.mail_count;
    sources.item_limit = scene_.item_limit;
    sources.find_limit = scene_.find_limit;
    if (scene_.ban_joe) sources.banned = {"joe"};
    if (scene_.mia_absent) sources.absent = {"mia"};
  }

  static bool IsRequester(std::string_view name) {
    return !name.empty() && name.find(kEntrySeparator) == std::string_view::npos &&
           name != kOwnName;
  }

  void CheckLineCutting(std::string_view transcript, std::vector<std::string>& faults) {
    std::vector<std::string> cut;
    ForEachTranscriptLine(transcript, [&](std::string_view line) { cut.emplace_back(line); });
    const int count = vornik32::LineCount(transcript);
    if (static_cast<int>(cut.size()) != count) {
      faults.push_back("cut " + std::to_string(cut.size()) + " lines, LineCount says " +
                       std::to_string(count));
      return;
    }
    for (int i = 1; i <= count; ++i) {
      if (cut[static_cast<std::size_t>(i - 1)] != vornik32::GetLine(transcript, i)) {
        faults.push_back("line " + std::to_string(i) + " differs from GetLine");
      }
    }
  }

  void CheckItems(std::vector<std::string>& faults) {
    std::map<std::string, int> per_requester;
    for (const std::string& entry : harness_.Requests.list().items()) {
      const std::string_view requester = RequesterOf(entry);
      if (!IsRequester(requester) || requester.size() == entry.size()) {
        faults.push_back("item entry without a requester: " + entry);
        continue;
      }
      const std::string_view number = std::string_view(entry).substr(
          requester.size() + std::string_view(kEntrySeparator).size());
      if (!IsWholeNumber(number) || WholeNumberValue(number) >= scene_.mail_count) {
        faults.push_back("item entry naming no mail: " + entry);
      }
      if (scene_.ban_joe && requester == "joe") faults.push_back("banned requester: " + entry);
      ++per_requester[std::string(requester)];
    }
    for (const auto& [requester, count] : per_requester) {
      if (count > scene_.item_limit) faults.push_back("over the item limit: " + requester);
    }
  }

  void CheckFinds(std::vector<std::string>& faults) {
    std::map<std::string, int> per_requester;
    std::set<std::string> seen;
    for (const std::string& entry : harness_.Finds.list().items()) {
      if (!seen.insert(entry).second) faults.push_back("doubled find entry: " + entry);
      const std::string_view requester = RequesterOf(entry);
      if (!IsRequester(requester) || requester.size() == entry.size()) {
        faults.push_back("find entry without a requester: " + entry);
        continue;
      }
      const std::string_view text = std::string_view(entry).substr(
          requester.size() + std::string_view(kEntrySeparator).size());
      if (text.empty() || text.front() == ' ' || text.back() == ' ') {
        faults.push_back("find entry with an untrimmed or empty text: " + entry);
      }
      ++per_requester[std::string(requester)];
    }
    for (const auto& [requester, count] : per_requester) {
      if (count > scene_.find_limit) faults.push_back("over the find limit: " + requester);
    }
  }

  static void CheckBareQueue(const RequestQueue& queue, const char* name,
                             std::vector<std::string>& faults) {
    std::set<std::string> seen;
    for (const std::string& entry : queue.list().items()) {
      if (!IsRequester(entry)) faults.push_back(std::string(name) + " entry: " + entry);
      if (!seen.insert(entry).second) faults.push_back(std::string(name) + " doubled: " + entry);
    }
  }

  static void CheckCaption(const ui::Frame& frame, const RequestQueue& queue,
                           std::vector<std::string>& faults) {
    if (frame.caption() != queue.label() + std::to_string(queue.Count())) {
      faults.push_back("caption " + frame.caption() + " for " + std::to_string(queue.Count()));
    }
  }

  // Also that no entry holds a control character or names a sender the room could not show.
  void CheckCounts(const RequestQueue& queue, std::vector<std::string>& faults) const {
    std::map<std::string, int> recount;
    for (const std::string& entry : queue.list().items()) {
      const std::string_view requester = RequesterOf(entry);
      ++recount[std::string(requester)];
      if (std::any_of(entry.begin(), entry.end(), [](char c) { return c >= 0 && c < ' '; }) ||
          requester.size() > kLongestScreenName || (scene_.mia_absent && requester == "mia")) {
        faults.push_back("entry no line of the room can make: " + entry);
      }
    }
    for (const auto& [requester, count] : recount) {
      if (queue.PendingFor(requester) != count) faults.push_back("PendingFor " + requester);
    }
  }

  Scene scene_;
  IntakeHarness harness_;
};

// The whole run on the fuzzer's bytes: the scene, then the transcript.
inline std::vector<std::string> IntakeFaults(std::string_view data) {
  IntakeRun run(SceneOf(data));
  return run.TakeAndCheck(data.size() < kSceneBytes ? std::string_view()
                                                    : data.substr(kSceneBytes));
}

}  // namespace serving_engine::fuzzing
