#include "aolsim/captured_client.h"

#include <array>
#include <nlohmann/json.hpp>

#include "aolsim/chat_room.h"
#include "aolsim/seam_names.h"
#include "aolsim/window_classes.h"
#include "shared/winsys/text_encoding.h"

namespace aolsim {

using Json = nlohmann::json;

namespace {

// What the writer calls the format (the automation's client capture).
constexpr const char* kCaptureKind = "client window tree";
constexpr int kNewestFormat = 1;
// Bounds on what a capture may make: far beyond any client's tree, short of exhausting memory.
constexpr std::size_t kLargestCapture = 64u << 20;
constexpr int kDeepestWindow = 32;
constexpr int kMostWindows = 20000;
constexpr int kMostLines = 100000;

std::string Text(const Json& node, const char* key) {
  const auto found = node.find(key);
  if (found == node.end() || !found->is_string()) return {};
  return winsys::Utf8ToCp1252(found->get<std::string>());
}

std::int64_t Number(const Json& node, const char* key) {
  const auto found = node.find(key);
  if (found == node.end() || !found->is_number_integer()) return 0;
  return found->get<std::int64_t>();
}

const Json& Array(const Json& node, const char* key) {
  static const Json kEmpty = Json::array();
  const auto found = node.find(key);
  return found != node.end() && found->is_array() ? *found : kEmpty;
}

winsys::Rect RectOf(const Json& node) {
  const Json& values = Array(node, "rect");
  std::array<int, 4> edges{};
  for (std::size_t i = 0; i < edges.size() && i < values.size(); ++i) {
    if (values[i].is_number_integer()) edges[i] = values[i].get<int>();
  }
  return winsys::Rect{edges[0], edges[1], edges[2], edges[3]};
}

void RegisterCapturedClass(winsys::WindowSystem& ws, const std::string& name) {
  if (ws.ClassProcedure(name)) return;
  ws.RegisterClass(
      name, [&ws](HWND h, UINT m, WPARAM w, LPARAM l) { return ws.DefWindowProc(h, m, w, l); });
}

}  // namespace

class CaptureBuilder {
 public:
  CaptureBuilder(CapturedClient& client, std::string& why)
      : client_(client), ws_(client.ws_), why_(why) {}

  bool Build(const Json& capture) {
    if (!capture.is_object() || Text(capture, "kind") != kCaptureKind) {
      why_ = "it is not a capture of a client's windows";
      return false;
    }
    if (Number(capture, "format") < 1 || Number(capture, "format") > kNewestFormat) {
      why_ = "its format is not one this program reads";
      return false;
    }
    client_.layout_ = Text(capture, "layout");
    RegisterClientClasses(ws_);
    const Json& windows = Array(capture, "windows");
    for (const Json& node : windows) {
      const HWND window = Make(node, winsys::kNoWindow, 0);
      if (window != winsys::kNoWindow) client_.top_levels_.push_back(window);
      if (!why_.empty()) return false;
    }
    return true;
  }

 private:
  HWND Make(const Json& node, HWND parent, int depth) {
    if (!node.is_object()) return winsys::kNoWindow;
    if (depth > kDeepestWindow || ++made_ > kMostWindows) {
      why_ = "it holds more windows, or deeper ones, than any client has";
      return winsys::kNoWindow;
    }
    winsys::CreateParams params;
    params.class_name = Text(node, "class");
    params.caption = Text(node, "caption");
    params.style = static_cast<winsys::DWORD>(Number(node, "style"));
    params.control_id = static_cast<int>(Number(node, "id"));
    params.parent = parent;
    if (parent == winsys::kNoWindow) params.style &= ~winsys::WS_CHILD;
    const winsys::Rect wanted = RectOf(node);
    params.rect = Relative(wanted, parent);
    RegisterCapturedClass(ws_, params.class_name);
    const HWND window = ws_.CreateWindow(params);
    // A window of a kind this desktop cannot make (the system's own) is left out with its tree.
    if (window == winsys::kNoWindow) return winsys::kNoWindow;
    PlaceExactly(window, wanted, params.rect);
    // Each window goes behind its siblings made before it, so the tree enumerates as captured.
    ws_.SetWindowPos(window, winsys::HWND_BOTTOM, 0, 0, 0, 0,
                     winsys::SWP_NOMOVE | winsys::SWP_NOSIZE | winsys::SWP_NOACTIVATE);
    if (node.contains("text")) SetText(window, Text(node, "text"));
    if (node.contains("items")) FillList(window, node["items"]);
    if (node.contains("menu")) MakeMenuBar(window, node["menu"]);
    for (const Json& child : Array(node, "children")) {
      Make(child, window, depth + 1);
      if (!why_.empty()) break;
    }
    return window;
  }

