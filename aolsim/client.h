#pragma once
// The stand-in client. It plays the online service's 4.0 or 5.0 Windows client on a desktop,
// written against the window-system seam like any program, so that the program can be driven
// against it and tests can see what the program made it do. It never blocks and never runs a
// loop of its own: everything it does later is a timer of its own.
//
// The scenario runner and tests set the scene (sign on, open a room, speak as members, fill the
// mailbox, make it slow or faulty, pop up dialogs) and read what happened (mails delivered, chat
// lines, instant messages, addresses visited, windows open).
//
// The desktop must outlive the client; the client destroys all its windows when it goes.
// The event callback runs while the client handles a message; it must not call back into the
// client's methods that change it.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "aolsim/client_context.h"
#include "aolsim/client_window.h"
#include "aolsim/layout.h"
#include "aolsim/mail_store.h"
#include "aolsim/message_router.h"
#include "aolsim/popup_menu.h"
#include "aolsim/records.h"
#include "aolsim/settings.h"
#include "aolsim/timers.h"

namespace aolsim {

class Chaos;
class ChatRoom;
class FlashSession;
class MainWindow;
class MailboxWindow;
class ReadMailWindow;

// The sender of stored mails added by AddFlashMails / GenerateFlashMails, and of NewMail.
inline constexpr const char* kStoredMailSender = "MailKeeper";
inline constexpr const char* kNewMailSender = "Pen Pal";

class Client {
 public:
  Client(winsys::WindowSystem& ws, Layout layout);
  ~Client();
  Client(const Client&) = delete;
  Client& operator=(const Client&) = delete;

  // Shows the main window. The methods below start the client first when it is not started.
  void Start();

  // --- The scene ----------------------------------------------------------------------------
  void SignOn(std::string_view screen_name);  // the Welcome window opens
  void SignOff();                             // the Welcome window goes
  // Opens a room (closing one already open); the signed-on user is its first member.
  void OpenRoom(std::string_view title, const std::vector<std::string>& members);
  void CloseRoom();
  void Join(std::string_view name);
  void Leave(std::string_view name);
  void Say(std::string_view sender, std::string_view message);

  // Stored mails at the bottom of the Flash mailbox, one per subject, in order.
  void AddFlashMails(const std::vector<std::string>& subjects);
  // count stored mails with the subjects prefix + " " + k for k = 0 .. count - 1.
  void GenerateFlashMails(int count, std::string_view prefix);
  // A mail arrives in New Mail; a flash session files it.
  void NewMail(std::string_view subject, std::string_view body);

  void SetDelay(Delay delay, double seconds);
  void SetFault(Fault fault);
  // The next fill of the mailbox list stops for this long, once, halfway.
  void SetMailboxStall(double seconds);

  // --- A person at the client's screen --------------------------------------------------------
  // The windows a person opens are the same windows the program gets: nothing tells them apart.
  // Opens the stored mail at this position of the Flash mailbox; its window stays open.
  void UserOpen(int position);
  // Opens Write Mail, types a few words into it and leaves it open.
  void UserCompose();
  // Closes the mailbox window, as its close box does.
  void CloseMailbox();
  // Opens the Flash mailbox, Automatic AOL, or the forward window of the newest open mail, as a
  // person does through the client's menu and buttons.
  void UserOpenMailbox();
  void UserOpenAutomaticAol();
  void UserForward();
  // The person closes every window they opened that is still open.
  void ClosePersonsWindows();

  // From now on delays and faults vary at random, reproducibly from seed (see Chaos); hang is
  // how the client is made to stop answering, which only the desktop can do. A second call
  // starts over from the new seed.
  void StartChaos(std::uint32_t seed, std::function<void(double seconds)> hang);
  void StopChaos();
  bool ChaosOn() const { return chaos_ != nullptr; }
  void Popup(PopupKind kind);
  void SetEventCallback(std::function<void(const ClientEvent&)> callback);

  // --- What happened ---------------------------------------------------------------------------
  Layout layout() const { return context_.layout; }
  bool SignedOn() const { return context_.SignedOn(); }
  const std::string& screen_name() const { return context_.screen_name; }
  winsys::HWND main_window() const { return context_.main_window; }

