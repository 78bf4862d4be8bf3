#include "aol_automation/mail_steps.h"

#include <array>
#include <functional>
#include <string>

#include "aol_automation/shape_finder.h"
#include "aol_automation/toolbar_menu.h"
#include "aol_automation/window_operations.h"
#include "shared/winsys/wait.h"

namespace vornik32 {
namespace {

using winsys::kNoWindow;

constexpr int kMailMenuButton = 3;
constexpr int kWriteMailButton = 2;
constexpr int kFirstSubmenuItem = 1;
constexpr double kPause = 0.1;
constexpr double kPauseAfterFlashMenu = 0.3;
constexpr double kPauseBeforeSend = 0.4;
constexpr double kPauseBeforeClosing = 1.0;
constexpr double kMailboxReadingSpacing = 0.25;
constexpr std::size_t kForwardedSubjectPrefix = 5;  // the client's "Fwd: " before the subject
constexpr int kAutomaticAolCheckboxes = 6;
constexpr const char* kStopIncomingText = "S&top Incoming Text";

// One reading of the mailbox list's count after each of the three pauses.
constexpr int kAgreeingReadings = 3;

HWND MailboxTree(winsys::WindowSystem& ws) {
  return FirstChild(ws, ContentWindow(ws, kMailboxCaption), kTreeClass);
}

// The ordinal-th child of a class of the window that find() answers, the window being found anew
// for every step of the count, as the client may replace it at any time.
HWND NthChildOfWindowFoundAnew(winsys::WindowSystem& ws, const std::function<HWND()>& find,
                               const char* class_name, int ordinal) {
  HWND child = kNoWindow;
  for (int found = 0; found < ordinal; ++found) {
    const HWND window = find();
    if (window == kNoWindow) return kNoWindow;
    child = ws.FindWindowEx(window, child, class_name, nullptr);
    if (child == kNoWindow) return kNoWindow;
  }
  return child;
}

// The spaced readings must lie at least their pause apart: WaitSeconds rounds its start, so a
// pause of 0.25 s may take no time at all, and a list that is still filling would then agree
// with itself at once and the mailbox would be taken as loaded while it is still short.
bool ThreeSpacedCountsAgree(winsys::WindowSystem& ws, HWND tree) {
  std::array<int, kAgreeingReadings> counts{};
  counts[0] = ListCount(ws, tree);
  for (int i = 1; i < kAgreeingReadings; ++i) {
    winsys::WaitAtLeastSeconds(ws, kMailboxReadingSpacing);
    counts[i] = ListCount(ws, tree);
  }
  return counts[0] == counts[1] && counts[1] == counts[2];
}

// A field of five characters or fewer becomes empty rather than being cut past its end.
std::string SubjectWithoutForwardPrefix(const std::string& subject) {
  return subject.size() > kForwardedSubjectPrefix ? subject.substr(kForwardedSubjectPrefix) : "";
}

}  // namespace

Outcome OpenMailboxWith(winsys::WindowSystem& ws, const MailLayout& layout,
                        const WaitBounds& bounds) {
  if (RunToolbarMenu(ws, kMailMenuButton, layout.open_mailbox_downs, Submenu::kEnter,
                     kFirstSubmenuItem, bounds) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  if (RepeatUntil(ws, bounds.window_appears, [&] {
        ws.DoEvents();
        const bool shown = MailboxTree(ws) != kNoWindow;
        vornik32::WaitSeconds(ws, kPause);
        return shown;
      }) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  const HWND tree = MailboxTree(ws);
  return RepeatUntil(ws, bounds.mailbox_fills, [&] {
    ws.DoEvents();
    return ThreeSpacedCountsAgree(ws, tree);
  });
}

Outcome ForwardMailWith(winsys::WindowSystem& ws, const MailLayout& layout,
                        std::string_view recipient, std::string_view note, int position,
                        CloseAfter close_after, const WaitBounds& bounds) {
  // Without the mailbox no mail can open: give up at once rather than wait out the bound for
  // every mail of a serving batch.
  const HWND mailbox = ContentWindow(ws, kMailboxCaption);
  if (mailbox == kNoWindow) return Outcome::kGaveUp;
  SetListIndex(ws, FirstChild(ws, mailbox, kTreeClass), position);
  ws.DoEvents();
  PostClick(ws, FirstChild(ws, mailbox, kIconClass));

  // The client keeps streaming the mail's text in; stopping it makes the open mail usable at once.
  if (RepeatUntil(ws, bounds.mail_opens, [&] {
        ws.DoEvents();
        const bool shown = ws.IsWindowVisible(FindReadMailWindow(ws));
        RunMenuItem(ws, kStopIncomingText);
        vornik32::WaitSeconds(ws, kPause);
        return shown;
      }) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }

  // A forward window already open is used as it is: the Forward button is not clicked again.
  if (RepeatUntil(ws, bounds.window_appears, [&] {
        ws.DoEvents();
        const HWND forward = NthChildOfWindowFoundAnew(
            ws, [&ws] { return FindReadMailWindow(ws); }, kIconClass, layout.forward_button);
        if (FindComposeWindow(ws) == kNoWindow) SendClick(ws, forward);
        vornik32::WaitSeconds(ws, kPause);
        return FindComposeWindow(ws) != kNoWindow;
      }) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }

  SetWindowTextByMessage(ws, FirstChild(ws, FindComposeWindow(ws), kEditClass), recipient);
  const HWND subject = NthChild(ws, FindComposeWindow(ws), kEditClass, 3);
  SetWindowTextByMessage(ws, subject, SubjectWithoutForwardPrefix(GetText(ws, subject)));
  SetWindowTextByMessage(ws, FirstChild(ws, FindComposeWindow(ws), kRichTextClass), note);
  ws.DoEvents();
  PostClick(ws, NthChild(ws, FindComposeWindow(ws), kIconClass, layout.forward_send_button));
  if (close_after == CloseAfter::kNo) return Outcome::kDone;

  vornik32::WaitSeconds(ws, kPauseBeforeClosing);
  if (RepeatUntil(ws, bounds.window_closes, [&] {
        ws.DoEvents();
        ws.PostMessage(FindComposeWindow(ws), winsys::WM_DESTROY, 0, 0);
        ws.PostMessage(FindComposeWindow(ws), winsys::WM_CLOSE, 0, 0);
        vornik32::WaitSeconds(ws, kPause);
        return FindComposeWindow(ws) == kNoWindow;
      }) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  CloseWindow(ws, FindReadMailWindow(ws));
  return Outcome::kDone;
}

Outcome SendMailWith(winsys::WindowSystem& ws, const MailLayout& layout, std::string_view recipient,
                     std::string_view subject, std::string_view body, const WaitBounds& bounds) {
  PostClick(ws, ToolbarButton(ws, kWriteMailButton));
  HWND write = kNoWindow;
  HWND subject_field = kNoWindow;
  HWND body_field = kNoWindow;
  HWND send = kNoWindow;
  if (RepeatUntil(ws, bounds.window_appears, [&] {
        ws.DoEvents();
        write = ContentWindow(ws, kWriteMailCaption);
        subject_field = NthChild(ws, write, kEditClass, 3);
        body_field = FirstChild(ws, write, kRichTextClass);
        send = NthChild(ws, write, kIconClass, layout.write_mail_send_button);
        vornik32::WaitSeconds(ws, kPause);
        return write != kNoWindow && subject_field != kNoWindow && body_field != kNoWindow &&
               send != kNoWindow;
      }) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  vornik32::WaitSeconds(ws, kPause);
  SetWindowTextByMessage(ws, FirstChild(ws, write, kEditClass), recipient);
  SetWindowTextByMessage(ws, subject_field, subject);
  SetWindowTextByMessage(ws, body_field, body);
  vornik32::WaitSeconds(ws, kPauseBeforeSend);
  PostClick(ws, send);
  return Outcome::kDone;
}

Outcome RunFlashSessionWith(winsys::WindowSystem& ws, const MailLayout& layout, Check final_state,
                            const WaitBounds& bounds) {
  if (RunToolbarMenu(ws, kMailMenuButton, layout.flash_session_downs, Submenu::kStay, 0, bounds) ==
      Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  vornik32::WaitSeconds(ws, kPauseAfterFlashMenu);
  HWND automatic = kNoWindow;
  if (RepeatUntil(ws, bounds.window_appears, [&] {
        ws.DoEvents();
        automatic = ContentWindow(ws, kAutomaticAolCaption);
        const bool shown = FirstChild(ws, automatic, kCheckboxClass) != kNoWindow;
        vornik32::WaitSeconds(ws, kPause);
        return shown;
      }) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  // Only the second of the six check boxes is set; what each stands for is the client's business.
  for (int box = 1; box <= kAutomaticAolCheckboxes; ++box) {
    SetCheck(ws, NthChild(ws, automatic, kCheckboxClass, box),
             box == 2 ? Check::kSet : Check::kCleared);
  }
  const HWND start = NthChild(ws, automatic, kIconClass, 2);
  vornik32::WaitSeconds(ws, kPause);
  PostClick(ws, start);

  HWND dialog = kNoWindow;
  if (RepeatUntil(ws, bounds.window_appears, [&] {
        ws.DoEvents();
        dialog = ws.FindWindow(kClientDialogClass, nullptr);
        const bool shown = ws.IsWindowVisible(dialog);
        vornik32::WaitSeconds(ws, kPause);
        return shown;
      }) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  SetCheck(ws, FirstChild(ws, dialog, kCheckboxClass), final_state);
  ws.DoEvents();
  PostClick(ws, FirstChild(ws, dialog, kIconClass));
  return Outcome::kDone;
}

Outcome SetMailPreferencesWith(winsys::WindowSystem& ws, const MailLayout& layout,
                               const WaitBounds& bounds) {
  if (RunToolbarMenu(ws, kMailMenuButton, layout.mail_preferences_downs, Submenu::kStay, 0,
                     bounds) == Outcome::kGaveUp) {
    return Outcome::kGaveUp;
  }
  HWND dialog = kNoWindow;
  if (RepeatUntil(ws, bounds.window_appears, [&] {
        ws.DoEvents();
        dialog = ws.FindWindow(kClientDialogClass, kMailPreferencesCaption);
        const bool shown = ws.IsWindowVisible(dialog);
        vornik32::WaitSeconds(ws, kPause);
        return shown;
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
