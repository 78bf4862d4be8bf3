#include "serving_engine/program_view.h"

#include "serving_engine/server_form.h"

namespace serving_engine {

ProgramView::ProgramView(winsys::WindowSystem& ws, ui::Registry& registry,
                         const vornik32::WaitBounds& bounds)
    : ws_(ws), registry_(registry), bounds_(bounds) {}

ProgramView::~ProgramView() = default;

RequestQueues ProgramView::queues() {
  return serverFrm().queues();
}

ServedCounters& ProgramView::servedCounters() {
  return serverFrm();
}

}  // namespace serving_engine
