#include "shared/winsys/sim/dialogs.h"

#include <algorithm>
#include <string>
#include <vector>

#include "shared/winsys/sim/control_procedures.h"
#include "shared/winsys/sim/modal_dialog.h"

namespace winsys::sim {
namespace {

// Layout, in pixels; only its look depends on it.
constexpr int kMargin = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kLineHeight = 16;
constexpr int kCharWidth = 7;
constexpr int kEditHeight = 21;
constexpr int kCaptionHeight = 24;

struct ButtonSpec {
  int id;
  const char* caption;
};

std::vector<ButtonSpec> MessageBoxButtons(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO:
      return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    case MB_YESNOCANCEL:
      return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
    default:
      return {{IDOK, "OK"}};
  }
}

// What closing the box answers: Cancel where there is one, else No, else OK.
int CloseAnswerOf(const std::vector<ButtonSpec>& buttons) {
  for (int id : {IDCANCEL, IDNO, IDOK}) {
    if (std::any_of(buttons.begin(), buttons.end(),
                    [id](const ButtonSpec& b) { return b.id == id; }))
      return id;
  }
  return IDCANCEL;
}

struct TextExtent {
  int width = 0;
  int lines = 1;
};

TextExtent Measure(std::string_view text) {
  TextExtent extent;
  int column = 0;
  for (char c : text) {
    if (c == '\n') {
      ++extent.lines;
      column = 0;
    } else if (c != '\r') {
      ++column;
      extent.width = std::max(extent.width, column * kCharWidth);
    }
  }
  return extent;
}

// Buttons in a row along the bottom, right-aligned; the first is the default one. Answers the
// first button.
HWND AddButtonRow(ModalDialog& dialog, const std::vector<ButtonSpec>& buttons, int width, int top) {
  const int count = static_cast<int>(buttons.size());
  int left = width - kMargin - count * kButtonWidth - (count - 1) * kButtonGap;
  HWND first = kNoWindow;
  for (const ButtonSpec& button : buttons) {
    const DWORD style = (first == kNoWindow ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP;
    const HWND made = dialog.AddControl(kButtonClass, button.caption, style, button.id,
                                        Rect{left, top, left + kButtonWidth, top + kButtonHeight});
    if (first == kNoWindow) first = made;
    left += kButtonWidth + kButtonGap;
  }
  return first;
}

int RowWidth(std::size_t buttons) {
  const int count = static_cast<int>(buttons);
  return 2 * kMargin + count * kButtonWidth + (count - 1) * kButtonGap;
}

bool HasExtension(std::string_view name) {
  const std::size_t last_separator = name.find_last_of("\\/");
  const std::string_view file =
      last_separator == std::string_view::npos ? name : name.substr(last_separator + 1);
  return file.find('.') != std::string_view::npos;
}

// A name of blanks alone names no file, as the platform's dialog holds: it is answered as empty
// rather than given an extension that would make it look like one.
std::string WithDefaultExtension(std::string name, std::string_view extension) {
  if (name.find_first_not_of(' ') == std::string::npos) return {};
  while (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
  if (extension.empty() || HasExtension(name)) return name;
  name += '.';
  name += extension;
  return name;
}

}  // namespace

int RunMessageBox(SimDesktop& desktop, WindowSystem& process, HWND owner, std::string_view text,
                  std::string_view caption, UINT type) {
  const std::vector<ButtonSpec> buttons = MessageBoxButtons(type);
  const TextExtent extent = Measure(text);
  const int text_height = extent.lines * kLineHeight;
  const int width = std::min(std::max(extent.width + 2 * kMargin, RowWidth(buttons.size())), 640);
  const int buttons_top = kMargin + text_height + kMargin;
  const int height = kCaptionHeight + buttons_top + kButtonHeight + kMargin;

  ModalDialog dialog(desktop, process, owner, caption, width, height);
  dialog.AddControl(kStaticClass, text, 0, kDialogTextId,
                    Rect{kMargin, kMargin, width - kMargin, kMargin + text_height});
  const HWND default_button = AddButtonRow(dialog, buttons, width, buttons_top);

  ModalInfo info;
  info.kind = ModalKind::kMessageBox;
  info.title = std::string(caption);
  info.text = std::string(text);
  info.type = type;
  return dialog.Run(info, default_button, CloseAnswerOf(buttons));
}

std::string RunInputBox(SimDesktop& desktop, WindowSystem& process, HWND owner,
                        std::string_view prompt, std::string_view title,
                        std::string_view default_text) {
  const std::vector<ButtonSpec> buttons = {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
  const TextExtent extent = Measure(prompt);
  const int width = std::max({extent.width + 2 * kMargin, RowWidth(buttons.size()), 360});
  const int prompt_height = extent.lines * kLineHeight;
  const int edit_top = kMargin + prompt_height + kButtonGap;
  const int buttons_top = edit_top + kEditHeight + kMargin;
  const int height = kCaptionHeight + buttons_top + kButtonHeight + kMargin;

  ModalDialog dialog(desktop, process, owner, title, width, height);
  dialog.AddControl(kStaticClass, prompt, 0, kDialogTextId,
                    Rect{kMargin, kMargin, width - kMargin, kMargin + prompt_height});
  const HWND edit = dialog.AddControl(
      kEditClass, default_text, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, kDialogEditId,
      Rect{kMargin, edit_top, width - kMargin, edit_top + kEditHeight});
  AddButtonRow(dialog, buttons, width, buttons_top);

  ModalInfo info;
  info.kind = ModalKind::kInputBox;
  info.title = std::string(title);
  info.text = std::string(prompt);
  info.default_text = std::string(default_text);
  if (dialog.Run(info, edit, IDCANCEL) != IDOK) return {};
  return dialog.ControlText(kDialogEditId);
}

// An empty file name is answered as Cancel is: the dialog closes with the empty text rather than
// staying open for a name nobody will type (a run answering it by default would wait forever).
std::string RunFileDialog(SimDesktop& desktop, WindowSystem& process, HWND owner,
                          FileDialogKind kind, const FileDialogSpec& request) {
  const bool opening = kind == FileDialogKind::kOpen;
  const std::vector<ButtonSpec> buttons = {{IDOK, opening ? "&Open" : "&Save"},
                                           {IDCANCEL, "Cancel"}};
  const std::string title = !request.title.empty() ? request.title : opening ? "Open" : "Save As";
  const int width = 420;
  const int edit_top = kMargin;
  const int filter_top = edit_top + kEditHeight + kButtonGap;
  const int buttons_top = filter_top + kLineHeight + kMargin;
  const int height = kCaptionHeight + buttons_top + kButtonHeight + kMargin;

  ModalDialog dialog(desktop, process, owner, title, width, height);
  const HWND edit = dialog.AddControl(
      kEditClass, request.initial_name, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, kDialogEditId,
      Rect{kMargin, edit_top, width - kMargin, edit_top + kEditHeight});
  dialog.AddControl(kStaticClass, request.filter_text, 0, kDialogTextId,
                    Rect{kMargin, filter_top, width - kMargin, filter_top + kLineHeight});
  AddButtonRow(dialog, buttons, width, buttons_top);

  ModalInfo info;
  info.kind = ModalKind::kFileDialog;
  info.title = title;
  info.file_kind = kind;
  info.file_spec = request;
  info.default_text = request.initial_name;
  if (dialog.Run(info, edit, IDCANCEL) != IDOK) return {};
  return WithDefaultExtension(dialog.ControlText(kDialogEditId), request.default_extension);
}

}  // namespace winsys::sim