  winsys::Rect Relative(const winsys::Rect& screen, HWND parent) const {
    winsys::Rect origin;
    if (parent == winsys::kNoWindow || !ws_.GetWindowRect(parent, origin)) return screen;
    return winsys::Rect{screen.left - origin.left, screen.top - origin.top,
                        screen.right - origin.left, screen.bottom - origin.top};
  }

  // The parent's client area may not begin at its corner: moved by what is still off.
  void PlaceExactly(HWND window, const winsys::Rect& wanted, const winsys::Rect& relative) {
    winsys::Rect now;
    if (!ws_.GetWindowRect(window, now) || now == wanted) return;
    const int dx = now.left - wanted.left;
    const int dy = now.top - wanted.top;
    ws_.MoveWindow(window, winsys::Rect{relative.left - dx, relative.top - dy, relative.right - dx,
                                        relative.bottom - dy});
  }

  void SetText(HWND window, const std::string& text) {
    ws_.SendMessage(window, winsys::WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }

  void FillList(HWND list, const Json& items) {
    if (!items.is_object()) return;
    const Json& texts = Array(items, "texts");
    const Json& members = Array(items, "members");
    const auto count = static_cast<int>(
        std::min<std::int64_t>(std::max<std::int64_t>(Number(items, "count"), 0), kMostLines));
    bool any_text = false;
    for (int i = 0; i < count; ++i) {
      const auto at = static_cast<std::size_t>(i);
      const bool has_text = at < texts.size() && texts[at].is_string();
      any_text = any_text || has_text;
      const std::string line = has_text ? winsys::Utf8ToCp1252(texts[at].get<std::string>()) : "";
      const LRESULT index =
          ws_.SendMessage(list, winsys::LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
      if (at < members.size() && members[at].is_string()) {
        const MemberAddresses record = NewMemberRecord(ws_);
        WriteMemberName(ws_, record.name, winsys::Utf8ToCp1252(members[at].get<std::string>()));
        ws_.SendMessage(list, winsys::LB_SETITEMDATA, static_cast<WPARAM>(index),
                        static_cast<LPARAM>(record.item));
      }
    }
    // A list whose lines the client did not give out does not give them out here either.
    if (count > 0 && !any_text) {
      auto previous = std::make_shared<winsys::WindowProc>();
      *previous = ws_.SubclassWindow(list, [previous](HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == winsys::LB_GETTEXT || m == winsys::LB_GETTEXTLEN) return winsys::LB_ERR;
        return (*previous)(h, m, w, l);
      });
    }
  }

  void MakeMenuBar(HWND window, const Json& menus) {
    if (!menus.is_array()) return;
    const winsys::HMENU bar = ws_.CreateMenu();
    for (const Json& menu : menus) {
      const winsys::HMENU popup = ws_.CreatePopupMenu();
      for (const Json& item : Array(menu, "items")) {
        const auto id = static_cast<std::uintptr_t>(Number(item, "id"));
        const std::string text = Text(item, "text");
        ws_.AppendMenu(popup, id == 0 && text.empty() ? winsys::MF_SEPARATOR : winsys::MF_STRING,
                       id, text);
      }
      ws_.AppendMenu(bar, winsys::MF_POPUP, popup, Text(menu, "text"));
    }
    ws_.SetMenu(window, bar);
    client_.menus_.push_back(bar);
  }

  CapturedClient& client_;
  winsys::WindowSystem& ws_;
  std::string& why_;
  int made_ = 0;
};

std::unique_ptr<CapturedClient> CapturedClient::Load(winsys::WindowSystem& ws,
                                                     std::string_view text, std::string& why) {
  why.clear();
  if (text.size() > kLargestCapture) {
    why = "it is larger than any capture";
    return nullptr;
  }
  const Json capture = Json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (capture.is_discarded()) {
    why = "it is not JSON";
    return nullptr;
  }
  std::unique_ptr<CapturedClient> client(new CapturedClient(ws));
  if (!CaptureBuilder(*client, why).Build(capture)) return nullptr;
  return client;
}

CapturedClient::~CapturedClient() {
  for (const HWND window : top_levels_) {
    if (ws_.IsWindow(window)) ws_.DestroyWindow(window);
  }
  for (const winsys::HMENU menu : menus_) ws_.DestroyMenu(menu);
}

}  // namespace aolsim
