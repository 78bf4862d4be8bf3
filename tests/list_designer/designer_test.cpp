// The List Designer driven as a person drives it, against the stand-in client in both layouts:
// Auto and the four steps over a Flash mailbox with old lists in it, what the lists found give
// the serving loop (ItemOffset, ServingLists, MailList), the refusals, and every bounded wait
// running out with the data left as it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "list_designer/list_designer_form.h"
#include "list_designer/serving_lists.h"
#include "support/program_fixture.h"

namespace list_designer {
namespace {

using tollmere_testing::IsCritical;
using tollmere_testing::ProgramHarness;

constexpr char kDesigner[] = "listdesignerFrm";
constexpr char kStatus[] = "listdesignerstatusFrm";
constexpr char kUser[] = "Ada Reed";

std::vector<std::string> Titles(int count) {
  std::vector<std::string> titles;
  for (int i = 0; i < count; ++i) titles.push_back("Title " + std::to_string(i));
  return titles;
}

// What the serving loop will serve from, for comparing before and after.
struct ServedData {
  std::vector<std::string> mail_list;
  std::vector<std::string> serving_lists;
  std::int32_t item_offset = 0;
  std::int32_t serving_list_count = 0;
  bool operator==(const ServedData&) const = default;
};

class DesignerTest : public ::testing::TestWithParam<aolsim::Layout> {
 protected:
  DesignerTest() : h_(GetParam()) { h_.StartSignedOn(kUser); }

  ListDesignerForm& designer() { return h_.program.listdesignerFrm(); }
  shared::Variables& variables() { return h_.program.variables(); }

  ServedData Data() {
    return {designer().MailList.items(), designer().ServingLists.items(), variables().ItemOffset,
            variables().ServingListCount};
  }

  // 650 stored titles with the lists of an earlier run among them, side by side.
  void FillMailboxWithOldLists() {
    std::vector<std::string> subjects = Titles(650);
    subjects.insert(subjects.begin() + 10, {ListSubject(1), ListSubject(2)});
    h_.client.AddFlashMails(subjects);
  }

  void ShowDesigner() { designer().Show(); }
  void RunStep(int step) {
    h_.Select(kDesigner, "List1", step - 1);
    h_.Click(kDesigner, "Command3");
  }
  // Step 1 or 3, then the time the client's flash session takes.
  void RunFlashStep(int step) {
    RunStep(step);
    h_.RunFor(10);
  }

  std::vector<const aolsim::Delivery*> ListMailsSent() {
    std::vector<const aolsim::Delivery*> sent;
    for (const aolsim::Delivery& delivery : h_.client.Deliveries()) {
      if (delivery.kind == aolsim::DeliveryKind::kNewMail) sent.push_back(&delivery);
    }
    return sent;
  }

  // After a preparation of the 650 titles: three lists made, mailed to the user and found at the
  // top of the mailbox, item 0 three lines down.
  void ExpectThreeListsServedFromTheTop() {
    const auto sent = ListMailsSent();
    ASSERT_EQ(sent.size(), 3u);
    for (int k = 1; k <= 3; ++k) {
      const aolsim::Delivery& mail = *sent[static_cast<std::size_t>(k - 1)];
      EXPECT_EQ(mail.recipients_text, kUser);
      EXPECT_EQ(mail.subject, ListSubject(k));
    }
    EXPECT_TRUE(sent[0]->text.starts_with("0)  Title 0\r\n1)  Title 1\r\n"));
    EXPECT_TRUE(sent[1]->text.starts_with("300)  Title 300\r\n"));
    EXPECT_TRUE(sent[2]->text.ends_with("\r\n649)  Title 649"));

    EXPECT_EQ(designer().MailList.count(), 650);
    EXPECT_EQ(designer().MailList.item(0), "Title 0");
    EXPECT_EQ(designer().MailList.item(649), "Title 649");
    EXPECT_EQ(designer().ServingLists.items(), (std::vector<std::string>{"3-0", "2-1", "1-2"}));
    EXPECT_EQ(variables().ServingListCount, 3);
    EXPECT_EQ(variables().ItemOffset, 3);
    const auto subjects = h_.client.MailboxSubjects();
    ASSERT_GT(subjects.size(), 3u);
    EXPECT_EQ(subjects[static_cast<std::size_t>(variables().ItemOffset)],
              designer().MailList.item(0));
    EXPECT_EQ(subjects[0], ListSubject(3));
    EXPECT_EQ(subjects[2], ListSubject(1));
    // The progress window is gone and the designer takes input again.
    EXPECT_FALSE(h_.Loaded(kStatus));
    EXPECT_TRUE(h_.Enabled(kDesigner));
  }

