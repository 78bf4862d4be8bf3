#include "serving_engine/server_form.h"

#include <set>

#include "aol_automation/automation.h"
#include "serving_engine/ban_list.h"
#include "serving_engine/chat_lines.h"
#include "serving_engine/list_results.h"
#include "serving_engine/program_view.h"
#include "serving_engine/serving_work.h"
#include "serving_engine/setting_caption.h"
#include "shared/addresses.h"
#include "shared/ui/message_box.h"
#include "shared/ui/stay_on_top.h"

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
  explicit Sources(ProgramView& program, ServerForm& server) : program_(program), server_(server) {}

  std::string ServingHandle() const override { return program_.settings().ServingHandle(); }
  std::int64_t ItemRequestLimit() const override { return program_.settings().ItemRequestLimit(); }
  std::int64_t FindRequestLimit() const override { return program_.settings().FindRequestLimit(); }
  bool IsBanned(std::string_view sender) const override {
    return program_.variables().BanListUsed && program_.banList().IsBanned(sender);
  }
  std::int64_t MailCount() const override { return program_.listResults().MailCount(); }
  bool IsValidNumber(std::int64_t number) const override { return server_.IsValidNumber(number); }
  bool IsInRoom(std::string_view sender) const override {
    return members_.empty() || members_.contains(vornik32::LowerCase(sender));
  }

  // Reads who is in the room now, for the transcript just read. A member list whose names cannot
  // be read (the client's memory closed to the program) tells nobody's absence.
  void ReadRoomMembers() {
    MemberNames names;
    vornik32::AddRoomMembers(program_.ws(), names, vornik32::IncludeSelf::kYes,
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

  ProgramView& program_;
  ServerForm& server_;
  std::set<std::string> members_;
};

ServerForm::ServerForm(ProgramView& program)
    : form(program.ws(), program.registry(), "serverFrm", kServerCaption, kServerSize),
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
      program_(program),
      sources_(std::make_unique<Sources>(program, *this)),
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
  winsys::WindowSystem& ws = program_.ws();
  vornik32::ChatSend(ws, BulletLine(kGreetingText));
  vornik32::WaitSeconds(ws, kAdvertLinePause);
  if (program_.ended()) return;
  vornik32::ChatSend(ws, DownloadLinkLine());
  if (vornik32::IsSignedOn(ws)) program_.settings().SetServingHandle(vornik32::UserScreenName(ws));
  ui::MsgBox(ws, form.hwnd(),
             std::string("Remember to visit ") + shared::kAuthorAddress + " and " +
                 shared::kProductAddress + "!",
             ui::MsgBoxButtons::kOk, ui::MsgBoxIcon::kInformation, shared::kProgramTitle);
  // The user may have closed the program from under the box.
  if (!form.is_loaded()) return;
  form.Show();
  ui::StayOnTop(ws, form.hwnd());
  program_.variables().BanListUsed = false;
  program_.variables().CustomMessages = false;
  Requests.list_for_events().SetFocus();
}

void ServerForm::Form_Resize() {
  // The window keeps its designed size; moving it back may itself report a resize.
  if (resizing_ || !form.is_loaded()) return;
  winsys::Rect rect;
  if (!program_.ws().GetWindowRect(form.hwnd(), rect)) return;
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
    vornik32::InstantMessagesOn(program_.ws(), program_.bounds());
    instant_messages_off_ = false;
  }
  const std::vector<ui::Form*> forms = program_.registry().forms();
  for (ui::Form* other : forms) {
    if (other != &form && other->is_loaded()) other->Unload();
  }
  program_.End();
  // Closed while serving: what is pending is on disk for the next start.
  program_.servingWork().EndServing();
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
    program_.variables().StopRequested = true;
    Command1.Disable();
    Command1.set_caption(kStartCaption);
    // While paused the serving timer is off, and Resume no longer acts once this button reads
    // "Start": the stop sequence, which ends serving and enables this button again, would never
    // run. The timer is started again so that its next tick runs it (serving loop's change).
    if (!RequestTimer.enabled()) RequestTimer.Enable();
    return;
  }
  winsys::WindowSystem& ws = program_.ws();
  if (!vornik32::IsSignedOn(ws)) {
    Refuse("Not signed on!");
    return;
  }
  if (program_.listResults().MailCount() == 0) {
    Refuse("No mail list found!");
    return;
  }
  if (const std::optional<std::string> why = program_.listResults().WhyNotServable()) {
    Refuse(*why);
    return;
  }
  if (vornik32::FindChatRoom(ws) == winsys::kNoWindow) {
    Refuse("Chatroom not found!");
    return;
  }
  StartServing();
}

