#include "list_designer/list_procedures.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "aol_automation/automation.h"
#include "list_designer/list_designer_status_form.h"
#include "list_designer/serving_lists.h"
#include "shared/ui/text_box.h"
#include "shared/winsys/wait.h"

namespace list_designer {
namespace {

using winsys::HWND;
using winsys::kNoWindow;

constexpr char kSessionStatusCaption[] = "Status";
constexpr char kSessionFinished[] = "Your Automatic AOL session is finished.";
// The mailbox window's picture buttons.
constexpr int kMailboxReadIcon = 1;
constexpr int kMailboxDeleteIcon = 4;
constexpr double kPauseBetweenSendClicks = 2.0;
// The open list mail's text: a header of five lines, then the body, whose first line is item 0.
constexpr int kFirstItemLine = 6;
constexpr char kFirstItemMark[] = "0)  ";

// The first title, whole, from item 0's line. Cutting one character more than the mark, as was
// once done, leaves a tail that the list mails' own subjects above the titles may hold ("Elist"
// gives "list"), or nothing at all for a one-letter title: the match then lands on the lists and
// every item is served off by their number. A line without the mark is cut as before.
std::string FirstTitleIn(const std::string& line) {
  constexpr std::size_t kCharactersBeforeKey = 5;
  const std::string_view mark = kFirstItemMark;
  if (line.starts_with(mark)) return line.substr(mark.size());
  return line.size() > kCharactersBeforeKey ? line.substr(kCharactersBeforeKey) : "";
}

std::string ListDeliveryFailure(int list_number, const char* what) {
  return "Serving list #" + std::to_string(list_number) + " was not sent: " + what;
}

}  // namespace

ListProcedures::ListProcedures(winsys::WindowSystem& ws, const vornik32::WaitBounds& bounds,
                               ListDesignerStatusForm& status, ui::TextBox& serv_list)
    : ws_(ws), bounds_(bounds), status_(status), serv_list_(serv_list) {}

// --- Reporting -----------------------------------------------------------------------------------

void ListProcedures::Status(std::string text) {
  status_.SetStatus(std::move(text));
}

void ListProcedures::Progress(int percent) {
  status_.SetProgress(percent);
}

void ListProcedures::ProgressOf(int done, int total) {
  if (const auto percent = ProgressPercent(done, total)) Progress(*percent);
}

void ListProcedures::Yield() {
  ws_.DoEvents();
}

// --- The client's windows ------------------------------------------------------------------------

HWND ListProcedures::MailboxWindow() {
  return vornik32::ContentWindow(ws_, vornik32::kMailboxCaption);
}

HWND ListProcedures::MailboxTree() {
  return vornik32::FirstChild(ws_, MailboxWindow(), vornik32::kTreeClass);
}

HWND ListProcedures::SessionStatusWindow() {
  return vornik32::ContentWindow(ws_, kSessionStatusCaption);
}

HWND ListProcedures::ConfirmationDialog() {
  return ws_.FindWindow(vornik32::kMessageBoxClass, vornik32::kNoticeCaption);
}

// Past the end of the list a line reads as the empty text, as the deletions expect of the last
// positions. A read the client did not answer is no empty line: it marks the run, which then
// fails rather than adopt titles or places that stand for nothing.
std::string ListProcedures::SubjectAt(HWND tree, int index) {
  if (index >= Lines(tree)) return {};
  const std::optional<std::string> subject = vornik32::MailboxSubjectAt(ws_, tree, index);
  if (!subject) client_silent_ = true;
  return subject.value_or("");
}

int ListProcedures::Lines(HWND tree) {
  if (!ws_.IsWindow(tree)) return 0;
  const std::optional<int> count = vornik32::AnsweredListCount(ws_, tree);
  if (!count) client_silent_ = true;
  return count.value_or(0);
}

Failure ListProcedures::Silence() const {
  if (!client_silent_) return {};
  return "The client did not answer while its mailbox was read.";
}

void ListProcedures::CloseMailbox() {
  winsys::WaitSeconds(ws_, 0.1);
  vornik32::CloseWindow(ws_, MailboxWindow());
  winsys::WaitSeconds(ws_, 0.1);
}

// --- Flash sessions ------------------------------------------------------------------------------

Failure ListProcedures::RunFlashAndWait() {
  Status("Running flash session... Please wait");
  ran_flash_session_ = true;
  if (vornik32::RunFlashSessionForClient(ws_, vornik32::Check::kCleared, bounds_) ==
      vornik32::Outcome::kGaveUp) {
    return "The flash session did not start.";
  }
  HWND view = kNoWindow;
  const auto finished =
      vornik32::WaitForWindow(ws_, bounds_.flash_session_ends, 0.3)
          .UntilAtOnce(
              [&] {
                view = vornik32::FirstChild(ws_, SessionStatusWindow(), vornik32::kViewClass);
                return false;
              },
              [&] {
                return vornik32::GetText(ws_, view).find(kSessionFinished) != std::string::npos;
              });
  if (finished == vornik32::Outcome::kGaveUp) return "The flash session did not finish.";
  vornik32::CloseWindow(ws_, SessionStatusWindow());
  const auto closed = vornik32::WaitForWindow(ws_, bounds_.window_closes, 0.1).Until([&] {
    return SessionStatusWindow() == kNoWindow;
  });
  if (closed == vornik32::Outcome::kGaveUp)
    return "The flash session's Status window did not close.";
  // A finished session has filed everything New Mail held, lists sent before included.
  lists_unfiled_ = false;
  return {};
}

Failure ListProcedures::CloseStatusWindow() {
  if (SessionStatusWindow() == kNoWindow) return {};
  Status("Closing status window...");
  vornik32::CloseWindow(ws_, SessionStatusWindow());
  const auto closed = vornik32::WaitForWindow(ws_, bounds_.window_closes, 0.1).Until([&] {
    return SessionStatusWindow() == kNoWindow;
  });
  if (closed == vornik32::Outcome::kGaveUp) return "AOL's Status window did not close.";
  return {};
}

// --- The mailbox ---------------------------------------------------------------------------------

Failure ListProcedures::OpenFlashMailbox() {
  Status("Opening flashmail...");
  const bool gave_up = MailboxWindow() == kNoWindow &&
                       vornik32::OpenMailboxForClient(ws_, bounds_) == vornik32::Outcome::kGaveUp;
  tree_ = MailboxTree();
  if (tree_ == kNoWindow) return "The Flash mailbox did not open.";
  // What a list still filling holds is not the mailbox: its titles would be some of them.
  if (gave_up) return "The Flash mailbox did not finish loading.";
  return {};
}

void ListProcedures::SetMailPreferences() {
  Status("Setting mail preferences...");
  if (aol432::IsAOL5(ws_)) {
    vornik32::SetMailPreferences(ws_, bounds_);
  } else {
    aol432::SetMailPreferences(ws_, bounds_);
    winsys::WaitSeconds(ws_, 0.1);
  }
}

// A client that deletes without asking has still deleted: the pass goes on with the line that
// moved up. The mailbox is then read again, as a deletion the pass did not see through would
// leave a list behind, and gathered with the titles that list becomes an item and a second copy
// of the list it was: a list still there is deleted again, or the step says it is there.
Failure ListProcedures::DeleteOldLists() {
  Status("Deleting old list(s)... Please wait");
  constexpr int kDeletionPasses = 3;
  for (int pass = 0; pass < kDeletionPasses; ++pass) {
    if (Failure failure = DeleteListsOnce()) return failure;
    if (!HoldsServingList()) return Silence();
  }
  return "An old list could not be deleted: it is still in the mailbox.";
}

bool ListProcedures::HoldsServingList() {
  tree_ = MailboxTree();
  const int lines = Lines(tree_);
  for (int i = 0; i < lines; ++i) {
    if (IsServingList(SubjectAt(tree_, i))) return true;
  }
  return false;
}

Failure ListProcedures::DeleteListsOnce() {
  // The bound is fixed at the start: after deletions the last positions read as empty lines.
  const int total = Lines(tree_);
  int count = total;
  for (int i = 0; i < total; ++i) {
    if (IsServingList(SubjectAt(tree_, i))) {
      vornik32::SetListIndex(ws_, tree_, i);
      Yield();
      // A line that moved meanwhile is another mail, perhaps a person's: look at the place again.
      if (!IsServingList(SubjectAt(tree_, i))) {
        --i;
        continue;
      }
      changed_mailbox_ = true;
      vornik32::ClickWindow(
          ws_, vornik32::NthChild(ws_, MailboxWindow(), vornik32::kIconClass, kMailboxDeleteIcon));
      bool deleted_unasked = false;
      HWND dialog = kNoWindow;
      const auto asked = vornik32::WaitForWindow(ws_, bounds_.window_appears, 0.1)
                             .UntilAtOnce(
                                 [&] {
                                   dialog = ConfirmationDialog();
                                   deleted_unasked = Lines(MailboxTree()) == count - 1;
                                   return deleted_unasked;
                                 },
                                 [&] { return dialog != kNoWindow; });
      if (!deleted_unasked && asked == vornik32::Outcome::kGaveUp) {
        return "The client did not ask to confirm the deletion of an old list.";
      }
      if (!deleted_unasked) {
        if (Failure failure = AnswerDeletionQuestion(count)) return failure;
      }
      --count;
      --i;  // the line that moved up into place i is examined next
    }
    if (const auto percent = ProgressPercent(i, total);
        percent && *percent >= 1 && *percent <= 100) {
      Progress(*percent);
    }
  }
  return {};
}

Failure ListProcedures::AnswerDeletionQuestion(int count) {
  const auto answered = vornik32::WaitForWindow(ws_, bounds_.window_closes, 0.1)
                            .UntilAtOnce(
                                [&] {
                                  const HWND button = vornik32::FirstChild(
                                      ws_, ConfirmationDialog(), vornik32::kPlainButtonClass);
                                  ws_.PostMessage(button, winsys::WM_LBUTTONDOWN, 0, 0);
                                  ws_.PostMessage(button, winsys::WM_LBUTTONUP, 0, 0);
                                  return false;
                                },
                                [&] { return ConfirmationDialog() == kNoWindow; });
  if (answered == vornik32::Outcome::kGaveUp) {
    return "The client's question about deleting an old list could not be answered.";
  }
  // An answered question is not a deletion: the pass goes on only once the mail is gone, or the
  // lines it examines next are not the ones it thinks.
  if (!MailboxReaches(count - 1)) return "An old list was not deleted: it is still in the mailbox.";
  return {};
}

bool ListProcedures::MailboxReaches(int lines) {
  return vornik32::WaitForWindow(ws_, bounds_.window_closes, 0.1).UntilAtOnce([&] {
    return Lines(MailboxTree()) == lines;
  }) == vornik32::Outcome::kDone;
}

Failure ListProcedures::GatherMailTitles(ListDraft& draft) {
  Status("Adding flashmail...");
  Yield();
  draft.titles.clear();
  const int lines = Lines(tree_);
  draft.gathered_mail_count = lines;
  // A list box holds no more titles than this; the mails past it cannot be asked for.
  const int kept = std::min(lines, kMaxTitles);
  for (int i = 0; i < kept; ++i) {
    draft.titles.push_back(SubjectAt(tree_, i));
    ProgressOf(i, lines);
  }
  CloseMailbox();
  Progress(0);
  return Silence();
}

// --- Writing the lists -------------------------------------------------------------------------

Failure ListProcedures::CreateAndSendLists(ListDraft& draft) {
  const int titles = static_cast<int>(draft.titles.size());
  draft.serving_list_count = ListCountFor(titles);
  for (int k = 1; k <= draft.serving_list_count; ++k) {
    Status("Creating list #" + std::to_string(k) + "...");
    Progress(0);
    const ItemRange range = ItemsOfList(k, titles);
    serv_list_.set_text({});
    std::string body;
    for (int j = range.first; j <= range.last; ++j) {
      Yield();
      body += ListLine(j, draft.titles[static_cast<std::size_t>(j)]);
      if (j != range.last) body += kLineBreak;
      ProgressOf(j, range.last);
    }
    serv_list_.set_text(body);
    winsys::WaitSeconds(ws_, 0.3);
    Status("Sending list #" + std::to_string(k) + "... Please wait");
    Yield();
    // The body is sent as built, not read back from the text box: a platform edit may hold
    // fewer characters than 300 long titles make.
    if (Failure failure = SendList(k, body)) return failure;
  }
  return {};
}

Failure ListProcedures::SendList(int list_number, const std::string& body) {
  const std::string recipient = vornik32::UserScreenName(ws_);
  // Handed to the client: from here the mailbox may change, and the list waits in New Mail.
  changed_mailbox_ = true;
  lists_unfiled_ = true;
  // Send is clicked again every two seconds while the window stays: the client sends a mail
  // once, however often.
  const vornik32::MailResult sent = vornik32::SendMailAndWaitForClient(
      ws_, recipient, ListSubject(list_number), body, kPauseBetweenSendClicks, bounds_);
  if (sent.sent()) return {};
  if (sent.stopped_at == vornik32::MailStep::kComposeWindow) {
    return ListDeliveryFailure(list_number, "the Write Mail window did not open.");
  }
  if (sent.stopped_at == vornik32::MailStep::kFields) {
    return ListDeliveryFailure(list_number, "the Write Mail window could not be filled in.");
  }
  return ListDeliveryFailure(list_number, "the Write Mail window did not close.");
}

// --- Finding the lists ---------------------------------------------------------------------------

Failure ListProcedures::FindServingLists(ListDraft& draft) {
  Status("Searching for serving lists...");
  draft.serving_lists.clear();
  const int lines = Lines(tree_);
  draft.item_offset = lines - draft.gathered_mail_count;
  for (int i = 0; i < lines; ++i) {
    if (const auto number = ServingListNumber(SubjectAt(tree_, i))) {
      draft.serving_lists.push_back(ServingListEntry(*number, i));
    }
    ProgressOf(i, lines);
  }
  CloseMailbox();
  return Silence();
}

int ListProcedures::SearchServingLists(ListDraft& draft) {
  Status("Searching for serving lists...");
  draft.serving_lists.clear();
  int first = 0;
  const int lines = Lines(tree_);
  for (int i = 0; i < lines; ++i) {
    if (const auto number = ServingListNumber(SubjectAt(tree_, i))) {
      if (*number == 1) first = i;
      draft.serving_lists.push_back(ServingListEntry(*number, i));
    }
    ProgressOf(i, lines);
  }
  return first;
}

Failure ListProcedures::ReadSearchKey(int mailbox_index, std::string& search_key) {
  Progress(0);
  Status("Gathering mail list... Please wait");
  ws_.SendMessage(tree_, winsys::LB_SETCURSEL, static_cast<winsys::WPARAM>(mailbox_index), 0);
  vornik32::ClickWindow(
      ws_, vornik32::NthChild(ws_, MailboxWindow(), vornik32::kIconClass, kMailboxReadIcon));
  // The mail read is list 1 itself, found by its caption: a line that moved meanwhile opens
  // another mail, and a person may have mails of their own open, which are neither read nor
  // closed.
  HWND list_mail = kNoWindow;
  HWND list_text = kNoWindow;
  const auto opened =
      vornik32::WaitForWindow(ws_, bounds_.mail_opens, 0.5)
          .UntilAtOnce(
              [&] {
                list_mail = kNoWindow;
                for (const HWND mail : vornik32::WindowsOfShape(ws_, vornik32::kReadMailShape)) {
                  if (ServingListNumber(ws_.GetWindowText(mail)) == 1) list_mail = mail;
                }
                list_text = vornik32::FirstChild(ws_, list_mail, vornik32::kRichTextClass);
                return false;
              },
              [&] {
                return vornik32::GetText(ws_, list_text).find(kFirstItemMark) != std::string::npos;
              });
  if (opened == vornik32::Outcome::kGaveUp) return "Serving list #1 did not open.";
  const std::optional<std::string> text =
      vornik32::AnsweredText(ws_, vornik32::FirstChild(ws_, list_mail, vornik32::kRichTextClass));
  // An empty key would be found in the first line of all.
  if (!text) return "Serving list #1 could not be read.";
  const std::string line = vornik32::GetLine(*text, kFirstItemLine);
  search_key = FirstTitleIn(line);
  vornik32::CloseWindow(ws_, list_mail);
  const auto closed =
      vornik32::WaitForWindow(ws_, bounds_.window_closes, 0.3)
          .UntilAtOnce([] { return false; }, [&] { return !ws_.IsWindow(list_mail); });
  if (closed == vornik32::Outcome::kGaveUp) return "Serving list #1 did not close.";
  return {};
}

// Item 0 is the line whose subject is the first title, or failing that the first that holds it;
// never a list mail, whose subject holds a title such as "1" too. Without such a line no item
// stands where the data would say.
Failure ListProcedures::GatherTitlesFromKey(const std::string& search_key, ListDraft& draft) {
  tree_ = MailboxTree();
  std::optional<int> start;
  std::optional<int> holding;
  const int lines = Lines(tree_);
  for (int i = 0; i < lines && !start; ++i) {
    const std::string subject = SubjectAt(tree_, i);
    if (IsServingList(subject)) continue;
    if (subject == search_key) start = i;
    if (!holding && subject.find(search_key) != std::string::npos) holding = i;
    ProgressOf(i, lines);
  }
  if (!start) start = holding;
  if (!start) {
    CloseMailbox();
    return "The first title of serving list #1 is not in the mailbox.";
  }
  draft.item_offset = *start;
  Progress(0);
  Yield();
  Status("Creating 'finds' list...");
  Yield();
  tree_ = MailboxTree();
  draft.titles.clear();
  const int count = Lines(tree_);
  const int end = std::min(count, *start + kMaxTitles);
  for (int i = *start; i < end; ++i) {
    draft.titles.push_back(SubjectAt(tree_, i));
    ProgressOf(i, count);
  }
  CloseMailbox();
  return Silence();
}

}  // namespace list_designer
