// The server window as its user meets it: what loading shows and says, the Start checks and
// what Start does to the client, the Stop, Pause, Resume and Finish flags, the queues'
// double-click, the fixed size, closing the program, and the watchdog that clears the client's
// dialogs.

#include <gmock/gmock.h>

#include "list_designer/banning_form.h"
#include "serving_engine/chat_lines.h"
#include "serving_engine/engine_fixture.h"
#include "shared/addresses.h"

namespace serving_engine::testing {
namespace {

using ::testing::ElementsAre;

const std::string kBulletBlank = std::string(1, kBullet) + " ";

bool AnyTimerEnabled(ServerForm& server) {
  return server.ChatTimer.enabled() || server.RequestTimer.enabled() ||
         server.WindowTimer.enabled() || server.AdvTimer.enabled() || server.ListTimer.enabled();
}

class ServerFormTest : public ::testing::Test {
 protected:
  Engine engine_;
};

TEST_F(ServerFormTest, LoadGreetsTheRoomTakesTheHandleAndShowsTheReminder) {
  engine_.SignedOnInRoom();
  ServerForm& server = engine_.server();

  EXPECT_THAT(engine_.ProgramLines(),
              ElementsAre(kBulletBlank + "tollmere server for aol 4 & 5",
                          kBulletBlank + "< a href=\"http://vornik.example.com\">click here</a>"
                                         " to download now!"));
  EXPECT_EQ(engine_.menu().handle.caption(), "Serving Handle:  ada reed");
  ASSERT_EQ(engine_.boxes.size(), 1u);
  EXPECT_EQ(engine_.boxes[0].text,
            "Remember to visit http://vornik.example.com and http://tollmere.example.org!");
  EXPECT_EQ(engine_.boxes[0].title, shared::kProgramTitle);
  EXPECT_EQ(engine_.boxes[0].type & winsys::MB_ICONMASK, winsys::MB_ICONINFORMATION);

  EXPECT_TRUE(server.form.is_visible());
  EXPECT_TRUE(engine_.program_ws.IsTopmost(server.form.hwnd()));
  EXPECT_EQ(engine_.program_ws.GetWindowText(server.form.hwnd()),
            "tollmere server for aol 4/5 by vornik");
  EXPECT_EQ(server.form.font_name(), "Arial");
  EXPECT_EQ(server.Frame1.caption(), "Item Requests:  0");
  EXPECT_EQ(server.Frame2.caption(), "List Requests:  0");
  EXPECT_EQ(server.Frame3.caption(), "Find Requests:  0");
  EXPECT_EQ(server.StatusBar1.text(), "0 Mails, 0 People Served");
  EXPECT_FALSE(server.PeopleServed.visible());
  EXPECT_FALSE(server.Statuss.list().visible());
  EXPECT_EQ(engine_.program_ws.GetFocus(), server.Requests.list().hwnd());
  EXPECT_FALSE(AnyTimerEnabled(server));
}

TEST_F(ServerFormTest, LoadWithoutSigningOnKeepsThePlaceholderHandle) {
  engine_.program.Start();
  EXPECT_EQ(engine_.menu().handle.caption(), "Serving Handle:  [Screenname]");
}

TEST_F(ServerFormTest, LoadClearsTheBanAndMessagesFlags) {
  engine_.program.variables().BanListUsed = true;
  engine_.program.variables().CustomMessages = true;
  engine_.SignedOnInRoom();
  EXPECT_FALSE(engine_.program.variables().BanListUsed);
  EXPECT_FALSE(engine_.program.variables().CustomMessages);
}

// What a person sees of the window: each control's place on the screen, in pixels from the
// top-left corner of the window's client area (where the toolbar starts), as the window system
// has it; the queues stand inside their frames.
TEST_F(ServerFormTest, ControlsStandWhereTheDesignPutsThem) {
  engine_.SignedOnInRoom();
  ServerForm& server = engine_.server();
  winsys::WindowSystem& ws = engine_.program_ws;
  const auto screen_place = [&](winsys::HWND window) {
    winsys::Rect place{};
    EXPECT_TRUE(ws.GetWindowRect(window, place));
    return place;
  };
  const winsys::Rect client = screen_place(server.Toolbar1.hwnd());
  struct Row {
    const ui::Control& control;
    winsys::Rect place;  // in the client area
  };
  const Row rows[] = {
      {server.Toolbar1, {0, 0, 307, 28}},    {server.Command1, {3, 5, 63, 24}},
      {server.Command2, {63, 5, 123, 24}},   {server.Command3, {123, 5, 183, 24}},
      {server.Command4, {183, 5, 243, 24}},  {server.Command5, {243, 5, 303, 24}},
      {server.Frame1, {3, 33, 150, 288}},    {server.Requests.list(), {10, 52, 143, 281}},
      {server.Frame2, {157, 33, 304, 153}},  {server.Lists.list(), {164, 52, 297, 146}},
      {server.Frame3, {157, 168, 304, 288}}, {server.Finds.list(), {164, 187, 297, 281}},
  };
  for (const Row& row : rows) {
    const winsys::Rect place = screen_place(row.control.hwnd());
    EXPECT_EQ(place.left - client.left, row.place.left) << row.control.name();
    EXPECT_EQ(place.top - client.top, row.place.top) << row.control.name();
    EXPECT_EQ(place.width(), row.place.width()) << row.control.name();
    EXPECT_EQ(place.height(), row.place.height()) << row.control.name();
  }
  const winsys::Rect window = screen_place(server.form.hwnd());
  EXPECT_EQ(window.width(), 4725 / 15);
  EXPECT_EQ(window.height(), 5070 / 15);
  const struct {
    const ui::Timer& timer;
    winsys::UINT interval;
  } timers[] = {{server.ChatTimer, 5000},
                {server.RequestTimer, 100},
                {server.WindowTimer, 100},
                {server.AdvTimer, 60000},
                {server.ListTimer, 60000}};
  for (const auto& row : timers) EXPECT_EQ(row.timer.interval(), row.interval) << row.timer.name();
}

// --- Start's checks ------------------------------------------------------------------------------

struct Refusal {
  const char* name;
  bool signed_on;
  bool mail_list;
  bool room;
  const char* text;
};

class StartRefusalTest : public ::testing::TestWithParam<Refusal> {
 protected:
  Engine engine_;
};

TEST_P(StartRefusalTest, RefusesWithACriticalBoxAndChangesNothing) {
  const Refusal& refusal = GetParam();
  engine_.SignedOnInRoom();
  if (refusal.mail_list) engine_.FillMailData(20);
  if (!refusal.room) engine_.client.CloseRoom();
  if (!refusal.signed_on) engine_.client.SignOff();
  engine_.menu().handle.set_caption("Serving Handle:  [Screenname]");
  const std::size_t lines_before = engine_.client.UserLines().size();
  engine_.TakeBoxTexts();

  ServerForm& server = engine_.server();
  engine_.Click(server.Command1);
  engine_.RunFor(1);

  ASSERT_EQ(engine_.boxes.size(), 1u);
  EXPECT_EQ(engine_.boxes[0].text, refusal.text);
  EXPECT_EQ(engine_.boxes[0].title, shared::kProgramTitle);
  EXPECT_EQ(engine_.boxes[0].type & winsys::MB_ICONMASK, winsys::MB_ICONERROR);
  EXPECT_EQ(server.Command1.caption(), "Start");
  EXPECT_TRUE(server.Command1.enabled());
  EXPECT_FALSE(AnyTimerEnabled(server));
  EXPECT_FALSE(engine_.program.variables().ListsDue);
  EXPECT_EQ(engine_.menu().handle.caption(), "Serving Handle:  [Screenname]");
  EXPECT_EQ(engine_.client.UserLines().size(), lines_before);
  EXPECT_TRUE(engine_.client.InstantMessagesOn());
  EXPECT_FALSE(engine_.client.IsContentWindowOpen("Incoming/Saved Mail"));
}

INSTANTIATE_TEST_SUITE_P(
    Checks, StartRefusalTest,
    ::testing::Values(Refusal{"NotSignedOn", false, true, true, "Not signed on!"},
                      Refusal{"NoMailList", true, false, true, "No mail list found!"},
                      // The mail list is checked before the room.
                      Refusal{"NoMailListNorRoom", true, false, false, "No mail list found!"},
                      Refusal{"NoRoom", true, true, false, "Chatroom not found!"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

// --- Start ---------------------------------------------------------------------------------------

class StartTest : public ::testing::TestWithParam<aolsim::Layout> {
 protected:
  StartTest() : engine_(GetParam()) {
    engine_.SignedOnInRoom();
    engine_.FillMailData(250);
  }
  Engine engine_;
};

TEST_P(StartTest, OpensAndHidesTheMailboxArmsTheTimersAndPostsTheAdvert) {
  engine_.Say("Joe", "/ada reed send 3");  // said before Start: never a request
  engine_.program.variables().StopRequested = true;
  engine_.program.variables().PauseRequested = true;
  engine_.program.variables().FinishRequested = true;
  ServerForm& server = engine_.server();
  const std::size_t lines_before = engine_.client.UserLines().size();

  engine_.StartServing();

  EXPECT_TRUE(engine_.TakeBoxTexts().empty());
  EXPECT_EQ(server.Command1.caption(), "Stop");
  EXPECT_TRUE(server.Command1.enabled());
  EXPECT_TRUE(server.ChatTimer.enabled());
  EXPECT_TRUE(server.RequestTimer.enabled());
  EXPECT_TRUE(server.WindowTimer.enabled());
  EXPECT_TRUE(server.AdvTimer.enabled());
  EXPECT_TRUE(server.ListTimer.enabled());
  const shared::Variables& variables = engine_.program.variables();
  EXPECT_TRUE(variables.ListsDue);
  EXPECT_FALSE(variables.StopRequested);
  EXPECT_FALSE(variables.PauseRequested);
  EXPECT_FALSE(variables.FinishRequested);
  EXPECT_FALSE(variables.TimeStarted.empty());
  EXPECT_TRUE(variables.TimeStarted.ends_with(" PM")) << variables.TimeStarted;

  EXPECT_TRUE(engine_.client.IsContentWindowOpen("Incoming/Saved Mail"));
  const winsys::HWND mailbox = vornik32::ContentWindow(engine_.program_ws, "Incoming/Saved Mail");
  EXPECT_FALSE(engine_.program_ws.IsWindowVisible(mailbox));
  EXPECT_FALSE(engine_.client.InstantMessagesOn());

  const std::vector<std::string> lines = engine_.ProgramLines();
  ASSERT_EQ(lines.size(), lines_before + 4);
  EXPECT_THAT(
      std::vector<std::string>(lines.begin() + static_cast<long>(lines_before), lines.end()),
      ElementsAre(kBulletBlank + "tollmere serving 250 mail(s)/1 list(s)",
                  kBulletBlank + "\"/ada reed send list\" - list",
                  kBulletBlank + "\"/ada reed send x, x-x, x\" - request",
                  kBulletBlank + "\"/ada reed find x, x, x\" - search"));

  engine_.RunFor(6);
  EXPECT_EQ(server.Requests.Count(), 0);
}

TEST_P(StartTest, DoesNotOpenAnOpenMailboxAgain) {
  vornik32::OpenMailboxForClient(engine_.program_ws, tollmere_testing::ShortWaitBounds());
  const winsys::HWND mailbox = vornik32::ContentWindow(engine_.program_ws, "Incoming/Saved Mail");
  ASSERT_NE(mailbox, winsys::kNoWindow);

  engine_.StartServing();

  EXPECT_EQ(vornik32::ContentWindow(engine_.program_ws, "Incoming/Saved Mail"), mailbox);
  EXPECT_FALSE(engine_.program_ws.IsWindowVisible(mailbox));
  EXPECT_EQ(engine_.server().Command1.caption(), "Stop");
}

TEST_P(StartTest, ReplacesOnlyThePlaceholderHandle) {
  engine_.menu().handle.set_caption("Serving Handle:  [Screenname]");
  engine_.StartServing();
  EXPECT_EQ(engine_.menu().handle.caption(), "Serving Handle:  ada reed");

  Engine other(GetParam());
  other.SignedOnInRoom();
  other.FillMailData(5);
  other.menu().SetServingHandle("JoeBot");
  other.StartServing();
  EXPECT_EQ(other.menu().handle.caption(), "Serving Handle:  joebot");
  EXPECT_EQ(other.ProgramLines().back(), kBulletBlank + "\"/joebot find x, x, x\" - search");
}

TEST_P(StartTest, AMailboxThatNeverOpensEndsTheStartWithAMessage) {
  engine_.client.SetFault(aolsim::Fault::kNoMailbox);
  engine_.TakeBoxTexts();
  ServerForm& server = engine_.server();
  const std::size_t lines_before = engine_.client.UserLines().size();

  engine_.Click(server.Command1);
  engine_.RunFor(1);

  EXPECT_THAT(engine_.TakeBoxTexts(), ElementsAre("The mailbox did not open!"));
  EXPECT_EQ(server.Command1.caption(), "Start");
  EXPECT_TRUE(server.Command1.enabled());
  EXPECT_FALSE(AnyTimerEnabled(server));
  EXPECT_FALSE(engine_.program.variables().ListsDue);
  EXPECT_TRUE(engine_.client.InstantMessagesOn());
  EXPECT_EQ(engine_.client.UserLines().size(), lines_before);

  // Once the client is well again, Start works.
  engine_.client.SetFault(aolsim::Fault::kNone);
  engine_.StartServing();
  EXPECT_EQ(server.Command1.caption(), "Stop");
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, StartTest,
                         ::testing::Values(aolsim::Layout::kVersion5, aolsim::Layout::kVersion4),
                         [](const ::testing::TestParamInfo<aolsim::Layout>& info) {
                           return info.param == aolsim::Layout::kVersion5 ? "Version5" : "Version4";
                         });

// --- Stop, Pause, Resume, Finish -----------------------------------------------------------------

class ServingTest : public ::testing::Test {
 protected:
  ServingTest() {
    engine_.SignedOnInRoom();
    engine_.FillMailData(40);
  }
  Engine engine_;
};

TEST_F(ServingTest, PauseAndFinishDoNothingBeforeStart) {
  ServerForm& server = engine_.server();
  engine_.Click(server.Command2);
  engine_.Click(server.Command3);
  EXPECT_EQ(server.Command2.caption(), "Pause");
  EXPECT_TRUE(server.Command2.enabled());
  EXPECT_FALSE(engine_.program.variables().PauseRequested);
  EXPECT_FALSE(engine_.program.variables().FinishRequested);
}

TEST_F(ServingTest, StopOnlyRaisesTheFlag) {
  engine_.StartServing();
  ServerForm& server = engine_.server();
  engine_.Click(server.Command1);
  EXPECT_TRUE(engine_.program.variables().StopRequested);
  EXPECT_EQ(server.Command1.caption(), "Start");
  EXPECT_FALSE(server.Command1.enabled());
  // The serving tick carries the stop out; until then the timers run on.
  EXPECT_TRUE(server.ChatTimer.enabled());
}

TEST_F(ServingTest, PauseRaisesTheFlagAndResumeRestartsTheStoppedTimers) {
  engine_.StartServing();
  ServerForm& server = engine_.server();
  engine_.Click(server.Command2);
  EXPECT_TRUE(engine_.program.variables().PauseRequested);
  EXPECT_EQ(server.Command2.caption(), "Resume");
  EXPECT_FALSE(server.Command2.enabled());

  // The serving tick carries the pause out: the serving timers stop, the button takes input.
  engine_.RunFor(1);
  ASSERT_TRUE(server.Command2.enabled());
  EXPECT_FALSE(server.RequestTimer.enabled());
  EXPECT_FALSE(server.WindowTimer.enabled());
  EXPECT_FALSE(server.ListTimer.enabled());
  EXPECT_TRUE(server.ChatTimer.enabled());
  EXPECT_TRUE(server.AdvTimer.enabled());

  engine_.Click(server.Command2);
  EXPECT_EQ(engine_.ProgramLines().back(), kBulletBlank + "tollmere server unpaused");
  EXPECT_EQ(server.Command2.caption(), "Pause");
  EXPECT_TRUE(server.RequestTimer.enabled());
  EXPECT_TRUE(server.WindowTimer.enabled());
  EXPECT_TRUE(server.ListTimer.enabled());
}

TEST_F(ServingTest, FinishRaisesTheFlagWhileServing) {
  engine_.StartServing();
  engine_.Click(engine_.server().Command3);
  EXPECT_TRUE(engine_.program.variables().FinishRequested);
  EXPECT_EQ(engine_.server().Command1.caption(), "Stop");
}

TEST_F(ServingTest, BanningShowsTheBanningWindow) {
  engine_.Click(engine_.server().Command4);
  EXPECT_TRUE(engine_.program.banningFrm().form.is_visible());
}

// --- The queues' double-click --------------------------------------------------------------------

TEST_F(ServingTest, DoubleClickRemovesTheEntryAndShowsTheNewCount) {
  ServerForm& server = engine_.server();
  server.Requests.Append("Joe - 1");
  server.Requests.Append("Mia - 2");
  server.Lists.Append("Joe");
  server.Finds.Append("Joe - red car");
  server.Finds.Append("Mia - blue");

  engine_.DoubleClickItem(server.Requests, 0);
  engine_.DoubleClickItem(server.Lists, 0);
  engine_.DoubleClickItem(server.Finds, 1);

  EXPECT_THAT(engine_.Entries(server.Requests), ElementsAre("Mia - 2"));
  EXPECT_EQ(server.Frame1.caption(), "Item Requests:  1");
  EXPECT_TRUE(engine_.Entries(server.Lists).empty());
  EXPECT_EQ(server.Frame2.caption(), "List Requests:  0");
  EXPECT_THAT(engine_.Entries(server.Finds), ElementsAre("Joe - red car"));
  EXPECT_EQ(server.Frame3.caption(), "Find Requests:  1");
  EXPECT_EQ(server.Requests.PendingFor("Joe"), 0);
}

TEST_F(ServingTest, DoubleClickWithNothingSelectedRemovesNothing) {
  ServerForm& server = engine_.server();
  server.Requests.Append("Joe - 1");
  server.Requests.list_for_events().set_selected_index(-1);
  engine_.desktop.UserDoubleClick(server.Requests.list().hwnd());
  server.Requests_DblClick();
  EXPECT_EQ(server.Requests.Count(), 1);
  EXPECT_EQ(server.Frame1.caption(), "Item Requests:  1");
}

// --- Served counters -----------------------------------------------------------------------------

TEST_F(ServingTest, AddToServedKeepsEachNameOnceWithLetterCaseCounting) {
  ServerForm& server = engine_.server();
  for (const char* name : {"Joe", "Mia", "Joe", "joe"}) server.AddToServed(name);
  EXPECT_THAT(server.PeopleServed.items(), ElementsAre("Joe", "Mia", "joe"));
  server.ShowServedCounts(12);
  EXPECT_EQ(server.StatusBar1.text(), "12 Mails, 3 People Served");
  EXPECT_EQ(server.MailsServed(), 12);
}

TEST_F(ServingTest, ValidNumbersAreTheMailListsPositions) {
  ServerForm& server = engine_.server();
  EXPECT_FALSE(server.IsValidNumber(-1));
  EXPECT_TRUE(server.IsValidNumber(0));
  EXPECT_TRUE(server.IsValidNumber(39));
  EXPECT_FALSE(server.IsValidNumber(40));
  engine_.program.listdesignerFrm().MailList.clear();
  EXPECT_FALSE(server.IsValidNumber(0));
}

// --- Size and closing ----------------------------------------------------------------------------

TEST_F(ServingTest, TheWindowKeepsItsSize) {
  ServerForm& server = engine_.server();
  winsys::Rect rect;
  ASSERT_TRUE(engine_.program_ws.GetWindowRect(server.form.hwnd(), rect));
  engine_.program_ws.MoveWindow(server.form.hwnd(),
                                {rect.left, rect.top, rect.left + 600, rect.top + 100});
  ASSERT_TRUE(engine_.program_ws.GetWindowRect(server.form.hwnd(), rect));
  EXPECT_EQ(rect.right - rect.left, 4725 / 15);
  EXPECT_EQ(rect.bottom - rect.top, 5070 / 15);
}

TEST_F(ServingTest, ClosingTheWindowEndsTheProgramAndUnloadsEveryWindow) {
  engine_.StartServing();
  // The Banning window, closed, is only hidden: it stays loaded until the program ends.
  engine_.Click(engine_.server().Command4);
  engine_.desktop.UserClose(engine_.program.banningFrm().form.hwnd());
  ASSERT_TRUE(engine_.program.banningFrm().form.is_loaded());
  engine_.program.menuFrm().form.Load();

  ASSERT_EQ(engine_.desktop.UserClose(engine_.server().form.hwnd()),
            winsys::sim::InputResult::kDelivered);

  EXPECT_TRUE(engine_.program.ended());
  for (ui::Form* form : engine_.registry.forms()) EXPECT_FALSE(form->is_loaded()) << form->name();
}

// --- The dialog watchdog -------------------------------------------------------------------------

class WatchdogTest : public ::testing::TestWithParam<aolsim::PopupKind> {
 protected:
  WatchdogTest() {
    engine_.SignedOnInRoom();
    engine_.FillMailData(10);
  }
  Engine engine_;
};

TEST_P(WatchdogTest, ClearsTheDialogWhileServing) {
  engine_.client.Popup(GetParam());
  engine_.RunFor(1);
  EXPECT_EQ(engine_.client.OpenPopupCount(), 1) << "nothing clears it before Start";

  engine_.StartServing();
  engine_.RunFor(2);
  EXPECT_EQ(engine_.client.OpenPopupCount(), 0);
  engine_.client.Popup(GetParam());
  engine_.client.Popup(GetParam());
  engine_.RunFor(2);
  EXPECT_EQ(engine_.client.OpenPopupCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, WatchdogTest,
                         ::testing::Values(aolsim::PopupKind::kStatus, aolsim::PopupKind::kError,
                                           aolsim::PopupKind::kModal, aolsim::PopupKind::kNotice),
                         [](const ::testing::TestParamInfo<aolsim::PopupKind>& info) {
                           return std::string(aolsim::ToString(info.param));
                         });

}  // namespace
}  // namespace serving_engine::testing