  const Journal& journal() const { return journal_; }
  const std::vector<Delivery>& Deliveries() const { return journal_.deliveries(); }
  const std::vector<ChatLine>& RoomLines() const { return journal_.chat_lines(); }
  // Indices into RoomLines of the lines a reader of the transcript lost.
  const std::vector<std::size_t>& LinesLostUnread() const { return journal_.lost_unread(); }
  // The lines the user posted through the room's input line (the program's lines).
  std::vector<ChatLine> UserLines() const;
  const std::vector<InstantMessage>& InstantMessages() const { return journal_.instant_messages(); }
  std::vector<std::string> VisitedAddresses() const;
  const std::vector<MailDeletion>& Deletions() const { return journal_.deletions(); }
  const std::vector<FlashSessionEnd>& FlashSessions() const { return journal_.flash_sessions(); }

  bool RoomOpen() const;
  std::string RoomTitle() const;
  std::vector<std::string> RoomMembers() const;
  // Grows whenever a room opens or closes or its members change.
  std::uint64_t RoomMemberChanges() const { return context_.room_member_changes; }

  // The Flash mailbox as stored (an open mailbox window may still be filling).
  std::vector<std::string> MailboxLines() const;
  std::vector<std::string> MailboxSubjects() const;
  int MailboxCount() const;
  std::vector<std::string> NewMailSubjects() const;
  const MailStore& mail() const { return mail_; }

  bool InstantMessagesOn() const { return instant_messages_on_; }
  // How slow and faulty the client is now (as the script or chaos set it).
  const Settings& settings() const { return settings_; }
  // The dialogs of the kinds Popup opens that are open now, whoever opened them: "Status"
  // content windows (a flash session's too), "Error" content windows, the "AOL Modal" and the
  // "America Online" notices with an OK button (an instant message's refusal too). The delete
  // confirmation (Yes / No) is not one of them.
  int OpenPopupCount() const;
  // Whether a content window with this caption is open (whole caption, any letter case).
  bool IsContentWindowOpen(std::string_view caption) const;
  std::vector<std::string> OpenContentWindowCaptions() const;
  int StopIncomingTextCount() const;
  bool FlashSessionRunning() const;
  // The check boxes as they stood when Mail Preferences was last closed with OK, and when
  // Automatic AOL was last started.
  std::optional<std::vector<bool>> MailPreferences() const { return mail_preferences_; }
  std::optional<std::vector<bool>> AutomaticAolChoices() const { return automatic_aol_choices_; }

 private:
  template <typename Window>
  Window* Add(std::unique_ptr<Window> window);
  template <typename Window>
  Window* FindOpen(WindowKind kind) const;
  ClientWindow* FindOpen(winsys::HWND hwnd) const;
  // Lets go of window objects whose windows are gone.
  void Purge();

  std::vector<MenuEntry> MailMenu();
  std::vector<MenuEntry> PeopleMenu();
  void ShowPopupMenu(winsys::HWND icon, std::vector<MenuEntry> entries);

  void OpenMailboxSoon();
  void OpenWriteMailSoon();
  void UserComposeSoon();
  void OpenAutomaticAolSoon();
  void OpenMailPreferencesSoon();
  void OpenSendInstantMessageSoon();
  // Who opens a window: the program's windows and a person's are the same; only the client's
  // record of what the person may close later tells them apart.
  enum class Opener { kProgram, kPerson };
  void ReadMailSoon(int mail_id, int position, Opener opener = Opener::kProgram);
  void ForwardSoon(ReadMailWindow& read_window);
  void AskToDelete(int mail_id);
  void DeleteMail(int mail_id);
  void StartAutomaticAol();
  void BeginFlashSession();
  void AnswerInstantMessage(winsys::HWND send_window, const std::string& recipient,
                            const std::string& text);
  void GoTo(const std::string& address);
  void AddStoredMail(std::string subject);

  winsys::WindowSystem& ws_;
  MessageRouter router_;
  Timers timers_;
  Settings settings_;
  MailStore mail_;
  Journal journal_;
  ClientContext context_;

  std::unique_ptr<MainWindow> main_;
  std::vector<std::unique_ptr<ClientWindow>> windows_;
  std::unique_ptr<PopupMenu> popup_menu_;
  std::unique_ptr<FlashSession> flash_session_;
  std::unique_ptr<Chaos> chaos_;
  std::set<winsys::HWND> persons_windows_;

  // Windows on their way (a click while one is coming does not bring a second).
  bool mailbox_coming_ = false;
  bool write_mail_coming_ = false;
  bool automatic_aol_coming_ = false;
  bool mail_preferences_coming_ = false;
  bool send_instant_message_coming_ = false;
  std::set<int> reads_coming_;              // mail ids
  std::set<winsys::HWND> forwards_coming_;  // the open mails they come from

  bool instant_messages_on_ = true;
  std::optional<std::vector<bool>> mail_preferences_;
  std::optional<std::vector<bool>> automatic_aol_choices_;
};

}  // namespace aolsim
