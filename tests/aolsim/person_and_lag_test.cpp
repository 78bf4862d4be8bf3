// A client as hard as the real one: a person using it at the same time, a lagging Forward, a
// mailbox that stalls while it fills, and a client that stops answering.

#include <map>
#include <optional>

#include "aolsim/client_fixture.h"

namespace aolsim::testing {
namespace {

class PersonAndLagTest : public ClientFixture {
 protected:
  void SetUp() override {
    ClientFixture::SetUp();
    client_.AddFlashMails({"Garden Tips", "Moon Photos", "Old Maps"});
  }

  // What a program can see of a window: its class, caption and how many children of each class.
  std::pair<std::string, std::map<std::string, int>> Looks(HWND window) {
    std::map<std::string, int> children;
    for (HWND child = program_.ws().GetWindow(window, winsys::GW_CHILD); child != 0;
         child = program_.ws().GetWindow(child, winsys::GW_HWNDNEXT)) {
      ++children[program_.ws().GetClassName(child)];
    }
    return {program_.ws().GetClassName(window) + "|" + program_.ws().GetWindowText(window),
            children};
  }

  int ForwardWindows() {
    int count = 0;
    for (HWND window : program_.ContentWindows()) count += program_.Matches(window, kForwardShape);
    return count;
  }

