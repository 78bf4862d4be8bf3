#include "aolsim/client.h"

#include <algorithm>
#include <cctype>

#include "aolsim/automatic_aol.h"
#include "aolsim/chaos.h"
#include "aolsim/chat_room.h"
#include "aolsim/compose_window.h"
#include "aolsim/flash_session.h"
#include "aolsim/instant_message.h"
#include "aolsim/mail_preferences.h"
#include "aolsim/mailbox_window.h"
#include "aolsim/main_window.h"
#include "aolsim/notice.h"
#include "aolsim/popups.h"
#include "aolsim/read_mail_window.h"
#include "aolsim/seam_names.h"
#include "aolsim/welcome_window.h"
#include "aolsim/window_classes.h"

namespace aolsim {

namespace {

constexpr std::size_t kShortestScreenName = 3;
constexpr std::size_t kLongestScreenName = 16;

// The client refuses instant messages to names that cannot be screen names: 3 to 16 letters,
// digits and blanks, at least 3 of them not blanks. The two pseudo names are commands.
bool CanReceiveInstantMessages(std::string_view name) {
  if (SameScreenName(name, kImOff) || SameScreenName(name, kImOn)) return true;
  if (name.size() < kShortestScreenName || name.size() > kLongestScreenName) return false;
  std::size_t letters = 0;
  for (const char c : name) {
    if (c == ' ') continue;
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    ++letters;
  }
  return letters >= kShortestScreenName;
}

std::string StoredBody(std::string_view subject) {
  return "This is the stored mail \"" + std::string(subject) + "\".\r\nEnjoy it!";
}

}  // namespace

template <typename Window>
Window* Client::Add(std::unique_ptr<Window> window) {
  Window* added = window.get();
  windows_.push_back(std::move(window));
  return added;
}

template <typename Window>
Window* Client::FindOpen(WindowKind kind) const {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    if ((*it)->kind() == kind && (*it)->IsOpen()) return static_cast<Window*>(it->get());
  }
  return nullptr;
}

Client::Client(winsys::WindowSystem& ws, Layout layout)
    : ws_(ws),
      router_(ws),
      timers_(ws),
      context_{ws,       router_,           timers_,           layout,       settings_, mail_,
               journal_, winsys::kNoWindow, winsys::kNoWindow, std::string()} {
  RegisterClientClasses(ws_);
  timers_.SetBeforeEach([this] { Purge(); });
  mail_.SetListener(
      MailStore::Listener{[this](int index, int count) {
                            if (auto* mailbox = FindOpen<MailboxWindow>(WindowKind::kMailbox)) {
                              mailbox->OnInserted(index, count);
                            }
                          },
                          [this](int index) {
                            if (auto* mailbox = FindOpen<MailboxWindow>(WindowKind::kMailbox)) {
                              mailbox->OnRemoved(index);
                            }
                          }});
}

Client::~Client() {
  chaos_.reset();
  mail_.SetListener({});
  flash_session_.reset();
  popup_menu_.reset();
  // The newest first, so that dialogs go before the windows they came from.
  while (!windows_.empty()) windows_.pop_back();
  main_.reset();
}

// --- Start, sign-on, room ------------------------------------------------------------------------

void Client::Start() {
  if (main_) return;
  main_ = std::make_unique<MainWindow>(context_,
                                       MainWindow::Actions{
                                           [this] { OpenWriteMailSoon(); },
                                           [this](HWND icon) { ShowPopupMenu(icon, MailMenu()); },
                                           [this](HWND icon) { ShowPopupMenu(icon, PeopleMenu()); },
                                           [this](const std::string& address) { GoTo(address); },
                                       });
  context_.main_window = main_->hwnd();
  context_.mdi_client = main_->mdi_client();
}

void Client::SignOn(std::string_view screen_name) {
  Start();
  Purge();
  if (auto* welcome = FindOpen<ClientWindow>(WindowKind::kWelcome)) welcome->Close();
  Purge();
  context_.screen_name = std::string(screen_name);
  Add(std::make_unique<WelcomeWindow>(context_, screen_name));
}

