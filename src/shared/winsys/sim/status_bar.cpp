// "msctls_statusbar32": one text panel (panel 0). SB_SETTEXTA sets it (lParam the text),
// SB_GETTEXTA copies it into lParam's buffer, SB_GETTEXTLENGTHA measures it; both answer the
// length in the low word (the drawing type, always 0 here, would be the high word). WM_SETTEXT and
// WM_GETTEXT work on panel 0 too, as on Win32. Other panels do not exist.

#include <memory>
#include <string>

#include "shared/winsys/sim/control_procedures.h"
#include "shared/winsys/sim/control_state_table.h"
#include "shared/winsys/sim/control_support.h"

namespace winsys::sim {
namespace {

constexpr WPARAM kPanelMask = 0xFF;
constexpr WPARAM kSimplePanel = 0xFF;  // SB_SIMPLEID: the one panel of a simple status bar

struct StatusBarState {
  std::string text;
};

bool IsPanelZero(WPARAM wparam) {
  const WPARAM panel = wparam & kPanelMask;
  return panel == 0 || panel == kSimplePanel;
}

class StatusBarClass {
 public:
  explicit StatusBarClass(WindowSystem& system) : system_(system) {}

  LRESULT Handle(HWND bar, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCDESTROY) {
      states_.Forget(bar);
      return system_.DefWindowProc(bar, message, wparam, lparam);
    }
    bool created = false;
    const std::shared_ptr<StatusBarState> state = states_.Get(bar, &created);
    if (created && message == WM_CREATE && lparam != 0) {
      state->text = reinterpret_cast<const CreateParams*>(lparam)->caption;
    }
    switch (message) {
      case SB_SETTEXTA:
        if (!IsPanelZero(wparam)) return 0;
        state->text = TextFromParam(lparam);
        return 1;
      case SB_GETTEXTA:
        if (!IsPanelZero(wparam)) return 0;
        return CopyWholeTextOut(state->text, lparam, static_cast<LRESULT>(state->text.size()));
      case SB_GETTEXTLENGTHA:
        return IsPanelZero(wparam) ? static_cast<LRESULT>(state->text.size()) : 0;
      case WM_SETTEXT:
        state->text = TextFromParam(lparam);
        return 1;
      case WM_GETTEXT:
        return CopyTextOut(state->text, wparam, lparam);
      case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(state->text.size());
      default:
        return system_.DefWindowProc(bar, message, wparam, lparam);
    }
  }

 private:
  WindowSystem& system_;
  ControlStateTable<StatusBarState> states_;
};

}  // namespace

WindowProc StatusBarProcedure(WindowSystem& system) {
  auto bar_class = std::make_shared<StatusBarClass>(system);
  return [bar_class](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return bar_class->Handle(window, message, wparam, lparam);
  };
}

}  // namespace winsys::sim
