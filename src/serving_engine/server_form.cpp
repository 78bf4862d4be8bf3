#include "serving_engine/server_form.h"

#include <set>

#include "aol_automation/automation.h"
#include "serving_engine/ban_list.h"
#include "serving_engine/chat_lines.h"
#include "serving_engine/list_results.h"
#include "serving_engine/serving_work.h"
#include "serving_engine/setting_caption.h"
#include "shared/addresses.h"
#include "shared/ui/menu_entry.h"
#include "shared/ui/message_box.h"
#include "shared/ui/registry.h"
#include "shared/ui/stay_on_top.h"
#include "shared/winsys/wait.h"

namespace serving_engine {

using ui::TimerState;
using ui::TwipsRect;

namespace {

constexpr double kAdvertLinePause = 0.01;
constexpr double kAnnouncementPause = 0.5;
constexpr int kAnnouncementEvery = 7;

// The watchdog's classes and captions, as it looks for them.
constexpr const char* kWatchdogMdiClass = "MDICLIENT";
constexpr const char* kAolModalClass = "AOL Modal";
constexpr const char* kStatusCaption = "Status";
constexpr const char* kErrorCaption = "Error";

constexpr char kMailboxDidNotOpen[] = "The mailbox did not open!";
constexpr char kMailboxDidNotFill[] = "The mailbox did not finish loading!";

winsys::HWND Mailbox(winsys::WindowSystem& ws) {
  return vornik32::ContentWindow(ws, vornik32::kMailboxCaption);
}

}  // namespace

std::string ServedCountsText(int mails_served, int people_served) {
  return std::to_string(mails_served) + " Mails, " + std::to_string(people_served) +
         " People Served";
}

// What the chat intake reads, from the windows that own it.
class ServerForm::Sources : public IntakeSources {
 public:
  explicit Sources(ServerForm& server) : server_(server) {}

  std::string ServingHandle() const override { return settings().ServingHandle(); }
  std::int64_t ItemRequestLimit() const override { return settings().ItemRequestLimit(); }
  std::int64_t FindRequestLimit() const override { return settings().FindRequestLimit(); }
  bool IsBanned(std::string_view sender) const override {
    return server_.variables_.BanListUsed && server_.above_->bans.IsBanned(sender);
  }
  std::int64_t MailCount() const override { return server_.above_->lists.MailCount(); }
  bool IsValidNumber(std::int64_t number) const override { return server_.IsValidNumber(number); }
  bool IsInRoom(std::string_view sender) const override {
    return members_.empty() || members_.contains(vornik32::LowerCase(sender));
  }

  // Reads who is in the room now, for the transcript just read. A member list whose names cannot
  // be read (the client's memory closed to the program) tells nobody's absence.
  void ReadRoomMembers() {
    MemberNames names;
    vornik32::AddRoomMembers(server_.ws_, names, vornik32::IncludeSelf::kYes,
                             vornik32::UniqueOnly::kNo);
    members_ = std::move(names.lowered);
    members_.erase("");
  }

 private:
  class MemberNames : public vornik32::NameList {
   public:
    int count() const override { return static_cast<int>(lowered.size()); }
    std::string item(int) const override { return {}; }
    void add(const std::string& name) override { lowered.insert(vornik32::LowerCase(name)); }
    std::set<std::string> lowered;
  };

  const Settings& settings() const { return server_.above_->settings; }

