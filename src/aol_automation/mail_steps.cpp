#include "aol_automation/mail_steps.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "aol_automation/shape_finder.h"
#include "aol_automation/toolbar_menu.h"
#include "aol_automation/wait_for_window.h"
#include "aol_automation/window_operations.h"
#include "shared/winsys/wait.h"

namespace vornik32 {
namespace {

using winsys::kNoWindow;

constexpr int kMailMenuButton = 3;
constexpr int kWriteMailButton = 2;
constexpr int kFirstSubmenuItem = 1;
constexpr int kSubjectEdit = 3;
constexpr double kPause = 0.1;
constexpr double kPauseAfterFlashMenu = 0.3;
constexpr double kPauseBeforeSend = 0.4;
constexpr double kPauseBeforeClosing = 1.0;
constexpr double kMailboxReadingSpacing = 0.25;
// A client that lags answers a Forward click late; clicking again before this has passed with
// no forward window would open one window per click.
constexpr double kForwardClickInterval = 1.0;
constexpr std::size_t kForwardedSubjectPrefix = 5;  // the client's "Fwd: " before the subject
constexpr int kAutomaticAolCheckboxes = 6;

HWND MailboxTree(winsys::WindowSystem& ws) {
  return FirstChild(ws, ContentWindow(ws, kMailboxCaption), kTreeClass);
}

bool Contains(const std::vector<HWND>& windows, HWND window) {
  return std::find(windows.begin(), windows.end(), window) != windows.end();
}

// A field of five characters or fewer becomes empty rather than being cut past its end.
std::string SubjectWithoutForwardPrefix(const std::string& subject) {
  return subject.size() > kForwardedSubjectPrefix ? subject.substr(kForwardedSubjectPrefix) : "";
}

MailResult StoppedAt(MailStep step) {
  return {Outcome::kGaveUp, step};
}

// The line at position is selected when the client answers with that position (LB_ERR for a
// position beyond its list).
bool SelectLine(winsys::WindowSystem& ws, HWND tree, int position) {
  const std::optional<winsys::LRESULT> answer =
      ws.SendMessageAnswered(tree, winsys::LB_SETCURSEL, static_cast<winsys::WPARAM>(position), 0);
  return answer && *answer == position;
}

// The windows one forward opened. Only a window that was not there before the forward's own
// click, and that shows the mail the forward selected, is the forward's: any other is a
// person's, or is left over from an earlier forward whose window came late, and is neither used
// nor closed.
class ForwardWindows {
 public:
  ForwardWindows(winsys::WindowSystem& ws, std::string subject)
      : ws_(ws),
        subject_(std::move(subject)),
        mails_before_(WindowsOfShape(ws, kReadMailShape)),
        forwards_before_(WindowsOfShape(ws, kComposeShape)) {}

  // A visible open mail that came after the click on Read, captioned with the subject.
  HWND NewOpenMail() {
    for (const HWND mail : OwnOpenMails()) {
      if (ws_.IsWindowVisible(mail)) return mail;
    }
    return kNoWindow;
  }
  // Every click asks the client for a window; what has not come by the end may come later.
  void AskedForOpenMail() {
    open_mail_asked_ = true;
    last_ask_ = ws_.clock().Now();
  }
  void AskedForForward() {
    ++forwards_asked_;
    last_ask_ = ws_.clock().Now();
  }

  // A forward window that came after the click on Read, whose subject is the mail's; the one
  // found is the forward's from then on, whatever its subject field is changed to.
  HWND NewForwardWindow() {
    const std::vector<HWND> own = OwnForwardWindows();
    chosen_ = own.empty() ? kNoWindow : own.front();
    return chosen_;
  }
  // Whether a forward window came whose subject is some other mail's.
  bool SawOtherForward() const { return saw_other_forward_; }