void ServerForm::StartServing() {
  winsys::WindowSystem& ws = program_.ws();
  Settings& settings = program_.settings();
  if (settings.HandleIsPlaceholder()) settings.SetServingHandle(vornik32::UserScreenName(ws));
  Command1.Disable();
  Command1.set_caption(kStopCaption);
  // What was said before Start is never a request; what is said while Start waits for the
  // client (the mailbox stands still for seconds before it counts as loaded) is kept for the
  // first chat tick.
  vornik32::ClearChatText(ws);
  // Pause and Finish pressed while Start waits for the client are kept for the first tick to
  // carry out: the flags are cleared before the first wait, not after the last.
  shared::Variables& variables = program_.variables();
  variables.StopRequested = false;
  variables.PauseRequested = false;
  variables.FinishRequested = false;
  // Counted as off from the moment the client is asked, so a close during the asking switches
  // them on again.
  instant_messages_off_ = true;
  vornik32::InstantMessagesOff(ws, program_.bounds());
  const bool mailbox_open = !program_.ended() && OpenAndHideMailbox();
  if (program_.ended()) return;
  if (!mailbox_open) {
    // Serving never started: instant messages come back on, the buttons read as before Start.
    vornik32::InstantMessagesOn(ws, program_.bounds());
    instant_messages_off_ = false;
    if (program_.ended()) return;
    ForgetPauseAndFinish();
    Command1.set_caption(kStartCaption);
    Command1.Enable();
    Refuse(Mailbox(ws) == winsys::kNoWindow ? kMailboxDidNotOpen : kMailboxDidNotFill);
    return;
  }
  advert_minutes_ = 0;
  list_minutes_ = 0;
  variables.ListsDue = true;
  variables.TimeStarted = ws.clock().TimeOfDayText(ws.clock().Local());
  ChatTimer.Enable();
  WindowTimer.Enable();
  RequestTimer.Enable();
  AdvTimer.Enable();
  ListTimer.Enable();
  PostAdvert();
  if (program_.ended()) return;
  program_.servingWork().BeginServing();
  Command1.Enable();
}

// A Start that gave up leaves no Pause or Finish waiting for a serving that never began.
void ServerForm::ForgetPauseAndFinish() {
  shared::Variables& variables = program_.variables();
  variables.PauseRequested = false;
  variables.FinishRequested = false;
  Command2.set_caption(kPauseCaption);
  Command2.Enable();
}

// The client's own waits are bounded (the mailbox's window, then its list's fill): a mailbox
// that never shows, or whose list never stops growing, ends the start with a message instead of
// holding the program forever, and is never served from as if it had loaded.
bool ServerForm::OpenAndHideMailbox() {
  winsys::WindowSystem& ws = program_.ws();
  if (Mailbox(ws) == winsys::kNoWindow &&
      vornik32::OpenMailboxForClient(ws, program_.bounds()) == vornik32::Outcome::kGaveUp) {
    return false;
  }
  const winsys::HWND mailbox = Mailbox(ws);
  if (mailbox == winsys::kNoWindow) return false;
  vornik32::HideWindow(ws, mailbox);
  return true;
}

void ServerForm::Command2_Click() {
  if (!IsServing()) return;
  if (Command2.caption() == kPauseCaption) {
    Command2.Disable();
    Command2.set_caption(kResumeCaption);
    program_.variables().PauseRequested = true;
    return;
  }
  vornik32::ChatSend(program_.ws(), BulletLine(kUnpausedText));
  Command2.set_caption(kPauseCaption);
  WindowTimer.Enable();
  RequestTimer.Enable();
  ListTimer.Enable();
}

void ServerForm::Command3_Click() {
  if (IsServing()) program_.variables().FinishRequested = true;
}

void ServerForm::Command4_Click() {
  program_.ShowBanning();
}

void ServerForm::Command5_Click() {
  // Top-left corner at the button's left edge, 30 twips above its bottom edge.
  const ui::TwipsRect& button = Command5.position();
  program_.optionsMenu().Popup(form, button.left, button.top + button.height - 30);
}

