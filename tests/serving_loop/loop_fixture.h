#pragma once
// The whole system on one simulated desktop for the serving loop's tests (see
// system_harness.h): members speak in the stand-in's room, and what the program posted and
// mailed is read from the stand-in's records.
//
// The mailbox is laid out as the List Designer leaves it: the serving-list mails at the top, the
// titles on offer below them, and the designer's hidden lists filled to match.
//
// Header-only: compiled into the test program of this folder.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "list_designer/list_designer_form.h"
#include "list_designer/serving_lists.h"
#include "serving_loop/menu_form.h"
#include "support/system_harness.h"

namespace serving_loop::testing {

using tollmere_testing::Answer;

inline constexpr const char* kUserName = "ServerBot";
inline constexpr const char* kHandle = "serverbot";
inline constexpr char kBulletSpace[] = "\x95 ";

// "• " + text.
inline std::string Line(std::string_view text) {
  return kBulletSpace + std::string(text);
}

class LoopTest : public ::testing::Test, public tollmere_testing::SystemHarness {
 protected:
  explicit LoopTest(aolsim::Layout layout = aolsim::Layout::kVersion5) : SystemHarness(layout) {}
  // A day that starts at this time of day.
  explicit LoopTest(const winsys::LocalTime& start)
      : SystemHarness(aolsim::Layout::kVersion5, tollmere_testing::ShortWaitBounds(), start) {}

  // Signed on, in a room with the members, the mailbox holding the lists and the titles, the
  // program started (its reminder box answered) and the serving-list data in place.
  void StartProgram(const std::vector<std::string>& titles,
                    const std::vector<std::string>& members = {"ann", "bob", "cid", "dee"},
                    int list_count = 1) {
    client.Start();
    client.SignOn(kUserName);
    client.OpenRoom("Lobby", members);
    std::vector<std::string> mailbox;
    for (int list = 1; list <= list_count; ++list)
      mailbox.push_back(list_designer::ListSubject(list));
    mailbox.insert(mailbox.end(), titles.begin(), titles.end());
    client.AddFlashMails(mailbox);
    program.Start();
    list_designer::ListDesignerForm& designer = program.listdesignerFrm();
    for (const std::string& title : titles) designer.MailList.add(title);
    for (int list = 1; list <= list_count; ++list) {
      designer.ServingLists.add(list_designer::ServingListEntry(list, list - 1));
    }
    program.variables().ItemOffset = list_count;
    program.variables().ServingListCount = list_count;
    boxes.clear();
  }

  // Start pressed, and time for the mailbox to open and the advert to be posted.
  void StartServing() {
    ASSERT_EQ(Click("serverFrm", "Command1"), winsys::sim::InputResult::kDelivered);
    RunFor(3);
    ASSERT_EQ(server().Command1.caption(), "Stop");
  }

  // Members speak, then the chat timer's next tick takes what they said.
  void Say(const std::vector<std::pair<std::string, std::string>>& lines) {
    for (const auto& [sender, message] : lines) client.Say(sender, message);
    RunFor(5.1);
  }
  void Ask(std::string_view sender, std::string_view request) {
    Say({{std::string(sender), "/" + std::string(kHandle) + " " + std::string(request)}});
  }

  // The lines posted since the last call.
  std::vector<std::string> NewLines() {
    std::vector<std::string> lines = ProgramLines();
    std::vector<std::string> fresh(lines.begin() + static_cast<long>(lines_seen_), lines.end());
    lines_seen_ = lines.size();
    return fresh;
  }
  // New lines without the adverts and pending counts, which come on their own timers.
  std::vector<std::string> NewAnswers() {
    std::vector<std::string> answers_only;
    for (std::string& line : NewLines()) {
      if (IsAdvertLine(line)) continue;
      answers_only.push_back(std::move(line));
    }
    return answers_only;
  }
  static bool IsAdvertLine(std::string_view line) {
    for (const char* start : {"\x95 tollmere serving ", "\x95 \"/", "\x95 There are "}) {
      if (line.starts_with(start)) return true;
    }
    return false;
  }
  std::vector<aolsim::Delivery> Deliveries(aolsim::DeliveryKind kind) {
    std::vector<aolsim::Delivery> found;
    for (const aolsim::Delivery& delivery : client.Deliveries()) {
      if (delivery.kind == kind) found.push_back(delivery);
    }
    return found;
  }
  std::vector<aolsim::Delivery> Forwards() { return Deliveries(aolsim::DeliveryKind::kForward); }
  std::vector<aolsim::Delivery> NewMails() { return Deliveries(aolsim::DeliveryKind::kNewMail); }

 private:
  std::size_t lines_seen_ = 0;
};

}  // namespace serving_loop::testing
