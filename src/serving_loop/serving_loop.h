#pragma once
// The serving loop: one serving tick each time the server window's RequestTimer fires.

#include "serving_loop/requests_file.h"

namespace app {
class Program;
}

namespace serving_loop {

class ServingLoop {
 public:
  explicit ServingLoop(app::Program& program);
  ~ServingLoop();
  ServingLoop(const ServingLoop&) = delete;
  ServingLoop& operator=(const ServingLoop&) = delete;

  // One serving tick.
  void RequestTimer_Timer();

  // Saving and loading the pending item requests.
  RequestsFile& requestsFile() { return requests_file_; }

 private:
  [[maybe_unused]] app::Program& program_;
  RequestsFile requests_file_;
};

}  // namespace serving_loop
