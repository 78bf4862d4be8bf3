#include "list_designer/list_designer_form.h"

#include <charconv>

#include "aol_automation/automation.h"
#include "list_designer/list_designer_status_form.h"
#include "list_designer/serving_lists.h"
#include "shared/addresses.h"
#include "shared/ui/message_box.h"
#include "shared/ui/stay_on_top.h"

namespace list_designer {
namespace {

constexpr int kStepCount = 4;
constexpr const char* kStepDescriptions[kStepCount] = {
    "This step will run a FlashSession which will put all of your New Mail into your Flash mail "
    "mailbox.",
    "This step will gather all your Flash Mail and create your serving lists and put them into "
    "your New Mail.",
    "This step will run a FlashSession which will put all of your serving lists into your "
    "FlashMail from your New Mail.",
    "This step will find your serving lists in your Flash Mail.",
};

constexpr char kNotSignedOn[] = "Not signed on!";
// Said after a give-up once the run had deleted or sent a list: the data of before is gone.
constexpr char kRunAgain[] =
    "  The serving lists were cleared: run Auto, or Steps 1 to 4, again before serving.";
constexpr char kAdoptedLists[] =
    "Step 4 finds the lists that Step 2 made; these were adopted with Old Lists, and a flash "
    "session since may have moved them.  Run Old Lists again before serving.";
constexpr char kFlashSessionNotStarted[] = "The flash session did not start.";
// Why Start refuses after a step that moved the mailbox, or has not yet filed the lists it made.
constexpr char kListsNotFiled[] =
    "The serving lists are in New Mail: run Steps 3 and 4 before serving.";
constexpr char kSessionSinceSteps[] =
    "A flash session has run since the serving lists were found, and may have moved the mails: "
    "run Step 4 before serving.";
constexpr char kSessionSinceOldLists[] =
    "A flash session has run since the serving lists were found, and may have moved the mails: "
    "run Old Lists again before serving.";
constexpr char kListsMissing[] =
    "1 or more lists are missing: run Auto, or Old Lists once every list is in the mailbox, "
    "before serving.";
constexpr char kListsNotFound[] =
    "1 or more of the lists could not be found: run Step 4 again once they are in the mailbox, "
    "or Auto, before serving.";
constexpr char kListsTwice[] = "The mailbox holds a serving list more than once.";

// Marks a step as running for as long as it lasts.
class RunningStep {
 public:
  explicit RunningStep(bool& running) : running_(running) { running_ = true; }
  ~RunningStep() { running_ = false; }
  RunningStep(const RunningStep&) = delete;
  RunningStep& operator=(const RunningStep&) = delete;

