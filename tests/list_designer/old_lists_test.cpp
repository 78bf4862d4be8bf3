// "Old Lists": serving lists of an earlier run adopted from the Flash mailbox without making
// anything, in both layouts: complete sets, gaps and duplicates, no lists at all, and a list mail
// that never opens.

#include <gtest/gtest.h>

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

std::vector<std::string> Titles(int count) {
  std::vector<std::string> titles;
  for (int i = 0; i < count; ++i) titles.push_back("Title " + std::to_string(i));
  return titles;
}

// Signed on, with the titles stored in the Flash mailbox.
void StockMailbox(ProgramHarness& h, const std::vector<std::string>& titles) {
  h.StartSignedOn();
  h.client.AddFlashMails(titles);
}

// List mails as an earlier run left them: they arrive as New Mail and a flash session (Step 1)
// files them on top of the stored mails, the last to arrive on top.
void FileListMails(ProgramHarness& h, const std::vector<std::string>& titles,
                   const std::vector<int>& numbers) {
  for (const int k : numbers) h.client.NewMail(ListSubject(k), ListBody(titles, k));
  h.program.listdesignerFrm().Show();
  h.Select(kDesigner, "List1", 0);
  h.Click(kDesigner, "Command3");
  h.RunFor(10);
  h.boxes.clear();
}

void UseOldLists(ProgramHarness& h) {
  h.program.listdesignerFrm().Show();
  h.Click(kDesigner, "Command1");
}

class OldListsTest : public ::testing::TestWithParam<aolsim::Layout> {
 protected:
  OldListsTest() : h_(GetParam()) { StockMailbox(h_, titles_); }

  ListDesignerForm& designer() { return h_.program.listdesignerFrm(); }
  shared::Variables& variables() { return h_.program.variables(); }

  void FileListMails(const std::vector<int>& numbers) {
    list_designer::FileListMails(h_, titles_, numbers);
  }
  void UseOldLists() { list_designer::UseOldLists(h_); }

  const std::vector<std::string> titles_ = Titles(650);
  ProgramHarness h_;
};

TEST_P(OldListsTest, ACompleteSetIsAdoptedWithItemZeroBelowTheLists) {
  FileListMails({1, 2, 3});
  UseOldLists();
  EXPECT_EQ(h_.TakeBoxTexts(), std::vector<std::string>{"3 list(s) were found."});
  EXPECT_TRUE(h_.boxes.empty());
  EXPECT_EQ(designer().ServingLists.items(), (std::vector<std::string>{"3-0", "2-1", "1-2"}));
  EXPECT_EQ(variables().ServingListCount, 3);
  EXPECT_EQ(variables().ItemOffset, 3);
  EXPECT_EQ(designer().MailList.items(), titles_);
  EXPECT_EQ(h_.client.MailboxSubjects()[3], designer().MailList.item(0));
  EXPECT_EQ(designer().GatheredMailCount, 0);  // only the steps record it
  // Nothing was deleted, made or sent, and the client's windows are closed again.
  EXPECT_TRUE(h_.client.Deletions().empty());
  EXPECT_TRUE(h_.client.Deliveries().empty());
  EXPECT_FALSE(h_.client.IsContentWindowOpen("Incoming/Saved Mail"));
  EXPECT_FALSE(h_.client.IsContentWindowOpen(ListSubject(1)));
  EXPECT_FALSE(h_.Loaded("listdesignerstatusFrm"));
}

TEST_P(OldListsTest, APersonsOpenMailIsNeitherReadNorClosed) {
  FileListMails({1, 2, 3});
  h_.client.UserOpen(10);
  h_.RunFor(5);
  UseOldLists();
  EXPECT_EQ(h_.TakeBoxTexts(), std::vector<std::string>{"3 list(s) were found."});
  EXPECT_TRUE(h_.client.IsContentWindowOpen("Title 7"));
}

