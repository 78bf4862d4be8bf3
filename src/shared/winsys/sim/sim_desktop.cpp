#include "shared/winsys/sim/sim_desktop.h"

#include <limits>
#include <stdexcept>

#include "shared/winsys/sim/desktop_impl.h"
#include "shared/winsys/sim/sim_process.h"
#include "shared/winsys/sim/standard_controls.h"
#include "shared/winsys/sim/user_input.h"
#include "shared/winsys/sim/virtual_clock.h"

namespace winsys::sim {
namespace {

// Long enough for any run a test or scenario makes, short enough that one which would wait
// forever ends within a fraction of a second of real time.
constexpr double kDefaultWatchdogSeconds = 30.0 * 86400.0;

// Virtual time needs the clock the desktop moves, which only the VirtualClock constructor has.
TimeKind RealTimeOnly(TimeKind time) {
  if (time == TimeKind::kVirtual) {
    throw std::invalid_argument("virtual time is made with the VirtualClock the desktop moves");
  }
  return time;
}

}  // namespace

const char* ToString(InputResult result) {
  switch (result) {
    case InputResult::kDelivered:
      return "delivered";
    case InputResult::kNoWindow:
      return "no such window";
    case InputResult::kDisabled:
      return "disabled";
    case InputResult::kHidden:
      return "hidden";
    case InputResult::kUnderModal:
      return "under a modal window";
  }
  return "unknown";
}

SimDesktop::SimDesktop(VirtualClock& clock) : SimDesktop(clock, &clock, TimeKind::kVirtual) {}

SimDesktop::SimDesktop(Clock& clock, TimeKind time)
    : SimDesktop(clock, nullptr, RealTimeOnly(time)) {}

SimDesktop::SimDesktop(Clock& clock, VirtualClock* moved, TimeKind time)
    : clock_(clock), time_(time), impl_(std::make_unique<Impl>(*this, clock, moved, time)) {
  RegisterStandardControls(System());
  if (time_ == TimeKind::kVirtual) SetWatchdog(kDefaultWatchdogSeconds);
}

SimDesktop::~SimDesktop() = default;

WindowSystem& SimDesktop::CreateProcess(std::string_view name) {
  return impl_->CreateProcess(name);
}

WindowSystem& SimDesktop::System() {
  return impl_->System();
}

DWORD SimDesktop::ProcessIdOf(WindowSystem& process) const {
  const auto* view = dynamic_cast<const SimProcess*>(&process);
  return view == nullptr ? 0 : view->id();
}

void SimDesktop::EndProcess(WindowSystem& process) {
  impl_->EndProcess(ProcessIdOf(process));
}

void SimDesktop::Hang(WindowSystem& process, double seconds) {
  impl_->Hang(ProcessIdOf(process), seconds);
}

bool SimDesktop::IsHung(WindowSystem& process) {
  return impl_->IsHung(ProcessIdOf(process));
}

void SimDesktop::SetSendBound(double seconds) {
  impl_->SetSendBound(seconds);
}

InputResult SimDesktop::CanTakeInput(HWND window) {
  return impl_->CanTakeInput(window);
}

InputResult SimDesktop::UserClick(HWND window) {
  return UserInput(*impl_).Click(window);
}

InputResult SimDesktop::UserDoubleClick(HWND window) {
  return UserInput(*impl_).DoubleClick(window);
}

InputResult SimDesktop::UserSelect(HWND list, int index) {
  return UserInput(*impl_).Select(list, index);
}

InputResult SimDesktop::UserDoubleClickItem(HWND list, int index) {
  return UserInput(*impl_).DoubleClickItem(list, index);
}

InputResult SimDesktop::UserType(HWND edit, std::string_view text) {
  return UserInput(*impl_).Type(edit, text);
}

InputResult SimDesktop::UserKey(HWND window, WPARAM virtual_key) {
  return UserInput(*impl_).Key(window, virtual_key);
}

InputResult SimDesktop::UserClose(HWND top_level) {
  return UserInput(*impl_).Close(top_level);
}

InputResult SimDesktop::UserChooseMenuCommand(HWND popup, UINT command_id) {
  return UserInput(*impl_).ChooseMenuCommand(popup, command_id);
}

void SimDesktop::BeginModal(const ModalInfo& info) {
  impl_->loop().NoteActivity();
  impl_->modals().Begin(info);
}

void SimDesktop::EndModal(HWND window, int answer) {
  impl_->loop().NoteActivity();
  impl_->modals().End(window, answer);
}

std::vector<ModalInfo> SimDesktop::OpenModals() const {
  return impl_->modals().open();
}

std::optional<ModalInfo> SimDesktop::TopModal() const {
  return impl_->modals().Top();
}

void SimDesktop::AddObserver(DesktopObserver* observer) {
  impl_->modals().AddObserver(observer);
}

void SimDesktop::RemoveObserver(DesktopObserver* observer) {
  impl_->modals().RemoveObserver(observer);
}

int SimDesktop::AddIdleHook(std::function<void()> hook) {
  return impl_->loop().AddIdleHook(std::move(hook));
}

void SimDesktop::RemoveIdleHook(int id) {
  impl_->loop().RemoveIdleHook(id);
}

int SimDesktop::ScheduleAt(double when, std::function<void()> action) {
  return impl_->loop().ScheduleAt(when, std::move(action));
}

void SimDesktop::CancelScheduled(int id) {
  impl_->loop().CancelScheduled(id);
}

void SimDesktop::SetWatchdog(double seconds_from_now) {
  impl_->loop().SetWatchdog(clock_.Now() + seconds_from_now);
}

void SimDesktop::ClearWatchdog() {
  impl_->loop().ClearWatchdog();
}

std::vector<HWND> SimDesktop::TopLevelWindows() {
  return impl_->tree().TopLevels();
}

std::vector<HWND> SimDesktop::Children(HWND parent) {
  return impl_->Children(parent);
}

void SimDesktop::NoteActivity() {
  impl_->loop().NoteActivity();
}

std::uint64_t SimDesktop::DispatchCount() const {
  return impl_->loop().dispatch_count();
}

void RunModalLoop(WindowSystem& ws, const std::function<bool()>& done) {
  constexpr double kForever = std::numeric_limits<double>::infinity();
  while (!done() && !ws.ShouldQuit()) {
    ws.DoEvents();
    if (!done()) ws.WaitForWork(kForever);
  }
}

}  // namespace winsys::sim