 private:
  bool& running_;
};

std::vector<std::int32_t> ListNumbersOf(const std::vector<std::string>& entries) {
  std::vector<std::int32_t> numbers;
  for (const std::string& entry : entries) {
    const std::string number = SplitServingListEntry(entry).list_number;
    std::int32_t value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    numbers.push_back(value);
  }
  return numbers;
}

}  // namespace

ListDesignerForm::ListDesignerForm(winsys::WindowSystem& ws, ui::Registry& registry,
                                   ui::OwnerWindow& server, ListDesignerStatusForm& status,
                                   shared::Variables& variables, const vornik32::WaitBounds& bounds,
                                   const shared::ProgramEnd& end)
    : form(ws, registry, "listdesignerFrm", "List Designer", {4935, 3270}),
      Frame1(form, "Frame1", "Step:  1", {120, 120, 1575, 2655}),
      List1(Frame1, "List1", {105, 285, 1365, 2250}),
      Frame2(form, "Frame2", "Description", {1815, 120, 2880, 2655}),
      Label1(Frame2, "Label1", "", {105, 285, 2670, 1725}),
      Command1(Frame2, "Command1", "Old Lists", {105, 2160, 870, 345}),
      Command2(Frame2, "Command2", "Auto", {1005, 2160, 870, 345}),
      Command3(Frame2, "Command3", "Run", {1905, 2160, 870, 345}),
      MailList(form, "MailList", {0, 0, 1200, 1200}, ui::Visibility::kHidden),
      ServList(form, "ServList", "", {0, 0, 1200, 1200}, ui::TextBoxStyle::kMultiLine,
               ui::Visibility::kHidden),
      ServingLists(form, "ServingLists", {0, 0, 1200, 1200}, ui::Visibility::kHidden),
      ws_(ws),
      server_(server),
      status_(status),
      variables_(variables),
      bounds_(bounds),
      end_(end),
      procedures_(ws, bounds, status, ServList) {
  form.set_font_name("Arial");
  form.on_load = [this] { Form_Load(); };
  form.on_close = [this](ui::CloseAction& action) { Form_QueryUnload(action); };
  List1.on_click = [this] { List1_Click(); };
  List1.on_double_click = [this] { List1_DblClick(); };
  Command1.on_click = [this] { Command1_Click(); };
  Command2.on_click = [this] { Command2_Click(); };
  Command3.on_click = [this] { Command3_Click(); };
}

ListDesignerForm::~ListDesignerForm() = default;

void ListDesignerForm::Show() {
  form.Show();
}

// --- Events --------------------------------------------------------------------------------------

// The server window is disabled here and enabled on every close, so it is disabled only while
// the designer is open for the first time in a run.
void ListDesignerForm::Form_Load() {
  server_.Disable();
  List1.clear();
  for (int step = 1; step <= kStepCount; ++step) List1.add("Step #" + std::to_string(step));
  List1.set_selected_index(0);
  ui::StayOnTop(ws_, form.hwnd());
}

void ListDesignerForm::Form_QueryUnload(ui::CloseAction& action) {
  action = ui::CloseAction::kHide;
  server_.Enable();
}

void ListDesignerForm::List1_Click() {
  const int selected = List1.selected_index();
  if (selected < 0 || selected >= kStepCount) return;
  Frame1.set_caption("Step:  " + std::to_string(selected + 1));
  Label1.set_caption(kStepDescriptions[selected]);
}

void ListDesignerForm::List1_DblClick() {
  Command3_Click();
}

void ListDesignerForm::Command1_Click() {
  if (!running_) UseOldLists();
}

void ListDesignerForm::Command2_Click() {
  if (!running_) RunAllSteps();
}

void ListDesignerForm::Command3_Click() {
  if (running_) return;
  switch (List1.selected_index()) {
    case 0:
      Step1();
      break;
    case 1:
      Step2();
      break;
    case 2:
      Step3();
      break;
    case 3:
      Step4();
      break;
    default:
      break;  // no step selected
  }
}

// --- Boxes and the progress window ---------------------------------------------------------------

void ListDesignerForm::Inform(const std::string& text) {
  // The server window was closed during the step: the program is ending, with nothing to say.
  if (end_.ended()) return;
  ui::MsgBox(ws_, form.hwnd(), text, ui::MsgBoxButtons::kOk, ui::MsgBoxIcon::kInformation,
             shared::kProgramTitle);
  FocusDesigner();
}

void ListDesignerForm::Refuse(const std::string& text) {
  if (end_.ended()) return;
  ui::MsgBox(ws_, form.hwnd(), text, ui::MsgBoxButtons::kOk, ui::MsgBoxIcon::kCritical,
             shared::kProgramTitle);
  FocusDesigner();
}

// After its closing box the designer takes the keyboard focus back: the box had it, and the
// person goes on with the next step from here.
void ListDesignerForm::FocusDesigner() {
  if (form.is_visible()) ws_.SetFocus(form.hwnd());
}

// A run that gave up after it deleted or sent a list leaves the mailbox in a state no data
// describes: the lists go, so that Start refuses until a step completes.
void ListDesignerForm::GiveUp(const std::string& what) {
  if (end_.ended()) return;
  CloseProgress();
  if (!procedures_.ChangedMailbox()) {
    if (procedures_.RanFlashSession()) AfterFlashSession();
    Refuse(what);
    return;
  }
  Clear();
  Refuse(what + kRunAgain);
}

// A session files New Mail on top of the Flash mailbox and moves every line the data names. Step
// 4 finds the lists anew from the titles Step 2 gathered; lists adopted with Old Lists must be
// adopted again.
void ListDesignerForm::AfterFlashSession() {
  if (MailList.count() == 0) return;
  not_servable_ =
      titles_source_ == TitlesSource::kSteps ? kSessionSinceSteps : kSessionSinceOldLists;
}

bool ListDesignerForm::CheckSignedOn() {
  if (vornik32::IsSignedOn(ws_)) return true;
  Refuse(kNotSignedOn);
  return false;
}

// The designer is disabled while its progress window is up, which keeps a second procedure from
// starting, and the pointer is the hourglass.
void ListDesignerForm::OpenProgress() {
  procedures_.BeginRun();
  status_.Open();
  form.Disable();
  ws_.SetPointerShape(winsys::PointerShape::kBusy);
}

void ListDesignerForm::CloseProgress() {
  status_.Close();
  form.Enable();
  ws_.SetPointerShape(winsys::PointerShape::kNormal);
}

ListDraft ListDesignerForm::CurrentData() const {
  ListDraft draft;
  draft.titles = MailList.items();
  draft.gathered_mail_count = GatheredMailCount;
  draft.serving_list_count = variables_.ServingListCount;
  draft.serving_lists = ServingLists.items();
  draft.item_offset = variables_.ItemOffset;
  return draft;
}

// Nothing to serve from: Start refuses until a step completes.
void ListDesignerForm::Clear() {
  titles_source_ = TitlesSource::kNone;
  Adopt(ListDraft{});
}

void ListDesignerForm::Adopt(const ListDraft& draft) {
  if (MailList.items() != draft.titles) {
    MailList.clear();
    for (const std::string& title : draft.titles) MailList.add(title);
  }
  if (ServingLists.items() != draft.serving_lists) {
    ServingLists.clear();
    for (const std::string& entry : draft.serving_lists) ServingLists.add(entry);
  }
  GatheredMailCount = draft.gathered_mail_count;
  variables_.ServingListCount = draft.serving_list_count;
  variables_.ItemOffset = draft.item_offset;
  not_servable_.reset();
}

// --- The steps -----------------------------------------------------------------------------------

// Steps 1 and 3 only start the session; the person runs the next step once it has finished.
void ListDesignerForm::Step1() {
  StartFlashSession(2);
}

void ListDesignerForm::StartFlashSession(int next_step) {
  RunningStep running(running_);
  if (!CheckSignedOn()) return;
  const vornik32::Outcome started =
      vornik32::RunFlashSessionForClient(ws_, vornik32::Check::kCleared, bounds_);
  // One that gave up may have begun all the same.
  AfterFlashSession();
  if (started == vornik32::Outcome::kGaveUp) {
    Refuse(kFlashSessionNotStarted);
    return;
  }
  Inform("AOL should now be running a flashsession.  When the flashsession is complete, run Step " +
         std::to_string(next_step) + ".");
}

void ListDesignerForm::Step2() {
  RunningStep running(running_);
  if (!CheckSignedOn()) return;
  OpenProgress();
  ListDraft draft = CurrentData();
  // Lists an earlier run sent that no session has filed yet would arrive beside the ones this
  // run sends, two of each: a session files them first, and the deletion below takes them.
  Failure failure;
  if (procedures_.ListsUnfiled()) failure = procedures_.RunFlashAndWait();
  if (!failure) {
    procedures_.SetMailPreferences();
    failure = procedures_.OpenFlashMailbox();
  }
  if (!failure) failure = procedures_.DeleteOldLists();
  if (!failure) failure = procedures_.GatherMailTitles(draft);
  if (!failure) failure = procedures_.CreateAndSendLists(draft);
  if (failure) return GiveUp(*failure);
  if (end_.ended()) return;
  CloseProgress();
  titles_source_ = TitlesSource::kSteps;
  // The old lists are deleted and the titles are every line of the mailbox: item i is line i,
  // and no list is in the Flash mailbox until a session files the ones just sent.
  draft.item_offset = 0;
  draft.serving_lists.clear();
  Adopt(draft);
  not_servable_ = kListsNotFiled;
  Inform(std::to_string(draft.serving_list_count) + " list(s) were created.");
}

void ListDesignerForm::Step3() {
  StartFlashSession(4);
}

// No sign-on check: the step only reads the mailbox, and it needs the titles of Step 2 of this
// run, whose mailbox count gives the offset.
void ListDesignerForm::Step4() {
  RunningStep running(running_);
  if (MailList.count() == 0) {
    Refuse("Run steps 1 - 3 before running this step!");
    return;
  }
  // Its offset counts from the mailbox that Step 2 gathered the titles from. Adopted lists
  // have no such count: the offset would put item 0 past the mailbox's end, and a session since
  // Old Lists may have moved what they say.
  if (titles_source_ == TitlesSource::kOldLists) {
    Clear();
    Refuse(kAdoptedLists);
    return;
  }
  OpenProgress();
  ListDraft draft = CurrentData();
  if (Failure failure = procedures_.OpenFlashMailbox()) return GiveUp(*failure);
  if (Failure failure = procedures_.FindServingLists(draft)) return GiveUp(*failure);
  if (end_.ended()) return;
  CloseProgress();
  const bool all_found =
      draft.serving_list_count <= static_cast<std::int64_t>(draft.serving_lists.size());
  if (!all_found) {
    draft.serving_lists.clear();
    Adopt(draft);
    not_servable_ = kListsNotFound;
    Refuse("1 or more of the lists could not be found!");
    return;
  }
  Adopt(draft);
  procedures_.ListsFiled();
  Inform(std::to_string(draft.serving_list_count) + " list(s) were found.");
}

// The four steps without the person in between. A wait that runs out ends the whole run with the
// data as it was: the steps after it would work on a mailbox in a state nobody knows.
void ListDesignerForm::RunAllSteps() {
  RunningStep running(running_);
  if (!CheckSignedOn()) return;
  OpenProgress();
  ListDraft draft = CurrentData();
  Failure failure = procedures_.CloseStatusWindow();
  if (!failure) failure = procedures_.RunFlashAndWait();
  if (!failure) {
    procedures_.SetMailPreferences();
    failure = procedures_.OpenFlashMailbox();
  }
  if (!failure) failure = procedures_.DeleteOldLists();
  if (!failure) failure = procedures_.GatherMailTitles(draft);
  if (!failure) failure = procedures_.CreateAndSendLists(draft);
  if (!failure) failure = procedures_.RunFlashAndWait();
  if (!failure) failure = procedures_.OpenFlashMailbox();
  if (!failure) failure = procedures_.FindServingLists(draft);
  if (failure) return GiveUp(*failure);
  if (end_.ended()) return;
  CloseProgress();
  // The lists made must be the lists found, with the titles where they say, or the run did not
  // prepare anything that can be served.
  if (draft.serving_list_count > static_cast<std::int64_t>(draft.serving_lists.size())) {
    Clear();
    Refuse(std::string("1 or more of the lists could not be found!") + kRunAgain);
    return;
  }
  // Each list made once, and nothing else that reads as a list: a copy would be served twice, and
  // one left by an earlier run names other items.
  if (!IsEachListOnce(ListNumbersOf(draft.serving_lists), draft.serving_list_count)) {
    Clear();
    Refuse(std::string(kListsTwice) + kRunAgain);
    return;
  }
  titles_source_ = TitlesSource::kSteps;
  Adopt(draft);
  Inform(std::to_string(draft.serving_list_count) + " list(s) were created.");
}

// Adopting lists made in an earlier run: they are found, checked for completeness, list 1 tells
// the title of item 0 and where it stands, and the titles from there on become MailList.
void ListDesignerForm::UseOldLists() {
  RunningStep running(running_);
  if (!CheckSignedOn()) return;
  OpenProgress();
  ListDraft draft = CurrentData();
  if (Failure failure = procedures_.OpenFlashMailbox()) return GiveUp(*failure);
  const int first = procedures_.SearchServingLists(draft);
  if (Failure failure = procedures_.Silence()) return GiveUp(*failure);
  if (CheckListSet(ListNumbersOf(draft.serving_lists)) == ListSet::kMissing) {
    CloseProgress();
    // The entries found stay, so the person can see which lists are there; nothing else changes,
    // but a set with lists missing is not served.
    ListDraft found = CurrentData();
    found.serving_lists = draft.serving_lists;
    Adopt(found);
    not_servable_ = kListsMissing;
    Refuse("1 or more lists are missing!");
    return;
  }
  std::string search_key;
  if (Failure failure = procedures_.ReadSearchKey(first, search_key)) return GiveUp(*failure);
  if (Failure failure = procedures_.GatherTitlesFromKey(search_key, draft)) {
    return GiveUp(*failure);
  }
  if (end_.ended()) return;
  CloseProgress();
  draft.serving_list_count = static_cast<std::int32_t>(draft.serving_lists.size());
  titles_source_ = TitlesSource::kOldLists;
  Adopt(draft);
  Inform(std::to_string(draft.serving_list_count) + " list(s) were found.");
}

}  // namespace list_designer