void Client::SignOff() {
  Start();
  if (auto* welcome = FindOpen<ClientWindow>(WindowKind::kWelcome)) welcome->Close();
  context_.screen_name.clear();
  Purge();
}

void Client::OpenRoom(std::string_view title, const std::vector<std::string>& members) {
  Start();
  CloseRoom();
  std::vector<std::string> people;
  if (SignedOn()) people.push_back(context_.screen_name);
  for (const std::string& member : members) {
    if (SignedOn() && SameScreenName(member, context_.screen_name)) continue;
    people.push_back(member);
  }
  Add(std::make_unique<ChatRoom>(context_, title, people));
}

void Client::CloseRoom() {
  if (auto* room = FindOpen<ChatRoom>(WindowKind::kChatRoom)) room->Close();
  Purge();
}

void Client::Join(std::string_view name) {
  if (auto* room = FindOpen<ChatRoom>(WindowKind::kChatRoom)) room->Join(name);
}

void Client::Leave(std::string_view name) {
  if (auto* room = FindOpen<ChatRoom>(WindowKind::kChatRoom)) room->Leave(name);
}

void Client::Say(std::string_view sender, std::string_view message) {
  if (auto* room = FindOpen<ChatRoom>(WindowKind::kChatRoom)) {
    room->Say(sender, message, Speaker::kMember);
  }
}

// --- Mail the scene provides ---------------------------------------------------------------------

void Client::AddStoredMail(std::string subject) {
  StoredMail mail;
  mail.date = MailDate(ws_.clock().Local());
  mail.sender = kStoredMailSender;
  mail.body = StoredBody(subject);
  mail.subject = std::move(subject);
  mail_.AddToFlashBottom(std::move(mail));
}

void Client::AddFlashMails(const std::vector<std::string>& subjects) {
  for (const std::string& subject : subjects) AddStoredMail(subject);
}

void Client::GenerateFlashMails(int count, std::string_view prefix) {
  for (int k = 0; k < count; ++k) AddStoredMail(std::string(prefix) + " " + std::to_string(k));
}

void Client::NewMail(std::string_view subject, std::string_view body) {
  StoredMail mail;
  mail.date = MailDate(ws_.clock().Local());
  mail.sender = kNewMailSender;
  mail.subject = std::string(subject);
  mail.body = std::string(body);
  mail_.AddToNewMail(std::move(mail));
}

// --- Settings and popups -------------------------------------------------------------------------

void Client::SetDelay(Delay delay, double seconds) {
  settings_.SetDelay(delay, seconds);
}

void Client::SetFault(Fault fault) {
  settings_.SetFault(fault);
}

void Client::SetMailboxStall(double seconds) {
  settings_.SetMailboxStall(seconds);
}

// --- A person at the screen ---------------------------------------------------------------------

void Client::UserOpen(int position) {
  Start();
  const std::vector<StoredMail>& flash = mail_.flash();
  if (position < 0 || position >= static_cast<int>(flash.size())) return;
  ReadMailSoon(flash[static_cast<std::size_t>(position)].id, position, Opener::kPerson);
}

void Client::UserCompose() {
  Start();
  UserComposeSoon();
}

void Client::UserOpenMailbox() {
  Start();
  OpenMailboxSoon();
}

void Client::UserOpenAutomaticAol() {
  Start();
  OpenAutomaticAolSoon();
}

void Client::UserForward() {
  Start();
  if (auto* read = FindOpen<ReadMailWindow>(WindowKind::kReadMail)) ForwardSoon(*read);
}

void Client::ClosePersonsWindows() {
  const std::set<HWND> opened = std::move(persons_windows_);
  persons_windows_.clear();
  for (const HWND window : opened) {
    if (ClientWindow* open = FindOpen(window)) open->Close();
  }
  Purge();
}

void Client::StartChaos(std::uint32_t seed, std::function<void(double seconds)> hang) {
  Start();
  chaos_.reset();
  chaos_ = std::make_unique<Chaos>(
      context_,
      ChaosActions{[this](int position) { UserOpen(position); }, [this] { UserCompose(); },
                   [this] { CloseMailbox(); }, [this] { ClosePersonsWindows(); },
                   [this](PopupKind kind) { Popup(kind); }, [this] { return MailboxCount(); },
                   std::move(hang)},
      seed);
}