TEST_P(OldListsTest, TheWholeFirstTitleFindsItsLineEvenWhenTheListSubjectsHoldItsTail) {
  // "Elist" less its first letter is found in every list mail's subject above it.
  ProgramHarness h(GetParam());
  const std::vector<std::string> titles = {"Elist", "B", "Title 2"};
  StockMailbox(h, titles);
  list_designer::FileListMails(h, titles, {1, 2});
  list_designer::UseOldLists(h);
  EXPECT_EQ(h.TakeBoxTexts(), std::vector<std::string>{"2 list(s) were found."});
  EXPECT_EQ(h.program.variables().ItemOffset, 2);
  EXPECT_EQ(h.program.listdesignerFrm().MailList.items(), titles);
}

TEST_P(OldListsTest, IncompleteSetsAreRefusedWithTheOtherDataUnchanged) {
  struct Row {
    std::vector<int> filed;  // in order of arrival: the last ends on top
    std::vector<std::string> entries;
  };
  const Row rows[] = {
      {{1, 3}, {"3-0", "1-1"}},            // a gap
      {{1, 2, 2}, {"2-0", "2-1", "1-2"}},  // a duplicate
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.filed));
    ProgramHarness h(GetParam());
    h.StartSignedOn();
    h.client.AddFlashMails(titles_);
    for (const int k : row.filed) h.client.NewMail(ListSubject(k), ListBody(titles_, k));
    ListDesignerForm& form = h.program.listdesignerFrm();
    form.Show();
    h.Select(kDesigner, "List1", 0);
    h.Click(kDesigner, "Command3");
    h.RunFor(10);
    h.boxes.clear();
    h.Click(kDesigner, "Command1");
    ASSERT_EQ(h.boxes.size(), 1u);
    EXPECT_EQ(h.boxes[0].text, "1 or more lists are missing!");
    EXPECT_TRUE(IsCritical(h.boxes[0]));
    EXPECT_EQ(form.ServingLists.items(), row.entries);  // what was found stays
    EXPECT_EQ(form.MailList.count(), 0);
    EXPECT_EQ(h.program.variables().ItemOffset, 0);
    EXPECT_EQ(h.program.variables().ServingListCount, 0);
    EXPECT_FALSE(h.Loaded("listdesignerstatusFrm"));
  }
}

TEST_P(OldListsTest, ADuplicateAndAGapTogetherPassTheCheck) {
  FileListMails({1, 1, 3});
  UseOldLists();
  EXPECT_EQ(h_.TakeBoxTexts(), std::vector<std::string>{"3 list(s) were found."});
  EXPECT_EQ(designer().ServingLists.items(), (std::vector<std::string>{"3-0", "1-1", "1-2"}));
  EXPECT_EQ(variables().ItemOffset, 3);
}

TEST_P(OldListsTest, NoListsAtAllEndWithAMessageInsteadOfWaiting) {
  const double started = h_.clock.Now();
  UseOldLists();
  EXPECT_LT(h_.clock.Now() - started, 30);
  ASSERT_EQ(h_.boxes.size(), 1u);
  EXPECT_EQ(h_.boxes[0].text, "1 or more lists are missing!");
  // Mailbox line 0 was never opened.
  EXPECT_FALSE(h_.client.IsContentWindowOpen("Title 0"));
  EXPECT_EQ(designer().MailList.count(), 0);
  EXPECT_EQ(variables().ServingListCount, 0);
}

TEST_P(OldListsTest, AListMailThatNeverOpensEndsWithTheDataAsItWas) {
  FileListMails({1, 2, 3});
  h_.client.SetFault(aolsim::Fault::kNoRead);
  UseOldLists();
  ASSERT_EQ(h_.boxes.size(), 1u);
  EXPECT_EQ(h_.boxes[0].text, "Serving list #1 did not open.");
  EXPECT_TRUE(IsCritical(h_.boxes[0]));
  EXPECT_EQ(designer().ServingLists.count(), 0);
  EXPECT_EQ(designer().MailList.count(), 0);
  EXPECT_EQ(variables().ServingListCount, 0);
  EXPECT_EQ(variables().ItemOffset, 0);
  EXPECT_FALSE(h_.Loaded("listdesignerstatusFrm"));
  EXPECT_TRUE(h_.Enabled(kDesigner));
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, OldListsTest,
                         ::testing::Values(aolsim::Layout::kVersion5, aolsim::Layout::kVersion4),
                         tollmere_testing::LayoutName);

}  // namespace
}  // namespace list_designer
