#include "serving_loop/menu_form.h"

#include "aol_automation/text_case.h"
#include "aol_automation/toolbar_menu.h"
#include "list_designer/list_designer_form.h"
#include "list_designer/messages_form.h"
#include "serving_engine/server_form.h"
#include "serving_engine/setting_caption.h"
#include "serving_loop/client_check_form.h"
#include "serving_loop/requests_file.h"
#include "shared/addresses.h"
#include "shared/ui/input_box.h"

namespace serving_loop {

using serving_engine::LeadingNumber;
using serving_engine::SettingValue;
using ui::MenuCheck;
using ui::MenuState;

namespace {

// The window is never shown; its size only matters to the form designer.
constexpr ui::TwipsSize kMenuFormSize{3000, 1500};

// A find limit must stay below this.
constexpr std::int64_t kFindLimitBound = 301;

// Where the "Make Money Websites" entries lead. The sites are fictional, on a reserved example
// domain, each with the author's referral mark.
constexpr const char* kAllAdvantageAddress = "http://alladvantage.example.com/join?ref=vornik";
constexpr const char* kGoToWorldAddress = "http://gotoworld.example.com/?ref=vornik";
constexpr const char* kEpipoAddress = "http://epipo.example.com/signup?ref=vornik";
constexpr const char* kSharkHuntAddress = "http://sharkhunt.example.com/signup?ref=vornik";
constexpr const char* kUtopiadAddress = "http://utopiad.example.com/?ref=vornik";
constexpr const char* kSurfing2CashAddress = "http://surfing2cash.example.com/?ref=vornik";
constexpr const char* kDesktopHorizonAddress = "http://desktophorizon.example.com/?ref=vornik";
constexpr const char* kDotAdAddress = "http://dotad.example.com/?ref=vornik";
constexpr const char* kDesktopDollarsAddress = "http://desktopdollars.example.com/?ref=vornik";
constexpr const char* kAllCommunityAddress = "http://allcommunity.example.com/members/vornik";
constexpr const char* kSpediaAddress = "http://spedia.example.com/?ref=vornik";
constexpr const char* kValuePayAddress = "http://valuepay.example.com/?ref=vornik";
constexpr const char* kSendMoreInfoAddress = "http://sendmoreinfo.example.com/?ref=vornik";
constexpr const char* kUrge2netAddress = "http://urge2net.example.com/signup?ref=vornik";
constexpr const char* kEpilotAddress = "http://epilot.example.com/?ref=vornik";
constexpr const char* kPayBarAddress = "http://paybar.example.com/?ref=vornik";

}  // namespace

MenuForm::MenuForm(winsys::WindowSystem& ws, ui::Registry& registry,
                   serving_engine::ServerForm& server, RequestsFile& requests_file,
                   list_designer::ListDesignerForm& list_designer,
                   list_designer::MessagesForm& messages, ClientCheckForm& client_check)
    : form(ws, registry, "menuFrm", "menuFrm", kMenuFormSize),
      menu(form),
      optionsMenu(menu, "optionsMenu", "options"),
      settingsMenu(optionsMenu, "settingsMenu", "Settings"),
      findrequestlimit(settingsMenu, "findrequestlimit", "Pending Find Request Limit:  5"),
      requestlimitmenu(settingsMenu, "requestlimitmenu", "Pending Item Request Limit:  100"),
      maxfindsmenu(settingsMenu, "maxfindsmenu", "Max Finds To Return:  300"),
      settingsSeparator1(settingsMenu, "", ui::kSeparatorCaption),
      acceptpackrequestsmenu(settingsMenu, "acceptpackrequestsmenu", "Accept Pack Requests",
                             MenuCheck::kChecked, MenuState::kDisabled),
      advertisependingnumbermenu(settingsMenu, "advertisependingnumbermenu",
                                 "Advertise Pending Number", MenuCheck::kChecked),
      settingsSeparator2(settingsMenu, "", ui::kSeparatorCaption),
      handle(settingsMenu, "handle", std::string(kHandleLabel) + kHandlePlaceholder),
      sendlistsMenu(optionsMenu, "sendlistsMenu", "Send Lists"),
      onrequest(sendlistsMenu, "onrequest", "On Request"),
      sendlistsSeparator(sendlistsMenu, "", ui::kSeparatorCaption),
      everyminute(sendlistsMenu, "everyminute", "Every Minute", MenuCheck::kChecked),
      everytwominutes(sendlistsMenu, "everytwominutes", "Every 2 Minutes"),
      everythreeminutes(sendlistsMenu, "everythreeminutes", "Every 3 Minutes"),
      everyfourminutes(sendlistsMenu, "everyfourminutes", "Every 4 Minutes"),
      everyfiveminutes(sendlistsMenu, "everyfiveminutes", "Every 5 Minutes"),
      advertiseMenu(optionsMenu, "advertiseMenu", "Advertise"),
      adveverymin(advertiseMenu, "adveverymin", "Every Minute"),
      adveverytwomins(advertiseMenu, "adveverytwomins", "Every 2 Minutes", MenuCheck::kChecked),
      adveverythreemins(advertiseMenu, "adveverythreemins", "Every 3 Minutes"),
      adveveryfourmins(advertiseMenu, "adveveryfourmins", "Every 4 Minutes"),
      adveveryfivemins(advertiseMenu, "adveveryfivemins", "Every 5 Minutes"),
      requestsMenu(optionsMenu, "requestsMenu", "Requests"),
      loadreqmenu(requestsMenu, "loadreqmenu", "Load Requests"),
      savereqmenu(requestsMenu, "savereqmenu", "Save Requests"),
      requestsSeparator(requestsMenu, "", ui::kSeparatorCaption),
      clearcommandsmenu(requestsMenu, "clearcommandsmenu", "Clear Commands"),
      optionsSeparator1(optionsMenu, "", ui::kSeparatorCaption),
      listdesignermenu(optionsMenu, "listdesignermenu", "List Designer..."),
      msgsMenu(optionsMenu, "msgsMenu", "Messages..."),
      checkclientmenu(optionsMenu, "checkclientmenu", "Check Client..."),
      optionsSeparator2(optionsMenu, "", ui::kSeparatorCaption),
      websitesMenu(optionsMenu, "websitesMenu", "Websites"),
      vornikcommenu(websitesMenu, "vornikcommenu", shared::kAuthorAddress),
      tollmereorgmenu(websitesMenu, "tollmereorgmenu", shared::kProductAddress),
      websitesSeparator(websitesMenu, "", ui::kSeparatorCaption),
      makemoneyMenu(websitesMenu, "makemoneyMenu", "Make Money Websites"),
      alladvmenu(makemoneyMenu, "alladvmenu", "AllAdvantage"),
      gotoworldmenu(makemoneyMenu, "gotoworldmenu", "GoTo World"),
      epipomenu(makemoneyMenu, "epipomenu", "ePIPO"),
      sharkhuntmenu(makemoneyMenu, "sharkhuntmenu", "Shark Hunt"),
      utopiadmenu(makemoneyMenu, "utopiadmenu", "UtopiAD"),
      sufintocashmenu(makemoneyMenu, "sufintocashmenu", "Surfing2Cash"),
      desktophorizmenu(makemoneyMenu, "desktophorizmenu", "Desktop Horizon"),
      dotadmenu(makemoneyMenu, "dotadmenu", "DotAD"),
      desktopdollarsmenu(makemoneyMenu, "desktopdollarsmenu", "Desktop Dollars"),
      allcommunitymenu(makemoneyMenu, "allcommunitymenu", "AllCommunity"),
      spediamenu(makemoneyMenu, "spediamenu", "Spedia"),
      valuepaymenu(makemoneyMenu, "valuepaymenu", "ValuePay"),
      sendmoreinfomenu(makemoneyMenu, "sendmoreinfomenu", "SendMoreInfo"),
      urgetmenu(makemoneyMenu, "urgetmenu", "Urge2net"),
      epilotmenu(makemoneyMenu, "epilotmenu", "ePilot"),
      paybarmenu(makemoneyMenu, "paybarmenu", "Pay Bar"),
      ws_(ws),
      server_(server),
      requests_file_(requests_file),
      list_designer_(list_designer),
      messages_(messages),
      client_check_(client_check) {
  WireHandlers();
}

MenuForm::~MenuForm() = default;

void MenuForm::WireHandlers() {
  const struct {
    ui::MenuEntry& entry;
    void (MenuForm::*click)();
  } handlers[] = {
      {findrequestlimit, &MenuForm::findrequestlimit_Click},
      {requestlimitmenu, &MenuForm::requestlimitmenu_Click},
      {maxfindsmenu, &MenuForm::maxfindsmenu_Click},
      {handle, &MenuForm::handle_Click},
      {onrequest, &MenuForm::onrequest_Click},
      {everyminute, &MenuForm::everyminute_Click},
      {everytwominutes, &MenuForm::everytwominutes_Click},
      {everythreeminutes, &MenuForm::everythreeminutes_Click},
      {everyfourminutes, &MenuForm::everyfourminutes_Click},
      {everyfiveminutes, &MenuForm::everyfiveminutes_Click},
      {adveverymin, &MenuForm::adveverymin_Click},
      {adveverytwomins, &MenuForm::adveverytwomins_Click},
      {adveverythreemins, &MenuForm::adveverythreemins_Click},
      {adveveryfourmins, &MenuForm::adveveryfourmins_Click},
      {adveveryfivemins, &MenuForm::adveveryfivemins_Click},
      {loadreqmenu, &MenuForm::loadreqmenu_Click},
      {savereqmenu, &MenuForm::savereqmenu_Click},
      {clearcommandsmenu, &MenuForm::clearcommandsmenu_Click},
      {listdesignermenu, &MenuForm::listdesignermenu_Click},
      {msgsMenu, &MenuForm::msgsMenu_Click},
      {checkclientmenu, &MenuForm::checkclientmenu_Click},
  };
  for (const auto& handler : handlers) {
    handler.entry.on_click = [this, click = handler.click] { (this->*click)(); };
  }

  const struct {
    ui::MenuEntry& entry;
    const char* address;
  } websites[] = {
      {vornikcommenu, shared::kAuthorAddress},
      {tollmereorgmenu, shared::kProductAddress},
      {alladvmenu, kAllAdvantageAddress},
      {gotoworldmenu, kGoToWorldAddress},
      {epipomenu, kEpipoAddress},
      {sharkhuntmenu, kSharkHuntAddress},
      {utopiadmenu, kUtopiadAddress},
      {sufintocashmenu, kSurfing2CashAddress},
      {desktophorizmenu, kDesktopHorizonAddress},
      {dotadmenu, kDotAdAddress},
      {desktopdollarsmenu, kDesktopDollarsAddress},
      {allcommunitymenu, kAllCommunityAddress},
      {spediamenu, kSpediaAddress},
      {valuepaymenu, kValuePayAddress},
      {sendmoreinfomenu, kSendMoreInfoAddress},
      {urgetmenu, kUrge2netAddress},
      {epilotmenu, kEpilotAddress},
      {paybarmenu, kPayBarAddress},
  };
  for (const auto& website : websites) {
    website.entry.on_click = [this, address = website.address] {
      vornik32::GoToAddress(ws_, address);
    };
  }
}

// --- The settings --------------------------------------------------------------------------------

std::string MenuForm::ServingHandle() const {
  return SettingValue(handle.caption());
}

bool MenuForm::HandleIsPlaceholder() const {
  return handle.caption() == std::string(kHandleLabel) + kHandlePlaceholder;
}

void MenuForm::SetServingHandle(std::string_view name) {
  handle.set_caption(kHandleLabel + vornik32::LowerCase(name));
}

std::int64_t MenuForm::FindRequestLimit() const {
  return LeadingNumber(SettingValue(findrequestlimit.caption()));
}

std::int64_t MenuForm::ItemRequestLimit() const {
  return LeadingNumber(SettingValue(requestlimitmenu.caption()));
}

std::int64_t MenuForm::MaxFindsToReturn() const {
  return LeadingNumber(SettingValue(maxfindsmenu.caption()));
}

serving_engine::Settings::MinuteChecks MenuForm::AdvertiseEvery() const {
  return {adveverymin.checked(), adveverytwomins.checked(), adveverythreemins.checked(),
          adveveryfourmins.checked(), adveveryfivemins.checked()};
}

serving_engine::Settings::MinuteChecks MenuForm::SendListsEvery() const {
  return {everyminute.checked(), everytwominutes.checked(), everythreeminutes.checked(),
          everyfourminutes.checked(), everyfiveminutes.checked()};
}

// --- Editing the settings ------------------------------------------------------------------------

void MenuForm::findrequestlimit_Click() {
  EditLimit(findrequestlimit, {"Enter find request limit:", "Enter find request limit",
                               "Find Request Limit:  ", kFindLimitBound});
}

void MenuForm::requestlimitmenu_Click() {
  EditLimit(requestlimitmenu,
            {"Enter request limit:", "Enter request limit", "Pending Request Limit:  ", 0});
}

void MenuForm::maxfindsmenu_Click() {
  EditLimit(maxfindsmenu,
            {"Enter max finds to return:", "Enter max finds", "Max Finds To Return:  ", 0});
}

// A value is accepted when its leading number is not 0 (and below the entry's bound, if it has
// one), and then stored as typed: readers take its leading number again. Anything else, Cancel
// included, leaves the entry as it was.
void MenuForm::EditLimit(ui::MenuEntry& entry, const LimitEdit& edit) {
  const std::string typed =
      ui::InputBox(ws_, DialogOwner(), edit.prompt, edit.title, SettingValue(entry.caption()));
  const std::int64_t value = LeadingNumber(typed);
  if (value == 0) return;
  if (edit.below != 0 && value >= edit.below) return;
  entry.set_caption(std::string(edit.new_label) + typed);
}

void MenuForm::handle_Click() {
  const std::string typed = ui::InputBox(
      ws_, DialogOwner(), "Enter serving handle:", "Enter serving handle", ServingHandle());
  const auto first = typed.find_first_not_of(' ');
  if (first == std::string::npos) return;
  const auto last = typed.find_last_not_of(' ');
  SetServingHandle(std::string_view(typed).substr(first, last - first + 1));
}

winsys::HWND MenuForm::DialogOwner() {
  return server_.form.hwnd();
}

// --- The frequency submenus ----------------------------------------------------------------------

void MenuForm::onrequest_Click() {
  CheckSendLists(onrequest);
}
void MenuForm::everyminute_Click() {
  CheckSendLists(everyminute);
}
void MenuForm::everytwominutes_Click() {
  CheckSendLists(everytwominutes);
}
void MenuForm::everythreeminutes_Click() {
  CheckSendLists(everythreeminutes);
}
void MenuForm::everyfourminutes_Click() {
  CheckSendLists(everyfourminutes);
}
void MenuForm::everyfiveminutes_Click() {
  CheckSendLists(everyfiveminutes);
}
void MenuForm::adveverymin_Click() {
  CheckAdvertise(adveverymin);
}
void MenuForm::adveverytwomins_Click() {
  CheckAdvertise(adveverytwomins);
}
void MenuForm::adveverythreemins_Click() {
  CheckAdvertise(adveverythreemins);
}
void MenuForm::adveveryfourmins_Click() {
  CheckAdvertise(adveveryfourmins);
}
void MenuForm::adveveryfivemins_Click() {
  CheckAdvertise(adveveryfivemins);
}

namespace {

void CheckOnly(ui::MenuEntry& chosen, std::initializer_list<ui::MenuEntry*> entries) {
  for (ui::MenuEntry* entry : entries) {
    if (entry == &chosen) {
      entry->Check();
    } else {
      entry->Uncheck();
    }
  }
}

}  // namespace

void MenuForm::CheckSendLists(ui::MenuEntry& chosen) {
  CheckOnly(chosen, {&onrequest, &everyminute, &everytwominutes, &everythreeminutes,
                     &everyfourminutes, &everyfiveminutes});
}

void MenuForm::CheckAdvertise(ui::MenuEntry& chosen) {
  CheckOnly(chosen, {&adveverymin, &adveverytwomins, &adveverythreemins, &adveveryfourmins,
                     &adveveryfivemins});
}

// --- Requests, side windows ----------------------------------------------------------------------

void MenuForm::loadreqmenu_Click() {
  requests_file_.LoadRequests();
}

void MenuForm::savereqmenu_Click() {
  requests_file_.SaveRequests();
}

// Without a question; status requests stay to be answered. The list frame's caption reads
// "Lists Requests:  0" until the list queue next changes.
void MenuForm::clearcommandsmenu_Click() {
  server_.Requests.Clear();
  server_.Frame1.set_caption("Item Requests:  0");
  server_.Lists.Clear();
  server_.Frame2.set_caption("Lists Requests:  0");
  server_.Finds.Clear();
  server_.Frame3.set_caption("Find Requests:  0");
}

void MenuForm::listdesignermenu_Click() {
  list_designer_.Show();
}

void MenuForm::msgsMenu_Click() {
  messages_.Show();
}

void MenuForm::checkclientmenu_Click() {
  client_check_.Show();
}

}  // namespace serving_loop
