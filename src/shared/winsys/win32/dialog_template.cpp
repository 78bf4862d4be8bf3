#include "shared/winsys/win32/dialog_template.h"

#include <cstdint>
#include <string>
#include <vector>

namespace winsys::win32 {
namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;
constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;
constexpr std::size_t kLongestAnswer = 4096;

// A dialog template is a run of 16-bit words, with every item starting on a 32-bit boundary.
class TemplateWriter {
 public:
  void Word(WORD value) { words_.push_back(value); }
  void Double(DWORD value) {
    Word(static_cast<WORD>(value & 0xFFFF));
    Word(static_cast<WORD>(value >> 16));
  }
  // Texts inside the system are Windows-1252; the template wants UTF-16.
  void Text(std::string_view text) {
    if (!text.empty()) {
      const int length =
          ::MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
      std::vector<wchar_t> wide(static_cast<std::size_t>(length));
      ::MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            length);
      for (wchar_t c : wide) Word(static_cast<WORD>(c));
    }
    Word(0);
  }
  void Align() {
    if (words_.size() % 2 != 0) Word(0);
  }
  void Item(DWORD style, short x, short y, short width, short height, WORD id, WORD class_atom,
            std::string_view text) {
    Align();
    Double(style | WS_CHILD | WS_VISIBLE);
    Double(0);
    for (short value : {x, y, width, height}) Word(static_cast<WORD>(value));
    Word(id);
    Word(0xFFFF);
    Word(class_atom);
    Text(text);
    Word(0);  // no creation data
  }
  const DLGTEMPLATE* data() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  std::vector<WORD> words_;
};

struct InputDialogState {
  std::string prompt;
  std::string default_text;
  std::string answer;
};

std::string ReadText(HWND window) {
  std::string text(kLongestAnswer, '\0');
  const int copied = ::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

INT_PTR CALLBACK InputDialogProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      ::SetWindowLongPtrA(dialog, DWLP_USER, lparam);
      const auto* state = reinterpret_cast<const InputDialogState*>(lparam);
      ::SetDlgItemTextA(dialog, kPromptId, state->prompt.c_str());
      ::SetDlgItemTextA(dialog, kEditId, state->default_text.c_str());
      ::SendDlgItemMessageA(dialog, kEditId, EM_SETSEL, 0, -1);
      ::SetFocus(::GetDlgItem(dialog, kEditId));
      return FALSE;  // the focus was set here
    }
    case WM_COMMAND: {
      const WORD id = LOWORD(wparam);
      if (id == IDOK) {
        auto* state = reinterpret_cast<InputDialogState*>(::GetWindowLongPtrA(dialog, DWLP_USER));
        state->answer = ReadText(::GetDlgItem(dialog, kEditId));
        ::EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (id == IDCANCEL) {
        ::EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

std::string RunInputDialog(::HWND owner, std::string_view prompt, std::string_view title,
                           std::string_view default_text) {
  TemplateWriter writer;
  writer.Double(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT);
  writer.Double(0);
  writer.Word(4);  // items
  for (short value : {0, 0, 240, 90}) writer.Word(static_cast<WORD>(value));
  writer.Word(0);  // no menu
  writer.Word(0);  // the standard dialog class
  writer.Text(title);
  writer.Word(8);
  writer.Text("MS Sans Serif");
  writer.Item(SS_LEFT, 7, 7, 170, 50, kPromptId, kStaticAtom, "");
  writer.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 185, 7, 48, 14, IDOK, kButtonAtom, "OK");
  writer.Item(BS_PUSHBUTTON | WS_TABSTOP, 185, 25, 48, 14, IDCANCEL, kButtonAtom, "Cancel");
  writer.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 68, 226, 14, kEditId, kEditAtom, "");

  InputDialogState state{std::string(prompt), std::string(default_text), {}};
  const INT_PTR answer =
      ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), writer.data(), owner,
                                InputDialogProcedure, reinterpret_cast<LPARAM>(&state));
  return answer == IDOK ? state.answer : std::string();
}

}  // namespace winsys::win32