  void ExpectOldListsDeleted() {
    const auto& deletions = h_.client.Deletions();
    ASSERT_EQ(deletions.size(), 2u);
    EXPECT_EQ(deletions[0].subject, ListSubject(1));
    EXPECT_EQ(deletions[1].subject, ListSubject(2));
    EXPECT_EQ(deletions[1].mailbox_position, 10);  // moved up into the place examined again
  }

  // A button of the client's question before it deletes a mail.
  winsys::HWND DeleteQuestionButton(const char* caption) {
    const winsys::HWND dialog = h_.client_ws.FindWindow("#32770", "America Online");
    if (dialog == winsys::kNoWindow) return winsys::kNoWindow;
    return h_.client_ws.FindWindowEx(dialog, winsys::kNoWindow, "Button", caption);
  }

  ProgramHarness h_;
};

TEST_P(DesignerTest, AutoDeletesOldListsAndMakesSendsAndFindsNewOnes) {
  FillMailboxWithOldLists();
  ShowDesigner();
  h_.Click(kDesigner, "Command2");
  EXPECT_EQ(h_.TakeBoxTexts(), std::vector<std::string>{"3 list(s) were created."});
  ExpectOldListsDeleted();
  ExpectThreeListsServedFromTheTop();
  EXPECT_EQ(h_.client.FlashSessions().size(), 2u);
  EXPECT_FALSE(h_.client.IsContentWindowOpen("Status"));
  EXPECT_FALSE(h_.client.IsContentWindowOpen("Incoming/Saved Mail"));
  EXPECT_FALSE(h_.client.IsContentWindowOpen("Write Mail"));
}

TEST_P(DesignerTest, AutoReportsEachStageOnTheProgressWindow) {
  FillMailboxWithOldLists();
  std::vector<std::string> seen;
  bool designer_took_input = false;
  bool pointer_not_busy = false;
  h_.on_idle = [&] {
    if (!h_.Loaded(kStatus)) return;
    designer_took_input |= h_.Enabled(kDesigner);
    pointer_not_busy |= h_.program_ws.GetPointerShape() != winsys::PointerShape::kBusy;
    const std::string status = h_.Caption(kStatus, "Label1");
    if (seen.empty() || seen.back() != status) seen.push_back(status);
  };
  ShowDesigner();
  h_.Click(kDesigner, "Command2");
  h_.on_idle = nullptr;
  EXPECT_FALSE(designer_took_input);
  EXPECT_FALSE(pointer_not_busy) << "the hourglass shows while the progress window is up";
  EXPECT_EQ(h_.program_ws.GetPointerShape(), winsys::PointerShape::kNormal);
  const std::vector<std::string> expected = {
      "Running flash session... Please wait",
      "Setting mail preferences...",
      "Opening flashmail...",
      "Deleting old list(s)... Please wait",
      "Creating list #1...",
      "Sending list #1... Please wait",
      "Creating list #2...",
      "Sending list #2... Please wait",
      "Creating list #3...",
      "Sending list #3... Please wait",
      "Running flash session... Please wait",
      "Opening flashmail...",
  };
  // In this order, with others between them.
  auto at = seen.begin();
  for (const std::string& status : expected) {
    at = std::find(at, seen.end(), status);
    ASSERT_NE(at, seen.end()) << status << " not seen in order";
  }
}

TEST_P(DesignerTest, FourStepsOneByOneDoWhatAutoDoes) {
  FillMailboxWithOldLists();
  ShowDesigner();
  RunFlashStep(1);
  RunStep(2);
  RunFlashStep(3);
  RunStep(4);
  EXPECT_EQ(h_.TakeBoxTexts(),
            (std::vector<std::string>{
                "AOL should now be running a flashsession.  When the flashsession is complete, "
                "run Step 2.",
                "3 list(s) were created.",
                "AOL should now be running a flashsession.  When the flashsession is complete, "
                "run Step 4.",
                "3 list(s) were found."}));
  ExpectOldListsDeleted();
  ExpectThreeListsServedFromTheTop();
}

TEST_P(DesignerTest, StepFourBeforeStepTwoIsRefused) {
  FillMailboxWithOldLists();
  ShowDesigner();
  RunStep(4);
  ASSERT_EQ(h_.boxes.size(), 1u);
  EXPECT_EQ(h_.boxes[0].text, "Run steps 1 - 3 before running this step!");
  EXPECT_TRUE(IsCritical(h_.boxes[0]));
  EXPECT_EQ(h_.boxes[0].title, "tollmere");
  EXPECT_FALSE(h_.client.IsContentWindowOpen("Incoming/Saved Mail"));
  EXPECT_EQ(Data(), ServedData{});
}

TEST_P(DesignerTest, FewerListsFoundThanMadeLeavesNoListToServe) {
  h_.client.AddFlashMails(Titles(650));
  ShowDesigner();
  RunStep(2);
  // Only lists 1 and 2 reach the mailbox.
  h_.client.AddFlashMails({ListSubject(1), ListSubject(2)});
  h_.boxes.clear();
  RunStep(4);
  ASSERT_EQ(h_.boxes.size(), 1u);
  EXPECT_EQ(h_.boxes[0].text, "1 or more of the lists could not be found!");
  EXPECT_TRUE(IsCritical(h_.boxes[0]));
  EXPECT_EQ(designer().ServingLists.count(), 0);
  EXPECT_EQ(variables().ServingListCount, 3);
  EXPECT_EQ(variables().ItemOffset, 2);
}

TEST_P(DesignerTest, MoreListsFoundThanMadeAreReportedAsFound) {
  h_.client.AddFlashMails(Titles(650));
  ShowDesigner();
  RunStep(2);
  h_.client.AddFlashMails({ListSubject(1), ListSubject(2), ListSubject(3), ListSubject(3)});
  h_.boxes.clear();
  RunStep(4);
  EXPECT_EQ(h_.TakeBoxTexts(), std::vector<std::string>{"3 list(s) were found."});
  EXPECT_EQ(designer().ServingLists.items(),
            (std::vector<std::string>{"1-650", "2-651", "3-652", "3-653"}));
}

// Gathered with the titles, an old list left behind would be an item and a second copy of list 2.
TEST_P(DesignerTest, ADeletionWithoutQuestionIsADeletionAndNoOldListStays) {
  FillMailboxWithOldLists();
  h_.client.SetFault(aolsim::Fault::kDeleteNoDialog);
  ShowDesigner();
  h_.Click(kDesigner, "Command2");
  EXPECT_EQ(h_.TakeBoxTexts(), std::vector<std::string>{"3 list(s) were created."});
  ExpectOldListsDeleted();
  ExpectThreeListsServedFromTheTop();
}

TEST_P(DesignerTest, AFlashSessionThatNeverEndsStopsAutoWithTheDataAsItWas) {
  FillMailboxWithOldLists();
  h_.client.SetFault(aolsim::Fault::kFlashStuck);
  ShowDesigner();
  const double started = h_.clock.Now();
  h_.Click(kDesigner, "Command2");
  EXPECT_LT(h_.clock.Now() - started, 120);
  ASSERT_EQ(h_.boxes.size(), 1u);
  EXPECT_EQ(h_.boxes[0].text, "The flash session did not finish.");
  EXPECT_TRUE(IsCritical(h_.boxes[0]));
  EXPECT_FALSE(h_.Loaded(kStatus));
  EXPECT_TRUE(h_.Enabled(kDesigner));
  EXPECT_EQ(Data(), ServedData{});
  EXPECT_TRUE(h_.client.Deletions().empty());
}

// The step deleted the lists the earlier data points at before it gave up: that data would
// serve lists that are gone, so nothing is kept, and the box says what to run.
TEST_P(DesignerTest, AListThatWillNotSendStopsTheStepWithNothingLeftToServe) {
  FillMailboxWithOldLists();
  ShowDesigner();
  h_.Click(kDesigner, "Command2");
  ASSERT_EQ(Data().mail_list.size(), 650u);
  // More mail since, and the client no longer sends.
  h_.client.AddFlashMails({"Late arrival"});
  h_.client.SetFault(aolsim::Fault::kSendStuck);
  h_.boxes.clear();
  RunStep(2);
  ASSERT_EQ(h_.boxes.size(), 1u);
  EXPECT_EQ(h_.boxes[0].text,
            "Serving list #1 was not sent: the Write Mail window did not close.  The serving "
            "lists were cleared: run Auto, or Steps 1 to 4, again before serving.");
  EXPECT_FALSE(h_.Loaded(kStatus));
  EXPECT_EQ(Data(), ServedData{});
  // The list left in the stuck window never goes out later.
  EXPECT_FALSE(h_.client.IsContentWindowOpen("Write Mail"));
}

// The person says No to the client's question: the list stays, and the step says so instead of
// going on with lines that are not where it counts them.
TEST_P(DesignerTest, ADeletionTheClientDidNotCarryOutStopsTheStep) {
  FillMailboxWithOldLists();
  // The person answers once the program has seen the question, before it answers Yes.
  double asked_at = -1;
  h_.WhenIdle(
      [this, &asked_at] {
        if (DeleteQuestionButton("No") == winsys::kNoWindow) return false;
        if (asked_at < 0) asked_at = h_.clock.Now();
        return h_.clock.Now() - asked_at >= 0.05;
      },
      [this] { h_.desktop.UserClick(DeleteQuestionButton("No")); });
  ShowDesigner();
  RunStep(2);
  EXPECT_EQ(h_.TakeBoxTexts(), std::vector<std::string>{
                                   "An old list was not deleted: it is still in the mailbox.  The "
                                   "serving lists were cleared: run Auto, or Steps 1 to 4, again "
                                   "before serving."});
  EXPECT_TRUE(h_.client.Deletions().empty());
  EXPECT_TRUE(ListMailsSent().empty());
  EXPECT_EQ(Data(), ServedData{});
}

// Step 2 gave up after list 1 had gone to New Mail. Step 2 again first files that list with a
// session of its own and deletes it, so Steps 3 and 4 find one copy of each list.
TEST_P(DesignerTest, StepTwoAgainAfterAHalfDoneRunLeavesOneCopyOfEachList) {
  h_.client.AddFlashMails(Titles(650));
  h_.WhenIdle([this] { return ListMailsSent().size() == 1; },
              [this] { h_.client.SetFault(aolsim::Fault::kSendStuck); });
  ShowDesigner();
  RunStep(2);
  ASSERT_EQ(h_.boxes.size(), 1u);
  EXPECT_TRUE(h_.boxes[0].text.starts_with("Serving list #2 was not sent"));
  EXPECT_EQ(Data(), ServedData{});
  h_.client.SetFault(aolsim::Fault::kNone);
  h_.boxes.clear();
  RunStep(2);
  EXPECT_EQ(h_.TakeBoxTexts(), std::vector<std::string>{"3 list(s) were created."});
  EXPECT_EQ(h_.client.FlashSessions().size(), 1u);
  ASSERT_EQ(h_.client.Deletions().size(), 1u);
  EXPECT_EQ(h_.client.Deletions()[0].subject, ListSubject(1));
  RunFlashStep(3);
  h_.boxes.clear();
  RunStep(4);
  EXPECT_EQ(h_.TakeBoxTexts(), std::vector<std::string>{"3 list(s) were found."});
  EXPECT_EQ(designer().ServingLists.items(), (std::vector<std::string>{"3-0", "2-1", "1-2"}));
  EXPECT_EQ(variables().ItemOffset, 3);
  EXPECT_EQ(h_.client.MailboxSubjects().size(), 653u);
}

// Lists adopted with Old Lists carry no count of the mailbox Step 2 gathered from: Step 4 after
// a flash session would put item 0 past the mailbox's end and call it found.
TEST_P(DesignerTest, StepFourAfterOldListsIsRefusedAndLeavesNothingToServe) {
  h_.client.AddFlashMails(Titles(650));
  ShowDesigner();
  h_.Click(kDesigner, "Command2");
  h_.Click(kDesigner, "Command1");
  EXPECT_EQ(h_.TakeBoxTexts(),
            (std::vector<std::string>{"3 list(s) were created.", "3 list(s) were found."}));
  ASSERT_EQ(designer().MailList.count(), 650);
  RunFlashStep(3);
  h_.boxes.clear();
  RunStep(4);
  ASSERT_EQ(h_.boxes.size(), 1u);
  EXPECT_TRUE(IsCritical(h_.boxes[0]));
  EXPECT_EQ(h_.boxes[0].text,
            "Step 4 finds the lists that Step 2 made; these were adopted with Old Lists, and a "
            "flash session since may have moved them.  Run Old Lists again before serving.");
  EXPECT_EQ(Data(), ServedData{});
  // Old Lists again makes them servable.
  h_.boxes.clear();
  h_.Click(kDesigner, "Command1");
  EXPECT_EQ(h_.TakeBoxTexts(), std::vector<std::string>{"3 list(s) were found."});
  EXPECT_EQ(variables().ItemOffset, 3);
}

// The server window closed while Auto waits for the flash session: every wait ends at once, no
// box is shown, nothing more is sent or deleted.
TEST_P(DesignerTest, ClosingTheServerWindowDuringAutoEndsItAtOnce) {
  FillMailboxWithOldLists();
  h_.client.SetFault(aolsim::Fault::kFlashStuck);
  h_.WhenIdle([this] { return h_.client.IsContentWindowOpen("Status"); },
              [this] { h_.Close("serverFrm"); });
  // Shown a second time, the designer leaves the server window enabled.
  ShowDesigner();
  h_.Close(kDesigner);
  ShowDesigner();
  const double started = h_.clock.Now();
  h_.Click(kDesigner, "Command2");
  EXPECT_TRUE(h_.program.ended());
  EXPECT_LT(h_.clock.Now() - started, 30);
  EXPECT_TRUE(h_.boxes.empty());
  EXPECT_TRUE(h_.client.Deletions().empty());
  EXPECT_TRUE(ListMailsSent().empty());
  EXPECT_FALSE(h_.Loaded(kStatus));
  EXPECT_FALSE(h_.Loaded(kDesigner));
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, DesignerTest,
                         ::testing::Values(aolsim::Layout::kVersion5, aolsim::Layout::kVersion4),
                         tollmere_testing::LayoutName);

// --- The window itself (one layout is enough: it does not talk to the client) ------------------

class DesignerWindowTest : public ::testing::Test {
 protected:
  DesignerWindowTest() : h_(aolsim::Layout::kVersion5) {}
  ListDesignerForm& designer() { return h_.program.listdesignerFrm(); }
  ProgramHarness h_;
};

TEST_F(DesignerWindowTest, SelectingAStepShowsItsCaptionAndDescription) {
  h_.StartSignedOn();
  designer().Show();
  EXPECT_EQ(designer().List1.items(),
            (std::vector<std::string>{"Step #1", "Step #2", "Step #3", "Step #4"}));
  EXPECT_EQ(designer().List1.selected_index(), 0);
  struct Row {
    int index;
    const char* caption;
    const char* description;
  };
  const Row rows[] = {
      {3, "Step:  4", "This step will find your serving lists in your Flash Mail."},
      {1, "Step:  2",
       "This step will gather all your Flash Mail and create your serving lists and put them "
       "into your New Mail."},
      {2, "Step:  3",
       "This step will run a FlashSession which will put all of your serving lists into your "
       "FlashMail from your New Mail."},
      {0, "Step:  1",
       "This step will run a FlashSession which will put all of your New Mail into your Flash "
       "mail mailbox."},
  };
  for (const Row& row : rows) {
    h_.Select(kDesigner, "List1", row.index);
    EXPECT_EQ(h_.Caption(kDesigner, "Frame1"), row.caption);
    EXPECT_EQ(h_.Caption(kDesigner, "Label1"), row.description);
  }
}

TEST_F(DesignerWindowTest, ServerWindowIsDisabledOnlyWhileTheDesignerIsFirstOpen) {
  h_.StartSignedOn();
  ASSERT_TRUE(h_.Enabled("serverFrm"));
  designer().Show();
  EXPECT_FALSE(h_.Enabled("serverFrm"));
  h_.Close(kDesigner);
  EXPECT_FALSE(h_.Visible(kDesigner));
  EXPECT_TRUE(h_.Loaded(kDesigner));
  EXPECT_TRUE(h_.Enabled("serverFrm"));
  designer().Show();
  EXPECT_TRUE(h_.Enabled("serverFrm"));
}

TEST_F(DesignerWindowTest, ClosingAndShowingAgainKeepsTheData) {
  h_.StartSignedOn();
  h_.client.AddFlashMails(Titles(5));
  designer().Show();
  h_.Click(kDesigner, "Command2");
  ASSERT_EQ(designer().MailList.count(), 5);
  h_.Close(kDesigner);
  designer().Show();
  EXPECT_EQ(designer().MailList.count(), 5);
  EXPECT_EQ(designer().ServingLists.items(), std::vector<std::string>{"1-0"});
  EXPECT_EQ(designer().GatheredMailCount, 5);
}

TEST_F(DesignerWindowTest, OneMailMakesOneListOfOneLine) {
  h_.StartSignedOn();
  h_.client.AddFlashMails({"Only one"});
  designer().Show();
  h_.Click(kDesigner, "Command2");
  EXPECT_EQ(h_.TakeBoxTexts(), std::vector<std::string>{"1 list(s) were created."});
  ASSERT_EQ(h_.client.Deliveries().size(), 1u);
  EXPECT_EQ(h_.client.Deliveries()[0].text, "0)  Only one");
  EXPECT_EQ(h_.program.variables().ItemOffset, 1);
}

TEST_F(DesignerWindowTest, AnEmptyMailboxMakesOneEmptyList) {
  h_.StartSignedOn();
  designer().Show();
  h_.Click(kDesigner, "Command2");
  EXPECT_EQ(h_.TakeBoxTexts(), std::vector<std::string>{"1 list(s) were created."});
  ASSERT_EQ(h_.client.Deliveries().size(), 1u);
  EXPECT_EQ(h_.client.Deliveries()[0].subject, ListSubject(1));
  EXPECT_EQ(h_.client.Deliveries()[0].text, "");
  EXPECT_EQ(designer().MailList.count(), 0);
  EXPECT_EQ(h_.program.variables().ItemOffset, 1);
}

TEST_F(DesignerWindowTest, RunWithNoStepSelectedDoesNothing) {
  h_.StartSignedOn();
  designer().Show();
  designer().List1.set_selected_index(-1);
  h_.Click(kDesigner, "Command3");
  h_.DoubleClickItem(kDesigner, "List1", -1);
  EXPECT_TRUE(h_.boxes.empty());
  EXPECT_TRUE(h_.client.FlashSessions().empty());
}

TEST_F(DesignerWindowTest, EveryClientStepIsRefusedWhenNotSignedOn) {
  h_.client.Start();
  h_.program.Start();
  h_.boxes.clear();
  designer().Show();
  struct Row {
    const char* what;
    std::function<void()> act;
    const char* box;
  };
  auto step = [this](int index) {
    return [this, index] {
      h_.Select(kDesigner, "List1", index);
      h_.Click(kDesigner, "Command3");
    };
  };
  const Row rows[] = {
      {"Step 1", step(0), "Not signed on!"},
      {"Step 2", step(1), "Not signed on!"},
      {"Step 3", step(2), "Not signed on!"},
      {"Step 4", step(3), "Run steps 1 - 3 before running this step!"},
      {"Auto", [this] { h_.Click(kDesigner, "Command2"); }, "Not signed on!"},
      {"Old Lists", [this] { h_.Click(kDesigner, "Command1"); }, "Not signed on!"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    row.act();
    ASSERT_EQ(h_.boxes.size(), 1u);
    EXPECT_EQ(h_.boxes[0].text, row.box);
    EXPECT_TRUE(IsCritical(h_.boxes[0]));
    h_.boxes.clear();
    EXPECT_FALSE(h_.Loaded(kStatus));
  }
}

}  // namespace
}  // namespace list_designer
