#pragma once
// The program: its windows, the shared serving state and the automation's wait bounds, wired to
// one window system. Windows are made on first use (each accessor constructs its form the first
// time it is asked for, unloaded); a form that was made stays for the whole run, so a side
// window's contents last until the program ends.
//
// Each accessor is defined beside the form it makes (server_form.cpp, list_designer_form.cpp,
// ...), so the subsystems stay independent of one another's sources.

#include <memory>
#include <string>
#include <utility>

#include "aol_automation/wait_bounds.h"
#include "shared/ui/registry.h"
#include "shared/variables.h"
#include "shared/winsys/window_system.h"

namespace serving_engine {
class ServerForm;
}
namespace serving_loop {
class MenuForm;
class ServingLoop;
class ServingReportForm;
}  // namespace serving_loop
namespace list_designer {
class ListDesignerForm;
class ListDesignerStatusForm;
class BanningForm;
class MessagesForm;
}  // namespace list_designer

namespace app {

class Program {
 public:
  Program(winsys::WindowSystem& ws, ui::Registry& registry,
          const vornik32::WaitBounds& bounds = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Where the pending item requests are kept while serving, so that they outlive the program;
  // empty (the default) keeps none. Set before Start.
  void KeepPendingRequestsIn(std::string path) { pending_requests_file_ = std::move(path); }
  const std::string& pending_requests_file() const { return pending_requests_file_; }

  // The program's start: the server window loads, then the requests that were pending when it
  // last ended are offered. Defined beside the server window.
  void Start();
  // Whether the server window was closed, which ends the program.
  bool ended() const { return ended_; }
  void End();

  winsys::WindowSystem& ws() const { return ws_; }
  ui::Registry& registry() const { return registry_; }
  shared::Variables& variables() { return variables_; }
  const vornik32::WaitBounds& bounds() const { return bounds_; }

  serving_engine::ServerForm& serverFrm();
  serving_loop::MenuForm& menuFrm();
  serving_loop::ServingLoop& servingLoop();
  serving_loop::ServingReportForm& servingreportFrm();
  list_designer::ListDesignerForm& listdesignerFrm();
  list_designer::ListDesignerStatusForm& listdesignerstatusFrm();
  list_designer::BanningForm& banningFrm();
  list_designer::MessagesForm& messagesFrm();

 private:
  winsys::WindowSystem& ws_;
  ui::Registry& registry_;
  shared::Variables variables_;
  vornik32::WaitBounds bounds_;
  bool ended_ = false;
  std::string pending_requests_file_;

  // shared_ptr keeps each form's deleter from where it was made, so this header needs no form's
  // definition. Declared in the order they are destroyed last to first.
  std::shared_ptr<serving_engine::ServerForm> server_form_;
  std::shared_ptr<serving_loop::MenuForm> menu_form_;
  std::shared_ptr<serving_loop::ServingLoop> serving_loop_;
  std::shared_ptr<serving_loop::ServingReportForm> serving_report_form_;
  std::shared_ptr<list_designer::ListDesignerForm> list_designer_form_;
  std::shared_ptr<list_designer::ListDesignerStatusForm> list_designer_status_form_;
  std::shared_ptr<list_designer::BanningForm> banning_form_;
  std::shared_ptr<list_designer::MessagesForm> messages_form_;
};

}  // namespace app
