#include "aol_automation/automation_fixture.h"

#include <algorithm>

#include "support/time_passes.h"

namespace vornik32::testing {

namespace {

constexpr const char* kTickerClass = "TestProgramTicker";
constexpr std::uintptr_t kTickerTimer = 1;

}  // namespace

ProgramTicker::ProgramTicker(winsys::WindowSystem& program) : program_(program) {
  program_.RegisterClass(kTickerClass, [this](HWND window, winsys::UINT message,
                                              winsys::WPARAM wparam, winsys::LPARAM lparam) {
    if (message == winsys::WM_TIMER) {
      ++ticks_;
      return winsys::LRESULT{0};
    }
    return program_.DefWindowProc(window, message, wparam, lparam);
  });
  winsys::CreateParams params;
  params.class_name = kTickerClass;
  window_ = program_.CreateWindow(params);
  program_.SetTimer(window_, kTickerTimer, static_cast<winsys::UINT>(kPeriodSeconds * 1000));
}

ProgramTicker::~ProgramTicker() {
  program_.KillTimer(window_, kTickerTimer);
  program_.DestroyWindow(window_);
}

MessageSpy::MessageSpy(winsys::WindowSystem& owner, HWND window,
                       std::vector<winsys::UINT> swallowed) {
  auto previous = std::make_shared<winsys::WindowProc>();
  *previous = owner.SubclassWindow(
      window,
      [seen = seen_, previous, swallowed](HWND h, winsys::UINT message, winsys::WPARAM wparam,
                                          winsys::LPARAM lparam) -> winsys::LRESULT {
        seen->push_back({message, wparam});
        if (std::find(swallowed.begin(), swallowed.end(), message) != swallowed.end()) return 0;
        return (*previous)(h, message, wparam, lparam);
      });
}

int MessageSpy::count(winsys::UINT message) const {
  return static_cast<int>(std::count_if(seen_->begin(), seen_->end(),
                                        [message](const Seen& s) { return s.message == message; }));
}

std::vector<winsys::WPARAM> MessageSpy::wparams(winsys::UINT message) const {
  std::vector<winsys::WPARAM> values;
  for (const Seen& s : *seen_) {
    if (s.message == message) values.push_back(s.wparam);
  }
  return values;
}

AutomationScene::AutomationScene(aolsim::Layout layout)
    : layout_(layout),
      desktop_(clock_),
      client_process_(desktop_.CreateProcess("client")),
      program_(desktop_.CreateProcess("program")),
      client_(client_process_, layout) {}

void AutomationScene::SetUp() {
  desktop_.SetWatchdog(3600);
  client_.Start();
  client_.SignOn(kUserName);
}

void AutomationScene::RunFor(double seconds) {
  tollmere_testing::RunFor(program_, seconds);
}

bool AutomationScene::RunUntil(const std::function<bool()>& ready, double seconds) {
  return tollmere_testing::RunUntil(program_, ready, seconds);
}

HWND AutomationScene::MakeContentWindow(const std::string& caption,
                                        const std::vector<std::pair<const char*, int>>& children) {
  winsys::CreateParams params;
  params.class_name = "AOL Child";
  params.caption = caption;
  params.style = winsys::WS_CHILD | winsys::WS_VISIBLE | winsys::WS_CAPTION;
  params.parent = client_process_.FindWindowEx(client_.main_window(), 0, "MDIClient", nullptr);
  params.rect = winsys::Rect{10, 10, 400, 300};
  const HWND window = client_process_.CreateWindow(params);
  for (const auto& [class_name, count] : children) {
    for (int i = 0; i < count; ++i) {
      winsys::CreateParams control;
      control.class_name = class_name;
      control.style = winsys::WS_CHILD | winsys::WS_VISIBLE;
      control.parent = window;
      control.rect = winsys::Rect{0, 0, 20, 20};
      client_process_.CreateWindow(control);
    }
  }
  return window;
}

void AutomationScene::DestroyContentWindow(HWND window) {
  client_process_.DestroyWindow(window);
}

std::vector<HWND> AutomationScene::ContentWindows() {
  std::vector<HWND> windows;
  const HWND mdi = program_.FindWindowEx(client_.main_window(), 0, "MDIClient", nullptr);
  for (HWND w = program_.FindWindowEx(mdi, 0, "AOL Child", nullptr); w != 0;
       w = program_.FindWindowEx(mdi, w, "AOL Child", nullptr)) {
    windows.push_back(w);
  }
  return windows;
}

void AutomationScene::ExpectGaveUpAfter(Outcome outcome, double started, double bound,
                                        const ProgramTicker& ticker) const {
  const double elapsed = Now() - started;
  EXPECT_EQ(outcome, Outcome::kGaveUp);
  EXPECT_GE(elapsed, bound);
  EXPECT_LT(elapsed, bound + 5);
  EXPECT_GE(ticker.ticks(), static_cast<int>(elapsed / ProgramTicker::kPeriodSeconds / 2));
}

}  // namespace vornik32::testing
