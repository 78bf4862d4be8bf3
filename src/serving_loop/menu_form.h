#pragma once
// `menuFrm`: the window that holds the options menu and is never shown. The server window's
// Options button pops the menu up. The settings are the captions of its entries (a label, ":  "
// and the value) and the check marks of the frequency submenus; every reader takes the value
// from the caption at the moment it needs it, so an edit takes effect at once.

#include <cstdint>
#include <string>
#include <string_view>

#include "serving_engine/settings.h"
#include "shared/ui/form.h"
#include "shared/ui/menu.h"
#include "shared/ui/menu_entry.h"

namespace list_designer {
class ListDesignerForm;
class MessagesForm;
}  // namespace list_designer

namespace serving_engine {
class ServerForm;
}

namespace serving_loop {

class ClientCheckForm;
class RequestsFile;

inline constexpr char kHandleLabel[] = "Serving Handle:  ";
// The handle's value until it is set from the signed-on screen name.
inline constexpr char kHandlePlaceholder[] = "[Screenname]";

class MenuForm : public serving_engine::Settings {
 public:
  // Clear Commands empties the server window's queues, whose window owns the input boxes; the
  // Requests entries save and load through requests_file; three entries show the other windows.
  MenuForm(winsys::WindowSystem& ws, ui::Registry& registry, serving_engine::ServerForm& server,
           RequestsFile& requests_file, list_designer::ListDesignerForm& list_designer,
           list_designer::MessagesForm& messages, ClientCheckForm& client_check);
  ~MenuForm() override;
  MenuForm(const MenuForm&) = delete;
  MenuForm& operator=(const MenuForm&) = delete;

  ui::Form form;
  ui::Menu menu;
  ui::MenuEntry optionsMenu;

  ui::MenuEntry settingsMenu;
  ui::MenuEntry findrequestlimit;
  ui::MenuEntry requestlimitmenu;
  ui::MenuEntry maxfindsmenu;
  ui::MenuEntry settingsSeparator1;
  ui::MenuEntry acceptpackrequestsmenu;
  ui::MenuEntry advertisependingnumbermenu;
  ui::MenuEntry settingsSeparator2;
  ui::MenuEntry handle;

  ui::MenuEntry sendlistsMenu;
  ui::MenuEntry onrequest;
  ui::MenuEntry sendlistsSeparator;
  ui::MenuEntry everyminute;
  ui::MenuEntry everytwominutes;
  ui::MenuEntry everythreeminutes;
  ui::MenuEntry everyfourminutes;
  ui::MenuEntry everyfiveminutes;

  ui::MenuEntry advertiseMenu;
  ui::MenuEntry adveverymin;
  ui::MenuEntry adveverytwomins;
  ui::MenuEntry adveverythreemins;
  ui::MenuEntry adveveryfourmins;
  ui::MenuEntry adveveryfivemins;

  ui::MenuEntry requestsMenu;
  ui::MenuEntry loadreqmenu;
  ui::MenuEntry savereqmenu;
  ui::MenuEntry requestsSeparator;
  ui::MenuEntry clearcommandsmenu;

  ui::MenuEntry optionsSeparator1;
  ui::MenuEntry listdesignermenu;
  ui::MenuEntry msgsMenu;
  ui::MenuEntry checkclientmenu;
  ui::MenuEntry optionsSeparator2;

  ui::MenuEntry websitesMenu;
  ui::MenuEntry vornikcommenu;
  ui::MenuEntry tollmereorgmenu;
  ui::MenuEntry websitesSeparator;
  ui::MenuEntry makemoneyMenu;
  ui::MenuEntry alladvmenu;
  ui::MenuEntry gotoworldmenu;
  ui::MenuEntry epipomenu;
  ui::MenuEntry sharkhuntmenu;
  ui::MenuEntry utopiadmenu;
  ui::MenuEntry sufintocashmenu;
  ui::MenuEntry desktophorizmenu;
  ui::MenuEntry dotadmenu;
  ui::MenuEntry desktopdollarsmenu;
  ui::MenuEntry allcommunitymenu;
  ui::MenuEntry spediamenu;
  ui::MenuEntry valuepaymenu;
  ui::MenuEntry sendmoreinfomenu;
  ui::MenuEntry urgetmenu;
  ui::MenuEntry epilotmenu;
  ui::MenuEntry paybarmenu;

  // --- The settings, read from the captions ----------------------------------------------------
  std::string ServingHandle() const override;
  bool HandleIsPlaceholder() const override;
  // Sets the handle's caption to "Serving Handle:  " and the lower-cased name.
  void SetServingHandle(std::string_view name) override;
  // The limits' leading numbers (see LeadingNumber).
  std::int64_t FindRequestLimit() const override;
  std::int64_t ItemRequestLimit() const override;
  std::int64_t MaxFindsToReturn() const override;
  bool AdvertisePendingNumber() const override { return advertisependingnumbermenu.checked(); }
  bool ListsOnRequest() const override { return onrequest.checked(); }
  MinuteChecks AdvertiseEvery() const override;
  MinuteChecks SendListsEvery() const override;

  // --- Click handlers ----------------------------------------------------------------------------
  void findrequestlimit_Click();
  void requestlimitmenu_Click();
  void maxfindsmenu_Click();
  void handle_Click();
  void onrequest_Click();
  void everyminute_Click();
  void everytwominutes_Click();
  void everythreeminutes_Click();
  void everyfourminutes_Click();
  void everyfiveminutes_Click();
  void adveverymin_Click();
  void adveverytwomins_Click();
  void adveverythreemins_Click();
  void adveveryfourmins_Click();
  void adveveryfivemins_Click();
  void loadreqmenu_Click();
  void savereqmenu_Click();
  void clearcommandsmenu_Click();
  void listdesignermenu_Click();
  void msgsMenu_Click();
  void checkclientmenu_Click();

 private:
  // What one of the three numeric edits asks and writes.
  struct LimitEdit {
    std::string_view prompt;
    std::string_view title;
    std::string_view new_label;
    std::int64_t below;  // accepted values are less than this (0: no bound)
  };
  void EditLimit(ui::MenuEntry& entry, const LimitEdit& edit);
  // The window the input boxes belong to: the server window.
  winsys::HWND DialogOwner();
  void CheckSendLists(ui::MenuEntry& chosen);
  void CheckAdvertise(ui::MenuEntry& chosen);
  void WireHandlers();

  winsys::WindowSystem& ws_;
  serving_engine::ServerForm& server_;
  RequestsFile& requests_file_;
  list_designer::ListDesignerForm& list_designer_;
  list_designer::MessagesForm& messages_;
  ClientCheckForm& client_check_;
};

}  // namespace serving_loop
