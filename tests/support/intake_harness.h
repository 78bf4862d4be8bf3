#pragma once
// The chat intake on its own: the server form's four queues on a simulated desktop with its own
// clock, and sources whose handle, limits, ban list and mail-list size the caller sets. The tests,
// the benchmark and the fuzz target all take lines through it, so that each measures and checks
// the same queues. The form stays hidden unless the caller shows it.
//
// Header-only, and free of the test framework: the benchmark and fuzz programs include it too.

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "serving_engine/chat_intake.h"
#include "serving_engine/request_queue.h"
#include "shared/ui/form.h"
#include "shared/ui/frame.h"
#include "shared/ui/registry.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"

namespace serving_engine::testing {

inline constexpr const char* kOwnName = "Ada Reed";

class FakeSources : public IntakeSources {
 public:
  std::string ServingHandle() const override { return handle; }
  std::int64_t ItemRequestLimit() const override { return item_limit; }
  std::int64_t FindRequestLimit() const override { return find_limit; }
  bool IsBanned(std::string_view sender) const override { return banned.contains(sender); }
  std::int64_t MailCount() const override { return mail_count; }
  bool IsValidNumber(std::int64_t number) const override {
    return number >= 0 && number < mail_count;
  }
  bool IsInRoom(std::string_view sender) const override { return !absent.contains(sender); }

  std::string handle = "joebot";
  std::int64_t item_limit = 100;
  std::int64_t find_limit = 5;
  // Transparent, so that asking about a sender costs no copy of it in the benchmark's loops.
  std::set<std::string, std::less<>> banned;
  std::set<std::string, std::less<>> absent;
  std::int64_t mail_count = 50;
};

class IntakeHarness {
 public:
  IntakeHarness()
      : desktop(clock),
        ws(desktop.CreateProcess("program")),
        form(ws, registry, "serverFrm", "server", {4725, 5070}),
        Frame1(form, "Frame1", "Item Requests:  0", {45, 495, 2205, 3825}),
        Requests(Frame1, "Requests", {105, 285, 1995, 3435}, "Item Requests:  "),
        Frame2(form, "Frame2", "List Requests:  0", {2355, 495, 2205, 1800}),
        Lists(Frame2, "Lists", {105, 285, 1995, 1410}, "List Requests:  "),
        Frame3(form, "Frame3", "Find Requests:  0", {2355, 2520, 2205, 1800}),
        Finds(Frame3, "Finds", {105, 285, 1995, 1410}, "Find Requests:  "),
        Statuss(form, "Statuss"),
        intake({Requests, Lists, Finds, Statuss}, sources) {}

  // A line as the chat view writes it.
  static std::string Line(std::string_view sender, std::string_view message) {
    return std::string(sender) + ":\t " + std::string(message);
  }
  void Say(std::string_view sender, std::string_view message) {
    intake.TakeLine(Line(sender, message), kOwnName);
  }

  winsys::sim::VirtualClock clock;
  winsys::sim::SimDesktop desktop;
  winsys::WindowSystem& ws;
  ui::Registry registry;
  ui::Form form;
  ui::Frame Frame1;
  RequestQueue Requests;
  ui::Frame Frame2;
  RequestQueue Lists;
  ui::Frame Frame3;
  RequestQueue Finds;
  RequestQueue Statuss;
  FakeSources sources;
  ChatIntake intake;
};

}  // namespace serving_engine::testing
