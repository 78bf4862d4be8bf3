// The form's menu: the platform menu tree built from the entries, captions and check marks kept
// in step with it, and a submenu popped up and chosen from as a person does.

#include <gmock/gmock.h>

#include "shared/ui/registry.h"
#include "ui/ui_fixture.h"

namespace ui::testing {
namespace {

using ::testing::ElementsAre;
using namespace winsys;

class MenuTest : public UiFixture {
 protected:
  MenuTest() { test_->form.Load(); }
  HMENU Bar() { return ws_.GetMenu(test_->form.hwnd()); }
  HMENU Options() { return ws_.GetSubMenu(Bar(), 0); }
  HMENU SettingsMenu() { return ws_.GetSubMenu(Options(), 0); }
  std::string TextAt(HMENU menu, int position) {
    return ws_.GetMenuString(menu, static_cast<UINT>(position), 256, MF_BYPOSITION);
  }
  UINT StateAt(HMENU menu, int position) {
    return ws_.GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
  }
  // Pops up the options menu as the program's Options button does, and has a person choose
  // from it once it is open.
  MenuEntry* PopupAndChoose(UINT command) {
    const sim::ModalAnswerer chooser(desktop_, [this, command](const sim::ModalInfo& popup) {
      choice_result_ = desktop_.UserChooseMenuCommand(popup.window, command);
    });
    return test_->optionsMenu.Popup(test_->form, 3645, 330);
  }
  sim::InputResult choice_result_ = sim::InputResult::kNoWindow;
};

TEST_F(MenuTest, TheMenuTreeIsBuiltInOrderWithSeparatorsAndStates) {
  ASSERT_NE(Bar(), 0u);
  EXPECT_EQ(ws_.GetMenuItemCount(Bar()), 1);
  EXPECT_EQ(TextAt(Bar(), 0), "options");
  ASSERT_NE(Options(), 0u);
  EXPECT_EQ(ws_.GetMenuItemCount(Options()), 3);
  EXPECT_EQ(TextAt(Options(), 0), "Settings");
  EXPECT_EQ(TextAt(Options(), 1), "Send Lists");
  EXPECT_EQ(TextAt(Options(), 2), "List Designer...");
  EXPECT_EQ(ws_.GetMenuItemID(Options(), 0), static_cast<UINT>(-1));
  EXPECT_EQ(ws_.GetMenuItemID(Options(), 2), test_->listdesignermenu.command_id());

  const HMENU settings = SettingsMenu();
  ASSERT_EQ(ws_.GetMenuItemCount(settings), 4);
  EXPECT_EQ(TextAt(settings, 0), "Pending Find Request Limit:  5");
  EXPECT_TRUE(StateAt(settings, 1) & MF_SEPARATOR);
  EXPECT_TRUE(StateAt(settings, 2) & MF_CHECKED);
  EXPECT_TRUE(StateAt(settings, 2) & MF_GRAYED);
  EXPECT_FALSE(StateAt(settings, 3) & (MF_CHECKED | MF_GRAYED));
  EXPECT_EQ(ws_.GetMenuItemID(settings, 3), test_->handle.command_id());
}

TEST_F(MenuTest, CaptionsAndCheckMarksFollowTheEntries) {
  const HMENU settings = SettingsMenu();
  test_->handle.set_caption("Serving Handle:  botname");
  test_->findrequestlimit.set_caption("Find Request Limit:  50");
  test_->acceptpackrequestsmenu.Uncheck();
  test_->handle.Check();

  EXPECT_EQ(TextAt(settings, 3), "Serving Handle:  botname");
  EXPECT_EQ(ws_.GetMenuString(Bar(), test_->handle.command_id(), 256, MF_BYCOMMAND),
            "Serving Handle:  botname");
  EXPECT_EQ(TextAt(settings, 0), "Find Request Limit:  50");
  EXPECT_FALSE(StateAt(settings, 2) & MF_CHECKED);
  EXPECT_TRUE(StateAt(settings, 2) & MF_GRAYED);  // a caption change keeps the other states
  EXPECT_TRUE(StateAt(settings, 3) & MF_CHECKED);
  EXPECT_EQ(test_->handle.caption(), "Serving Handle:  botname");

  test_->handle.set_caption("Serving Handle:  other");
  EXPECT_TRUE(StateAt(settings, 3) & MF_CHECKED);
}

TEST_F(MenuTest, ASubmenuCaptionChangeKeepsItsSubmenu) {
  test_->Settings.set_caption("More Settings");
  EXPECT_EQ(TextAt(Options(), 0), "More Settings");
  EXPECT_EQ(ws_.GetSubMenu(Options(), 0), test_->Settings.submenu());
  EXPECT_EQ(ws_.GetMenuItemCount(SettingsMenu()), 4);
}

TEST_F(MenuTest, EveryEntryKnowsItsPlace) {
  struct Row {
    MenuEntry* entry;
    std::vector<int> path;
  };
  const Row rows[] = {
      {&test_->optionsMenu, {0}},
      {&test_->Settings, {0, 0}},
      {&test_->findrequestlimit, {0, 0, 0}},
      {&test_->handle, {0, 0, 3}},
      {&test_->everyminute, {0, 1, 1}},
      {&test_->listdesignermenu, {0, 2}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.entry->name());
    EXPECT_EQ(row.entry->path(), row.path);
    const HMENU holder = row.entry->containing_menu();
    ASSERT_NE(holder, 0u);
    EXPECT_EQ(TextAt(holder, row.entry->position()), row.entry->caption());
  }
  EXPECT_EQ(test_->handle.containing_menu(), SettingsMenu());
  EXPECT_EQ(test_->Settings.command_id(), 0u);
  EXPECT_EQ(test_->separator1.command_id(), 0u);
}

TEST_F(MenuTest, AnEntryChosenFromThePopupFiresItsClickBeforePopupReturns) {
  test_->form.Show();
  test_->TakeEvents();
  MenuEntry* chosen = PopupAndChoose(test_->handle.command_id());
  EXPECT_EQ(choice_result_, sim::InputResult::kDelivered);
  EXPECT_EQ(chosen, &test_->handle);
  EXPECT_THAT(test_->TakeEvents(), ElementsAre("handle_Click"));
  EXPECT_FALSE(desktop_.TopModal().has_value());
}

// The place given is in the form's client coordinates, below its caption and menu bar and inside
// its frame: the popup opens that far from the top-left corner of a control placed at 0, 0 of
// the client area would be.
TEST_F(MenuTest, ThePopupOpensAtItsPlaceInTheFormsClientArea) {
  Rect button;
  ASSERT_TRUE(ws_.GetWindowRect(test_->Command1.hwnd(), button));
  const Rect placed = test_->Command1.position().ToPixels();
  const Point client{button.left - placed.left, button.top - placed.top};
  Rect window;
  ASSERT_TRUE(ws_.GetWindowRect(test_->form.hwnd(), window));
  ASSERT_NE(client, (Point{window.left, window.top})) << "the form has no frame to reckon with";
  Rect popup;
  {
    const sim::ModalAnswerer chooser(desktop_, [&](const sim::ModalInfo& shown) {
      ws_.GetWindowRect(shown.window, popup);
      desktop_.UserChooseMenuCommand(shown.window, test_->listdesignermenu.command_id());
    });
    test_->optionsMenu.Popup(test_->form, 3645, 330);
  }
  EXPECT_EQ(popup.left, client.x + 3645 / 15);
  EXPECT_EQ(popup.top, client.y + 330 / 15);
}

TEST_F(MenuTest, ACancelledPopupChoosesNothing) {
  test_->form.Show();
  test_->TakeEvents();
  {
    const sim::ModalAnswerer escape(desktop_, [this](const sim::ModalInfo& popup) {
      ws_.PostMessage(popup.window, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(test_->optionsMenu.Popup(test_->form, 0, 0), nullptr);
  }
  EXPECT_TRUE(test_->TakeEvents().empty());
}

TEST_F(MenuTest, APopupChosenWithTheKeysReachesTheEntry) {
  test_->form.Show();
  test_->TakeEvents();
  // Down to "Send Lists", Right into it, Down to "Every Minute", Enter: one key each time the
  // loop is idle, to whichever popup is in front.
  std::vector<WPARAM> keys = {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN};
  std::size_t next = 0;
  const int hook = desktop_.AddIdleHook([&] {
    const auto top = desktop_.TopModal();
    if (!top || top->kind != sim::ModalKind::kPopupMenu || next == keys.size()) return;
    ws_.PostMessage(top->window, WM_KEYDOWN, keys[next++], 0);
  });
  EXPECT_EQ(test_->optionsMenu.Popup(test_->form, 0, 0), &test_->everyminute);
  desktop_.RemoveIdleHook(hook);
  EXPECT_THAT(test_->TakeEvents(), ElementsAre("everyminute_Click"));
}

TEST_F(MenuTest, APopupLoadsTheFormThatHoldsTheMenu) {
  TestForm holder(ws_, registry_, "menuFrm");
  test_->form.Show();
  holder.onrequest.on_click = [&] { holder.onrequest.Check(); };
  {
    const sim::ModalAnswerer chooser(desktop_, [&](const sim::ModalInfo& popup) {
      desktop_.UserChooseMenuCommand(popup.window, holder.onrequest.command_id());
    });
    EXPECT_EQ(holder.optionsMenu.Popup(test_->form, 3645, 330), &holder.onrequest);
  }
  EXPECT_TRUE(holder.form.is_loaded());
  EXPECT_FALSE(holder.form.is_visible());
  EXPECT_TRUE(holder.onrequest.checked());
}

TEST_F(MenuTest, ADisabledEntryDoesNotFire) {
  ws_.SendMessage(test_->form.hwnd(), WM_COMMAND,
                  MakeWParam(test_->acceptpackrequestsmenu.command_id(), 0), 0);
  ws_.SendMessage(test_->form.hwnd(), WM_COMMAND, MakeWParam(test_->handle.command_id(), 0), 0);
  EXPECT_THAT(test_->TakeEvents(), ElementsAre("Form_Load", "handle_Click"));
}

TEST_F(MenuTest, EntriesAreFoundByName) {
  EXPECT_EQ(test_->menu.Find("handle"), &test_->handle);
  EXPECT_EQ(test_->menu.Find("HANDLE"), &test_->handle);
  EXPECT_EQ(test_->menu.Find("nothing"), nullptr);
  EXPECT_EQ(test_->menu.Find(""), nullptr);
  EXPECT_EQ(test_->menu.FindCommand(test_->everyminute.command_id()), &test_->everyminute);
}

}  // namespace
}  // namespace ui::testing
