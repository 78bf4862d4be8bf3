#pragma once
// The server window, `serverFrm`: the program's main window and the owner of the serving state.
// It shows the three visible request queues and the served counters, carries the buttons that
// start, stop, pause, resume and finish serving and open the Banning window and the options
// menu, and holds the five timers that drive everything else: the chat intake (ChatTimer), the
// serving tick (RequestTimer, the serving loop's), the advert and list minute timers, and the
// dialog watchdog (WindowTimer).
//
// Stop, Pause and Finish never touch the client: they raise flags of the shared variables that
// the serving tick carries out. Closing the window ends the program.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "aol_automation/wait_bounds.h"
#include "serving_engine/chat_intake.h"
#include "serving_engine/request_queue.h"
#include "serving_engine/served_counters.h"
#include "serving_engine/settings.h"
#include "shared/program_end.h"
#include "shared/ui/button.h"
#include "shared/ui/form.h"
#include "shared/ui/frame.h"
#include "shared/ui/list_box.h"
#include "shared/ui/status_bar.h"
#include "shared/ui/timer.h"
#include "shared/ui/toolbar.h"
#include "shared/variables.h"

namespace ui {
class MenuEntry;
class Registry;
}  // namespace ui

namespace serving_engine {

class BanList;
class ListResults;
class ServingWork;

inline constexpr char kServerCaption[] = "tollmere server for aol 4/5 by vornik";
inline constexpr ui::TwipsSize kServerSize{4725, 5070};

inline constexpr char kStartCaption[] = "Start";
inline constexpr char kStopCaption[] = "Stop";
inline constexpr char kPauseCaption[] = "Pause";
inline constexpr char kResumeCaption[] = "Resume";

inline constexpr char kItemRequestsLabel[] = "Item Requests:  ";
inline constexpr char kListRequestsLabel[] = "List Requests:  ";
inline constexpr char kFindRequestsLabel[] = "Find Requests:  ";

// The status bar's text for a number of mails sent: N " Mails, " P " People Served".
std::string ServedCountsText(int mails_served, int people_served);

class ServerForm : public ServedCounters {
 public:
  ServerForm(winsys::WindowSystem& ws, ui::Registry& registry, shared::Variables& variables,
             const vornik32::WaitBounds& bounds, shared::ProgramEnd& end);
  ~ServerForm() override;
  ServerForm(const ServerForm&) = delete;
  ServerForm& operator=(const ServerForm&) = delete;

  // What the server window reads of the windows above it and sets going. They point back at it,
  // so they are made after it and given to it before the program starts.
  struct WindowsAbove {
    Settings& settings;
    const ListResults& lists;
    const BanList& bans;
    ServingWork& work;
    ui::MenuEntry& options_menu;  // popped up by Options
    ui::Form& banning;            // shown by Banning
  };
  void Wire(const WindowsAbove& above) { above_.emplace(above); }

  // --- The window and its controls, as designed ------------------------------------------------
  ui::Form form;
  ui::Toolbar Toolbar1;
  ui::Button Command1;  // Start / Stop
  ui::Button Command2;  // Pause / Resume
  ui::Button Command3;  // Finish
  ui::Button Command4;  // Banning
  ui::Button Command5;  // Options
  ui::Frame Frame1;
  RequestQueue Requests;  // "Joe - 12"
  ui::Frame Frame2;
  RequestQueue Lists;  // "Joe"
  ui::Frame Frame3;
  RequestQueue Finds;  // "Joe - red car"
  ui::StatusBar StatusBar1;
  ui::ListBox PeopleServed;  // hidden: each screen name served, once
  RequestQueue Statuss;      // hidden: "Joe"
  ui::Timer ChatTimer;
  ui::Timer RequestTimer;
  ui::Timer WindowTimer;
  ui::Timer AdvTimer;
  ui::Timer ListTimer;

  // Loads the window (the program's start): greeting, handle, reminder box, shown topmost.
  void Load() { form.Load(); }

  // --- Event handlers ----------------------------------------------------------------------------
  void Form_Load();
  void Form_Resize();
  void Form_Unload();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Requests_DblClick();
  void Lists_DblClick();
  void Finds_DblClick();
  void ChatTimer_Timer();
  void RequestTimer_Timer();
  void WindowTimer_Timer();
  void AdvTimer_Timer();
  void ListTimer_Timer();

  // --- What other windows call ------------------------------------------------------------------
  // The four queues, as the chat intake fills them and the serving loop serves them.
  RequestQueues queues() { return {Requests, Lists, Finds, Statuss}; }
  // Whether the number names a title of the List Designer's mail list.
  bool IsValidNumber(std::int64_t number) const;
  // The pending-count announcement: every seventh call posts the counts of the shown queues.
  void AdvCommands();
  // The four advert lines for the current handle and mail data, and posting them (0.01 s apart).
  std::vector<std::string> AdvertLines() const;
  void PostAdvert();

  // The served counters, kept in StatusBar1 and PeopleServed.
  int MailsServed() const override;
  void ShowServedCounts(int mails_served) override;
  void ShowServedCountsWithNote(int mails_served, std::string_view note) override;
  void AddToServed(const std::string& screen_name) override;
  int PeopleServedCount() const override { return PeopleServed.count(); }
  void ForgetPeopleServed() override { PeopleServed.clear(); }

  // Finds the mailbox, opening it when it is not open, and hides it; false when it did not
  // appear, or its list did not stop growing, in time. Start does it, and the serving tick when the
  // mailbox went while serving.
  bool OpenAndHideMailbox();

  int advert_minutes() const { return advert_minutes_; }
  int list_minutes() const { return list_minutes_; }
  int announcement_calls() const { return announcement_calls_; }

 private:
  class Sources;

  bool IsServing() const;
  // Whether serving switched the client's instant messages off and has not switched them on.
  bool ServingHasInstantMessagesOff() const;
  void ForgetPauseAndFinish();
  // Start's steps after its checks.
  void StartServing();
  void Refuse(std::string_view text);
  void RemoveSelected(RequestQueue& queue);
  void MarkListsDueOnRequest();
  static bool MinuteEntryDue(const Settings::MinuteChecks& checked, int minutes);
  static std::string DownloadLinkLine();

  winsys::WindowSystem& ws_;
  ui::Registry& registry_;
  shared::Variables& variables_;
  const vornik32::WaitBounds& bounds_;
  shared::ProgramEnd& end_;
  std::optional<WindowsAbove> above_;
  std::unique_ptr<Sources> sources_;
  ChatIntake intake_;
  int advert_minutes_ = 0;
  int list_minutes_ = 0;
  int announcement_calls_ = 0;
  bool resizing_ = false;
  bool instant_messages_off_ = false;
};

}  // namespace serving_engine
