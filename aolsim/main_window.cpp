#include "aolsim/main_window.h"

#include "aolsim/seam_names.h"
#include "aolsim/window_classes.h"

namespace aolsim {

namespace {

constexpr int kFrameWidth = 1024;
constexpr int kFrameHeight = 768;
constexpr int kToolbarHeight = 56;
constexpr int kIconWidth = 28;
constexpr int kIconStep = 30;
constexpr int kAddressBoxWidth = 200;
constexpr int kToolbarIconCount = 24;
// How many buttons stand left of the address box.
constexpr int kIconsBeforeAddressBox5 = 21;
constexpr int kIconsBeforeAddressBox4 = 22;

constexpr UINT kStopIncomingTextId = 1105;

struct MenuBarItem {
  UINT id;  // 0: a separator
  const char* text;
};

struct MenuBarMenu {
  const char* title;
  std::vector<MenuBarItem> items;
};

const std::vector<MenuBarMenu>& MenuBarMenus() {
  static const std::vector<MenuBarMenu> menus{
      {"&File",
       {{1101, "&New"},
        {1102, "&Open..."},
        {1103, "&Save"},
        {1104, "Save &As..."},
        {0, ""},
        {kStopIncomingTextId, kStopIncomingText},
        {0, ""},
        {1106, "&Print..."},
        {1107, "E&xit"}}},
      {"&Edit", {{1201, "&Undo"}, {1202, "Cu&t"}, {1203, "&Copy"}, {1204, "&Paste"}}},
      {"&Window", {{1301, "&Cascade"}, {1302, "&Tile"}, {1303, "Close &All Except Front"}}},
      {"&Sign Off", {{1401, "Sign &Off"}, {1402, "S&witch Screen Name"}}},
      {"&Help", {{1501, "&Help Topics"}, {1502, "&About"}}},
  };
  return menus;
}

}  // namespace

MainWindow::MainWindow(ClientContext& context, Actions actions)
    : ClientWindow(context, WindowKind::kMainWindow), actions_(std::move(actions)) {
  winsys::CreateParams params;
  params.class_name = classes::kFrame;
  params.caption = kMainWindowCaption;
  params.style = winsys::WS_OVERLAPPEDWINDOW | winsys::WS_VISIBLE;
  params.rect = winsys::Rect{0, 0, kFrameWidth, kFrameHeight};
  hwnd_ = ws().CreateWindow(params);
  BuildMenuBar();
  BuildToolbar();
  mdi_client_ = AddAt(classes::kMdiClient, hwnd_,
                      winsys::Rect{0, kToolbarHeight, kFrameWidth, kFrameHeight - 40});
  Attach(hwnd_,
         [this](HWND h, UINT m, WPARAM w, LPARAM l, const winsys::WindowProc& next) -> LRESULT {
           if (m == winsys::WM_COMMAND) {
             if (winsys::LowWord(w) == kStopIncomingTextId) ++stop_incoming_text_count_;
             return 0;
           }
           // Only its user ends the client.
           if (m == winsys::WM_CLOSE) return 0;
           return next(h, m, w, l);
         });
}

void MainWindow::BuildMenuBar() {
  const winsys::HMENU bar = ws().CreateMenu();
  for (const MenuBarMenu& menu : MenuBarMenus()) {
    const winsys::HMENU popup = ws().CreatePopupMenu();
    for (const MenuBarItem& item : menu.items) {
      if (item.id == 0) {
        ws().AppendMenu(popup, winsys::MF_SEPARATOR, 0, "");
      } else {
        ws().AppendMenu(popup, winsys::MF_STRING, item.id, item.text);
      }
    }
    ws().AppendMenu(bar, winsys::MF_POPUP, popup, menu.title);
  }
  ws().SetMenu(hwnd_, bar);
}

HWND MainWindow::AddAt(const char* class_name, HWND parent, const winsys::Rect& rect) {
  winsys::CreateParams params;
  params.class_name = class_name;
  params.style = winsys::WS_CHILD | winsys::WS_VISIBLE;
  params.parent = parent;
  params.rect = rect;
  return ws().CreateWindow(params);
}

void MainWindow::BuildToolbar() {
  toolbar_ = AddAt(classes::kToolbar, hwnd_, winsys::Rect{0, 0, kFrameWidth, kToolbarHeight});
  inner_toolbar_ =
      AddAt(classes::kInnerToolbar, toolbar_, winsys::Rect{0, 0, kFrameWidth, kToolbarHeight});
  const int before_box =
      context_.layout == Layout::kVersion5 ? kIconsBeforeAddressBox5 : kIconsBeforeAddressBox4;
  int x = 4;
  for (int number = 1; number <= kToolbarIconCount; ++number) {
    if (number == before_box + 1) {
      address_box_ =
          AddAt(classes::kCombobox, inner_toolbar_, winsys::Rect{x, 30, x + kAddressBoxWidth, 52});
      x += kAddressBoxWidth + 4;
    }
    icons_.push_back(AddAt(classes::kIcon, inner_toolbar_, winsys::Rect{x, 2, x + kIconWidth, 28}));
    x += kIconStep;
  }
  address_edit_ =
      AddAt(classes::kStandardEdit, address_box_, winsys::Rect{0, 0, kAddressBoxWidth - 20, 22});
  AttachIcon(icons_[kWriteMailIcon - 1], [this] { actions_.write_mail(); });
  const HWND mail_icon = icons_[kMailMenuIcon - 1];
  AttachIcon(mail_icon, [this, mail_icon] { actions_.mail_menu(mail_icon); });
  const HWND people_icon = icons_[kPeopleMenuIcon - 1];
  AttachIcon(people_icon, [this, people_icon] { actions_.people_menu(people_icon); });
  AttachAddressBox();
}

void MainWindow::AttachAddressBox() {
  Attach(address_edit_,
         [this](HWND h, UINT m, WPARAM w, LPARAM l, const winsys::WindowProc& next) -> LRESULT {
           if (m == winsys::WM_CHAR && w == winsys::VK_RETURN) {
             std::string address = TextOf(h);
             // The blank typed before Enter (wherever the caret put it) is no part of the address.
             while (!address.empty() && address.back() == ' ') address.pop_back();
             while (!address.empty() && address.front() == ' ') address.erase(address.begin());
             if (!address.empty()) actions_.go_to(address);
             return 0;
           }
           return next(h, m, w, l);
         });
}

}  // namespace aolsim