void Client::StopChaos() {
  chaos_.reset();
}

void Client::CloseMailbox() {
  Purge();
  if (auto* mailbox = FindOpen<ClientWindow>(WindowKind::kMailbox)) mailbox->Close();
  Purge();
}

void Client::Popup(PopupKind kind) {
  Start();
  Add(MakePopup(context_, kind));
}

void Client::SetEventCallback(std::function<void(const ClientEvent&)> callback) {
  journal_.SetEventCallback(std::move(callback));
}

// --- Menus ---------------------------------------------------------------------------------------

std::vector<MenuEntry> Client::MailMenu() {
  const auto mailbox = [this] { OpenMailboxSoon(); };
  const auto write = [this] { OpenWriteMailSoon(); };
  const auto automatic_aol = [this] { OpenAutomaticAolSoon(); };
  const auto preferences = [this] { OpenMailPreferencesSoon(); };
  auto filing_cabinet = [&] {
    return MenuEntry::Submenu(
        "Personal Filing Cabinet",
        {MenuEntry::Command("Incoming/Saved Mail", mailbox), MenuEntry::Command("Mail You've Sent"),
         MenuEntry::Command("Mail Waiting to Be Sent"), MenuEntry::Command("Newsgroup Postings")});
  };
  using E = MenuEntry;
  if (context_.layout == Layout::kVersion5) {
    return {E::Command("Mail Center"),
            E::Command("Read Mail"),
            E::Command("Write Mail", write),
            E::Separator(),
            E::Command("Old Mail"),
            E::Command("Sent Mail"),
            E::Command("Recently Deleted Mail"),
            E::Separator(),
            E::Command("Address Book"),
            E::Command("Mail Preferences", preferences),  // 8
            E::Command("Mail Extras"),
            E::Command("Greetings & Mail Extras"),
            E::Separator(),
            E::Command("Set up Automatic AOL"),
            E::Command("Run Automatic AOL", automatic_aol),  // 12
            E::Command("Mail Controls"),
            filing_cabinet(),  // 14
            E::Command("Mail Signatures")};
  }
  return {E::Command("Read Mail"),
          E::Command("Write Mail", write),
          E::Separator(),
          E::Command("Old Mail"),
          E::Command("Sent Mail"),
          E::Command("Address Book"),
          E::Separator(),
          E::Command("Mail Center"),
          E::Command("Mail Preferences", preferences),  // 7
          E::Command("Mail Controls"),
          E::Separator(),
          E::Command("Set up Automatic AOL"),
          E::Command("Run Automatic AOL", automatic_aol),  // 10
          E::Command("Mail Extras"),
          filing_cabinet(),  // 12
          E::Command("Greetings")};
}

std::vector<MenuEntry> Client::PeopleMenu() {
  using E = MenuEntry;
  return {E::Command("People Directory"),
          E::Command("Chat Now"),
          E::Command("Find a Chat"),
          E::Separator(),
          E::Command("Buddy List"),
          E::Command("Locate Member Online"),
          E::Command("Send Instant Message", [this] { OpenSendInstantMessageSoon(); }),  // 6
          E::Command("Get Directory Listing"),
          E::Command("Sign On a Friend"),
          E::Separator(),
          E::Command("Invitations")};
}

void Client::ShowPopupMenu(HWND icon, std::vector<MenuEntry> entries) {
  popup_menu_.reset();
  winsys::Rect icon_rect;
  ws_.GetWindowRect(icon, icon_rect);
  popup_menu_ = std::make_unique<PopupMenu>(ws_, router_, std::move(entries), context_.main_window,
                                            winsys::Point{icon_rect.left, icon_rect.bottom});
}

// --- Windows that take a moment to come ---------------------------------------------------------
// Signed off, the client opens no mail window when the moment comes: it would ask to sign on.

