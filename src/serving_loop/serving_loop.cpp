#include "serving_loop/serving_loop.h"

#include "app/program.h"

namespace app {

serving_loop::ServingLoop& Program::servingLoop() {
  if (!serving_loop_) serving_loop_ = std::make_shared<serving_loop::ServingLoop>(*this);
  return *serving_loop_;
}

}  // namespace app

namespace serving_loop {

ServingLoop::ServingLoop(app::Program& program) : program_(program), requests_file_(program) {}

ServingLoop::~ServingLoop() = default;

void ServingLoop::RequestTimer_Timer() {}

}  // namespace serving_loop
