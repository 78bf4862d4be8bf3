#pragma once
// What the scenario runner and tests can tell the client: how long it takes for things, how it
// misbehaves, and which of the dialogs the program's watchdog clears should pop up.

#include <algorithm>
#include <optional>
#include <set>
#include <string_view>

namespace aolsim {

enum class Delay { kMailbox, kRead, kForward, kWrite, kFlash, kInstantMessage };

enum class Fault {
  kNone,            // ends all faults
  kNoMailbox,       // the mailbox never opens
  kNoRead,          // a mail never opens
  kSendStuck,       // Write Mail neither sends nor closes after Send
  kFlashStuck,      // a flash session never finishes
  kDeleteNoDialog,  // deleting a mail asks nothing
  kImRefused,       // every instant message is refused
  kForwardTwice,    // every click on Forward opens another forward window
};

enum class PopupKind { kStatus, kError, kModal, kNotice };

// The words of the scenario language: "mailbox", "read", "forward", "write", "flash", "im";
// "no-mailbox", ..., "none"; "status", "error", "modal", "notice".
std::optional<Delay> ParseDelay(std::string_view word);
std::optional<Fault> ParseFault(std::string_view word);
std::optional<PopupKind> ParsePopupKind(std::string_view word);
const char* ToString(Delay delay);
const char* ToString(Fault fault);
const char* ToString(PopupKind kind);

// Default times, in seconds. Each window appears after a short fixed time unless its delay was
// set; the mailbox list fills at a steady rate unless told how long the whole list takes.
inline constexpr double kWindowAppearSeconds = 0.3;
inline constexpr double kMailboxLinesPerSecond = 300.0;
inline constexpr double kFlashSessionSeconds = 3.0;
inline constexpr double kSendCloseSeconds = 0.5;             // a sent mail's window goes away
inline constexpr double kInstantMessageAnswerSeconds = 0.3;  // conversation window or refusal
inline constexpr double kModalShowSeconds = 0.2;  // an "_AOL_Modal" is created hidden, then shown

class Settings {
 public:
  void SetDelay(Delay delay, double seconds);
  // The delay that was set, or nothing when the default applies.
  std::optional<double> DelayOf(Delay delay) const;
  // The time a window takes to appear: the delay set, else kWindowAppearSeconds.
  double AppearSeconds(Delay delay) const;

  void SetFault(Fault fault);  // kNone clears all, the mailbox stall too
  void ClearFault(Fault fault) { faults_.erase(fault); }
  // Every delay as the other settings have it (set or default).
  void CopyDelaysFrom(const Settings& other);
  bool Has(Fault fault) const { return faults_.count(fault) != 0; }

  // The next time the mailbox list fills it stops growing for this long, once, halfway.
  void SetMailboxStall(double seconds) { mailbox_stall_ = std::max(0.0, seconds); }
  // The stall for the fill that begins now; it is used up.
  std::optional<double> TakeMailboxStall();

 private:
  std::optional<double> delays_[6];
  std::set<Fault> faults_;
  std::optional<double> mailbox_stall_;
};

}  // namespace aolsim
