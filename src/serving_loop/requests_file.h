#pragma once
// The pending-requests file: the item queue saved to a file, one entry a line, and loaded back.

namespace app {
class Program;
}

namespace serving_loop {

class RequestsFile {
 public:
  explicit RequestsFile(app::Program& program);

  void LoadRequests();
  void SaveRequests();

 private:
  [[maybe_unused]] app::Program& program_;
};

}  // namespace serving_loop
