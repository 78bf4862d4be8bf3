#pragma once
// The whole system on one simulated desktop for the server window's tests (see
// system_harness.h), with the scene they start from: signed on in a room, the mail list and the
// serving lists as the List Designer leaves them.
//
// Header-only: compiled into the test program of this folder.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "aol_automation/automation.h"
#include "list_designer/list_designer_form.h"
#include "serving_engine/server_form.h"
#include "serving_loop/menu_form.h"
#include "support/system_harness.h"

namespace serving_engine::testing {

using tollmere_testing::Answer;

inline constexpr const char* kUserName = "Ada Reed";
inline constexpr const char* kHandle = "ada reed";
inline constexpr const char* kRoom = "Lobby 12";

class Engine : public tollmere_testing::SystemHarness {
 public:
  explicit Engine(aolsim::Layout layout = aolsim::Layout::kVersion5) : SystemHarness(layout) {
    client.Start();
  }

  // --- The scene ------------------------------------------------------------------------------
  // Signed on as Ada Reed, in a room with two members, the program started (reminder answered).
  void SignedOnInRoom() {
    client.SignOn(kUserName);
    client.OpenRoom(kRoom, {"Joe", "Mia"});
    program.Start();
  }
  // count titles in the mail list and one serving list per 300 of them, as the List Designer
  // leaves them (item k at mailbox position k + the number of lists).
  void FillMailData(int count) {
    list_designer::ListDesignerForm& designer = program.listdesignerFrm();
    const int lists = count / 300 + 1;
    for (int k = 0; k < count; ++k) designer.MailList.add("Title " + std::to_string(k));
    for (int k = 1; k <= lists; ++k) {
      designer.ServingLists.add(std::to_string(k) + "-" + std::to_string(lists - k));
    }
    program.variables().ItemOffset = lists;
  }
  // Start clicked with every check passing: the mailbox filled, serving on.
  void StartServing() {
    boxes.clear();
    Click(server().Command1);
    RunFor(0.1);
  }
  // Keeps the serving loop's tick from acting on what these tests look at (the marks, the
  // queues), as if it were busy elsewhere.
  void HoldServingTicks() { server().RequestTimer.Disable(); }

  // --- The person at the screen -----------------------------------------------------------------
  serving_loop::MenuForm& menu() { return program.menuFrm(); }
  winsys::sim::InputResult DoubleClickItem(const RequestQueue& queue, int index) {
    return desktop.UserDoubleClickItem(queue.list().hwnd(), index);
  }
  void Say(std::string_view sender, std::string_view message) { client.Say(sender, message); }
};

}  // namespace serving_engine::testing
