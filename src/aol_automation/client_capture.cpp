#include "aol_automation/client_capture.h"

#include <nlohmann/json.hpp>

#include "aol_automation/chat_room.h"
#include "aol_automation/client_windows.h"
#include "aol_automation/mailbox_lines.h"
#include "aol_automation/text_case.h"
#include "aol_automation/window_operations.h"
#include "shared/winsys/text_encoding.h"

namespace vornik32 {
namespace {

using Json = nlohmann::ordered_json;
using winsys::Cp1252ToUtf8;
using winsys::kNoWindow;

// A text field's live text is kept up to this length: enough to tell what it holds, never a
// whole transcript.
constexpr std::size_t kCapturedText = 512;
// Deeper than any window tree of the client: a tree that deep loops or is hostile.
constexpr int kDeepestWindow = 32;
constexpr int kMenuTextBuffer = 100;
constexpr winsys::UINT kSubmenuEntry = static_cast<winsys::UINT>(-1);

constexpr const char* kKeptCaptions[] = {kMailboxCaption,           kWriteMailCaption,
                                         kAutomaticAolCaption,      kMailPreferencesCaption,
                                         kNewInstantMessageCaption, kNoticeCaption};

class Capturer {
 public:
  Capturer(winsys::WindowSystem& ws, Names names) : ws_(ws), names_(names) {}

  Json Windows() const {
    Json windows = Json::array();
    const HWND main = MainWindow(ws_);
    if (main == kNoWindow) return windows;
    winsys::DWORD client = 0;
    ws_.GetWindowThreadProcessId(main, &client);
    for (HWND window = ws_.FindWindowEx(kNoWindow, kNoWindow, nullptr, nullptr);
         window != kNoWindow; window = ws_.FindWindowEx(kNoWindow, window, nullptr, nullptr)) {
      winsys::DWORD owner = 0;
      ws_.GetWindowThreadProcessId(window, &owner);
      if (owner == client) windows.push_back(Node(window, 0));
    }
    return windows;
  }

