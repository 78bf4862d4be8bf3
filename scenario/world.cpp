#include "scenario/world.h"

#include "aol_automation/text_files.h"
#include "shared/winsys/sim/real_clock.h"
#include "shared/winsys/sim/virtual_clock.h"

namespace scenario {
namespace {

// Real time that reads as the scenario's own date and time of day at its start, so that a
// realtime run shows the same dates as a virtual one.
class ShiftedRealClock : public winsys::Clock {
 public:
  explicit ShiftedRealClock(const winsys::LocalTime& start) : calendar_(start) {}
  double Now() const override { return real_.Now() - origin_; }
  winsys::LocalTime Local() const override {
    calendar_.AdvanceTo(Now());
    return calendar_.Local();
  }

 private:
  winsys::sim::RealClock real_;
  double origin_ = real_.Now();
  mutable winsys::sim::VirtualClock calendar_;
};

}  // namespace

World::World(TimeKind time, const winsys::LocalTime& start, const vornik32::WaitBounds& bounds)
    : bounds_(bounds) {
  if (time == TimeKind::kRealtime) {
    clock_ = std::make_unique<ShiftedRealClock>(start);
    desktop_ = std::make_unique<winsys::sim::SimDesktop>(*clock_, time);
  } else {
    auto moved = std::make_unique<winsys::sim::VirtualClock>(start);
    desktop_ = std::make_unique<winsys::sim::SimDesktop>(*moved);
    clock_ = std::move(moved);
  }
  client_process_ = &desktop_->CreateProcess("client");
  RestartProgram();
}

void World::KeepPendingRequestsIn(std::string path) {
  pending_requests_file_ = std::move(path);
  program_->KeepPendingRequestsIn(pending_requests_file_);
}

void World::CrashProgram() {
  desktop_->EndProcess(*program_process_);
}

void World::RestartProgram() {
  program_.reset();
  program_process_ = &desktop_->CreateProcess("tollmere");
  program_ = std::make_unique<app::Program>(*program_process_, registry_, bounds_);
  if (!pending_requests_file_.empty()) program_->KeepPendingRequestsIn(pending_requests_file_);
}

World::~World() {
  // The program goes first: its windows talk to nobody once it is gone; then the client.
  program_.reset();
  client_.reset();
  captured_.reset();
}

bool World::ShowCapture(std::string_view text, std::string& why) {
  captured_ = aolsim::CapturedClient::Load(*client_process_, text, why);
  return captured_ != nullptr;
}

bool World::ShowCaptureFile(const std::string& path, std::string& why) {
  const std::optional<std::string> text = vornik32::ReadTextFile(path);
  if (!text) {
    why = "the capture " + path + " cannot be read";
    return false;
  }
  if (ShowCapture(*text, why)) return true;
  why = "the capture " + path + " cannot be shown: " + why;
  return false;
}

aolsim::Client& World::client() {
  if (!client_) {
    client_ = std::make_unique<aolsim::Client>(*client_process_, layout_);
    if (client_events_) client_->SetEventCallback(client_events_);
    client_->Start();
  }
  return *client_;
}

void World::SetClientEvents(std::function<void(const aolsim::ClientEvent&)> callback) {
  client_events_ = std::move(callback);
  if (client_) client_->SetEventCallback(client_events_);
}

}  // namespace scenario