void Client::OpenMailboxSoon() {
  if (auto* mailbox = FindOpen<ClientWindow>(WindowKind::kMailbox)) {
    mailbox->BringToFront();
    return;
  }
  if (mailbox_coming_ || settings_.Has(Fault::kNoMailbox)) return;
  mailbox_coming_ = true;
  timers_.After(kWindowAppearSeconds, [this] {
    mailbox_coming_ = false;
    if (!SignedOn() || FindOpen<ClientWindow>(WindowKind::kMailbox) != nullptr) return;
    Add(std::make_unique<MailboxWindow>(
        context_, MailboxWindow::Actions{
                      [this](int mail_id, int position) { ReadMailSoon(mail_id, position); },
                      [this](int mail_id, int) { AskToDelete(mail_id); }}));
  });
}

void Client::OpenWriteMailSoon() {
  if (write_mail_coming_) return;
  write_mail_coming_ = true;
  timers_.After(settings_.AppearSeconds(Delay::kWrite), [this] {
    write_mail_coming_ = false;
    if (SignedOn()) Add(std::make_unique<ComposeWindow>(context_));
  });
}

// A person's Write Mail is not one the program asked for: it comes on its own, whatever the
// program's own Write Mail is doing, and holds the start of a letter.
void Client::UserComposeSoon() {
  timers_.After(settings_.AppearSeconds(Delay::kWrite), [this] {
    auto* compose = Add(std::make_unique<ComposeWindow>(context_));
    persons_windows_.insert(compose->hwnd());
    compose->TypeDraft("Pen Pal", "Hello again", "Dear Pen Pal, I was just thinking of");
  });
}

void Client::OpenAutomaticAolSoon() {
  if (auto* window = FindOpen<ClientWindow>(WindowKind::kAutomaticAol)) {
    window->BringToFront();
    return;
  }
  if (automatic_aol_coming_) return;
  automatic_aol_coming_ = true;
  timers_.After(kWindowAppearSeconds, [this] {
    automatic_aol_coming_ = false;
    Add(std::make_unique<AutomaticAolWindow>(context_, [this] { StartAutomaticAol(); }));
  });
}

void Client::OpenMailPreferencesSoon() {
  if (auto* dialog = FindOpen<ClientWindow>(WindowKind::kMailPreferences)) {
    dialog->BringToFront();
    return;
  }
  if (mail_preferences_coming_) return;
  mail_preferences_coming_ = true;
  timers_.After(kWindowAppearSeconds, [this] {
    mail_preferences_coming_ = false;
    Add(std::make_unique<MailPreferencesDialog>(
        context_, [this](std::vector<bool> choices) { mail_preferences_ = std::move(choices); }));
  });
}

void Client::OpenSendInstantMessageSoon() {
  if (send_instant_message_coming_) return;
  send_instant_message_coming_ = true;
  timers_.After(settings_.AppearSeconds(Delay::kInstantMessage), [this] {
    send_instant_message_coming_ = false;
    Add(std::make_unique<SendInstantMessageWindow>(
        context_, [this](SendInstantMessageWindow& window, const std::string& recipient,
                         const std::string& text) {
          const HWND send_window = window.hwnd();
          timers_.After(kInstantMessageAnswerSeconds, [this, send_window, recipient, text] {
            AnswerInstantMessage(send_window, recipient, text);
          });
        }));
  });
}

void Client::ReadMailSoon(int mail_id, int position, Opener opener) {
  if (settings_.Has(Fault::kNoRead) || reads_coming_.count(mail_id) != 0) return;
  for (const auto& window : windows_) {
    if (window->kind() != WindowKind::kReadMail || !window->IsOpen()) continue;
    if (static_cast<ReadMailWindow&>(*window).mail_id() == mail_id) {
      window->BringToFront();
      return;
    }
  }
  reads_coming_.insert(mail_id);
  timers_.After(settings_.AppearSeconds(Delay::kRead), [this, mail_id, position, opener] {
    reads_coming_.erase(mail_id);
    const StoredMail* mail = mail_.Find(mail_id);
    if (mail == nullptr || !SignedOn()) return;
    auto* read = Add(std::make_unique<ReadMailWindow>(
        context_, *mail, position, [this](ReadMailWindow& open) { ForwardSoon(open); }));
    if (opener == Opener::kPerson) persons_windows_.insert(read->hwnd());
  });
}