 private:
  // Letters and digits shown as 'x' when names and subjects are left out.
  std::string Private(std::string text) const {
    if (names_ == Names::kLeaveOut) {
      for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= '0' && byte <= '9') || LowerCase(c) != c || byte >= 0xC0 ||
            (c >= 'a' && c <= 'z')) {
          c = 'x';
        }
      }
    }
    return Cp1252ToUtf8(text);
  }

  std::string CaptionOf(HWND window, std::string_view class_name) const {
    std::string caption = ws_.GetWindowText(window);
    if (!EqualIgnoringCase(class_name, kContentWindowClass) && !IsTextClass(class_name)) {
      return Cp1252ToUtf8(caption);
    }
    for (const char* kept : kKeptCaptions) {
      if (EqualIgnoringCase(caption, kept)) return Cp1252ToUtf8(caption);
    }
    const std::string_view start = kConversationCaptionStart;
    if (caption.rfind(start, 0) == 0) {
      return Cp1252ToUtf8(start) + Private(caption.substr(start.size()));
    }
    return Private(caption);
  }

  Json Node(HWND window, int depth) const {
    const std::string class_name = ws_.GetClassName(window);
    Json node;
    node["class"] = Cp1252ToUtf8(class_name);
    node["caption"] = CaptionOf(window, class_name);
    if (IsTextClass(class_name)) {
      if (const auto live = AnsweredText(ws_, window)) {
        node["text"] = Private(live->substr(0, kCapturedText));
        if (live->size() > kCapturedText) node["text_length"] = live->size();
      }
    }
    node["style"] = static_cast<std::uint32_t>(ws_.GetWindowLongPtr(window, winsys::GWL_STYLE));
    node["id"] = ws_.GetDlgCtrlID(window);
    winsys::Rect rect;
    ws_.GetWindowRect(window, rect);
    node["rect"] = {rect.left, rect.top, rect.right, rect.bottom};
    if (IsListClass(class_name)) node["items"] = Items(window, class_name);
    if (ws_.GetParent(window) == kNoWindow && ws_.GetMenu(window) != 0) {
      node["menu"] = MenuBar(ws_.GetMenu(window));
    }
    Json children = Json::array();
    if (depth < kDeepestWindow) {
      for (HWND child = ws_.GetWindow(window, winsys::GW_CHILD); child != kNoWindow;
           child = ws_.GetWindow(child, winsys::GW_HWNDNEXT)) {
        children.push_back(Node(child, depth + 1));
      }
    }
    node["children"] = std::move(children);
    return node;
  }

  Json Items(HWND list, std::string_view class_name) const {
    Json items;
    const std::optional<int> count = AnsweredListCount(ws_, list);
    items["count"] = count.value_or(0);
    Json texts = Json::array();
    for (int i = 0; i < std::min(count.value_or(0), kCapturedListTexts); ++i) {
      // A line the client does not give out (the member list's) is kept as null.
      const std::optional<std::string> line = MailboxLineAt(ws_, list, i);
      texts.push_back(line ? Json(Private(*line)) : Json());
    }
    items["texts"] = std::move(texts);
    // The names are read through sends that wait for the client: not of one that did not answer.
    if (count && EqualIgnoringCase(class_name, kListClass)) {
      Json members = Json::array();
      for (const std::string& name : MemberNames(ws_, list)) members.push_back(Private(name));
      items["members"] = std::move(members);
    }
    return items;
  }

  Json MenuBar(winsys::HMENU bar) const {
    Json menus = Json::array();
    const int count = ws_.GetMenuItemCount(bar);
    for (int m = 0; m < count; ++m) {
      Json menu;
      menu["text"] = Cp1252ToUtf8(ws_.GetMenuString(bar, static_cast<winsys::UINT>(m),
                                                    kMenuTextBuffer, winsys::MF_BYPOSITION));
      Json items = Json::array();
      const winsys::HMENU submenu = ws_.GetSubMenu(bar, m);
      for (int i = 0; submenu != 0 && i < ws_.GetMenuItemCount(submenu); ++i) {
        const winsys::UINT command = ws_.GetMenuItemID(submenu, i);
        if (command == kSubmenuEntry) continue;
        items.push_back(
            {{"id", command},
             {"text", Cp1252ToUtf8(ws_.GetMenuString(submenu, static_cast<winsys::UINT>(i),
                                                     kMenuTextBuffer, winsys::MF_BYPOSITION))}});
      }
      menu["items"] = std::move(items);
      menus.push_back(std::move(menu));
    }
    return menus;
  }

  winsys::WindowSystem& ws_;
  Names names_;
};

// A window on a line of its own, indented by its depth, then its children, so that a person can
// read the tree and a change to one window shows as a change to one line.
void WriteWindow(const Json& node, int depth, std::string& text) {
  Json window = node;
  const Json children = std::move(window["children"]);
  window.erase("children");
  text += std::string(static_cast<std::size_t>(depth), ' ') + window.dump(-1);
  text.pop_back();
  text += ",\"children\":[";
  for (std::size_t i = 0; i < children.size(); ++i) {
    text += i == 0 ? "\n" : ",\n";
    WriteWindow(children[i], depth + 1, text);
  }
  text += "]}";
}

}  // namespace

std::string CaptureText(winsys::WindowSystem& ws, const ClientReading& reading, Names names,
                        std::string_view program_version) {
  Json capture;
  capture["kind"] = kCaptureKind;
  capture["format"] = kCaptureFormat;
  capture["program_version"] = std::string(program_version);
  capture["layout"] = reading.layout;
  capture["layout_reason"] = Cp1252ToUtf8(reading.layout_reason);
  capture["names_left_out"] = names == Names::kLeaveOut;
  std::string text = capture.dump(-1);
  text.pop_back();  // the closing brace: the windows follow, one a line
  text += ",\n\"windows\":[";
  const Json windows = Capturer(ws, names).Windows();
  for (std::size_t i = 0; i < windows.size(); ++i) {
    text += i == 0 ? "\n" : ",\n";
    WriteWindow(windows[i], 1, text);
  }
  return text + "\n]}";
}

}  // namespace vornik32
