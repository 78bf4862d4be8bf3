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

using std::make_unique;

Program::Program(winsys::WindowSystem& ws, ui::Registry& registry,
                 const vornik32::WaitBounds& bounds)
    : ws_(ws), registry_(registry), bounds_(bounds) {
  server_form_ = make_unique<serving_engine::ServerForm>(ws_, registry_, variables_, bounds_, end_);
  serving_engine::ServerForm& server = *server_form_;
  list_designer_status_form_ = make_unique<list_designer::ListDesignerStatusForm>(ws_, registry_);
  list_designer_form_ = make_unique<list_designer::ListDesignerForm>(
      ws_, registry_, server.form, *list_designer_status_form_, variables_, bounds_, end_);
  banning_form_ = make_unique<list_designer::BanningForm>(ws_, registry_, server.form, variables_);
  messages_form_ =
      make_unique<list_designer::MessagesForm>(ws_, registry_, server.form, variables_);
  client_check_form_ = make_unique<serving_loop::ClientCheckForm>(ws_, registry_);
  serving_report_form_ =
      make_unique<serving_loop::ServingReportForm>(ws_, registry_, server.form, bounds_);
  requests_file_ = make_unique<serving_loop::RequestsFile>(server.form, server.Requests);
  menu_form_ = make_unique<serving_loop::MenuForm>(ws_, registry_, server, *requests_file_,
                                                   *list_designer_form_, *messages_form_,
                                                   *client_check_form_);
  serving_loop_ = make_unique<serving_loop::ServingLoop>(ws_, server, variables_, end_, *menu_form_,
                                                         *list_designer_form_, *messages_form_,
                                                         *serving_report_form_, bounds_);
  server.Wire({*menu_form_, *list_designer_form_, *banning_form_, *serving_loop_,
               menu_form_->optionsMenu, banning_form_->form});
}

Program::~Program() = default;

void Program::Start() {
  serverFrm().Load();
  if (!ended()) servingLoop().pendingRequestsKeeper().OfferSavedRequests();
}

void Program::KeepPendingRequestsIn(std::string path) {
  servingLoop().pendingRequestsKeeper().KeepIn(std::move(path));
}

}  // namespace app
