// Instant messages through the people menu: the two pseudo names that switch delivery off and
// on, a conversation window for a message sent, a refusal notice for one refused.

#include "aolsim/client_fixture.h"

namespace aolsim::testing {
namespace {

class InstantMessageTest : public ClientFixture {
 protected:
  // Sends through the Send Instant Message window; answers the window that answered: the
  // conversation window or the refusal notice.
  HWND SendMessage(const std::string& recipient, const std::string& text) {
    program_.RunToolbarMenu(10, 6);
    HWND window = 0;
    EXPECT_TRUE(program_.RunUntil([&] {
      window = program_.Content("Send Instant Message");
      return program_.Child(window, "_AOL_Icon", 9) != 0;
    }));
    program_.SetText(program_.Child(window, "_AOL_Edit"), recipient);
    program_.SetText(program_.Child(window, "RICHCNTL"), text);
    program_.PostClick(program_.Child(window, "_AOL_Icon", 9));
    const std::string caption = "  Instant Message To: " + recipient;
    HWND answer = 0;
    EXPECT_TRUE(program_.RunUntil([&] {
      answer = program_.Content(caption.c_str());
      if (answer == 0) answer = program_.TopLevel("#32770", "America Online");
      return answer != 0;
    }));
    return answer;
  }
};
AOLSIM_BOTH_LAYOUTS(InstantMessageTest);

TEST_P(InstantMessageTest, PseudoNamesSwitchDeliveryOffAndOn) {
  EXPECT_TRUE(client_.InstantMessagesOn());
  const HWND off = SendMessage("$im_off", " ");
  EXPECT_EQ(program_.ws().GetClassName(off), "AOL Child");
  EXPECT_FALSE(client_.InstantMessagesOn());
  EXPECT_EQ(program_.Content("Send Instant Message"), 0u);
  program_.ws().PostMessage(off, winsys::WM_CLOSE, 0, 0);

  SendMessage("$im_on", " ");
  EXPECT_TRUE(client_.InstantMessagesOn());
  ASSERT_EQ(client_.InstantMessages().size(), 2u);
  EXPECT_EQ(client_.InstantMessages()[1].recipient, "$im_on");
  EXPECT_EQ(client_.InstantMessages()[1].outcome, InstantMessageOutcome::kSent);
}

TEST_P(InstantMessageTest, RefusedMessagesBringANoticeWhoseButtonDismissesIt) {
  struct Case {
    const char* what;
    const char* recipient;
    bool refuse_all;
  };
  const Case cases[] = {
      {"invalid recipient", "x", false},
      {"im-refused", "Bo Peep", true},
      {"im-refused, pseudo name too", "$im_off", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    client_.SetFault(c.refuse_all ? Fault::kImRefused : Fault::kNone);
    const HWND notice = SendMessage(c.recipient, "hi");
    EXPECT_EQ(program_.ws().GetClassName(notice), "#32770");
    program_.PostClick(program_.Child(notice, "Button"));
    program_.RunFor(0.1);
    EXPECT_FALSE(program_.ws().IsWindow(notice));
    EXPECT_NE(program_.Content("Send Instant Message"), 0u);
    program_.ws().PostMessage(program_.Content("Send Instant Message"), winsys::WM_CLOSE, 0, 0);
    program_.RunFor(0.1);
    EXPECT_EQ(client_.InstantMessages().back().outcome, InstantMessageOutcome::kRefused);
  }
  EXPECT_TRUE(client_.InstantMessagesOn());
}

}  // namespace
}  // namespace aolsim::testing