  ServerForm& server_;
  std::set<std::string> members_;
};

ServerForm::ServerForm(winsys::WindowSystem& ws, ui::Registry& registry,
                       shared::Variables& variables, const vornik32::WaitBounds& bounds,
                       shared::ProgramEnd& end)
    : form(ws, registry, "serverFrm", kServerCaption, kServerSize),
      Toolbar1(form, "Toolbar1", TwipsRect{0, 0, 4605, 420}),
      Command1(form, "Command1", kStartCaption, TwipsRect{45, 75, 900, 285}),
      Command2(form, "Command2", kPauseCaption, TwipsRect{945, 75, 900, 285}),
      Command3(form, "Command3", "Finish", TwipsRect{1845, 75, 900, 285}),
      Command4(form, "Command4", "Banning", TwipsRect{2745, 75, 900, 285}),
      Command5(form, "Command5", "Options", TwipsRect{3645, 75, 900, 285}),
      Frame1(form, "Frame1", std::string(kItemRequestsLabel) + "0", TwipsRect{45, 495, 2205, 3825}),
      Requests(Frame1, "Requests", TwipsRect{105, 285, 1995, 3435}, kItemRequestsLabel),
      Frame2(form, "Frame2", std::string(kListRequestsLabel) + "0",
             TwipsRect{2355, 495, 2205, 1800}),
      Lists(Frame2, "Lists", TwipsRect{105, 285, 1995, 1410}, kListRequestsLabel),
      Frame3(form, "Frame3", std::string(kFindRequestsLabel) + "0",
             TwipsRect{2355, 2520, 2205, 1800}),
      Finds(Frame3, "Finds", TwipsRect{105, 285, 1995, 1410}, kFindRequestsLabel),
      StatusBar1(form, "StatusBar1", ServedCountsText(0, 0), TwipsRect{0, 4320, 4605, 285}),
      PeopleServed(form, "PeopleServed", TwipsRect{0, 0, 1215, 255}, ui::Visibility::kHidden),
      Statuss(form, "Statuss"),
      ChatTimer(form, "ChatTimer", 5000, TimerState::kDisabled),
      RequestTimer(form, "RequestTimer", 100, TimerState::kDisabled),
      WindowTimer(form, "WindowTimer", 100, TimerState::kDisabled),
      AdvTimer(form, "AdvTimer", 60000, TimerState::kDisabled),
      ListTimer(form, "ListTimer", 60000, TimerState::kDisabled),
      ws_(ws),
      registry_(registry),
      variables_(variables),
      bounds_(bounds),
      end_(end),
      sources_(std::make_unique<Sources>(*this)),
      intake_(queues(), *sources_) {
  form.set_font_name("Arial");
  form.on_load = [this] { Form_Load(); };
  form.on_resize = [this] { Form_Resize(); };
  form.on_unload = [this] { Form_Unload(); };
  Command1.on_click = [this] { Command1_Click(); };
  Command2.on_click = [this] { Command2_Click(); };
  Command3.on_click = [this] { Command3_Click(); };
  Command4.on_click = [this] { Command4_Click(); };
  Command5.on_click = [this] { Command5_Click(); };
  Requests.list_for_events().on_double_click = [this] { Requests_DblClick(); };
  Lists.list_for_events().on_double_click = [this] { Lists_DblClick(); };
  Finds.list_for_events().on_double_click = [this] { Finds_DblClick(); };
  ChatTimer.on_timer = [this] { ChatTimer_Timer(); };
  RequestTimer.on_timer = [this] { RequestTimer_Timer(); };
  WindowTimer.on_timer = [this] { WindowTimer_Timer(); };
  AdvTimer.on_timer = [this] { AdvTimer_Timer(); };
  ListTimer.on_timer = [this] { ListTimer_Timer(); };
}

ServerForm::~ServerForm() = default;

// --- Load, resize, unload ------------------------------------------------------------------------

void ServerForm::Form_Load() {
  vornik32::ChatSend(ws_, BulletLine(kGreetingText));
  winsys::WaitSeconds(ws_, kAdvertLinePause);
  if (end_.ended()) return;
  vornik32::ChatSend(ws_, DownloadLinkLine());
  if (vornik32::IsSignedOn(ws_)) above_->settings.SetServingHandle(vornik32::UserScreenName(ws_));
  ui::MsgBox(ws_, form.hwnd(),
             std::string("Remember to visit ") + shared::kAuthorAddress + " and " +
                 shared::kProductAddress + "!",
             ui::MsgBoxButtons::kOk, ui::MsgBoxIcon::kInformation, shared::kProgramTitle);
  // The user may have closed the program from under the box.
  if (!form.is_loaded()) return;
  form.Show();
  ui::StayOnTop(ws_, form.hwnd());
  variables_.BanListUsed = false;
  variables_.CustomMessages = false;
  Requests.list_for_events().SetFocus();
}

void ServerForm::Form_Resize() {
  // The window keeps its designed size; moving it back may itself report a resize.
  if (resizing_ || !form.is_loaded()) return;
  winsys::Rect rect;
  if (!ws_.GetWindowRect(form.hwnd(), rect)) return;
  if (rect.right - rect.left == ui::TwipsToPixels(kServerSize.width) &&
      rect.bottom - rect.top == ui::TwipsToPixels(kServerSize.height)) {
    return;
  }
  resizing_ = true;
  form.SetSize(kServerSize);
  resizing_ = false;
}

// Closing the server window ends the program, in whatever it is doing: a Start, a tick or a List
// Designer step may be inside a wait below this handler. No timer may start anything more, the
// client gets its instant messages back if serving had switched them off, every other window
// goes, and the program's loop is told to quit, which ends every wait at once; the code that was
// waiting then sees the program ended and posts nothing more.
void ServerForm::Form_Unload() {
  form.Hide();
  for (ui::Timer* timer : {&ChatTimer, &RequestTimer, &WindowTimer, &AdvTimer, &ListTimer}) {
    timer->Disable();
  }
  if (ServingHasInstantMessagesOff()) {
    vornik32::InstantMessagesOn(ws_, bounds_);
    instant_messages_off_ = false;
  }
  const std::vector<ui::Form*> forms = registry_.forms();
  for (ui::Form* other : forms) {
    if (other != &form && other->is_loaded()) other->Unload();
  }
  if (end_.End()) ws_.PostQuitMessage(0);
  // Closed while serving: what is pending is on disk for the next start.
  above_->work.EndServing();
}

// --- Start / Stop, Pause / Resume, Finish, Banning, Options --------------------------------------

bool ServerForm::IsServing() const {
  return Command1.caption() != kStartCaption;
}

// Start switched them off; the stop sequence switches them on again before it enables Start.
bool ServerForm::ServingHasInstantMessagesOff() const {
  const bool idle = Command1.caption() == kStartCaption && Command1.enabled();
  return instant_messages_off_ && !idle;
}

void ServerForm::Command1_Click() {
  if (IsServing()) {
    variables_.StopRequested = true;
    Command1.Disable();
    Command1.set_caption(kStartCaption);
    // While paused the serving timer is off, and Resume no longer acts once this button reads
    // "Start": the stop sequence, which ends serving and enables this button again, would never
    // run. The timer is started again so that its next tick runs it (serving loop's change).
    if (!RequestTimer.enabled()) RequestTimer.Enable();
    return;
  }
  if (!vornik32::IsSignedOn(ws_)) {
    Refuse("Not signed on!");
    return;
  }
  if (above_->lists.MailCount() == 0) {
    Refuse("No mail list found!");
    return;
  }
  if (const std::optional<std::string> why = above_->lists.WhyNotServable()) {
    Refuse(*why);
    return;
  }
  if (vornik32::FindChatRoom(ws_) == winsys::kNoWindow) {
    Refuse("Chatroom not found!");
    return;
  }
  StartServing();
}

void ServerForm::StartServing() {
  Settings& settings = above_->settings;
  if (settings.HandleIsPlaceholder()) settings.SetServingHandle(vornik32::UserScreenName(ws_));
  Command1.Disable();
  Command1.set_caption(kStopCaption);
  // What was said before Start is never a request; what is said while Start waits for the
  // client (the mailbox stands still for seconds before it counts as loaded) is kept for the
  // first chat tick.
  vornik32::ClearChatText(ws_);
  // Pause and Finish pressed while Start waits for the client are kept for the first tick to
  // carry out: the flags are cleared before the first wait, not after the last.
  variables_.StopRequested = false;
  variables_.PauseRequested = false;
  variables_.FinishRequested = false;
  // Counted as off from the moment the client is asked, so a close during the asking switches
  // them on again.
  instant_messages_off_ = true;
  vornik32::InstantMessagesOff(ws_, bounds_);
  const bool mailbox_open = !end_.ended() && OpenAndHideMailbox();
  if (end_.ended()) return;
  if (!mailbox_open) {
    // Serving never started: instant messages come back on, the buttons read as before Start.
    vornik32::InstantMessagesOn(ws_, bounds_);
    instant_messages_off_ = false;
    if (end_.ended()) return;
    ForgetPauseAndFinish();
    Command1.set_caption(kStartCaption);
    Command1.Enable();
    Refuse(Mailbox(ws_) == winsys::kNoWindow ? kMailboxDidNotOpen : kMailboxDidNotFill);
    return;
  }
  advert_minutes_ = 0;
  list_minutes_ = 0;
  variables_.ListsDue = true;
  variables_.TimeStarted = ws_.clock().TimeOfDayText(ws_.clock().Local());
  ChatTimer.Enable();
  WindowTimer.Enable();
  RequestTimer.Enable();
  AdvTimer.Enable();
  ListTimer.Enable();
  PostAdvert();
  if (end_.ended()) return;
  above_->work.BeginServing();
  Command1.Enable();
}

// A Start that gave up leaves no Pause or Finish waiting for a serving that never began.
void ServerForm::ForgetPauseAndFinish() {
  variables_.PauseRequested = false;
  variables_.FinishRequested = false;
  Command2.set_caption(kPauseCaption);
  Command2.Enable();
}

// The client's own waits are bounded (the mailbox's window, then its list's fill): a mailbox
// that never shows, or whose list never stops growing, ends the start with a message instead of
// holding the program forever, and is never served from as if it had loaded.
bool ServerForm::OpenAndHideMailbox() {
  if (Mailbox(ws_) == winsys::kNoWindow &&
      vornik32::OpenMailboxForClient(ws_, bounds_) == vornik32::Outcome::kGaveUp) {
    return false;
  }
  const winsys::HWND mailbox = Mailbox(ws_);
  if (mailbox == winsys::kNoWindow) return false;
  vornik32::HideWindow(ws_, mailbox);
  return true;
}

void ServerForm::Command2_Click() {
  if (!IsServing()) return;
  if (Command2.caption() == kPauseCaption) {
    Command2.Disable();
    Command2.set_caption(kResumeCaption);
    variables_.PauseRequested = true;
    return;
  }
  vornik32::ChatSend(ws_, BulletLine(kUnpausedText));
  Command2.set_caption(kPauseCaption);
  WindowTimer.Enable();
  RequestTimer.Enable();
  ListTimer.Enable();
}

void ServerForm::Command3_Click() {
  if (IsServing()) variables_.FinishRequested = true;
}

void ServerForm::Command4_Click() {
  above_->banning.Show();
}

void ServerForm::Command5_Click() {
  // Top-left corner at the button's left edge, 30 twips above its bottom edge.
  const ui::TwipsRect& button = Command5.position();
  above_->options_menu.Popup(form, button.left, button.top + button.height - 30);
}

void ServerForm::Refuse(std::string_view text) {
  ui::MsgBox(ws_, form.hwnd(), text, ui::MsgBoxButtons::kOk, ui::MsgBoxIcon::kCritical,
             shared::kProgramTitle);
}

// --- The queues ----------------------------------------------------------------------------------

void ServerForm::Requests_DblClick() {
  RemoveSelected(Requests);
}

void ServerForm::Lists_DblClick() {
  RemoveSelected(Lists);
}

void ServerForm::Finds_DblClick() {
  RemoveSelected(Finds);
}

// A double-click with nothing selected removes nothing.
void ServerForm::RemoveSelected(RequestQueue& queue) {
  const int selected = queue.list().selected_index();
  if (selected >= 0) queue.RemoveAt(selected);
}

void ServerForm::AddToServed(const std::string& screen_name) {
  if (!PeopleServed.contains(screen_name)) PeopleServed.add(screen_name);
}

bool ServerForm::IsValidNumber(std::int64_t number) const {
  return number >= 0 && number < above_->lists.MailCount();
}

int ServerForm::MailsServed() const {
  return static_cast<int>(LeadingNumber(StatusBar1.text()));
}

void ServerForm::ShowServedCounts(int mails_served) {
  StatusBar1.set_text(ServedCountsText(mails_served, PeopleServed.count()));
}

void ServerForm::ShowServedCountsWithNote(int mails_served, std::string_view note) {
  ShowServedCounts(mails_served);
  StatusBar1.set_text(StatusBar1.text() + std::string(note));
}

// --- Timers --------------------------------------------------------------------------------------

void ServerForm::ChatTimer_Timer() {
  const std::string transcript = vornik32::ChatText(ws_);
  // Emptying an empty transcript changes nothing, except when the reading failed: a client too
  // busy to answer reads as empty, and the emptying, queued behind its work, would then wipe
  // requests that were never read.
  if (!transcript.empty()) {
    vornik32::ClearChatText(ws_);
    sources_->ReadRoomMembers();
  }
  intake_.TakeTranscript(transcript, vornik32::UserScreenName(ws_));
  MarkListsDueOnRequest();
  above_->work.SavePendingIfDue();
}

// With "On Request" no timer marks list requests due. They are then served as they come: after
// every chat tick that finds list requests queued, including those a batch left behind, the
// next serving tick serves them.
void ServerForm::MarkListsDueOnRequest() {
  if (above_->settings.ListsOnRequest() && Lists.Count() > 0) {
    variables_.ListsDue = true;
  }
}

void ServerForm::RequestTimer_Timer() {
  above_->work.RequestTimer_Timer();
}

void ServerForm::WindowTimer_Timer() {
  const winsys::HWND main = ws_.FindWindow(vornik32::kMainWindowClass, nullptr);
  const winsys::HWND mdi = vornik32::FirstChild(ws_, main, kWatchdogMdiClass);
  for (const char* caption : {kStatusCaption, kErrorCaption}) {
    const winsys::HWND dialog =
        vornik32::FirstChild(ws_, mdi, vornik32::kContentWindowClass, caption);
    if (dialog != winsys::kNoWindow) ws_.PostMessage(dialog, winsys::WM_CLOSE, 0, 0);
  }
  const winsys::HWND modal = ws_.FindWindow(kAolModalClass, vornik32::kNoticeCaption);
  vornik32::ClickWindow(ws_, vornik32::FirstChild(ws_, modal, vornik32::kIconClass));
  const winsys::HWND notice = ws_.FindWindow(vornik32::kMessageBoxClass, vornik32::kNoticeCaption);
  const winsys::HWND ok = vornik32::FirstChild(ws_, notice, vornik32::kPlainButtonClass, "OK");
  if (ok != winsys::kNoWindow) {
    ws_.SendMessage(ok, winsys::WM_KEYDOWN, winsys::VK_SPACE, 0);
    ws_.SendMessage(ok, winsys::WM_KEYUP, winsys::VK_SPACE, 0);
  }
}

void ServerForm::AdvTimer_Timer() {
  ++advert_minutes_;
  if (!MinuteEntryDue(above_->settings.AdvertiseEvery(), advert_minutes_)) return;
  variables_.AdvertDue = true;
  advert_minutes_ = 0;
}

void ServerForm::ListTimer_Timer() {
  ++list_minutes_;
  if (!MinuteEntryDue(above_->settings.SendListsEvery(), list_minutes_)) return;
  variables_.ListsDue = true;
  list_minutes_ = 0;
}

// entries are the submenu's "Every Minute" to "Every 5 Minutes", in that order: the first that
// is checked and whose minutes have passed decides.
bool ServerForm::MinuteEntryDue(const Settings::MinuteChecks& checked, int minutes) {
  for (std::size_t i = 0; i < checked.size(); ++i) {
    if (checked[i] && minutes >= static_cast<int>(i) + 1) return true;
  }
  return false;
}

// --- Adverts -------------------------------------------------------------------------------------

std::vector<std::string> ServerForm::AdvertLines() const {
  const std::string handle = above_->settings.ServingHandle();
  const ListResults& lists = above_->lists;
  const std::string quote = "\"";
  return {
      BulletLine("tollmere serving " + std::to_string(lists.MailCount()) + " mail(s)/" +
                 std::to_string(lists.ServingListCount()) + " list(s)"),
      BulletLine(quote + "/" + handle + " send list" + quote + " - list"),
      BulletLine(quote + "/" + handle + " send x, x-x, x" + quote + " - request"),
      BulletLine(quote + "/" + handle + " find x, x, x" + quote + " - search"),
  };
}

void ServerForm::PostAdvert() {
  const std::vector<std::string> lines = AdvertLines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) winsys::WaitSeconds(ws_, kAdvertLinePause);
    // The server window was closed during the pause: nothing more is said in its name.
    if (end_.ended()) return;
    vornik32::ChatSend(ws_, lines[i]);
  }
}

void ServerForm::AdvCommands() {
  if (++announcement_calls_ < kAnnouncementEvery) return;
  announcement_calls_ = 0;
  winsys::WaitSeconds(ws_, kAnnouncementPause);
  if (end_.ended()) return;
  vornik32::ChatSend(
      ws_, BulletLine("There are " + std::to_string(Requests.Count()) + " item request(s), " +
                      std::to_string(Lists.Count()) + " list request(s), and " +
                      std::to_string(Finds.Count()) + " find request(s) pending"));
  winsys::WaitSeconds(ws_, kAnnouncementPause);
}

std::string ServerForm::DownloadLinkLine() {
  return BulletLine(std::string("< a href=\"") + shared::kAuthorAddress +
                    "\">click here</a> to download now!");
}

}  // namespace serving_engine
