// The options menu as the user works it: popped up by the Options button, its settings edited
// through input boxes, the frequency check marks, Clear Commands, the side windows and the
// website entries.

#include <gmock/gmock.h>

#include "list_designer/list_designer_form.h"
#include "list_designer/messages_form.h"
#include "serving_engine/engine_fixture.h"
#include "shared/addresses.h"

namespace serving_loop::testing {
namespace {

using serving_engine::ServerForm;
using serving_engine::testing::Answer;
using serving_engine::testing::Engine;
using ::testing::ElementsAre;

class MenuFormTest : public ::testing::Test {
 protected:
  MenuFormTest() {
    engine_.SignedOnInRoom();
    engine_.FillMailData(20);
  }
  MenuForm& menu() { return engine_.menu(); }
  Engine engine_;
};

// The entries of a menu as the window system shows them: each caption ("-" for a separator),
// with " [x]" after a checked one and " (off)" after a grayed one.
std::vector<std::string> Shown(winsys::WindowSystem& ws, winsys::HMENU menu) {
  std::vector<std::string> shown;
  for (int i = 0; i < ws.GetMenuItemCount(menu); ++i) {
    const auto position = static_cast<winsys::UINT>(i);
    winsys::UINT state = ws.GetMenuState(menu, position, winsys::MF_BYPOSITION);
    // A submenu's item count stands in the high byte; only the low byte holds its flags.
    if ((state & winsys::MF_POPUP) != 0) state &= 0xFF;
    std::string text = (state & winsys::MF_SEPARATOR) != 0
                           ? "-"
                           : ws.GetMenuString(menu, position, 256, winsys::MF_BYPOSITION);
    if ((state & winsys::MF_CHECKED) != 0) text += " [x]";
    if ((state & winsys::MF_GRAYED) != 0) text += " (off)";
    shown.push_back(text);
  }
  return shown;
}

// The menu as the person who pops it up with the Options button meets it (and closes it again).
TEST_F(MenuFormTest, TheMenuStartsWithTheDesignedCaptionsAndMarks) {
  MenuForm& m = menu();
  engine_.Click(engine_.server().Command5);
  ASSERT_EQ(engine_.popups.size(), 1u);
  EXPECT_FALSE(m.form.is_visible());
  winsys::WindowSystem& ws = engine_.program_ws;
  const winsys::HMENU options = ws.GetSubMenu(ws.GetMenu(m.form.hwnd()), 0);
  const auto submenu = [&](int position) { return ws.GetSubMenu(options, position); };
  EXPECT_THAT(Shown(ws, options),
              ElementsAre("Settings", "Send Lists", "Advertise", "Requests", "-",
                          "List Designer...", "Messages...", "Check Client...", "-", "Websites"));
  EXPECT_THAT(Shown(ws, submenu(0)),
              ElementsAre("Pending Find Request Limit:  5", "Pending Item Request Limit:  100",
                          "Max Finds To Return:  300", "-", "Accept Pack Requests [x] (off)",
                          "Advertise Pending Number [x]", "-", "Serving Handle:  ada reed"));
  EXPECT_THAT(Shown(ws, submenu(1)),
              ElementsAre("On Request", "-", "Every Minute [x]", "Every 2 Minutes",
                          "Every 3 Minutes", "Every 4 Minutes", "Every 5 Minutes"));
  EXPECT_THAT(Shown(ws, submenu(2)),
              ElementsAre("Every Minute", "Every 2 Minutes [x]", "Every 3 Minutes",
                          "Every 4 Minutes", "Every 5 Minutes"));
  EXPECT_THAT(Shown(ws, submenu(3)),
              ElementsAre("Load Requests", "Save Requests", "-", "Clear Commands"));
  const winsys::HMENU websites = submenu(9);
  EXPECT_THAT(Shown(ws, websites), ElementsAre(shared::kAuthorAddress, shared::kProductAddress, "-",
                                               "Make Money Websites"));
  const std::vector<std::string> make_money = Shown(ws, ws.GetSubMenu(websites, 3));
  ASSERT_EQ(make_money.size(), 16u);
  EXPECT_EQ(make_money.front(), "AllAdvantage");
  EXPECT_EQ(make_money.back(), "Pay Bar");
  // The settings the program reads are the captions shown.
  EXPECT_EQ(m.FindRequestLimit(), 5);
  EXPECT_EQ(m.ItemRequestLimit(), 100);
  EXPECT_EQ(m.MaxFindsToReturn(), 300);
}

TEST_F(MenuFormTest, OptionsPopsTheMenuUpBelowTheButton) {
  engine_.Click(engine_.server().Command5);
  ASSERT_EQ(engine_.popups.size(), 1u);
  winsys::Rect form_rect;
  engine_.program_ws.GetWindowRect(engine_.server().form.hwnd(), form_rect);
  const winsys::Rect& popup = engine_.popups[0];
  // At the button's left edge, 30 twips above its bottom (75 + 285 - 30 = 330 twips), in the
  // window's client area.
  EXPECT_GE(popup.left - form_rect.left, 3645 / 15);
  EXPECT_LT(popup.left - form_rect.left, 3645 / 15 + 10);
  EXPECT_GE(popup.top - form_rect.top, 330 / 15);
  EXPECT_LT(popup.top - form_rect.top, 330 / 15 + 40);
  EXPECT_FALSE(engine_.desktop.TopModal().has_value());
}

// --- Numeric limits ------------------------------------------------------------------------------

struct LimitEdit {
  const char* name;
  ui::MenuEntry MenuForm::*entry;
  std::string typed;
  std::string caption_after;  // empty: unchanged
};

class LimitEditTest : public MenuFormTest, public ::testing::WithParamInterface<LimitEdit> {};

TEST_P(LimitEditTest, AcceptsALeadingNumberOtherThanZero) {
  const LimitEdit& edit = GetParam();
  ui::MenuEntry& entry = menu().*edit.entry;
  const std::string before = entry.caption();
  const std::string other = menu().requestlimitmenu.caption();
  engine_.ChooseMenu(entry, {Answer::Text(edit.typed)});
  EXPECT_EQ(entry.caption(), edit.caption_after.empty() ? before : edit.caption_after);
  if (&entry != &menu().requestlimitmenu) {
    EXPECT_EQ(menu().requestlimitmenu.caption(), other);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Edits, LimitEditTest,
    ::testing::Values(
        LimitEdit{"FindFifty", &MenuForm::findrequestlimit, "50", "Find Request Limit:  50"},
        LimitEdit{"FindThreeHundred", &MenuForm::findrequestlimit, "300",
                  "Find Request Limit:  300"},
        LimitEdit{"FindThreeHundredOne", &MenuForm::findrequestlimit, "301", ""},
        LimitEdit{"FindZero", &MenuForm::findrequestlimit, "0", ""},
        LimitEdit{"FindNoNumber", &MenuForm::findrequestlimit, "lots", ""},
        LimitEdit{"ItemNegative", &MenuForm::requestlimitmenu, "-5", "Pending Request Limit:  -5"},
        LimitEdit{"ItemTrailingLetters", &MenuForm::requestlimitmenu, "7abc",
                  "Pending Request Limit:  7abc"},
        LimitEdit{"ItemZero", &MenuForm::requestlimitmenu, "0", ""},
        LimitEdit{"ItemHuge", &MenuForm::requestlimitmenu, "100000",
                  "Pending Request Limit:  100000"},
        LimitEdit{"MaxFinds", &MenuForm::maxfindsmenu, "1000", "Max Finds To Return:  1000"},
        LimitEdit{"MaxFindsZero", &MenuForm::maxfindsmenu, "00", ""}),
    [](const ::testing::TestParamInfo<LimitEdit>& info) { return std::string(info.param.name); });

TEST_F(MenuFormTest, TheLimitBoxOffersTheCurrentValue) {
  engine_.ChooseMenu(menu().findrequestlimit, {Answer::Text("50")});
  engine_.ChooseMenu(menu().findrequestlimit, {Answer::Cancel()});
  ASSERT_EQ(engine_.inputs.size(), 2u);
  EXPECT_EQ(engine_.inputs[0].text, "Enter find request limit:");
  EXPECT_EQ(engine_.inputs[0].title, "Enter find request limit");
  EXPECT_EQ(engine_.inputs[0].default_text, "5");
  EXPECT_EQ(engine_.inputs[1].default_text, "50");
  EXPECT_EQ(menu().findrequestlimit.caption(), "Find Request Limit:  50");
  EXPECT_EQ(menu().FindRequestLimit(), 50);

  engine_.ChooseMenu(menu().requestlimitmenu, {Answer::Text("7abc")});
  EXPECT_EQ(menu().ItemRequestLimit(), 7);
  engine_.ChooseMenu(menu().maxfindsmenu, {Answer::Cancel()});
  EXPECT_EQ(engine_.inputs[3].text, "Enter max finds to return:");
  EXPECT_EQ(engine_.inputs[3].title, "Enter max finds");
  EXPECT_EQ(engine_.inputs[2].text, "Enter request limit:");
  EXPECT_EQ(engine_.inputs[2].title, "Enter request limit");
}

TEST_F(MenuFormTest, ANewItemLimitHoldsForTheNextRequest) {
  engine_.StartServing();
  engine_.HoldServingTicks();
  engine_.ChooseMenu(menu().requestlimitmenu, {Answer::Text("2")});
  engine_.Say("Joe", "/ada reed send 1-5");
  engine_.RunFor(5);
  EXPECT_THAT(engine_.Entries(engine_.server().Requests), ElementsAre("Joe - 1", "Joe - 2"));
}

// --- The handle ----------------------------------------------------------------------------------

TEST_F(MenuFormTest, TheHandleIsTrimmedAndLowerCased) {
  engine_.ChooseMenu(menu().handle, {Answer::Text("  BotName  ")});
  EXPECT_EQ(menu().handle.caption(), "Serving Handle:  botname");
  EXPECT_EQ(engine_.inputs.back().text, "Enter serving handle:");
  EXPECT_EQ(engine_.inputs.back().title, "Enter serving handle");
  EXPECT_EQ(engine_.inputs.back().default_text, "ada reed");

  engine_.ChooseMenu(menu().handle, {Answer::Text("    ")});
  engine_.ChooseMenu(menu().handle, {Answer::Cancel()});
  EXPECT_EQ(menu().handle.caption(), "Serving Handle:  botname");
  EXPECT_EQ(menu().ServingHandle(), "botname");
}

// --- Frequencies ---------------------------------------------------------------------------------

TEST_F(MenuFormTest, EachFrequencySubmenuHasOneCheckMark) {
  MenuForm& m = menu();
  const std::vector<ui::MenuEntry*> lists = {&m.onrequest,        &m.everyminute,
                                             &m.everytwominutes,  &m.everythreeminutes,
                                             &m.everyfourminutes, &m.everyfiveminutes};
  const std::vector<ui::MenuEntry*> adverts = {&m.adveverymin, &m.adveverytwomins,
                                               &m.adveverythreemins, &m.adveveryfourmins,
                                               &m.adveveryfivemins};
  for (const auto* group : {&lists, &adverts}) {
    for (ui::MenuEntry* chosen : *group) {
      engine_.ChooseMenu(*chosen);
      for (ui::MenuEntry* entry : *group) {
        EXPECT_EQ(entry->checked(), entry == chosen) << chosen->name() << " / " << entry->name();
      }
    }
  }
  // Choosing one submenu leaves the other alone.
  EXPECT_TRUE(m.everyfiveminutes.checked());
}

// --- Clear Commands ------------------------------------------------------------------------------

TEST_F(MenuFormTest, ClearCommandsEmptiesTheShownQueuesButNotTheStatusRequests) {
  engine_.TakeBoxTexts();
  ServerForm& server = engine_.server();
  server.Requests.Append("Joe - 1");
  server.Lists.Append("Joe");
  server.Finds.Append("Joe - car");
  server.Statuss.Append("Joe");

  engine_.ChooseMenu(menu().clearcommandsmenu);

  EXPECT_EQ(server.Requests.Count(), 0);
  EXPECT_EQ(server.Lists.Count(), 0);
  EXPECT_EQ(server.Finds.Count(), 0);
  EXPECT_THAT(engine_.Entries(server.Statuss), ElementsAre("Joe"));
  EXPECT_EQ(server.Frame1.caption(), "Item Requests:  0");
  EXPECT_EQ(server.Frame2.caption(), "Lists Requests:  0");
  EXPECT_EQ(server.Frame3.caption(), "Find Requests:  0");
  EXPECT_EQ(server.Requests.PendingFor("Joe"), 0);
  EXPECT_TRUE(engine_.boxes.empty());

  // The next change of the list queue writes its usual caption.
  server.Lists.Append("Mia");
  EXPECT_EQ(server.Frame2.caption(), "List Requests:  1");
}

// --- Side windows and websites -------------------------------------------------------------------

TEST_F(MenuFormTest, ListDesignerAndMessagesShowTheirWindows) {
  engine_.ChooseMenu(menu().listdesignermenu);
  EXPECT_TRUE(engine_.program.listdesignerFrm().form.is_visible());
  engine_.desktop.UserClose(engine_.program.listdesignerFrm().form.hwnd());
  engine_.ChooseMenu(menu().msgsMenu);
  EXPECT_TRUE(engine_.program.messagesFrm().form.is_visible());
}

TEST_F(MenuFormTest, WebsiteEntriesSendTheClientToTheirAddresses) {
  MenuForm& m = menu();
  const std::vector<ui::MenuEntry*> entries = m.makemoneyMenu.entries();
  engine_.ChooseMenu(m.vornikcommenu);
  engine_.ChooseMenu(m.tollmereorgmenu);
  for (ui::MenuEntry* entry : entries) engine_.ChooseMenu(*entry);
  engine_.RunFor(1);

  const std::vector<std::string> visited = engine_.client.VisitedAddresses();
  ASSERT_EQ(visited.size(), 18u);
  EXPECT_EQ(visited[0], shared::kAuthorAddress);
  EXPECT_EQ(visited[1], shared::kProductAddress);
  for (const std::string& address : visited) {
    EXPECT_NE(address.find(".example."), std::string::npos) << address;
  }
  EXPECT_EQ(std::set<std::string>(visited.begin(), visited.end()).size(), 18u);
}

}  // namespace
}  // namespace serving_loop::testing
