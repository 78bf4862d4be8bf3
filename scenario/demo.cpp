#include "scenario/demo.h"

#include <optional>

#include "scenario/runner.h"
#include "scenario/script.h"

namespace scenario {

extern const char* const kDemoScript;  // generated from demo.scn at build time

std::string_view DemoScript() {
  return kDemoScript;
}

double DemoSeconds() {
  std::optional<ParseError> error;
  return Runner::ScriptedSeconds(ParseScript(DemoScript(), error));
}

}  // namespace scenario
