#pragma once
// The Banning window: the screen names whose chat requests the server ignores. Members of the
// room are offered in `Combo1`; Enter bans what it holds, a double-click in `List1` lifts a ban.
// Bans are in force once the window has been closed the first time (`BanListUsed`).

#include <string_view>

#include "serving_engine/ban_list.h"
#include "shared/ui/combo_box.h"
#include "shared/ui/form.h"
#include "shared/ui/frame.h"
#include "shared/ui/list_box.h"
#include "shared/ui/owner_window.h"
#include "shared/variables.h"

namespace list_designer {

class BanningForm : public serving_engine::BanList {
 public:
  // server: the window disabled while this one is at the front.
  BanningForm(winsys::WindowSystem& ws, ui::Registry& registry, ui::OwnerWindow& server,
              shared::Variables& variables);
  ~BanningForm() override;
  BanningForm(const BanningForm&) = delete;
  BanningForm& operator=(const BanningForm&) = delete;

  // Makes the window visible (loading it the first time), as the server's Banning button does.
  void Show();

  // Whether an entry of the ban list equals the sender, both lower-cased, whole texts (blanks
  // count). The list is only in force while `BanListUsed` is true; the caller checks the flag.
  bool IsBanned(std::string_view sender) const override;

  ui::Form form;
  ui::ComboBox Combo1;
  ui::Frame Frame1;
  ui::ListBox List1;

  void Form_Load();
  void Form_Activate();
  void Form_QueryUnload(ui::CloseAction& action);
  void Combo1_KeyPress(char& key);
  void List1_DblClick();

 private:
  void ShowBannedCount();

  ui::OwnerWindow& server_;
  shared::Variables& variables_;
};

}  // namespace list_designer
