#pragma once
// A script that names a window, a control or a menu entry the program does not have is wrong as
// written (a misspelt name would otherwise be an action ignored and a run that passes), so it is
// refused before anything runs. A window the program has but has not opened yet is a different
// thing: the action is ignored when it comes, as a person's click on nothing is.

#include <optional>

#include "scenario/script.h"

namespace scenario {

// The first command that names something the program does not have.
std::optional<ParseError> CheckNames(const Script& script);

}  // namespace scenario