// One forward window per open mail: a click while it is coming does nothing, a click while it
// is open brings it to the front. A program that clicks Forward until the window shows gets one,
// unless the client lags (forward-twice): then every click brings a window of its own.
void Client::ForwardSoon(ReadMailWindow& read_window) {
  const HWND origin = read_window.hwnd();
  const bool every_click = settings_.Has(Fault::kForwardTwice);
  for (const auto& window : windows_) {
    if (every_click) break;
    if (window->kind() != WindowKind::kForward || !window->IsOpen()) continue;
    auto& forward = static_cast<ComposeWindow&>(*window);
    if (forward.opened_from() == origin && !forward.Sent()) {
      forward.BringToFront();
      return;
    }
  }
  if (!every_click && forwards_coming_.count(origin) != 0) return;
  forwards_coming_.insert(origin);
  const StoredMail mail = read_window.mail();
  const int position = read_window.position();
  timers_.After(settings_.AppearSeconds(Delay::kForward), [this, origin, mail, position] {
    forwards_coming_.erase(origin);
    if (SignedOn()) Add(std::make_unique<ComposeWindow>(context_, mail, position, origin));
  });
}

// --- Deleting ------------------------------------------------------------------------------------

void Client::AskToDelete(int mail_id) {
  if (settings_.Has(Fault::kDeleteNoDialog)) {
    DeleteMail(mail_id);
    return;
  }
  Add(std::make_unique<Notice>(
      context_, WindowKind::kDeleteConfirmation,
      "Are you sure you want to permanently delete the selected item?",
      std::vector<NoticeButton>{NoticeButton{"Yes", [this, mail_id] { DeleteMail(mail_id); }},
                                NoticeButton{"No", {}}}));
}

void Client::DeleteMail(int mail_id) {
  const std::optional<int> position = mail_.FlashPositionOf(mail_id);
  const StoredMail* mail = mail_.Find(mail_id);
  if (!position || mail == nullptr) return;
  MailDeletion deletion{mail_id, *position, mail->subject, context_.Now()};
  mail_.RemoveFromFlash(mail_id);
  journal_.Record(std::move(deletion));
}

// --- Flash sessions ------------------------------------------------------------------------------

void Client::StartAutomaticAol() {
  auto* window = FindOpen<AutomaticAolWindow>(WindowKind::kAutomaticAol);
  if (window != nullptr) {
    automatic_aol_choices_ = window->Choices();
    window->CloseSoon();
  }
  if (FindOpen<ClientWindow>(WindowKind::kFlashDialog) != nullptr) return;
  Add(std::make_unique<FlashDialog>(context_, [this](bool) { BeginFlashSession(); }));
}

// A session started while another runs (a stuck one, say) takes its place.
void Client::BeginFlashSession() {
  auto* status = Add(std::make_unique<StatusWindow>(context_, WindowKind::kSessionStatus, ""));
  flash_session_ = std::make_unique<FlashSession>(context_, status->view(), [this](int filed) {
    journal_.Record(FlashSessionEnd{filed, context_.Now()});
  });
}

// --- Instant messages and addresses --------------------------------------------------------------

void Client::AnswerInstantMessage(HWND send_window, const std::string& recipient,
                                  const std::string& text) {
  auto* sender = static_cast<SendInstantMessageWindow*>(FindOpen(send_window));
  if (settings_.Has(Fault::kImRefused) || !CanReceiveInstantMessages(recipient)) {
    journal_.Record(
        InstantMessage{recipient, text, InstantMessageOutcome::kRefused, context_.Now()});
    if (sender != nullptr) sender->SetAwaitingAnswer(false);
    Add(std::make_unique<Notice>(context_, WindowKind::kInstantMessageRefusal,
                                 recipient + " is not currently signed on.",
                                 std::vector<NoticeButton>{NoticeButton{"OK", {}}}));
    return;
  }
  if (SameScreenName(recipient, kImOff)) instant_messages_on_ = false;
  if (SameScreenName(recipient, kImOn)) instant_messages_on_ = true;
  journal_.Record(InstantMessage{recipient, text, InstantMessageOutcome::kSent, context_.Now()});
  if (sender != nullptr) sender->Close();
  Add(std::make_unique<ConversationWindow>(context_, recipient, text));
}

