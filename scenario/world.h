#pragma once
// The whole system on one simulated desktop, for the scenario runner and the tests alike: the
// clock (first, so it outlives the rest), the desktop, the stand-in client in a process of its
// own and the program in another, with the registry through which the user's actions find the
// program's windows.

#include <memory>
#include <string>
#include <string_view>

#include "aol_automation/wait_bounds.h"
#include "aolsim/captured_client.h"
#include "aolsim/client.h"
#include "aolsim/layout.h"
#include "app/program.h"
#include "shared/ui/registry.h"
#include "shared/winsys/sim/sim_desktop.h"

namespace scenario {

using winsys::sim::TimeKind;

class World {
 public:
  World(TimeKind time, const winsys::LocalTime& start,
        const vornik32::WaitBounds& bounds = vornik32::WaitBounds());
  ~World();
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  winsys::Clock& clock() { return *clock_; }
  winsys::sim::SimDesktop& desktop() { return *desktop_; }
  winsys::WindowSystem& program_process() { return *program_process_; }
  winsys::WindowSystem& client_process() { return *client_process_; }
  ui::Registry& registry() { return registry_; }
  app::Program& program() { return *program_; }

  // The program keeps its pending requests in this file from its next start on (and after every
  // restart), as the Windows program does in its folder.
  void KeepPendingRequestsIn(std::string path);
  // The program ends at once, as if killed: its windows go without a message, so none of its
  // handlers runs, and its files stay as they are. The object stays until the restart.
  void CrashProgram();
  // A new program, in a process of its own, made as the first was; it is not started yet.
  void RestartProgram();

  // The client is made when the scene first needs it, in the layout chosen by then.
  void ChooseLayout(aolsim::Layout layout) { layout_ = layout; }
  bool has_client() const { return client_ != nullptr; }
  aolsim::Client& client();
  // The client process shows the capture (a capture's text, or the file holding one) in place of
  // the stand-in, which is then never made; false with why set when it cannot be shown.
  bool ShowCapture(std::string_view text, std::string& why);
  bool ShowCaptureFile(const std::string& path, std::string& why);
  bool has_capture() const { return captured_ != nullptr; }

  // Called with every event of the client, from the moment it is made.
  void SetClientEvents(std::function<void(const aolsim::ClientEvent&)> callback);

 private:
  std::unique_ptr<winsys::Clock> clock_;
  std::unique_ptr<winsys::sim::SimDesktop> desktop_;
  winsys::WindowSystem* client_process_ = nullptr;
  winsys::WindowSystem* program_process_ = nullptr;
  ui::Registry registry_;
  vornik32::WaitBounds bounds_;
  std::string pending_requests_file_;
  aolsim::Layout layout_ = aolsim::Layout::kVersion5;
  std::function<void(const aolsim::ClientEvent&)> client_events_;
  std::unique_ptr<aolsim::Client> client_;
  std::unique_ptr<aolsim::CapturedClient> captured_;
  std::unique_ptr<app::Program> program_;
};

}  // namespace scenario
