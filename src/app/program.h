#pragma once
// The program: its windows and units, the shared serving state, the program's end and the
// automation's wait bounds, wired to one window system. This is the one place that knows every
// window: it makes each, unloaded, when the program is made, giving it what it uses, and each
// stays for the whole run, so a side window's contents last until the program ends. The server
// window is made first; the windows above it that it reads and sets going point back at it, so
// they are given to it once they are made.

#include <memory>
#include <string>

#include "aol_automation/wait_bounds.h"
#include "shared/program_end.h"
#include "shared/ui/registry.h"
#include "shared/variables.h"
#include "shared/winsys/window_system.h"

namespace serving_engine {
class ServerForm;
}

namespace list_designer {
class BanningForm;
class ListDesignerForm;
class ListDesignerStatusForm;
class MessagesForm;
}  // namespace list_designer

namespace serving_loop {
class ClientCheckForm;
class MenuForm;
class RequestsFile;
class ServingLoop;
class ServingReportForm;
}  // namespace serving_loop

namespace app {

class Program {
 public:
  Program(winsys::WindowSystem& ws, ui::Registry& registry,
          const vornik32::WaitBounds& bounds = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The program's start: the server window loads, then the requests that were pending when it
  // last ended are offered.
  void Start();
  // Where the pending item requests are kept while serving, so that they outlive the program;
  // without it none are. Set before the program starts.
  void KeepPendingRequestsIn(std::string path);

  winsys::WindowSystem& ws() const { return ws_; }
  ui::Registry& registry() const { return registry_; }
  shared::Variables& variables() { return variables_; }
  const vornik32::WaitBounds& bounds() const { return bounds_; }
  // Whether the server window was closed, which ends the program.
  bool ended() const { return end_.ended(); }

  serving_engine::ServerForm& serverFrm() { return *server_form_; }
  serving_loop::MenuForm& menuFrm() { return *menu_form_; }
  serving_loop::ServingLoop& servingLoop() { return *serving_loop_; }
  serving_loop::ServingReportForm& servingreportFrm() { return *serving_report_form_; }
  serving_loop::ClientCheckForm& clientcheckFrm() { return *client_check_form_; }
  list_designer::ListDesignerForm& listdesignerFrm() { return *list_designer_form_; }
  list_designer::ListDesignerStatusForm& listdesignerstatusFrm() {
    return *list_designer_status_form_;
  }
  list_designer::BanningForm& banningFrm() { return *banning_form_; }
  list_designer::MessagesForm& messagesFrm() { return *messages_form_; }

 private:
  winsys::WindowSystem& ws_;
  ui::Registry& registry_;
  shared::Variables variables_;
  const vornik32::WaitBounds bounds_;
  shared::ProgramEnd end_;
  // In the order they are made, and destroyed last to first.
  std::unique_ptr<serving_engine::ServerForm> server_form_;
  std::unique_ptr<list_designer::ListDesignerStatusForm> list_designer_status_form_;
  std::unique_ptr<list_designer::ListDesignerForm> list_designer_form_;
  std::unique_ptr<list_designer::BanningForm> banning_form_;
  std::unique_ptr<list_designer::MessagesForm> messages_form_;
  std::unique_ptr<serving_loop::ClientCheckForm> client_check_form_;
  std::unique_ptr<serving_loop::ServingReportForm> serving_report_form_;
  std::unique_ptr<serving_loop::RequestsFile> requests_file_;
  std::unique_ptr<serving_loop::MenuForm> menu_form_;
  std::unique_ptr<serving_loop::ServingLoop> serving_loop_;
};

}  // namespace app
