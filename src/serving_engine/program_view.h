#pragma once
// The program as the serving engine's windows reach it: the window system, the registry of
// forms, the shared serving state, the automation's wait bounds, whether the program ended, and
// the program's windows. Each layer above adds the windows it owns (list_designer::ProgramView,
// serving_loop::ProgramView); app::Program makes them all, each the first time it is asked for.
//
// A window of a higher layer is reached from here only through a narrow view of what is read
// (settings, the List Designer's results) or set going (the serving work).

#include "aol_automation/wait_bounds.h"
#include "serving_engine/request_queue.h"
#include "shared/program_end.h"
#include "shared/ui/registry.h"
#include "shared/variables.h"
#include "shared/winsys/window_system.h"

namespace serving_engine {

class ListResults;
class ServedCounters;
class ServerForm;
class ServingWork;
class Settings;

class ProgramView {
 public:
  ProgramView(winsys::WindowSystem& ws, ui::Registry& registry, const vornik32::WaitBounds& bounds);
  virtual ~ProgramView();
  ProgramView(const ProgramView&) = delete;
  ProgramView& operator=(const ProgramView&) = delete;

  winsys::WindowSystem& ws() const { return ws_; }
  ui::Registry& registry() const { return registry_; }
  shared::Variables& variables() { return variables_; }
  const shared::Variables& variables() const { return variables_; }
  const vornik32::WaitBounds& bounds() const { return bounds_; }

  // Whether the server window was closed, which ends the program.
  bool ended() const { return end_.ended(); }
  shared::ProgramEnd& programEnd() { return end_; }

  // --- The windows -------------------------------------------------------------------------------
  virtual ServerForm& serverFrm() = 0;

  // --- Narrow views of the windows' data ---------------------------------------------------------
  // The server window's queues and served counters.
  RequestQueues queues();
  ServedCounters& servedCounters();
  // The options menu's settings.
  virtual Settings& settings() = 0;
  // The List Designer's results.
  virtual const ListResults& listResults() = 0;
  // The serving loop, as the server window's timers and buttons drive it.
  virtual ServingWork& servingWork() = 0;

 private:
  winsys::WindowSystem& ws_;
  ui::Registry& registry_;
  shared::Variables variables_;
  vornik32::WaitBounds bounds_;
  shared::ProgramEnd end_;
};

}  // namespace serving_engine
