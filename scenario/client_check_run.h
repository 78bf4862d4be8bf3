#pragma once
// The client check from the command line: the check's report of the stand-in, with every window
// the check reads open, or of a capture shown on the simulated desktop; and the capture of what
// was checked, saved on request.

#include <optional>
#include <ostream>
#include <string>

#include "aol_automation/client_check.h"
#include "aolsim/layout.h"
#include "scenario/world.h"

namespace scenario {

struct ClientCheckOptions {
  aolsim::Layout layout = aolsim::Layout::kVersion5;
  std::string capture_to_show;  // empty: the stand-in
  std::string capture_to_save;  // empty: none
  vornik32::Names names = vornik32::Names::kKeep;
};

// The stand-in signed on in a room, with the Flash mailbox, a stored mail and its forward
// window, Write Mail and Automatic AOL open, each opened as a person would.
void OpenEveryCheckedWindow(World& world);

// Prints the report (UTF-8, one row a line); 0 when no row is "not found", 1 when one is, 2 when
// the capture cannot be shown or saved.
int RunClientCheck(const ClientCheckOptions& options, std::ostream& out, std::ostream& err);

}  // namespace scenario