  HWND ClickForward(HWND mail) {
    const HWND forward = program_.Child(mail, "_AOL_Icon", numbers().read_mail_forward_icon);
    program_.Click(forward);
    return forward;
  }
};
AOLSIM_BOTH_LAYOUTS(PersonAndLagTest);

TEST_P(PersonAndLagTest, APersonsOpenMailLooksExactlyLikeTheProgramsAndStays) {
  OpenMailbox();
  const HWND programs = OpenMail(1);
  const auto looks = Looks(programs);
  program_.ws().PostMessage(programs, winsys::WM_CLOSE, 0, 0);
  program_.RunFor(0.1);

  client_.UserOpen(1);
  HWND persons = 0;
  ASSERT_TRUE(program_.RunUntil([&] { return (persons = program_.FindByShape(kReadMailShape)); }));
  EXPECT_EQ(Looks(persons), looks);
  EXPECT_EQ(program_.ws().GetWindowText(persons), "Moon Photos");
  program_.RunFor(600);
  EXPECT_TRUE(program_.ws().IsWindow(persons));
}

TEST_P(PersonAndLagTest, APersonsWriteMailLooksLikeTheProgramsAndHoldsWhatTheyTyped) {
  program_.PostClick(program_.ToolbarIcon(2));
  ASSERT_TRUE(program_.RunUntil([&] { return program_.Content("Write Mail") != 0; }));
  const HWND programs = program_.Content("Write Mail");
  const auto looks = Looks(programs);
  program_.ws().PostMessage(programs, winsys::WM_CLOSE, 0, 0);
  program_.RunFor(0.1);

  client_.UserCompose();
  ASSERT_TRUE(program_.RunUntil([&] { return program_.Content("Write Mail") != 0; }));
  const HWND persons = program_.Content("Write Mail");
  EXPECT_EQ(Looks(persons), looks);
  EXPECT_FALSE(program_.Text(program_.Child(persons, "RICHCNTL")).empty());
  EXPECT_FALSE(program_.Text(program_.Child(persons, "_AOL_Edit", 1)).empty());
  program_.RunFor(600);
  EXPECT_TRUE(program_.ws().IsWindow(persons));
  EXPECT_TRUE(client_.Deliveries().empty());
}

TEST_P(PersonAndLagTest, ClosingTheMailboxTakesItsWindowAway) {
  OpenMailbox();
  client_.CloseMailbox();
  EXPECT_EQ(program_.Content("Incoming/Saved Mail"), 0u);
  client_.CloseMailbox();  // nothing to close: nothing happens
  EXPECT_EQ(program_.Content("Incoming/Saved Mail"), 0u);
}

TEST_P(PersonAndLagTest, EachClickOnForwardOpensOneWindowOnlyWhenTheClientLags) {
  struct Case {
    bool lags;
    int windows;
  };
  OpenMailbox();
  for (const Case c : {Case{false, 1}, Case{true, 3}}) {
    SCOPED_TRACE(c.lags ? "forward-twice" : "well behaved");
    client_.SetFault(c.lags ? Fault::kForwardTwice : Fault::kNone);
    const HWND mail = OpenMail(c.lags ? 2 : 0);
    for (int i = 0; i < 3; ++i) {
      ClickForward(mail);
      program_.RunFor(0.1);
    }
    program_.RunFor(2);
    EXPECT_EQ(ForwardWindows(), c.windows);
    for (HWND window : program_.ContentWindows()) {
      if (program_.Matches(window, kForwardShape) || window == mail) {
        program_.ws().PostMessage(window, winsys::WM_CLOSE, 0, 0);
      }
    }
    program_.RunFor(0.1);
  }
}

TEST_P(PersonAndLagTest, AStalledMailboxStandsStillHalfwayOnceThenFills) {
  client_.GenerateFlashMails(197, "Item");  // 200 in all
  client_.SetMailboxStall(4);
  program_.RunToolbarMenu(3, numbers().mailbox_folder_item, true, 0);
  HWND tree = 0;
  ASSERT_TRUE(program_.RunUntil([&] {
    return (tree = program_.Child(program_.Content("Incoming/Saved Mail"), "_AOL_Tree"));
  }));
  const auto count = [&] { return program_.Send(tree, winsys::LB_GETCOUNT); };
  ASSERT_TRUE(program_.RunUntil([&] { return count() >= 100; }));
  EXPECT_EQ(count(), 100);
  program_.RunFor(3.5);
  EXPECT_EQ(count(), 100);
  EXPECT_TRUE(program_.RunUntil([&] { return count() == 200; }, 2));

  // Once only: the next fill does not stall.
  client_.CloseMailbox();
  program_.RunToolbarMenu(3, numbers().mailbox_folder_item, true, 0);
  ASSERT_TRUE(program_.RunUntil([&] {
    return (tree = program_.Child(program_.Content("Incoming/Saved Mail"), "_AOL_Tree"));
  }));
  EXPECT_TRUE(program_.RunUntil([&] { return count() == 200; }, 1.5));
}

TEST_P(PersonAndLagTest, AHungClientAnswersNothingFillsNothingAndCatchesUpWhenItWakes) {
  client_.GenerateFlashMails(597, "Item");  // 600 in all: two seconds of filling
  program_.RunToolbarMenu(3, numbers().mailbox_folder_item, true, 0);
  HWND tree = 0;
  ASSERT_TRUE(program_.RunUntil([&] {
    return (tree = program_.Child(program_.Content("Incoming/Saved Mail"), "_AOL_Tree"));
  }));
  program_.RunFor(0.5);
  desktop_.Hang(client_process_, 20);
  const double hung_at = clock_.Now();
  const int before = static_cast<int>(program_.Send(tree, winsys::LB_GETCOUNT));  // waits 5 s
  EXPECT_EQ(before, 0);
  EXPECT_NEAR(clock_.Now() - hung_at, 5, 0.01);
  program_.RunFor(0.5);
  const double long_hung = clock_.Now();
  EXPECT_EQ(program_.ws().SendMessageAnswered(tree, winsys::LB_GETCOUNT, 0, 0), std::nullopt);
  EXPECT_EQ(clock_.Now(), long_hung);  // hung for more than 5 s: no wait at all

  program_.RunFor(15);  // just past the wake
  const std::optional<LRESULT> woken =
      program_.ws().SendMessageAnswered(tree, winsys::LB_GETCOUNT, 0, 0);
  ASSERT_TRUE(woken.has_value());
  EXPECT_LT(*woken, 600);  // it fills on from where it stood, not all at once
  EXPECT_TRUE(
      program_.RunUntil([&] { return program_.Send(tree, winsys::LB_GETCOUNT) == 600; }, 3));
}

}  // namespace
}  // namespace aolsim::testing
