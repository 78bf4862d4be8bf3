#pragma once
// The program as the serving loop's windows reach it: what the List Designer's windows reach,
// and the windows of this layer. app::Program makes each the first time it is asked for.

#include <string>
#include <utility>

#include "list_designer/program_view.h"

namespace serving_loop {

class ClientCheckForm;
class MenuForm;
class ServingLoop;
class ServingReportForm;

class ProgramView : public list_designer::ProgramView {
 public:
  using list_designer::ProgramView::ProgramView;

  virtual MenuForm& menuFrm() = 0;
  virtual ServingLoop& servingLoop() = 0;
  virtual ServingReportForm& servingreportFrm() = 0;
  virtual ClientCheckForm& clientcheckFrm() = 0;

  // Where the pending item requests are kept while serving, so that they outlive the program;
  // empty (the default) keeps none. Set before the program starts.
  void KeepPendingRequestsIn(std::string path) { pending_requests_file_ = std::move(path); }
  const std::string& pending_requests_file() const { return pending_requests_file_; }

 private:
  std::string pending_requests_file_;
};

}  // namespace serving_loop
