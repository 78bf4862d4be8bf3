#pragma once
// The program: its windows, the shared serving state and the automation's wait bounds, wired to
// one window system. Windows are made on first use (each accessor constructs its form the first
// time it is asked for, unloaded); a form that was made stays for the whole run, so a side
// window's contents last until the program ends.
//
// Each layer reaches the program through its own view (serving_engine::ProgramView, then
// list_designer::, then serving_loop::), which names only the windows of that layer and below
// and narrow views of the rest; this is the one place that knows every window.

#include <memory>

#include "serving_loop/program_view.h"

namespace app {

class Program final : public serving_loop::ProgramView {
 public:
  Program(winsys::WindowSystem& ws, ui::Registry& registry,
          const vornik32::WaitBounds& bounds = {});
  ~Program() override;

  // The program's start: the server window loads, then the requests that were pending when it
  // last ended are offered.
  void Start();

  serving_engine::ServerForm& serverFrm() override;
  serving_loop::MenuForm& menuFrm() override;
  serving_loop::ServingLoop& servingLoop() override;
  serving_loop::ServingReportForm& servingreportFrm() override;
  serving_loop::ClientCheckForm& clientcheckFrm() override;
  list_designer::ListDesignerForm& listdesignerFrm() override;
  list_designer::ListDesignerStatusForm& listdesignerstatusFrm() override;
  list_designer::BanningForm& banningFrm() override;
  list_designer::MessagesForm& messagesFrm() override;

  ui::MenuEntry& optionsMenu() override;
  void ShowBanning() override;
  serving_engine::Settings& settings() override;
  const serving_engine::ListResults& listResults() override;
  const serving_engine::BanList& banList() override;
  serving_engine::ServingWork& servingWork() override;

 private:
  // shared_ptr keeps each form's deleter from where it was made, so this header needs no form's
  // definition. Declared in the order they are destroyed last to first.
  std::shared_ptr<serving_engine::ServerForm> server_form_;
  std::shared_ptr<serving_loop::MenuForm> menu_form_;
  std::shared_ptr<serving_loop::ServingLoop> serving_loop_;
  std::shared_ptr<serving_loop::ServingReportForm> serving_report_form_;
  std::shared_ptr<serving_loop::ClientCheckForm> client_check_form_;
  std::shared_ptr<list_designer::ListDesignerForm> list_designer_form_;
  std::shared_ptr<list_designer::ListDesignerStatusForm> list_designer_status_form_;
  std::shared_ptr<list_designer::BanningForm> banning_form_;
  std::shared_ptr<list_designer::MessagesForm> messages_form_;
};

}  // namespace app
