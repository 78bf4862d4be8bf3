#pragma once
// The Flash mailbox "Incoming/Saved Mail": its "_AOL_Tree" holds one line per stored mail
// (date, tab, sender, tab, subject) and answers list-box messages. The list fills gradually
// after the window opens: at kMailboxLinesPerSecond, or, when the mailbox delay is set, so
// that the lines there at opening take that long. Its 1st "_AOL_Icon" reads the selected mail,
// its 4th deletes it.

#include <functional>
#include <optional>
#include <utility>

#include "aolsim/client_window.h"

namespace aolsim {

inline constexpr const char* kMailboxCaption = "Incoming/Saved Mail";
inline constexpr int kMailboxReadIcon = 1;
inline constexpr int kMailboxDeleteIcon = 4;

class MailboxWindow : public ClientWindow {
 public:
  struct Actions {
    // The selected mail (its id and its line's position).
    std::function<void(int mail_id, int position)> read;
    std::function<void(int mail_id, int position)> remove;
  };

  MailboxWindow(ClientContext& context, Actions actions);

  winsys::HWND tree() const { return tree_; }
  int filled() const { return filled_; }
  bool IsFilling() const { return filled_ < static_cast<int>(context_.mail.flash().size()); }

  // The Flash mailbox changed (MailStore's listener).
  void OnInserted(int index, int count);
  void OnRemoved(int index);

 private:
  // The fill timer runs only while lines are missing.
  void KeepFilling();
  void FillStep();
  void AddLine(int index);
  // Whether the fill has come to the line where it stalls (once, halfway).
  bool ReachedStall() const { return stall_.has_value() && filled_ >= stall_at_; }
  // The selected line when it shows a mail: its mail id and position.
  std::optional<std::pair<int, int>> Selection() const;

  Actions actions_;
  winsys::HWND tree_ = winsys::kNoWindow;
  int filled_ = 0;
  double lines_per_second_ = kMailboxLinesPerSecond;
  double last_step_ = 0;
  double budget_ = 0;
  TimerId fill_timer_ = 0;
  std::optional<double> stall_;
  int stall_at_ = 0;
  double stalled_until_ = 0;
};

}  // namespace aolsim
