#include "aolsim/client_fixture.h"

#include <cstdint>
#include <cstring>

namespace aolsim::testing {

const Shape kChatRoomShape{{"_AOL_Static", 5},   {"RICHCNTL", 2},   {"_AOL_Icon", 14},
                           {"_AOL_Combobox", 1}, {"_AOL_Image", 1}, {"_AOL_Listbox", 1}};
const Shape kReadMailShape{
    {"_AOL_Static", 6}, {"RICHCNTL", 1}, {"_AOL_Icon", 10}, {"_AOL_View", 1}};
const Shape kForwardShape{{"_AOL_Static", 7},  {"RICHCNTL", 1},       {"_AOL_Icon", 15},
                          {"_AOL_Edit", 3},    {"_AOL_FontCombo", 1}, {"_AOL_Combobox", 1},
                          {"_AOL_Checkbox", 1}};
const Shape kWelcomeShape{{"RICHCNTL", 8}, {"_AOL_Icon", 21}};

HWND ProgramSide::MainWindow() {
  return ws_.FindWindow("AOL Frame25", nullptr);
}

HWND ProgramSide::MdiClient() {
  return Child(MainWindow(), "MDIClient");
}

HWND ProgramSide::Toolbar() {
  return Child(Child(MainWindow(), "AOL Toolbar"), "_AOL_Toolbar");
}

HWND ProgramSide::ToolbarIcon(int number) {
  return Child(Toolbar(), "_AOL_Icon", number);
}

HWND ProgramSide::AddressEdit() {
  return Child(Child(Toolbar(), "_AOL_Combobox"), "Edit");
}

HWND ProgramSide::Content(const char* caption) {
  return ws_.FindWindowEx(MdiClient(), 0, "AOL Child", caption);
}

std::vector<HWND> ProgramSide::ContentWindows() {
  std::vector<HWND> windows;
  for (HWND w = ws_.FindWindowEx(MdiClient(), 0, "AOL Child", nullptr); w != 0;
       w = ws_.FindWindowEx(MdiClient(), w, "AOL Child", nullptr)) {
    windows.push_back(w);
  }
  return windows;
}

HWND ProgramSide::Child(HWND parent, const char* class_name, int n) {
  if (parent == 0) return 0;
  HWND child = 0;
  for (int i = 0; i < n; ++i) {
    child = ws_.FindWindowEx(parent, child, class_name, nullptr);
    if (child == 0) return 0;
  }
  return child;
}

int ProgramSide::CountChildren(HWND parent, const char* class_name) {
  int count = 0;
  for (HWND child = ws_.FindWindowEx(parent, 0, class_name, nullptr); child != 0;
       child = ws_.FindWindowEx(parent, child, class_name, nullptr)) {
    ++count;
  }
  return count;
}

bool ProgramSide::Matches(HWND window, const Shape& shape) {
  for (const auto& [class_name, n] : shape) {
    if (Child(window, class_name, n) == 0) return false;
  }
  return true;
}

HWND ProgramSide::FindByShape(const Shape& shape) {
  for (const HWND window : ContentWindows()) {
    if (Matches(window, shape)) return window;
  }
  return 0;
}

HWND ProgramSide::TopLevel(const char* class_name, const char* caption) {
  return ws_.FindWindow(class_name, caption);
}

std::string ProgramSide::Text(HWND window) {
  const LRESULT length = Send(window, winsys::WM_GETTEXTLENGTH);
  std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      Send(window, winsys::WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<std::size_t>(copied));
  return buffer;
}

void ProgramSide::SetText(HWND window, const std::string& text) {
  Send(window, winsys::WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ProgramSide::Click(HWND window) {
  Send(window, winsys::WM_LBUTTONDOWN);
  Send(window, winsys::WM_LBUTTONUP);
}

void ProgramSide::PostClick(HWND window) {
  ws_.PostMessage(window, winsys::WM_LBUTTONDOWN, 0, 0);
  ws_.PostMessage(window, winsys::WM_LBUTTONUP, 0, 0);
}

void ProgramSide::PostKey(HWND window, WPARAM key) {
  ws_.PostMessage(window, winsys::WM_KEYDOWN, key, 0);
  ws_.PostMessage(window, winsys::WM_KEYUP, key, 0);
}

LRESULT ProgramSide::Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return ws_.SendMessage(window, message, wparam, lparam);
}

std::string ProgramSide::ListText(HWND list, int index) {
  const LRESULT length = Send(list, winsys::LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) return {};
  std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
  Send(list, winsys::LB_GETTEXT, static_cast<WPARAM>(index),
       reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<std::size_t>(length));
  return buffer;
}

void ProgramSide::RunToolbarMenu(int button, int downs, bool into_submenu, int submenu_downs) {
  PostClick(ToolbarIcon(button));
  HWND popup = 0;
  ASSERT_TRUE(RunUntil([&] {
    popup = ws_.FindWindow("#32768", nullptr);
    return popup != 0 && ws_.IsWindowVisible(popup);
  }));
  for (int i = 0; i < downs; ++i) PostKey(popup, winsys::VK_DOWN);
  if (into_submenu) {
    PostKey(popup, winsys::VK_RIGHT);
    for (int i = 0; i < submenu_downs; ++i) PostKey(popup, winsys::VK_DOWN);
  }
  PostKey(popup, winsys::VK_RETURN);
  ws_.DoEvents();
}

std::vector<std::string> ProgramSide::MemberNames(HWND room) {
  const HWND list = Child(room, "_AOL_Listbox");
  DWORD process_id = 0;
  ws_.GetWindowThreadProcessId(list, &process_id);
  const winsys::HANDLE process = ws_.OpenProcess(
      winsys::PROCESS_VM_READ | winsys::STANDARD_RIGHTS_REQUIRED, false, process_id);
  std::vector<std::string> names;
  const LRESULT count = Send(list, winsys::LB_GETCOUNT);
  for (LRESULT i = 0; i < count; ++i) {
    const auto item =
        static_cast<std::uint32_t>(Send(list, winsys::LB_GETITEMDATA, static_cast<WPARAM>(i)));
    unsigned char address_bytes[4] = {};
    ws_.ReadProcessMemory(process, item + 24, address_bytes, 4, nullptr);
    const std::uint32_t record = address_bytes[0] | (address_bytes[1] << 8) |
                                 (address_bytes[2] << 16) |
                                 (static_cast<std::uint32_t>(address_bytes[3]) << 24);
    char name[16] = {};
    ws_.ReadProcessMemory(process, record + 6, name, 16, nullptr);
    names.emplace_back(name, strnlen(name, 16));
  }
  ws_.CloseHandle(process);
  return names;
}

ClientFixture::ClientFixture()
    : desktop_(clock_),
      client_process_(desktop_.CreateProcess("client")),
      program_(desktop_.CreateProcess("program")),
      client_(client_process_, GetParam()) {}

void ClientFixture::SetUp() {
  desktop_.SetWatchdog(3600);
  client_.Start();
  client_.SignOn("Ada Reed");
}

HWND ClientFixture::OpenMailbox() {
  program_.RunToolbarMenu(3, numbers().mailbox_folder_item, true, 0);
  HWND tree = 0;
  EXPECT_TRUE(program_.RunUntil([&] {
    tree = program_.Child(program_.Content("Incoming/Saved Mail"), "_AOL_Tree");
    return tree != 0;
  }));
  EXPECT_TRUE(program_.RunUntil(
      [&] { return program_.Send(tree, winsys::LB_GETCOUNT) == client_.MailboxCount(); }, 600));
  return program_.Content("Incoming/Saved Mail");
}

HWND ClientFixture::OpenMail(int position) {
  const HWND mailbox = program_.Content("Incoming/Saved Mail");
  program_.Send(program_.Child(mailbox, "_AOL_Tree"), winsys::LB_SETCURSEL,
                static_cast<WPARAM>(position));
  program_.PostClick(program_.Child(mailbox, "_AOL_Icon", 1));
  HWND mail = 0;
  EXPECT_TRUE(program_.RunUntil([&] {
    mail = program_.FindByShape(kReadMailShape);
    return mail != 0 && program_.ws().IsWindowVisible(mail);
  }));
  return mail;
}

}  // namespace aolsim::testing
