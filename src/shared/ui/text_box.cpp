#include "shared/ui/text_box.h"

#include "shared/ui/key_press.h"

namespace ui {

using namespace winsys;

TextBox::TextBox(Container& container, std::string name, std::string text,
                 const TwipsRect& position, TextBoxStyle style, Visibility visibility)
    : Control(container, std::move(name), Kind::kTextBox, position, visibility),
      style_(style),
      design_text_(text),
      text_(std::move(text)) {}

TextBox::~TextBox() {
  DestroyOwnWindow();
}

DWORD TextBox::class_style() const {
  const DWORD common = WS_BORDER | WS_TABSTOP;
  if (style_ == TextBoxStyle::kMultiLine) return common | ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;
  return common | ES_AUTOHSCROLL;
}

std::string TextBox::text() const {
  if (hwnd() == kNoWindow) return text_;
  return ws().GetWindowText(hwnd());
}

void TextBox::set_text(std::string text) {
  const bool changed = this->text() != text;
  text_ = std::move(text);
  // The edit's own EN_CHANGE finds the text it has already seen, so the change fires once.
  if (hwnd() != kNoWindow) ws().SetWindowText(hwnd(), text_);
  if (changed && on_change) on_change();
}

void TextBox::AfterCreate() {
  edit_procedure_ =
      ws().SubclassWindow(hwnd(), [this](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        const WindowProc edit = edit_procedure_;
        if (message == WM_CHAR) {
          return DeliverKeyPress(ws(), on_key_press, edit, window, wparam, lparam);
        }
        if (!edit) return ws().DefWindowProc(window, message, wparam, lparam);
        return edit(window, message, wparam, lparam);
      });
}

void TextBox::OnCommand(unsigned code) {
  if (code != EN_CHANGE) return;
  std::string now = text();
  if (now == text_) return;
  text_ = std::move(now);
  if (on_change) on_change();
}

}  // namespace ui