  // Closes the forward windows of the forward's own other than the one it filled (a lagging
  // client may have opened a second one for one click).
  void CloseExtraForwards() {
    for (const HWND forward : OwnForwardWindows()) {
      if (forward != chosen_) CloseWindow(ws_, forward);
    }
  }
  void CloseOpenMails() {
    for (const HWND mail : OwnOpenMails()) CloseWindow(ws_, mail);
  }
  // After a give-up the client is left as it was: no window of the forward's stays on screen.
  MailResult GiveUpAt(MailStep step) {
    CloseExtraForwards();
    CloseWindow(ws_, chosen_);
    CloseOpenMails();
    return WithLateWindows(StoppedAt(step));
  }
  // The result, with the windows the client still owes the forward: those asked for and not seen.
  MailResult WithLateWindows(MailResult result) const {
    LateWindows& late = result.late;
    late.subject = subject_;
    late.known = mails_before_;
    late.known.insert(late.known.end(), forwards_before_.begin(), forwards_before_.end());
    late.known.insert(late.known.end(), seen_.begin(), seen_.end());
    late.forwards = std::max(0, forwards_asked_ - forwards_seen_);
    late.open_mails = open_mail_asked_ && !open_mail_seen_ ? 1 : 0;
    late.asked_at = last_ask_;
    return result;
  }

 private:
  std::vector<HWND> OwnOpenMails() {
    std::vector<HWND> own;
    for (const HWND mail : WindowsOfShape(ws_, kReadMailShape)) {
      if (!Contains(mails_before_, mail) && ws_.GetWindowText(mail) == subject_) {
        own.push_back(mail);
        if (Remember(mail)) open_mail_seen_ = true;
      }
    }
    return own;
  }

  // Whether the window was seen for the first time.
  bool Remember(HWND window) {
    if (Contains(seen_, window)) return false;
    seen_.push_back(window);
    return true;
  }

  std::vector<HWND> OwnForwardWindows() {
    std::vector<HWND> own;
    for (const HWND forward : WindowsOfShape(ws_, kComposeShape)) {
      if (Contains(forwards_before_, forward)) continue;
      const std::optional<std::string> shown = ForwardedMailSubject(ws_, forward);
      if (!shown) continue;
      if (*shown == subject_) {
        own.push_back(forward);
        if (Remember(forward)) ++forwards_seen_;
      } else {
        saw_other_forward_ = true;
      }
    }
    return own;
  }

