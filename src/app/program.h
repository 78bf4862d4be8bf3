#pragma once
// The program: its windows, the shared serving state and the automation's wait bounds, wired to
// one window system. Windows are made on first use (each accessor constructs its form the first
// time it is asked for, unloaded); a form that was made stays for the whole run, so a side
// window's contents last until the program ends.
//
// The serving engine's and the List Designer's windows reach the program through their views
// (serving_engine::ProgramView, then list_designer::), which name only the windows of that layer
// and below and narrow views of the rest; the serving loop's windows and units are given what they
// use. This is the one place that knows every window.

#include <memory>
#include <string>

#include "list_designer/program_view.h"

namespace serving_loop {
class ClientCheckForm;
class MenuForm;
class RequestsFile;
class ServingLoop;
class ServingReportForm;
}  // namespace serving_loop

namespace app {

class Program final : public list_designer::ProgramView {
 public:
  Program(winsys::WindowSystem& ws, ui::Registry& registry,
          const vornik32::WaitBounds& bounds = {});
  ~Program() override;

  // The program's start: the server window loads, then the requests that were pending when it
  // last ended are offered.
  void Start();
  // Where the pending item requests are kept while serving, so that they outlive the program;
  // without it none are. Set before the program starts.
  void KeepPendingRequestsIn(std::string path);

  serving_engine::ServerForm& serverFrm() override;
  serving_loop::MenuForm& menuFrm();
  serving_loop::ServingLoop& servingLoop();
  serving_loop::ServingReportForm& servingreportFrm();
  serving_loop::ClientCheckForm& clientcheckFrm();
  list_designer::ListDesignerForm& listdesignerFrm() override;
  list_designer::ListDesignerStatusForm& listdesignerstatusFrm() override;
  list_designer::BanningForm& banningFrm() override;
  list_designer::MessagesForm& messagesFrm() override;

  serving_engine::Settings& settings() override;
  const serving_engine::ListResults& listResults() override;
  serving_engine::ServingWork& servingWork() override;

 private:
  serving_loop::RequestsFile& requestsFile();
  ui::Form& ServerWindow();

  // shared_ptr keeps each form's deleter from where it was made, so this header needs no form's
  // definition. Declared in the order they are destroyed last to first.
  std::shared_ptr<serving_engine::ServerForm> server_form_;
  std::shared_ptr<serving_loop::MenuForm> menu_form_;
  std::shared_ptr<serving_loop::ServingLoop> serving_loop_;
  std::shared_ptr<serving_loop::ServingReportForm> serving_report_form_;
  std::shared_ptr<serving_loop::RequestsFile> requests_file_;
  std::shared_ptr<serving_loop::ClientCheckForm> client_check_form_;
  std::shared_ptr<list_designer::ListDesignerForm> list_designer_form_;
  std::shared_ptr<list_designer::ListDesignerStatusForm> list_designer_status_form_;
  std::shared_ptr<list_designer::BanningForm> banning_form_;
  std::shared_ptr<list_designer::MessagesForm> messages_form_;
};

}  // namespace app
