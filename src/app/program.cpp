#include "app/program.h"

#include <utility>

#include "list_designer/banning_form.h"
#include "list_designer/list_designer_form.h"
#include "list_designer/list_designer_status_form.h"
#include "list_designer/messages_form.h"
#include "serving_engine/server_form.h"
#include "serving_loop/client_check_form.h"
#include "serving_loop/menu_form.h"
#include "serving_loop/requests_file.h"
#include "serving_loop/serving_loop.h"
#include "serving_loop/serving_report_form.h"

namespace app {
namespace {

// The form made the first time it is asked for.
template <typename FormType, typename Owner>
FormType& MadeOnFirstUse(std::shared_ptr<FormType>& form, Owner& program) {
  if (!form) form = std::make_shared<FormType>(program);
  return *form;
}

}  // namespace

Program::Program(winsys::WindowSystem& ws, ui::Registry& registry,
                 const vornik32::WaitBounds& bounds)
    : list_designer::ProgramView(ws, registry, bounds) {}

Program::~Program() = default;

void Program::Start() {
  serverFrm().Load();
  if (!ended()) servingLoop().pendingRequestsKeeper().OfferSavedRequests();
}

void Program::KeepPendingRequestsIn(std::string path) {
  servingLoop().pendingRequestsKeeper().KeepIn(std::move(path));
}

// Making the server window makes the windows it reads, which point back at it: a window that
// points at it asks for it before it looks whether it was made itself.
ui::Form& Program::ServerWindow() {
  return serverFrm().form;
}

serving_engine::ServerForm& Program::serverFrm() {
  if (!server_form_) {
    server_form_ = std::make_shared<serving_engine::ServerForm>(ws(), registry(), variables(),
                                                                bounds(), programEnd());
    server_form_->Wire({settings(), listResults(), banningFrm(), servingWork(),
                        menuFrm().optionsMenu, banningFrm().form});
  }
  return *server_form_;
}

serving_loop::MenuForm& Program::menuFrm() {
  ServerWindow();
  if (!menu_form_) {
    menu_form_ = std::make_shared<serving_loop::MenuForm>(ws(), registry(), serverFrm(),
                                                          requestsFile(), listdesignerFrm(),
                                                          messagesFrm(), clientcheckFrm());
  }
  return *menu_form_;
}

serving_loop::ServingLoop& Program::servingLoop() {
  ServerWindow();
  if (!serving_loop_) {
    serving_loop_ = std::make_shared<serving_loop::ServingLoop>(
        ws(), serverFrm(), variables(), programEnd(), settings(), listdesignerFrm(), messagesFrm(),
        servingreportFrm(), bounds());
  }
  return *serving_loop_;
}

serving_loop::ServingReportForm& Program::servingreportFrm() {
  ServerWindow();
  if (!serving_report_form_) {
    serving_report_form_ = std::make_shared<serving_loop::ServingReportForm>(
        ws(), registry(), serverFrm().form, bounds());
  }
  return *serving_report_form_;
}

serving_loop::RequestsFile& Program::requestsFile() {
  ServerWindow();
  if (!requests_file_) {
    requests_file_ =
        std::make_shared<serving_loop::RequestsFile>(serverFrm().form, serverFrm().Requests);
  }
  return *requests_file_;
}

serving_loop::ClientCheckForm& Program::clientcheckFrm() {
  if (!client_check_form_) {
    client_check_form_ = std::make_shared<serving_loop::ClientCheckForm>(ws(), registry());
  }
  return *client_check_form_;
}

list_designer::ListDesignerForm& Program::listdesignerFrm() {
  ui::Form& server = ServerWindow();
  if (!list_designer_form_) {
    list_designer_form_ = std::make_shared<list_designer::ListDesignerForm>(
        ws(), registry(), server, listdesignerstatusFrm(), variables(), bounds(), programEnd());
  }
  return *list_designer_form_;
}

list_designer::ListDesignerStatusForm& Program::listdesignerstatusFrm() {
  if (!list_designer_status_form_) {
    list_designer_status_form_ =
        std::make_shared<list_designer::ListDesignerStatusForm>(ws(), registry());
  }
  return *list_designer_status_form_;
}

list_designer::BanningForm& Program::banningFrm() {
  ui::Form& server = ServerWindow();
  if (!banning_form_) {
    banning_form_ =
        std::make_shared<list_designer::BanningForm>(ws(), registry(), server, variables());
  }
  return *banning_form_;
}

list_designer::MessagesForm& Program::messagesFrm() {
  ui::Form& server = ServerWindow();
  if (!messages_form_) {
    messages_form_ =
        std::make_shared<list_designer::MessagesForm>(ws(), registry(), server, variables());
  }
  return *messages_form_;
}

serving_engine::Settings& Program::settings() {
  return menuFrm();
}

const serving_engine::ListResults& Program::listResults() {
  return listdesignerFrm();
}

serving_engine::ServingWork& Program::servingWork() {
  return servingLoop();
}

}  // namespace app
