#include "app/program.h"

namespace app {

Program::Program(winsys::WindowSystem& ws, ui::Registry& registry,
                 const vornik32::WaitBounds& bounds)
    : ws_(ws), registry_(registry), bounds_(bounds) {}

Program::~Program() = default;

void Program::End() {
  if (ended_) return;
  ended_ = true;
  ws_.PostQuitMessage(0);
}

}  // namespace app
