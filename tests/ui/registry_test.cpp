// The registry as the scenario runner uses it: finding forms and everything on them by design
// name, and reading what a person would check.

#include "shared/ui/registry.h"

#include <gmock/gmock.h>

#include "ui/ui_fixture.h"

namespace ui::testing {
namespace {

using namespace winsys;

class RegistryTest : public UiFixture {};

TEST_F(RegistryTest, FindsFormsLoadedOrNot) {
  EXPECT_EQ(registry_.FindForm("testFrm"), &test_->form);
  EXPECT_EQ(registry_.FindForm("TESTFRM"), &test_->form);
  EXPECT_EQ(registry_.FindForm("menuFrm"), nullptr);
  EXPECT_EQ(registry_.Find("testFrm", "testFrm"), &test_->form);
  EXPECT_EQ(registry_.Find("testFrm", "testFrm")->kind(), Kind::kForm);
  EXPECT_EQ(registry_.Find("testFrm", "testFrm")->caption(), "Test Server");
  EXPECT_FALSE(test_->form.visible());
}

// Each element found is the window a person or the client meets, of its standard class; timers
// and menu entries have no window of their own.
TEST_F(RegistryTest, FindsEveryElementWithItsKind) {
  test_->form.Load();
  struct Row {
    const char* name;
    Kind kind;
    const char* window_class;  // nullptr: no window
  };
  const Row rows[] = {
      {"Command1", Kind::kButton, "Button"},
      {"Requests", Kind::kListBox, "ListBox"},
      {"Combo1", Kind::kComboBox, "ComboBox"},
      {"Text1", Kind::kTextBox, "Edit"},
      {"Label1", Kind::kLabel, "Static"},
      {"Frame1", Kind::kFrame, "Button"},
      {"StatusBar1", Kind::kStatusBar, "msctls_statusbar32"},
      {"ProgressBar1", Kind::kProgressBar, "msctls_progress32"},
      {"Toolbar1", Kind::kToolbar, "ToolbarWindow32"},
      {"ChatTimer", Kind::kTimer, nullptr},
      {"handle", Kind::kMenuEntry, nullptr},
      {"optionsMenu", Kind::kMenuEntry, nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Element* element = registry_.Find("testFrm", row.name);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->name(), row.name);
    EXPECT_EQ(element->kind(), row.kind);
    if (row.window_class == nullptr) {
      EXPECT_EQ(element->hwnd(), kNoWindow);
    } else {
      EXPECT_EQ(ws_.GetClassName(element->hwnd()), row.window_class);
    }
    EXPECT_EQ(&element->form(), &test_->form);
  }
  EXPECT_EQ(registry_.Find("testFrm", "command1"), &test_->Command1);
  EXPECT_EQ(registry_.Find("testFrm", "Command9"), nullptr);
  EXPECT_EQ(registry_.Find("otherFrm", "Command1"), nullptr);
  EXPECT_EQ(registry_.FindAs<ListBox>("testFrm", "Requests"), &test_->Requests);
  EXPECT_EQ(registry_.FindAs<ListBox>("testFrm", "Command1"), nullptr);
}

TEST_F(RegistryTest, AnswersWhatAPersonWouldCheck) {
  test_->form.Show();
  test_->Requests.add("Joe - 12");
  test_->Requests.add("Ann - 3");
  test_->Combo1.add("Joe");
  test_->StatusBar1.set_text("1 Mails, 1 People Served");
  test_->Command2.Disable();
  test_->ProgressBar1.set_value(25);

  auto find = [this](const char* name) { return registry_.Find("testFrm", name); };
  EXPECT_EQ(find("StatusBar1")->caption(), "1 Mails, 1 People Served");
  EXPECT_EQ(find("Command1")->caption(), "Start");
  EXPECT_EQ(find("Frame1")->caption(), "Item Requests:  0");
  EXPECT_EQ(find("Text2")->caption(), "Message here.\r\n");
  EXPECT_EQ(find("ProgressBar1")->caption(), "25");
  EXPECT_EQ(find("RequestTimer")->caption(), "100");
  EXPECT_EQ(find("Requests")->count(), 2);
  EXPECT_EQ(find("Requests")->item(1), "Ann - 3");
  EXPECT_EQ(find("Combo1")->count(), 1);
  EXPECT_EQ(find("Combo1")->item(0), "Joe");
  EXPECT_FALSE(find("Command2")->enabled());
  EXPECT_TRUE(find("Command1")->enabled());
  EXPECT_TRUE(find("Command1")->visible());
  EXPECT_FALSE(find("PeopleServed")->visible());
  EXPECT_TRUE(find("everyminute")->checked());
  EXPECT_FALSE(find("onrequest")->checked());
  EXPECT_FALSE(find("acceptpackrequestsmenu")->enabled());
  EXPECT_FALSE(find("ChatTimer")->enabled());
  EXPECT_EQ(find("Command1")->hwnd(), test_->Command1.hwnd());
  EXPECT_EQ(find("handle")->hwnd(), kNoWindow);

  test_->form.Hide();
  EXPECT_FALSE(find("Command1")->visible());
}

TEST_F(RegistryTest, TypedTextIsReadFromTheWindow) {
  test_->form.Show();
  desktop_.UserType(test_->Text1.hwnd(), "delivered");
  desktop_.UserType(test_->Combo1.hwnd(), "Joe");
  EXPECT_EQ(registry_.Find("testFrm", "Text1")->caption(), "delivered");
  EXPECT_EQ(registry_.Find("testFrm", "Combo1")->caption(), "Joe");
}

TEST_F(RegistryTest, MenuEntriesAreFoundWithoutTheirForm) {
  TestForm holder(ws_, registry_, "menuFrm");
  holder.handle.set_caption("Serving Handle:  bot");
  // The first form holding an entry of that name answers: the test form came first.
  EXPECT_EQ(registry_.FindMenuEntry("handle"), &test_->handle);
  EXPECT_EQ(registry_.Find("menuFrm", "handle")->caption(), "Serving Handle:  bot");
  EXPECT_EQ(registry_.FindMenuEntry("nothing"), nullptr);
}

TEST_F(RegistryTest, AMenuEntryTellsWhereARunnerFindsItInAnOpenPopup) {
  test_->form.Load();
  auto* entry = registry_.FindAs<MenuEntry>("testFrm", "everyminute");
  ASSERT_NE(entry, nullptr);
  EXPECT_NE(entry->command_id(), 0u);
  EXPECT_EQ(entry->path(), (std::vector<int>{0, 1, 1}));
  EXPECT_EQ(entry->parent(), &test_->SendLists);
  EXPECT_EQ(entry->parent()->parent(), &test_->optionsMenu);
  EXPECT_EQ(ws_.GetMenuItemID(entry->containing_menu(), entry->position()), entry->command_id());
}

TEST_F(RegistryTest, WindowsLeadBackToTheirElements) {
  test_->form.Load();
  EXPECT_EQ(registry_.ElementOf(test_->form.hwnd()), &test_->form);
  EXPECT_EQ(registry_.ElementOf(test_->Requests.hwnd()), &test_->Requests);
  EXPECT_EQ(registry_.ElementOf(kNoWindow), nullptr);
  EXPECT_EQ(registry_.ElementOf(test_->Combo1.edit_hwnd()), nullptr);
}

TEST_F(RegistryTest, ElementsAreListedInDeclarationOrder) {
  const std::vector<Element*> elements = test_->form.elements();
  ASSERT_GE(elements.size(), 3u);
  EXPECT_EQ(elements[0], &test_->Toolbar1);
  EXPECT_EQ(elements[1], &test_->Command1);
  EXPECT_EQ(elements.back(), &test_->listdesignermenu);
}

TEST_F(RegistryTest, NamesAreUniqueOnAFormAndAmongForms) {
  EXPECT_THROW(Button(test_->form, "command1", "Again", {0, 0, 10, 10}), std::invalid_argument);
  EXPECT_THROW(MenuEntry(test_->menu, "Requests", "Clash"), std::invalid_argument);
  EXPECT_THROW(TestForm(ws_, registry_, "TestFrm"), std::invalid_argument);
  // A separator needs no name, and many may go without one.
  EXPECT_NO_THROW(MenuEntry(test_->Settings, "", kSeparatorCaption));
  // What failed to join left nothing behind.
  EXPECT_EQ(registry_.forms().size(), 1u);
  EXPECT_EQ(test_->form.Find("command1"), &test_->Command1);
}

}  // namespace
}  // namespace ui::testing
