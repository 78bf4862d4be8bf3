#include "aol_automation/chat_room.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>

#include "aol_automation/client_windows.h"
#include "aol_automation/shape_finder.h"
#include "aol_automation/text_case.h"
#include "aol_automation/window_operations.h"
#include "shared/winsys/wait.h"

namespace vornik32 {
namespace {

using winsys::kNoWindow;

constexpr char kEnter = 13;
constexpr double kPauseBetweenEnters = 0.01;

// The member record layout of the 32-bit client: the item data points at a record holding, at
// +24, the 4-byte address of a name record whose screen name starts at +6, at most 16 bytes long.
constexpr std::uint32_t kNameRecordAddressOffset = 24;
constexpr std::uint32_t kScreenNameOffset = 6;
constexpr std::size_t kScreenNameBytes = 16;

HWND Transcript(winsys::WindowSystem& ws) {
  return FirstChild(ws, FindChatRoom(ws), kRichTextClass);
}

std::uint32_t LittleEndian32(const std::array<std::uint8_t, 4>& bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// The screen name of the member record at item_address, or the empty text when a read fails.
std::string ReadMemberName(winsys::WindowSystem& ws, winsys::HANDLE process,
                           std::uint32_t item_address) {
  std::array<std::uint8_t, 4> address_bytes{};
  std::size_t read = 0;
  if (!ws.ReadProcessMemory(process, item_address + kNameRecordAddressOffset, address_bytes.data(),
                            address_bytes.size(), &read) ||
      read != address_bytes.size()) {
    return {};
  }
  const std::uint32_t name_record = LittleEndian32(address_bytes);
  std::array<char, kScreenNameBytes> name_bytes{};
  if (!ws.ReadProcessMemory(process, name_record + kScreenNameOffset, name_bytes.data(),
                            name_bytes.size(), &read) ||
      read != name_bytes.size()) {
    return {};
  }
  std::size_t length = 0;
  while (length < name_bytes.size() && name_bytes[length] != '\0') ++length;
  return std::string(name_bytes.data(), length);
}

// The names a target holds, lower-cased, read once for the whole walk: a room of thousands
// would otherwise cost a scan of the target for every member.
std::unordered_set<std::string> NamesHeld(const NameList& target) {
  std::unordered_set<std::string> held;
  for (int j = 0; j < target.count(); ++j) held.insert(LowerCase(target.item(j)));
  return held;
}

}  // namespace

std::string ChatText(winsys::WindowSystem& ws) {
  return GetText(ws, Transcript(ws));
}

void ClearChatText(winsys::WindowSystem& ws) {
  SetWindowTextByMessage(ws, Transcript(ws), "");
}

void ChatSend(winsys::WindowSystem& ws, std::string_view line) {
  // A program that is ending says nothing more in the room: the line would come from code that
  // was inside a wait when the program was closed, and its waits all gave up.
  if (ws.ShouldQuit()) return;
  const HWND transcript = Transcript(ws);
  if (transcript == kNoWindow) return;
  const HWND room = FindChatRoom(ws);
  if (room == kNoWindow) return;
  const HWND input = ws.FindWindowEx(room, transcript, kRichTextClass, nullptr);
  SetWindowTextByMessage(ws, input, line.substr(0, kLongestChatLine));
  ws.SendMessage(input, winsys::WM_CHAR, kEnter, 0);
  winsys::WaitSeconds(ws, kPauseBetweenEnters);
  ws.SendMessage(input, winsys::WM_CHAR, kEnter, 0);
}

std::vector<std::string> MemberNames(winsys::WindowSystem& ws, HWND member_list) {
  std::vector<std::string> names;
  winsys::DWORD process_id = 0;
  ws.GetWindowThreadProcessId(member_list, &process_id);
  const winsys::HANDLE process =
      ws.OpenProcess(winsys::PROCESS_VM_READ | winsys::STANDARD_RIGHTS_REQUIRED, false, process_id);
  // A list read only in part would make the members not reached look absent: a client that
  // stops answering half-way tells nothing of who is in the room.
  const int count = AnsweredListCount(ws, member_list).value_or(0);
  for (int i = 0; i < count; ++i) {
    const std::optional<winsys::LRESULT> item_address = ws.SendMessageAnswered(
        member_list, winsys::LB_GETITEMDATA, static_cast<winsys::WPARAM>(i), 0);
    if (!item_address || *item_address == winsys::LB_ERR) {
      names.clear();
      break;
    }
    names.push_back(ReadMemberName(ws, process, static_cast<std::uint32_t>(*item_address)));
  }
  if (process != 0) ws.CloseHandle(process);
  return names;
}

void AddRoomMembers(winsys::WindowSystem& ws, NameList& target, IncludeSelf include_self,
                    UniqueOnly unique_only) {
  const HWND room = FindChatRoom(ws);
  if (room == kNoWindow) return;
  const HWND members = FirstChild(ws, room, kListClass);
  // The user's name is read once for the whole walk: each reading costs a search for the Welcome
  // window, and it cannot change while the user stays signed on.
  const std::string own_name = include_self == IncludeSelf::kNo ? UserScreenName(ws) : "";
  std::unordered_set<std::string> held =
      unique_only == UniqueOnly::kYes ? NamesHeld(target) : std::unordered_set<std::string>();
  for (const std::string& name : MemberNames(ws, members)) {
    if (include_self == IncludeSelf::kNo && name == own_name) continue;
    if (unique_only == UniqueOnly::kYes && !held.insert(LowerCase(name)).second) continue;
    target.add(name);
  }
}

}  // namespace vornik32
