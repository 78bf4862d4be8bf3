#pragma once
// The built-in demo: a scenario shipped with the program (scenario/demo.scn, built in).

#include <string_view>

namespace scenario {

std::string_view DemoScript();
// The virtual seconds the demo's waits add up to.
double DemoSeconds();

}  // namespace scenario