void ServerForm::Refuse(std::string_view text) {
  ui::MsgBox(program_.ws(), form.hwnd(), text, ui::MsgBoxButtons::kOk, ui::MsgBoxIcon::kCritical,
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
  return number >= 0 && number < program_.listResults().MailCount();
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
  winsys::WindowSystem& ws = program_.ws();
  const std::string transcript = vornik32::ChatText(ws);
  // Emptying an empty transcript changes nothing, except when the reading failed: a client too
  // busy to answer reads as empty, and the emptying, queued behind its work, would then wipe
  // requests that were never read.
  if (!transcript.empty()) {
    vornik32::ClearChatText(ws);
    sources_->ReadRoomMembers();
  }
  intake_.TakeTranscript(transcript, vornik32::UserScreenName(ws));
  MarkListsDueOnRequest();
  program_.servingWork().SavePendingIfDue();
}

// With "On Request" no timer marks list requests due. They are then served as they come: after
// every chat tick that finds list requests queued, including those a batch left behind, the
// next serving tick serves them.
void ServerForm::MarkListsDueOnRequest() {
  if (program_.settings().ListsOnRequest() && Lists.Count() > 0) {
    program_.variables().ListsDue = true;
  }
}

void ServerForm::RequestTimer_Timer() {
  program_.servingWork().RequestTimer_Timer();
}

void ServerForm::WindowTimer_Timer() {
  winsys::WindowSystem& ws = program_.ws();
  const winsys::HWND main = ws.FindWindow(vornik32::kMainWindowClass, nullptr);
  const winsys::HWND mdi = vornik32::FirstChild(ws, main, kWatchdogMdiClass);
  for (const char* caption : {kStatusCaption, kErrorCaption}) {
    const winsys::HWND dialog =
        vornik32::FirstChild(ws, mdi, vornik32::kContentWindowClass, caption);
    if (dialog != winsys::kNoWindow) ws.PostMessage(dialog, winsys::WM_CLOSE, 0, 0);
  }
  const winsys::HWND modal = ws.FindWindow(kAolModalClass, vornik32::kNoticeCaption);
  vornik32::ClickWindow(ws, vornik32::FirstChild(ws, modal, vornik32::kIconClass));
  const winsys::HWND notice = ws.FindWindow(vornik32::kMessageBoxClass, vornik32::kNoticeCaption);
  const winsys::HWND ok = vornik32::FirstChild(ws, notice, vornik32::kPlainButtonClass, "OK");
  if (ok != winsys::kNoWindow) {
    ws.SendMessage(ok, winsys::WM_KEYDOWN, winsys::VK_SPACE, 0);
    ws.SendMessage(ok, winsys::WM_KEYUP, winsys::VK_SPACE, 0);
  }
}

void ServerForm::AdvTimer_Timer() {
  ++advert_minutes_;
  if (!MinuteEntryDue(program_.settings().AdvertiseEvery(), advert_minutes_)) return;
  program_.variables().AdvertDue = true;
  advert_minutes_ = 0;
}

void ServerForm::ListTimer_Timer() {
  ++list_minutes_;
  if (!MinuteEntryDue(program_.settings().SendListsEvery(), list_minutes_)) return;
  program_.variables().ListsDue = true;
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
  const std::string handle = program_.settings().ServingHandle();
  const ListResults& lists = program_.listResults();
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
  winsys::WindowSystem& ws = program_.ws();
  const std::vector<std::string> lines = AdvertLines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) vornik32::WaitSeconds(ws, kAdvertLinePause);
    // The server window was closed during the pause: nothing more is said in its name.
    if (program_.ended()) return;
    vornik32::ChatSend(ws, lines[i]);
  }
}

void ServerForm::AdvCommands() {
  if (++announcement_calls_ < kAnnouncementEvery) return;
  announcement_calls_ = 0;
  winsys::WindowSystem& ws = program_.ws();
  vornik32::WaitSeconds(ws, kAnnouncementPause);
  if (program_.ended()) return;
  vornik32::ChatSend(
      ws, BulletLine("There are " + std::to_string(Requests.Count()) + " item request(s), " +
                     std::to_string(Lists.Count()) + " list request(s), and " +
                     std::to_string(Finds.Count()) + " find request(s) pending"));
  vornik32::WaitSeconds(ws, kAnnouncementPause);
}

std::string ServerForm::DownloadLinkLine() {
  return BulletLine(std::string("< a href=\"") + shared::kAuthorAddress +
                    "\">click here</a> to download now!");
}

}  // namespace serving_engine
