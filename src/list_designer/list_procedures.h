#pragma once
// The List Designer's procedures that drive the client: flash sessions, the Flash mailbox, old
// lists deleted, titles gathered, lists written and sent, lists found again, and the parts of
// adopting old lists that read the mailbox. Each reports on the progress window as it goes.
//
// They work on a ListDraft, never on the designer's lists or the shared variables: the designer
// copies a draft in only when the whole step completed, so a step that gave up leaves the data
// the serving loop serves from as it was.
//
// Every wait for the client is bounded by the program's WaitBounds. A procedure that runs out of
// a bound stops there and answers a Failure: the sentence that tells the user what did not happen.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "aol_automation/wait_bounds.h"
#include "shared/winsys/window_system.h"

namespace ui {
class TextBox;
}

namespace list_designer {

class ListDesignerStatusForm;

// The serving-list data of one run of a step, before it is adopted.
struct ListDraft {
  std::vector<std::string> titles;  // MailList
  std::int32_t gathered_mail_count = 0;
  std::int32_t serving_list_count = 0;
  std::vector<std::string> serving_lists;  // "2-317"
  std::int32_t item_offset = 0;
};

// Nothing when every step ran; otherwise what did not happen, for the user.
using Failure = std::optional<std::string>;

class ListProcedures {
 public:
  // status: the progress window they report on; serv_list: the hidden text box that holds the
  // body of the list being built.
  ListProcedures(winsys::WindowSystem& ws, const vornik32::WaitBounds& bounds,
                 ListDesignerStatusForm& status, ui::TextBox& serv_list);

  // A step begins: nothing of the mailbox has been changed by it yet.
  void BeginRun() {
    changed_mailbox_ = false;
    ran_flash_session_ = false;
    client_silent_ = false;
  }
  // Whether the step asked for a flash session, which files New Mail on top of the mailbox.
  bool RanFlashSession() const { return ran_flash_session_; }
  // Whether the step deleted an old list or handed a list to the client to send: the lists
  // and titles of before then no longer describe the mailbox.
  bool ChangedMailbox() const { return changed_mailbox_; }
  // Whether lists were handed to the client to send that no finished flash session has filed
  // into the Flash mailbox since: they wait in New Mail, and the next session files them.
  bool ListsUnfiled() const { return lists_unfiled_; }
  // The lists sent were found in the Flash mailbox.
  void ListsFiled() { lists_unfiled_ = false; }

  // The flash session started and waited for until it reports that it has finished, then its
  // Status window closed.
  Failure RunFlashAndWait();
  // Closes a Status window left open by an earlier session, if there is one.
  Failure CloseStatusWindow();
  // The mailbox opened unless it is open; its tree is the mailbox of the procedures after it.
  // A failure when it did not open, or its list did not stop growing, in time.
  Failure OpenFlashMailbox();
  // Sets the mail preferences; a dialog that never shows is no reason to stop, so this reports
  // nothing.
  void SetMailPreferences();
  // Deletes the list mails of an earlier run, each after the client's confirmation, until the
  // mailbox holds none.
  Failure DeleteOldLists();
  // The subjects of every mailbox line into the draft's titles; then the mailbox is closed.
  Failure GatherMailTitles(ListDraft& draft);
  // Writes and sends the draft's titles as numbered lists to the user's own screen name.
  Failure CreateAndSendLists(ListDraft& draft);
  // The list mails found in the mailbox and the offset of item 0; then the mailbox is closed.
  Failure FindServingLists(ListDraft& draft);

  // --- Adopting old lists -----------------------------------------------------------------------
  // The draft's serving lists found in the mailbox, in mailbox order; answers the index of the
  // last line that is list 1 (0 when there is none).
  int SearchServingLists(ListDraft& draft);
  // Opens the mailbox line (list 1) and reads the title of item 0 out of it, less the characters
  // before it; the mail is closed again.
  Failure ReadSearchKey(int mailbox_index, std::string& search_key);
  // The mailbox line whose subject is the key (or else the first that holds it) becomes item 0;
  // the subjects from there to the end become the titles; then the mailbox is closed. Fails
  // when no line holds the key.
  Failure GatherTitlesFromKey(const std::string& search_key, ListDraft& draft);
  // A failure when a read of the mailbox since the run began went unanswered: what the run read
  // is then not the mailbox.
  Failure Silence() const;

 private:
  void Status(std::string text);
  void Progress(int percent);
  // Sets the progress to done / total x 100 when there is a total to divide by.
  void ProgressOf(int done, int total);
  void Yield();

  winsys::HWND MailboxWindow();
  winsys::HWND MailboxTree();
  winsys::HWND SessionStatusWindow();
  winsys::HWND ConfirmationDialog();
  // The subject of mailbox line index of the tree; the empty text past its end.
  std::string SubjectAt(winsys::HWND tree, int index);
  // The tree's line count; 0 without the tree. Both read with the answered kind of send, and
  // mark the run when the client did not answer.
  int Lines(winsys::HWND tree);
  // Closes the mailbox with the short pauses around it that let the client catch up.
  void CloseMailbox();

  // One pass over the mailbox, deleting each list mail in it.
  Failure DeleteListsOnce();
  // Confirms the client's question about deleting a mail, and waits until the mailbox holds
  // count - 1 lines.
  Failure AnswerDeletionQuestion(int count);
  // Whether any line of the mailbox is a list mail.
  bool HoldsServingList();
  Failure SendList(int list_number, const std::string& body);
  // Waits for the mailbox to have lines lines; false when it keeps another number.
  bool MailboxReaches(int lines);

  winsys::WindowSystem& ws_;
  const vornik32::WaitBounds& bounds_;
  ListDesignerStatusForm& status_;
  ui::TextBox& serv_list_;
  winsys::HWND tree_ = winsys::kNoWindow;
  bool changed_mailbox_ = false;
  bool ran_flash_session_ = false;
  bool lists_unfiled_ = false;
  bool client_silent_ = false;
};

}  // namespace list_designer
