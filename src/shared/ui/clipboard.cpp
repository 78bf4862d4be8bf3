#include "shared/ui/clipboard.h"

namespace ui {

void Clipboard::SetText(std::string_view text) {
  ws_.SetClipboardText(text);
}

std::string Clipboard::GetText() const {
  return ws_.GetClipboardText().value_or(std::string());
}

}  // namespace ui
