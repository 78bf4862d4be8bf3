#pragma once
// Whether a serving tick goes on to its next step or ends where it is.

#include "shared/program_end.h"
#include "shared/variables.h"

namespace serving_loop {

enum class TickFlow { kGoOn, kEndTick };

// A tick ends before its next unit of work when Stop was pressed during one of its waits, or
// when the server window was closed during one (the program is ending; nothing more may be
// sent in its name).
inline bool TickMustEnd(const shared::Variables& variables, const shared::ProgramEnd& end) {
  return variables.StopRequested || end.ended();
}

}  // namespace serving_loop
