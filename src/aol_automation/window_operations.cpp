#include "aol_automation/window_operations.h"

#include <algorithm>

#include "aol_automation/client_windows.h"
#include "aol_automation/shape_finder.h"

namespace vornik32 {
namespace {

// The Welcome window's caption is a greeting of this length, the screen name, then closing
// characters: two in the 5.0 layout, one in the 4.0 layout.
constexpr std::size_t kGreetingLength = 9;
constexpr std::size_t kClosingLengthAol5 = 2;
constexpr std::size_t kClosingLengthAol4 = 1;

std::string WindowCaption(winsys::WindowSystem& ws, HWND window) {
  if (window == winsys::kNoWindow) return {};
  const int length = ws.GetWindowTextLength(window);
  if (length <= 0) return {};
  std::string caption = ws.GetWindowText(window);
  if (caption.size() > static_cast<std::size_t>(length)) caption.resize(length);
  return caption;
}

}  // namespace

std::string GetText(winsys::WindowSystem& ws, HWND window) {
  const auto length = ws.SendMessage(window, winsys::WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied = ws.SendMessage(window, winsys::WM_GETTEXT, buffer.size(),
                                     reinterpret_cast<winsys::LPARAM>(buffer.data()));
  // The text may have shrunk between the two messages: keep only what was copied.
  const auto kept = copied < 0 ? 0 : std::min<winsys::LRESULT>(copied, length);
  buffer.resize(static_cast<std::size_t>(kept));
  return buffer;
}

void ClickWindow(winsys::WindowSystem& ws, HWND window) {
  SendClick(ws, window);
}

void CloseWindow(winsys::WindowSystem& ws, HWND window) {
  ws.PostMessage(window, winsys::WM_CLOSE, 0, 0);
}

int ListCount(winsys::WindowSystem& ws, HWND list) {
  return static_cast<int>(ws.SendMessage(list, winsys::LB_GETCOUNT, 0, 0));
}

std::optional<int> AnsweredListCount(winsys::WindowSystem& ws, HWND list) {
  const std::optional<winsys::LRESULT> count =
      ws.SendMessageAnswered(list, winsys::LB_GETCOUNT, 0, 0);
  if (!count || *count < 0) return std::nullopt;
  return static_cast<int>(*count);
}

std::optional<std::string> AnsweredText(winsys::WindowSystem& ws, HWND window) {
  const std::optional<winsys::LRESULT> length =
      ws.SendMessageAnswered(window, winsys::WM_GETTEXTLENGTH, 0, 0);
  if (!length || *length < 0) return std::nullopt;
  if (*length == 0) return std::string();
  std::string buffer(static_cast<std::size_t>(*length) + 1, '\0');
  const std::optional<winsys::LRESULT> copied = ws.SendMessageAnswered(
      window, winsys::WM_GETTEXT, buffer.size(), reinterpret_cast<winsys::LPARAM>(buffer.data()));
  if (!copied) return std::nullopt;
  buffer.resize(static_cast<std::size_t>(std::clamp<winsys::LRESULT>(*copied, 0, *length)));
  return buffer;
}

bool SetTextAnswered(winsys::WindowSystem& ws, HWND window, std::string_view text) {
  const std::string terminated(text);
  const std::optional<winsys::LRESULT> taken = ws.SendMessageAnswered(
      window, winsys::WM_SETTEXT, 0, reinterpret_cast<winsys::LPARAM>(terminated.c_str()));
  return taken && *taken != 0;
}

void SetListIndex(winsys::WindowSystem& ws, HWND list, int index) {
  ws.SendMessage(list, winsys::LB_SETCURSEL, static_cast<winsys::WPARAM>(index), 0);
}

void HideWindow(winsys::WindowSystem& ws, HWND window) {
  if (window != winsys::kNoWindow) ws.ShowWindow(window, winsys::SW_HIDE);
}

bool IsSignedOn(winsys::WindowSystem& ws) {
  return FindWelcomeWindow(ws) != winsys::kNoWindow;
}

std::string UserScreenName(winsys::WindowSystem& ws) {
  const std::string caption = WindowCaption(ws, FindWelcomeWindow(ws));
  return ScreenNameInWelcomeCaption(
      caption, aol432::IsAOL5(ws) ? ClientVersion::kAol5 : ClientVersion::kAol4);
}

std::string ScreenNameInWelcomeCaption(std::string_view caption, ClientVersion version) {
  const std::size_t closing =
      version == ClientVersion::kAol5 ? kClosingLengthAol5 : kClosingLengthAol4;
  if (caption.size() < kGreetingLength + closing) return {};
  return std::string(caption.substr(kGreetingLength, caption.size() - kGreetingLength - closing));
}

}  // namespace vornik32

namespace aol432 {
namespace {

constexpr int kVersionProbeButton = 22;

// A window whose rectangle cannot be read counts as standing at the left edge.
int LeftEdge(winsys::WindowSystem& ws, winsys::HWND window) {
  winsys::Rect rect;
  if (window == winsys::kNoWindow || !ws.GetWindowRect(window, rect)) return 0;
  return rect.left;
}

}  // namespace

bool IsAOL5(winsys::WindowSystem& ws) {
  const winsys::HWND strip = vornik32::ToolbarStrip(ws);
  const int button_left =
      LeftEdge(ws, vornik32::NthChild(ws, strip, vornik32::kIconClass, kVersionProbeButton));
  const int address_left = LeftEdge(ws, vornik32::FirstChild(ws, strip, vornik32::kComboboxClass));
  return button_left > address_left;
}

}  // namespace aol432
