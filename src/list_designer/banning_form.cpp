#include "list_designer/banning_form.h"

#include <algorithm>
#include <string>

#include "aol_automation/automation.h"
#include "shared/ui/stay_on_top.h"

namespace list_designer {
namespace {

constexpr char kBannedLabel[] = "Banned:  ";
constexpr char kEnter = '\r';

// The combo's drop-down list as the automation fills it with the room's members.
class ComboNames : public vornik32::NameList {
 public:
  explicit ComboNames(ui::ComboBox& combo) : combo_(combo) {}
  int count() const override { return combo_.count(); }
  std::string item(int index) const override { return combo_.item(index); }
  void add(const std::string& name) override { combo_.add(name); }

 private:
  ui::ComboBox& combo_;
};

}  // namespace

BanningForm::BanningForm(winsys::WindowSystem& ws, ui::Registry& registry, ui::OwnerWindow& server,
                         shared::Variables& variables)
    : form(ws, registry, "banningFrm", "Banning", {3120, 4005}),
      Combo1(form, "Combo1", {120, 120, 2775, 315}),
      Frame1(form, "Frame1", "Banned:  0", {120, 540, 2775, 2895}),
      List1(Frame1, "List1", {120, 285, 2535, 2490}),
      server_(server),
      variables_(variables) {
  form.set_font_name("Arial");
  form.on_load = [this] { Form_Load(); };
  form.on_activate = [this] { Form_Activate(); };
  form.on_close = [this](ui::CloseAction& action) { Form_QueryUnload(action); };
  Combo1.on_key_press = [this](char& key) { Combo1_KeyPress(key); };
  List1.on_double_click = [this] { List1_DblClick(); };
}

BanningForm::~BanningForm() = default;

void BanningForm::Show() {
  form.Show();
}

bool BanningForm::IsBanned(std::string_view sender) const {
  const std::string lowered = vornik32::LowerCase(sender);
  return std::any_of(List1.items().begin(), List1.items().end(), [&](const std::string& entry) {
    return vornik32::LowerCase(entry) == lowered;
  });
}

void BanningForm::Form_Load() {
  ui::StayOnTop(form.ws(), form.hwnd());
}

// The room's members are offered afresh every time the window comes to the front.
void BanningForm::Form_Activate() {
  Combo1.clear();
  ComboNames names(Combo1);
  vornik32::AddRoomMembers(form.ws(), names, vornik32::IncludeSelf::kNo,
                           vornik32::UniqueOnly::kYes);
  server_.Disable();
}

void BanningForm::Form_QueryUnload(ui::CloseAction& action) {
  action = ui::CloseAction::kHide;
  server_.Enable();
  variables_.BanListUsed = true;
}

// Enter bans the name typed or picked; any other key edits the text as usual. Enter itself is
// swallowed, so the edit does not take it as a character.
void BanningForm::Combo1_KeyPress(char& key) {
  if (key != kEnter) return;
  key = 0;
  const std::string name = Combo1.text();
  // The check takes the blanks out of the text it is given. A name to check is short, so the
  // check runs without yielding: the ban is in the list before anything else can look at it.
  std::string checked = name;
  if (!vornik32::IsValidScreenName(checked, [] {})) return;
  const std::string lowered = vornik32::LowerCase(name);
  for (const std::string& entry : List1.items()) {
    if (vornik32::LowerCase(entry) == lowered) return;  // banned already; the text stays
  }
  List1.add(name);
  Combo1.set_text({});
  ShowBannedCount();
}

void BanningForm::List1_DblClick() {
  const int selected = List1.selected_index();
  if (selected >= 0) List1.remove_at(selected);
  ShowBannedCount();
}

void BanningForm::ShowBannedCount() {
  Frame1.set_caption(kBannedLabel + std::to_string(List1.count()));
}

}  // namespace list_designer
