#include "shared/winsys/sim/control_support.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "shared/winsys/sim/text_compare.h"

namespace winsys::sim {

std::string TextFromParam(LPARAM text) {
  if (text == 0) return {};
  return std::string(reinterpret_cast<const char*>(text));
}

LRESULT CopyTextOut(std::string_view text, WPARAM capacity, LPARAM buffer) {
  if (capacity == 0 || buffer == 0) return 0;
  const std::size_t count = std::min<std::size_t>(text.size(), capacity - 1);
  char* out = reinterpret_cast<char*>(buffer);
  std::memcpy(out, text.data(), count);
  out[count] = '\0';
  return static_cast<LRESULT>(count);
}

LRESULT CopyWholeTextOut(std::string_view text, LPARAM buffer, LRESULT failure) {
  if (buffer == 0) return failure;
  char* out = reinterpret_cast<char*>(buffer);
  std::memcpy(out, text.data(), text.size());
  out[text.size()] = '\0';
  return static_cast<LRESULT>(text.size());
}

int IndexFromParam(WPARAM index) {
  return static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(index)));
}

void NotifyParent(WindowSystem& system, HWND control, UINT code) {
  const HWND parent = system.GetParent(control);
  if (parent == kNoWindow) return;
  const int id = system.GetDlgCtrlID(control);
  system.SendMessage(parent, WM_COMMAND, MakeWParam(static_cast<unsigned>(id), code),
                     static_cast<LPARAM>(control));
}

DWORD StyleOf(WindowSystem& system, HWND window) {
  return static_cast<DWORD>(system.GetWindowLongPtr(window, GWL_STYLE));
}

std::string ReadWindowText(WindowSystem& system, HWND window) {
  const LRESULT length = system.SendMessage(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = system.SendMessage(window, WM_GETTEXT, buffer.size(),
                                            reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data(), static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(FoldCase(x)) < static_cast<unsigned char>(FoldCase(y));
  });
}

}  // namespace winsys::sim