void Client::GoTo(const std::string& address) {
  journal_.Record(VisitedAddress{address, context_.Now()});
}

// --- Window objects ------------------------------------------------------------------------------

ClientWindow* Client::FindOpen(HWND hwnd) const {
  for (const auto& window : windows_) {
    if (window->hwnd() == hwnd && window->IsOpen()) return window.get();
  }
  return nullptr;
}

void Client::Purge() {
  if (popup_menu_ && !popup_menu_->IsOpen()) popup_menu_.reset();
  std::erase_if(windows_, [](const std::unique_ptr<ClientWindow>& w) { return !w->IsOpen(); });
}

// --- Views ---------------------------------------------------------------------------------------

std::vector<ChatLine> Client::UserLines() const {
  std::vector<ChatLine> lines;
  for (const ChatLine& line : journal_.chat_lines()) {
    if (line.speaker == Speaker::kUser) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> Client::VisitedAddresses() const {
  std::vector<std::string> addresses;
  for (const VisitedAddress& visit : journal_.visited()) addresses.push_back(visit.address);
  return addresses;
}

bool Client::RoomOpen() const {
  return FindOpen<ChatRoom>(WindowKind::kChatRoom) != nullptr;
}

std::string Client::RoomTitle() const {
  const auto* room = FindOpen<ChatRoom>(WindowKind::kChatRoom);
  return room != nullptr ? room->title() : std::string();
}

std::vector<std::string> Client::RoomMembers() const {
  const auto* room = FindOpen<ChatRoom>(WindowKind::kChatRoom);
  return room != nullptr ? room->Members() : std::vector<std::string>();
}

std::vector<std::string> Client::MailboxLines() const {
  std::vector<std::string> lines;
  for (const StoredMail& mail : mail_.flash()) lines.push_back(MailboxLine(mail));
  return lines;
}

std::vector<std::string> Client::MailboxSubjects() const {
  std::vector<std::string> subjects;
  for (const StoredMail& mail : mail_.flash()) subjects.push_back(mail.subject);
  return subjects;
}

int Client::MailboxCount() const {
  return static_cast<int>(mail_.flash().size());
}

std::vector<std::string> Client::NewMailSubjects() const {
  std::vector<std::string> subjects;
  for (const StoredMail& mail : mail_.new_mail()) subjects.push_back(mail.subject);
  return subjects;
}

int Client::OpenPopupCount() const {
  return static_cast<int>(std::count_if(windows_.begin(), windows_.end(), [](const auto& w) {
    return IsPopupKind(w->kind()) && w->IsOpen();
  }));
}

bool Client::IsContentWindowOpen(std::string_view caption) const {
  if (context_.mdi_client == winsys::kNoWindow) return false;
  const std::string wanted(caption);
  return ws_.FindWindowEx(context_.mdi_client, winsys::kNoWindow, classes::kChild,
                          wanted.c_str()) != winsys::kNoWindow;
}

std::vector<std::string> Client::OpenContentWindowCaptions() const {
  std::vector<std::string> captions;
  if (context_.mdi_client == winsys::kNoWindow) return captions;
  HWND child = winsys::kNoWindow;
  while ((child = ws_.FindWindowEx(context_.mdi_client, child, classes::kChild, nullptr)) !=
         winsys::kNoWindow) {
    captions.push_back(ws_.GetWindowText(child));
  }
  return captions;
}

int Client::StopIncomingTextCount() const {
  return main_ ? main_->stop_incoming_text_count() : 0;
}

bool Client::FlashSessionRunning() const {
  return flash_session_ && flash_session_->Running();
}

}  // namespace aolsim
