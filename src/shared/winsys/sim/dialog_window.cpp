// "#32770": see dialog_window.h.

#include "shared/winsys/sim/dialog_window.h"

#include <memory>

#include "shared/winsys/sim/control_procedures.h"
#include "shared/winsys/sim/control_state_table.h"
#include "shared/winsys/sim/control_support.h"
#include "shared/winsys/sim/text_compare.h"

namespace winsys::sim {
namespace {

constexpr int kNoAnswer = 0;

struct DialogState {
  int answer = kNoAnswer;
};

class DialogClass {
 public:
  explicit DialogClass(WindowSystem& system) : system_(system) {}

  LRESULT Handle(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCDESTROY) {
      states_.Forget(dialog);
      return system_.DefWindowProc(dialog, message, wparam, lparam);
    }
    const std::shared_ptr<DialogState> state = states_.Get(dialog);
    switch (message) {
      case WM_COMMAND:
        if (HighWord(wparam) == BN_CLICKED) Record(*state, static_cast<int>(LowWord(wparam)));
        return 0;
      case WM_CLOSE:
        Record(*state, CloseAnswer(dialog));
        return 0;
      case WM_KEYDOWN:
        if (wparam == VK_ESCAPE) Record(*state, CloseAnswer(dialog));
        if (wparam == VK_RETURN) ClickDefaultButton(dialog);
        return 0;
      case kQueryDialogAnswer:
        return state->answer;
      default:
        return system_.DefWindowProc(dialog, message, wparam, lparam);
    }
  }

 private:
  static void Record(DialogState& state, int answer) {
    if (state.answer == kNoAnswer) state.answer = answer;
  }

  bool HasButton(HWND dialog, int id) {
    const HWND button = system_.GetDlgItem(dialog, id);
    return button != kNoWindow && EqualsIgnoringCase(system_.GetClassName(button), kButtonClass);
  }

  int CloseAnswer(HWND dialog) {
    if (HasButton(dialog, IDCANCEL)) return IDCANCEL;
    if (HasButton(dialog, IDNO)) return IDNO;
    if (HasButton(dialog, IDOK)) return IDOK;
    return IDCANCEL;
  }

  void ClickDefaultButton(HWND dialog) {
    for (HWND child = system_.GetWindow(dialog, GW_CHILD); child != kNoWindow;
         child = system_.GetWindow(child, GW_HWNDNEXT)) {
      if (EqualsIgnoringCase(system_.GetClassName(child), kButtonClass) &&
          (StyleOf(system_, child) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        system_.SendMessage(child, BM_CLICK, 0, 0);
        return;
      }
    }
  }

  WindowSystem& system_;
  ControlStateTable<DialogState> states_;
};

}  // namespace

WindowProc DialogProcedure(WindowSystem& system) {
  auto dialog_class = std::make_shared<DialogClass>(system);
  return [dialog_class](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return dialog_class->Handle(window, message, wparam, lparam);
  };
}

}  // namespace winsys::sim
