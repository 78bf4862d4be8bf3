// "Edit": single-line and multi-line (ES_MULTILINE) text.
// - The edit keeps its text itself, as the Win32 edit does: WM_SETTEXT, WM_GETTEXT and
//   WM_GETTEXTLENGTH work on it, while the window's stored caption stays what the window was
//   created with (so another process's GetWindowText sees that caption, as on Windows).
// - WM_CHAR types at the end of the text (there is no caret here): backspace deletes the last
//   character; characters below the blank and DEL are not inserted, except that a multi-line
//   edit takes CR (or LF) as CR LF and TAB as a tab. Inside a dialog a multi-line edit without
//   ES_WANTRETURN leaves CR and TAB to the dialog, as Win32 does.
// - EN_CHANGE goes to the parent when typing changes the text, and after WM_SETTEXT on a
//   single-line edit; a multi-line edit does not send it for WM_SETTEXT (documented Win32
//   behaviour).

#include <memory>
#include <string>

#include "shared/winsys/sim/control_procedures.h"
#include "shared/winsys/sim/control_state_table.h"
#include "shared/winsys/sim/control_support.h"
#include "shared/winsys/sim/text_compare.h"

namespace winsys::sim {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kTab = '\t';
constexpr char kBackspace = '\b';
constexpr unsigned char kDelete = 0x7F;

struct EditState {
  std::string text;
};

class EditClass {
 public:
  explicit EditClass(WindowSystem& system) : system_(system) {}

  LRESULT Handle(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCDESTROY) {
      states_.Forget(edit);
      return system_.DefWindowProc(edit, message, wparam, lparam);
    }
    bool created = false;
    const std::shared_ptr<EditState> state = states_.Get(edit, &created);
    if (created) state->text = InitialText(edit, message, lparam);
    switch (message) {
      case WM_SETTEXT:
        state->text = TextFromParam(lparam);
        if (!IsMultiLine(edit)) NotifyParent(system_, edit, EN_CHANGE);
        return 1;
      case WM_GETTEXT:
        return CopyTextOut(state->text, wparam, lparam);
      case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(state->text.size());
      case WM_CHAR:
        if (Type(edit, *state, static_cast<char>(wparam & 0xFF))) {
          NotifyParent(system_, edit, EN_CHANGE);
        }
        return 0;
      default:
        return system_.DefWindowProc(edit, message, wparam, lparam);
    }
  }

 private:
  std::string InitialText(HWND edit, UINT message, LPARAM lparam) {
    if (message == WM_CREATE && lparam != 0) {
      return reinterpret_cast<const CreateParams*>(lparam)->caption;
    }
    // The caption as stored, without sending ourselves WM_GETTEXT.
    const LRESULT length = system_.DefWindowProc(edit, WM_GETTEXTLENGTH, 0, 0);
    std::string caption(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    const LRESULT copied = system_.DefWindowProc(edit, WM_GETTEXT, caption.size(),
                                                 reinterpret_cast<LPARAM>(caption.data()));
    caption.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return caption;
  }

  bool IsMultiLine(HWND edit) { return (StyleOf(system_, edit) & ES_MULTILINE) != 0; }

  // Whether CR and TAB are the edit's to type rather than the dialog's it sits in.
  bool TakesReturnAndTab(HWND edit) {
    const DWORD style = StyleOf(system_, edit);
    if ((style & ES_MULTILINE) == 0) return false;
    if ((style & ES_WANTRETURN) != 0) return true;
    const HWND parent = system_.GetParent(edit);
    return parent == kNoWindow || !EqualsIgnoringCase(system_.GetClassName(parent), kDialogClass);
  }

  // Types one character; answers whether the text changed.
  bool Type(HWND edit, EditState& state, char c) {
    switch (c) {
      case kBackspace:
        if (state.text.empty()) return false;
        state.text.pop_back();
        return true;
      case kCarriageReturn:
        if (!TakesReturnAndTab(edit)) return false;
        state.text += "\r\n";
        return true;
      case kLineFeed:
        if (!IsMultiLine(edit)) return false;
        state.text += "\r\n";
        return true;
      case kTab:
        if (!TakesReturnAndTab(edit)) return false;
        state.text += kTab;
        return true;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) == kDelete) {
          return false;
        }
        state.text += c;
        return true;
    }
  }

  WindowSystem& system_;
  ControlStateTable<EditState> states_;
};

}  // namespace

WindowProc EditProcedure(WindowSystem& system) {
  auto edit_class = std::make_shared<EditClass>(system);
  return [edit_class](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return edit_class->Handle(window, message, wparam, lparam);
  };
}

}  // namespace winsys::sim
