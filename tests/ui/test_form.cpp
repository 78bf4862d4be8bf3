#include "ui/test_form.h"

#include <algorithm>

namespace ui::testing {

TestForm::TestForm(winsys::WindowSystem& ws, Registry& registry, std::string name)
    : form(ws, registry, std::move(name), "Test Server", {4725, 5070}) {
  form.set_font_name("Arial");
  form.on_load = [this] { events_.push_back("Form_Load"); };
  form.on_activate = [this] { events_.push_back("Form_Activate"); };
  form.on_unload = [this] { events_.push_back("Form_Unload"); };
  form.on_resize = [this] { events_.push_back("Form_Resize"); };
  form.on_close = [this](CloseAction& action) {
    events_.push_back("Form_QueryUnload");
    action = close_action;
  };
  Command1.on_click = [this] { events_.push_back("Command1_Click"); };
  Command2.on_click = [this] { events_.push_back("Command2_Click"); };
  Requests.on_click = [this] { events_.push_back("Requests_Click"); };
  Requests.on_double_click = [this] { events_.push_back("Requests_DblClick"); };
  Text1.on_change = [this] { events_.push_back("Text1_Change"); };
  Text1.on_key_press = [this](char& key) { text_keys.push_back(key); };
  Combo1.on_key_press = [this](char& key) {
    combo_keys.push_back(key);
    if (key == '\r') {
      events_.push_back("Combo1_Enter");
      if (swallow_enter) key = 0;
    }
  };
  Combo1.on_change = [this] { events_.push_back("Combo1_Change"); };
  Combo1.on_click = [this] { events_.push_back("Combo1_Click"); };
  ChatTimer.on_timer = [this] { events_.push_back("ChatTimer_Timer"); };
  RequestTimer.on_timer = [this] { events_.push_back("RequestTimer_Timer"); };
  findrequestlimit.on_click = [this] { events_.push_back("findrequestlimit_Click"); };
  acceptpackrequestsmenu.on_click = [this] { events_.push_back("acceptpackrequestsmenu_Click"); };
  handle.on_click = [this] { events_.push_back("handle_Click"); };
  onrequest.on_click = [this] { events_.push_back("onrequest_Click"); };
  everyminute.on_click = [this] { events_.push_back("everyminute_Click"); };
  listdesignermenu.on_click = [this] { events_.push_back("listdesignermenu_Click"); };
}

std::vector<std::string> TestForm::TakeEvents() {
  std::vector<std::string> taken;
  taken.swap(events_);
  return taken;
}

int TestForm::CountOf(const std::string& event) const {
  return static_cast<int>(std::count(events_.begin(), events_.end(), event));
}

}  // namespace ui::testing
