#include "shared/ui/combo_box.h"

#include "shared/ui/key_press.h"

namespace ui {

using namespace winsys;

namespace {
// The dropped list's room: eight entries of the dialog font and the list's frame.
constexpr int kListRoomPixels = 8 * 16 + 2;
}  // namespace

ComboBox::ComboBox(Container& container, std::string name, const TwipsRect& position,
                   Visibility visibility)
    : Control(container, std::move(name), Kind::kComboBox, position, visibility) {}

ComboBox::~ComboBox() {
  DestroyOwnWindow();
}

DWORD ComboBox::class_style() const {
  return CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP;
}

Rect ComboBox::WindowRect() const {
  Rect rect = Control::WindowRect();
  rect.bottom += kListRoomPixels;
  return rect;
}

std::string ComboBox::text() const {
  if (hwnd() == kNoWindow) return text_;
  return ws().GetWindowText(hwnd());
}

void ComboBox::set_text(std::string text) {
  const bool changed = this->text() != text;
  text_ = std::move(text);
  if (hwnd() != kNoWindow) ws().SetWindowText(hwnd(), text_);
  if (changed && on_change) on_change();
}

std::string ComboBox::item(int index) const {
  if (index < 0 || index >= count()) return {};
  return items_[index];
}

int ComboBox::add(std::string text) {
  items_.push_back(std::move(text));
  if (hwnd() != kNoWindow) {
    ws().SendMessage(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items_.back().c_str()));
  }
  return count() - 1;
}

void ComboBox::clear() {
  items_.clear();
  if (hwnd() != kNoWindow) ws().SendMessage(hwnd(), CB_RESETCONTENT, 0, 0);
  set_text({});
}

int ComboBox::selected_index() const {
  if (hwnd() == kNoWindow) return -1;
  const LRESULT selected = ws().SendMessage(hwnd(), CB_GETCURSEL, 0, 0);
  return selected == CB_ERR ? -1 : static_cast<int>(selected);
}

void ComboBox::AfterCreate() {
  for (const std::string& entry : items_) {
    ws().SendMessage(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  }
  if (!text_.empty()) ws().SetWindowText(hwnd(), text_);

  combo_procedure_ =
      ws().SubclassWindow(hwnd(), [this](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        const WindowProc combo = combo_procedure_;
        if (message != WM_CHAR) {
          if (!combo) return ws().DefWindowProc(window, message, wparam, lparam);
          return combo(window, message, wparam, lparam);
        }
        // The combo hands the character to its edit, whose own hook must not report it again.
        const WindowProc pass_on = [this, combo](HWND w, UINT m, WPARAM wp, LPARAM lp) {
          passing_key_to_edit_ = true;
          const LRESULT result = combo(w, m, wp, lp);
          passing_key_to_edit_ = false;
          return result;
        };
        return DeliverKeyPress(ws(), on_key_press, combo ? pass_on : WindowProc(), window, wparam,
                               lparam);
      });

  edit_ = ws().FindWindowEx(hwnd(), kNoWindow, "Edit", nullptr);
  if (edit_ == kNoWindow) return;
  edit_procedure_ =
      ws().SubclassWindow(edit_, [this](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        const WindowProc edit = edit_procedure_;
        if (message == WM_CHAR && !passing_key_to_edit_) {
          return DeliverKeyPress(ws(), on_key_press, edit, window, wparam, lparam);
        }
        if (!edit) return ws().DefWindowProc(window, message, wparam, lparam);
        return edit(window, message, wparam, lparam);
      });
}

void ComboBox::OnWindowGone() {
  edit_ = kNoWindow;
  combo_procedure_ = nullptr;
  edit_procedure_ = nullptr;
  passing_key_to_edit_ = false;
}

void ComboBox::ResetProperties() {
  items_.clear();
  text_.clear();
}

void ComboBox::OnCommand(unsigned code) {
  if (code == CBN_SELCHANGE) {
    if (on_click) on_click();
    return;
  }
  if (code != EN_CHANGE && code != CBN_EDITCHANGE) return;
  std::string now = text();
  if (now == text_) return;
  text_ = std::move(now);
  if (on_change) on_change();
}

}  // namespace ui