  winsys::WindowSystem& ws_;
  std::string subject_;
  std::vector<HWND> mails_before_;
  std::vector<HWND> forwards_before_;
  HWND chosen_ = kNoWindow;
  bool saw_other_forward_ = false;
  std::vector<HWND> seen_;
  bool open_mail_asked_ = false;
  bool open_mail_seen_ = false;
  int forwards_asked_ = 0;
  int forwards_seen_ = 0;
  double last_ask_ = 0;
};

}  // namespace

bool IsEmptyWriteMail(winsys::WindowSystem& ws, HWND window) {
  for (const HWND field :
       {FirstChild(ws, window, kEditClass), NthChild(ws, window, kEditClass, kSubjectEdit),
        FirstChild(ws, window, kRichTextClass)}) {
    const std::optional<std::string> text = AnsweredText(ws, field);
    if (!text || !text->empty()) return false;
  }
  return true;
}

std::optional<std::string> ForwardedMailSubject(winsys::WindowSystem& ws, HWND forward) {
  const std::optional<std::string> shown =
      AnsweredText(ws, NthChild(ws, forward, kEditClass, kSubjectEdit));
  if (!shown) return std::nullopt;
  return SubjectWithoutForwardPrefix(*shown);
}

namespace {

// Waits, without posting anything to it, for a window that was sent to close by itself: a window
// closed by the program would prove nothing about the mail.
Outcome WaitUntilGone(winsys::WindowSystem& ws, HWND window, double bound_seconds) {
  const auto gone = [&] { return !ws.IsWindow(window); };
  return WaitForWindow(ws, bound_seconds, kPause).UntilAtOnce(gone, gone);
}

// The mailbox is taken as loaded once its count has stood still for mailbox_settles seconds of
// answered readings: a large mailbox pauses while it fills, and a reading the client did not
// answer says nothing, so it starts the stillness over. The bound on the whole fill grows with
// the count already arrived, so that a long list still arriving is not cut at a fixed time.
Outcome WaitForMailboxToSettle(winsys::WindowSystem& ws, const WaitBounds& bounds) {
  const double started = ws.clock().Now();
  constexpr int kNoReading = -1;
  int still_count = kNoReading;
  double still_since = started;
  int most = 0;
  for (;;) {
    ws.DoEvents();
    const int count = AnsweredListCount(ws, MailboxTree(ws)).value_or(kNoReading);
    const double now = ws.clock().Now();
    if (count == kNoReading || count != still_count) {
      still_count = count;
      still_since = now;
      most = std::max(most, count);
    } else if (now - still_since >= bounds.mailbox_settles) {
      return Outcome::kDone;
    }
    const double bound = std::max(bounds.mailbox_fills, most / bounds.slowest_mailbox_fill);
    // A program that is ending gives up at once, as every other wait does.
    if (now - started >= bound || ws.ShouldQuit()) return Outcome::kGaveUp;
    winsys::WaitAtLeastSeconds(ws, kMailboxReadingSpacing);
  }
}

// A line past the count may be on its way still: a large mailbox stops filling for seconds at a
// time, longer than the stillness that took it as loaded, and a mail not shown yet is no reason
// to count a try as failed. So a list short of the position is waited for, with the bound of the
// whole fill, which grows with the count already there; whether it grew to hold the position.
// A list that does not answer, or goes, ends the wait at once.
bool MailboxGrewTo(winsys::WindowSystem& ws, HWND tree, int position, const WaitBounds& bounds) {
  const double started = ws.clock().Now();
  std::optional<int> count = AnsweredListCount(ws, tree);
  if (!count || *count > position) return false;
  for (;;) {
    const double bound = std::max(bounds.mailbox_fills, *count / bounds.slowest_mailbox_fill);
    if (ws.clock().Now() - started >= bound || ws.ShouldQuit()) return false;
    winsys::WaitAtLeastSeconds(ws, kMailboxReadingSpacing);
    count = AnsweredListCount(ws, tree);
    if (!count) return false;
    if (*count > position) return true;
  }
}

struct WrittenMail {
  MailResult result;
  HWND window = kNoWindow;
  HWND send = kNoWindow;
};

std::vector<HWND> NewWriteMails(winsys::WindowSystem& ws, const std::vector<HWND>& before) {
  std::vector<HWND> arrived;
  for (const HWND write : ContentWindows(ws, kWriteMailCaption)) {
    if (!Contains(before, write)) arrived.push_back(write);
  }
  return arrived;
}

// The Write Mail a click asked for and did not get, when none of those that came can be its own:
// it comes later, empty, and is closed then (LateWindowSweeper).
MailResult OwedWriteMail(std::vector<HWND> known, const std::vector<HWND>& arrived,
                         double asked_at) {
  MailResult result = StoppedAt(MailStep::kComposeWindow);
  if (arrived.size() > 1) return result;
  known.insert(known.end(), arrived.begin(), arrived.end());
  result.late.known = std::move(known);
  result.late.write_mails = 1;
  result.late.asked_at = asked_at;
  return result;
}

// Opens a Write Mail window of its own, fills it and clicks Send once. Its own is the one window
// that came after its click, empty: a person may open Write Mail at the same moment, and one of
// several new windows, or one that holds text, may be theirs. Then none is filled, sent or
// closed, and the mail did not go; a later try opens another.
WrittenMail WriteMailAndClickSend(winsys::WindowSystem& ws, const MailLayout& layout,
                                  std::string_view recipient, std::string_view subject,
                                  std::string_view body, const WaitBounds& bounds) {
  const std::vector<HWND> before = ContentWindows(ws, kWriteMailCaption);
  PostClick(ws, ToolbarButton(ws, kWriteMailButton));
  const double clicked_at = ws.clock().Now();
  WrittenMail mail;
  HWND subject_field = kNoWindow;
  HWND body_field = kNoWindow;
  if (WaitForWindow(ws, bounds.window_appears, kPause).Until([&] {
        const std::vector<HWND> arrived = NewWriteMails(ws, before);
        mail.window = arrived.empty() ? kNoWindow : arrived.back();
        subject_field = NthChild(ws, mail.window, kEditClass, kSubjectEdit);
        body_field = FirstChild(ws, mail.window, kRichTextClass);
        mail.send = NthChild(ws, mail.window, kIconClass, layout.write_mail_send_button);
        return mail.window != kNoWindow && subject_field != kNoWindow && body_field != kNoWindow &&
               mail.send != kNoWindow;
      }) == Outcome::kGaveUp) {
    mail.result = OwedWriteMail(before, NewWriteMails(ws, before), clicked_at);
    return mail;
  }
  winsys::WaitSeconds(ws, kPause);
  const std::vector<HWND> arrived = NewWriteMails(ws, before);
  if (arrived.size() != 1 || !IsEmptyWriteMail(ws, mail.window)) {
    mail.result = OwedWriteMail(before, arrived, clicked_at);
    return mail;
  }
  if (!SetTextAnswered(ws, FirstChild(ws, mail.window, kEditClass), recipient) ||
      !SetTextAnswered(ws, subject_field, subject) || !SetTextAnswered(ws, body_field, body)) {
    CloseWindow(ws, mail.window);
    mail.result = StoppedAt(MailStep::kFields);
    return mail;
  }
  winsys::WaitSeconds(ws, kPauseBeforeSend);
  PostClick(ws, mail.send);
  mail.result = {Outcome::kDone, MailStep::kSend};
  return mail;
}

}  // namespace

const char* StepDescription(MailStep step) {
  switch (step) {
    case MailStep::kMailbox:
      return "the mailbox was not open";
    case MailStep::kSelect:
      return "the mail could not be selected";
    case MailStep::kOpenMail:
      return "the mail did not open";
    case MailStep::kComposeWindow:
      return "the mail window did not open";
    case MailStep::kSubject:
      return "the forward window showed another mail";
    case MailStep::kFields:
      return "the mail could not be filled in";
    case MailStep::kSend:
      return "the mail window did not close after Send";
    case MailStep::kSent:
      return "sent";
  }
  return "";
}

Outcome OpenMailboxWith(winsys::WindowSystem& ws, const MailLayout& layout,
                        const WaitBounds& bounds) {
  if (RunToolbarMenu(ws, kMailMenuButton, layout.open_mailbox_downs, Submenu::kEnter,
                     kFirstSubmenuItem, bounds) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  if (WaitForWindow(ws, bounds.window_appears, kPause).Until([&] {
        return MailboxTree(ws) != kNoWindow;
      }) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  return WaitForMailboxToSettle(ws, bounds);
}

MailResult ForwardMailWith(winsys::WindowSystem& ws, const MailLayout& layout,
                           std::string_view recipient, std::string_view note, int position,
                           CloseAfter close_after, const WaitBounds& bounds) {
  return ForwardMailWith(ws, layout, recipient, note, MailAt(position), close_after, bounds);
}

MailResult ForwardMailWith(winsys::WindowSystem& ws, const MailLayout& layout,
                           std::string_view recipient, std::string_view note,
                           const MeantMail& meant, CloseAfter close_after,
                           const WaitBounds& bounds) {
  // Without the mailbox no mail can open: give up at once rather than wait out the bound for
  // every mail of a serving batch. A mail that is not in the mailbox, or whose line cannot be
  // read or selected (beyond the list, or a client that does not answer), cannot open either.
  const HWND mailbox = ContentWindow(ws, kMailboxCaption);
  if (mailbox == kNoWindow) return StoppedAt(MailStep::kMailbox);
  const HWND tree = FirstChild(ws, mailbox, kTreeClass);
  std::optional<FoundMail> line = FindMeantMail(ws, tree, meant);
  if (!line && MailboxGrewTo(ws, tree, meant.position, bounds)) {
    line = FindMeantMail(ws, tree, meant);
  }
  if (!line || !SelectLine(ws, tree, line->position)) return StoppedAt(MailStep::kSelect);
  // From here the subject is the mail's identity: the open mail must be captioned with it and
  // the forward window must show it.
  ForwardWindows own(ws, line->subject);
  ws.DoEvents();
  PostClick(ws, FirstChild(ws, mailbox, kIconClass));
  own.AskedForOpenMail();

  // The client keeps streaming the mail's text in; stopping it makes the open mail usable at once.
  HWND open_mail = kNoWindow;
  if (WaitForWindow(ws, bounds.mail_opens, kPause).Until([&] {
        open_mail = own.NewOpenMail();
        RunMenuItem(ws, kStopIncomingText);
        return open_mail != kNoWindow;
      }) == Outcome::kGaveUp) {
    return own.GiveUpAt(MailStep::kOpenMail);
  }

  HWND forward = kNoWindow;
  std::optional<double> clicked_at;
  const auto forward_came = [&] {
    forward = own.NewForwardWindow();
    return forward != kNoWindow;
  };
  const auto came_or_clicked = [&] {
    if (forward_came()) return true;
    const double now = ws.clock().Now();
    if (!clicked_at || now - *clicked_at >= kForwardClickInterval) {
      SendClick(ws, NthChild(ws, open_mail, kIconClass, layout.forward_button));
      own.AskedForForward();
      clicked_at = now;
    }
    return false;
  };
  if (WaitForWindow(ws, bounds.window_appears, kPause).UntilAtOnce(came_or_clicked, forward_came) ==
      Outcome::kGaveUp) {
    return own.GiveUpAt(own.SawOtherForward() ? MailStep::kSubject : MailStep::kComposeWindow);
  }

  const HWND subject_field = NthChild(ws, forward, kEditClass, kSubjectEdit);
  if (!SetTextAnswered(ws, FirstChild(ws, forward, kEditClass), recipient)) {
    return own.GiveUpAt(MailStep::kFields);
  }
  const std::optional<std::string> shown = ForwardedMailSubject(ws, forward);
  if (!shown || !SetTextAnswered(ws, subject_field, *shown) ||
      !SetTextAnswered(ws, FirstChild(ws, forward, kRichTextClass), note)) {
    return own.GiveUpAt(MailStep::kFields);
  }
  ws.DoEvents();
  const HWND send = NthChild(ws, forward, kIconClass, layout.forward_send_button);
  if (send == kNoWindow) return own.GiveUpAt(MailStep::kFields);
  PostClick(ws, send);
  if (close_after == CloseAfter::kNo) return own.WithLateWindows({Outcome::kDone, MailStep::kSend});

  winsys::WaitSeconds(ws, kPauseBeforeClosing);
  if (WaitUntilGone(ws, forward, bounds.window_closes) == Outcome::kGaveUp) {
    return own.GiveUpAt(MailStep::kSend);
  }
  own.CloseExtraForwards();
  own.CloseOpenMails();
  return own.WithLateWindows({Outcome::kDone, MailStep::kSent});
}

MailResult SendMailWith(winsys::WindowSystem& ws, const MailLayout& layout,
                        std::string_view recipient, std::string_view subject, std::string_view body,
                        const WaitBounds& bounds) {
  return WriteMailAndClickSend(ws, layout, recipient, subject, body, bounds).result;
}

MailResult SendMailAndWaitWith(winsys::WindowSystem& ws, const MailLayout& layout,
                               std::string_view recipient, std::string_view subject,
                               std::string_view body, double resend_pause,
                               const WaitBounds& bounds) {
  const WrittenMail mail = WriteMailAndClickSend(ws, layout, recipient, subject, body, bounds);
  if (mail.result.outcome == Outcome::kGaveUp) return mail.result;
  // The client sometimes keeps a Write Mail window after Send; clicking Send again sees it
  // through, and a client sends a mail once however often Send is clicked.
  if (WaitForWindow(ws, bounds.window_closes, resend_pause).UntilAtOnce([&] {
        if (!ws.IsWindow(mail.window)) return true;
        ClickWindow(ws, mail.send);
        return false;
      }) == Outcome::kGaveUp) {
    // Not sent: the window is closed so that nothing of this mail is left on screen.
    CloseWindow(ws, mail.window);
    return StoppedAt(MailStep::kSend);
  }
  return {Outcome::kDone, MailStep::kSent};
}

Outcome RunFlashSessionWith(winsys::WindowSystem& ws, const MailLayout& layout, Check final_state,
                            const WaitBounds& bounds) {
  if (RunToolbarMenu(ws, kMailMenuButton, layout.flash_session_downs, Submenu::kStay, 0, bounds) ==
      Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  winsys::WaitSeconds(ws, kPauseAfterFlashMenu);
  HWND automatic = kNoWindow;
  if (WaitForWindow(ws, bounds.window_appears, kPause).Until([&] {
        automatic = ContentWindow(ws, kAutomaticAolCaption);
        return FirstChild(ws, automatic, kCheckboxClass) != kNoWindow;
      }) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  // Only the second of the six check boxes is set; what each stands for is the client's business.
  for (int box = 1; box <= kAutomaticAolCheckboxes; ++box) {
    SetCheck(ws, NthChild(ws, automatic, kCheckboxClass, box),
             box == 2 ? Check::kSet : Check::kCleared);
  }
  const HWND start = NthChild(ws, automatic, kIconClass, 2);
  winsys::WaitSeconds(ws, kPause);
  PostClick(ws, start);

  HWND dialog = kNoWindow;
  if (WaitForWindow(ws, bounds.window_appears, kPause).Until([&] {
        dialog = ws.FindWindow(kClientDialogClass, nullptr);
        return ws.IsWindowVisible(dialog);
      }) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  SetCheck(ws, FirstChild(ws, dialog, kCheckboxClass), final_state);
  ws.DoEvents();
  PostClick(ws, FirstChild(ws, dialog, kIconClass));
  // The session has begun only when the client took the click: its dialog goes.
  return RepeatUntil(ws, bounds.window_closes, [&] {
    YieldBriefly(ws);
    return !ws.IsWindow(dialog);
  });
}

Outcome SetMailPreferencesWith(winsys::WindowSystem& ws, const MailLayout& layout,
                               const WaitBounds& bounds) {
  if (RunToolbarMenu(ws, kMailMenuButton, layout.mail_preferences_downs, Submenu::kStay, 0,
                     bounds) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  HWND dialog = kNoWindow;
  if (WaitForWindow(ws, bounds.window_appears, kPause).Until([&] {
        dialog = ws.FindWindow(kClientDialogClass, kMailPreferencesCaption);
        return ws.IsWindowVisible(dialog);
      }) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  SetCheck(ws, NthChild(ws, dialog, kCheckboxClass, 1), Check::kCleared);
  SetCheck(ws, NthChild(ws, dialog, kCheckboxClass, 2), Check::kSet);
  SendClick(ws, FirstChild(ws, dialog, kIconClass));
  return RepeatUntil(ws, bounds.window_closes, [&] {
    YieldBriefly(ws);
    return ws.FindWindow(kClientDialogClass, kMailPreferencesCaption) == kNoWindow;
  });
}

}  // namespace vornik32
