#include "scenario/name_check.h"

#include <string>

#include "app/program.h"
#include "scenario/encoding.h"
#include "shared/ui/registry.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"

namespace scenario {
namespace {

// The names a command gives: a form and, when it names one, a control of it or a menu entry.
struct Names {
  const std::string* form = nullptr;
  const std::string* control = nullptr;
  const std::string* menu_entry = nullptr;
};

Names NamesOf(const Command& command) {
  switch (command.verb) {
    case Verb::kClick:
    case Verb::kSelect:
    case Verb::kDoubleClick:
    case Verb::kType:
    case Verb::kKey:
    case Verb::kExpectCaption:
    case Verb::kExpectCount:
    case Verb::kExpectItem:
    case Verb::kExpectEnabled:
    case Verb::kExpectChecked:
      return Names{&command.text(0), &command.text(1), nullptr};
    case Verb::kClose:
    case Verb::kExpectVisible:
      return Names{&command.text(0), nullptr, nullptr};
    case Verb::kMenu:
      return Names{nullptr, nullptr, &command.text(0)};
    default:
      return Names{};
  }
}

// The program, whose windows are all made with it (not loaded), to read their names from.
class EveryWindow {
 public:
  const ui::Registry& registry() const { return registry_; }

 private:
  winsys::sim::VirtualClock clock_;
  winsys::sim::SimDesktop desktop_{clock_};
  ui::Registry registry_;
  app::Program program_{desktop_.CreateProcess("tollmere"), registry_};
};

ParseError Unknown(const Command& command, const std::string& name) {
  return ParseError{command.line, "no window or control " + Cp1252ToUtf8(name)};
}

}  // namespace

std::optional<ParseError> CheckNames(const Script& script) {
  std::optional<EveryWindow> windows;
  for (const Command& command : script.commands) {
    const Names names = NamesOf(command);
    if (names.form == nullptr && names.menu_entry == nullptr) continue;
    if (!windows) windows.emplace();
    const ui::Registry& registry = windows->registry();
    if (names.menu_entry != nullptr) {
      if (registry.FindMenuEntry(*names.menu_entry) == nullptr) {
        return Unknown(command, *names.menu_entry);
      }
      continue;
    }
    if (registry.FindForm(*names.form) == nullptr) return Unknown(command, *names.form);
    if (names.control != nullptr && registry.Find(*names.form, *names.control) == nullptr) {
      return Unknown(command, *names.control);
    }
  }
  return std::nullopt;
}

}  // namespace scenario
