#pragma once
// The List Designer: prepares the Flash mailbox for serving in four steps (a flash session, the
// titles gathered and the serving lists mailed, a second flash session, the lists found again),
// all at once ("Auto"), or by adopting lists made in an earlier run ("Old Lists"). It owns the
// serving-list data the serving loop serves from: `MailList`, `ServingLists` and
// `GatheredMailCount`, and writes `ItemOffset` and `ServingListCount` of the shared variables.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "aol_automation/wait_bounds.h"
#include "list_designer/list_procedures.h"
#include "serving_engine/list_results.h"
#include "shared/program_end.h"
#include "shared/ui/button.h"
#include "shared/ui/form.h"
#include "shared/ui/frame.h"
#include "shared/ui/label.h"
#include "shared/ui/list_box.h"
#include "shared/ui/owner_window.h"
#include "shared/ui/text_box.h"
#include "shared/variables.h"

namespace list_designer {

class ListDesignerStatusForm;

class ListDesignerForm : public serving_engine::ListResults {
 public:
  // server: the window disabled while the designer is open for the first time; status: the
  // progress window of the long procedures.
  ListDesignerForm(winsys::WindowSystem& ws, ui::Registry& registry, ui::OwnerWindow& server,
                   ListDesignerStatusForm& status, shared::Variables& variables,
                   const vornik32::WaitBounds& bounds, const shared::ProgramEnd& end);
  ~ListDesignerForm() override;
  ListDesignerForm(const ListDesignerForm&) = delete;
  ListDesignerForm& operator=(const ListDesignerForm&) = delete;

  // Makes the window visible (loading it the first time), as the main menu's entry does.
  void Show();

  ui::Form form;
  ui::Frame Frame1;
  ui::ListBox List1;
  ui::Frame Frame2;
  ui::Label Label1;
  ui::Button Command1;
  ui::Button Command2;
  ui::Button Command3;
  // The serving-list data; never shown.
  ui::ListBox MailList;
  ui::TextBox ServList;
  ui::ListBox ServingLists;

  // Lines of the Flash mailbox when the titles were gathered, after old lists were deleted.
  std::int32_t GatheredMailCount = 0;

  // --- The results, as serving reads them -------------------------------------------------------
  int MailCount() const override { return MailList.count(); }
  const std::vector<std::string>& MailTitles() const override { return MailList.items(); }
  int ServingListCount() const override { return ServingLists.count(); }
  std::string ServingListEntry(int index) const override { return ServingLists.item(index); }
  std::optional<std::string> WhyNotServable() const override { return not_servable_; }

  // --- Event handlers -------------------------------------------------------------------------
  void Form_Load();
  void Form_QueryUnload(ui::CloseAction& action);
  void List1_Click();
  void List1_DblClick();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();

  // --- The steps and procedures ---------------------------------------------------------------
  void Step1();
  void Step2();
  void Step3();
  // Steps 1 and 3: start a flash session and tell the person which step follows.
  void StartFlashSession(int next_step);
  void Step4();
  void RunAllSteps();
  void UseOldLists();

 private:
  // The closing boxes, each followed by the designer taking the keyboard focus back, so the
  // person can go on with the steps from the keyboard.
  void Inform(const std::string& text);
  void Refuse(const std::string& text);
  void FocusDesigner();
  // Ends a long procedure that gave up: the progress window goes and the box says what did not
  // happen. The data stays as it was unless the run had changed the mailbox already.
  void GiveUp(const std::string& what);
  // Start refuses until the data is found again: a flash session may have moved the mails.
  void AfterFlashSession();
  bool CheckSignedOn();
  void OpenProgress();
  void CloseProgress();

  // The data as it stands, as the start of a step's draft; a completed step adopts its draft.
  ListDraft CurrentData() const;
  void Adopt(const ListDraft& draft);
  void Clear();

  // Where the titles of MailList came from: Step 4 can only find lists that Step 2 made.
  enum class TitlesSource { kNone, kSteps, kOldLists };

  winsys::WindowSystem& ws_;
  ui::OwnerWindow& server_;
  ListDesignerStatusForm& status_;
  shared::Variables& variables_;
  const vornik32::WaitBounds& bounds_;
  const shared::ProgramEnd& end_;
  ListProcedures procedures_;
  // A step is running (Steps 1 and 3 wait for the client without the progress window that
  // would otherwise keep the designer from starting a second one meanwhile).
  bool running_ = false;
  TitlesSource titles_source_ = TitlesSource::kNone;
  // Set when a step left data that does not say where the mails stand now: what to run first.
  std::optional<std::string> not_servable_;
};

}  // namespace list_designer
