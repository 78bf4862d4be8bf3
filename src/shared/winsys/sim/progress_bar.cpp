// "msctls_progress32": a position within a range (0..100 unless set).
// - PBM_SETRANGE: lParam's low word the minimum, high word the maximum; PBM_SETRANGE32: wParam
//   the minimum, lParam the maximum. Both answer the previous range packed as PBM_SETRANGE takes
//   it, and pull the position into the new range.
// - PBM_GETRANGE answers the minimum when wParam is nonzero, else the maximum.
// - PBM_SETPOS moves the position, held within the range, and answers the previous one;
//   PBM_GETPOS answers it.

#include <algorithm>
#include <memory>

#include "shared/winsys/sim/control_procedures.h"
#include "shared/winsys/sim/control_state_table.h"

namespace winsys::sim {
namespace {

struct ProgressBarState {
  int minimum = 0;
  int maximum = 100;
  int position = 0;
};

class ProgressBarClass {
 public:
  explicit ProgressBarClass(WindowSystem& system) : system_(system) {}

  LRESULT Handle(HWND bar, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCDESTROY) {
      states_.Forget(bar);
      return system_.DefWindowProc(bar, message, wparam, lparam);
    }
    const std::shared_ptr<ProgressBarState> state = states_.Get(bar);
    switch (message) {
      case PBM_SETRANGE:
        return SetRange(*state, static_cast<int>(LowWord(static_cast<std::uintptr_t>(lparam))),
                        static_cast<int>(HighWord(static_cast<std::uintptr_t>(lparam))));
      case PBM_SETRANGE32:
        return SetRange(*state, static_cast<int>(static_cast<std::int32_t>(wparam)),
                        static_cast<int>(static_cast<std::int32_t>(lparam)));
      case PBM_GETRANGE:
        return wparam != 0 ? state->minimum : state->maximum;
      case PBM_SETPOS: {
        const int previous = state->position;
        state->position = Clamp(*state, static_cast<int>(static_cast<std::int32_t>(wparam)));
        return previous;
      }
      case PBM_GETPOS:
        return state->position;
      default:
        return system_.DefWindowProc(bar, message, wparam, lparam);
    }
  }

 private:
  static int Clamp(const ProgressBarState& state, int position) {
    return std::max(state.minimum, std::min(position, state.maximum));
  }

  static LRESULT SetRange(ProgressBarState& state, int minimum, int maximum) {
    const auto previous = static_cast<LRESULT>(
        MakeWParam(static_cast<unsigned>(state.minimum), static_cast<unsigned>(state.maximum)));
    state.minimum = minimum;
    state.maximum = maximum;
    state.position = Clamp(state, state.position);
    return previous;
  }

  WindowSystem& system_;
  ControlStateTable<ProgressBarState> states_;
};

}  // namespace

WindowProc ProgressBarProcedure(WindowSystem& system) {
  auto bar_class = std::make_shared<ProgressBarClass>(system);
  return [bar_class](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return bar_class->Handle(window, message, wparam, lparam);
  };
}

}  // namespace winsys::sim
