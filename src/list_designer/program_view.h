#pragma once
// The program as the List Designer's windows reach it: what the serving engine's windows reach,
// and the windows of this layer. app::Program makes each the first time it is asked for.

#include "serving_engine/program_view.h"

namespace list_designer {

class BanningForm;
class ListDesignerForm;
class ListDesignerStatusForm;
class MessagesForm;

class ProgramView : public serving_engine::ProgramView {
 public:
  using serving_engine::ProgramView::ProgramView;

  virtual ListDesignerForm& listdesignerFrm() = 0;
  virtual ListDesignerStatusForm& listdesignerstatusFrm() = 0;
  virtual BanningForm& banningFrm() = 0;
  virtual MessagesForm& messagesFrm() = 0;
};

}  // namespace list_designer
