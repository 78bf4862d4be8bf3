#include "aolsim/chat_room.h"

#include <algorithm>
#include <array>

#include "aolsim/window_classes.h"

namespace aolsim {

using winsys::HWND;
using winsys::LPARAM;
using winsys::LRESULT;
using winsys::UINT;
using winsys::WPARAM;

namespace {

constexpr int kRoomStatics = 5;
constexpr int kRoomIcons = 14;
constexpr std::uint32_t kItemRecordBytes = 32;
constexpr std::uint32_t kNameRecordBytes = 24;
// Memory after a short name is not cleared, as in a client that reuses its records: a reader
// must stop at the first 0.
constexpr char kStaleByte = '#';

void PutLittleEndian(std::array<unsigned char, kItemRecordBytes>& bytes, std::size_t at,
                     std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace

MemberAddresses NewMemberRecord(winsys::WindowSystem& ws) {
  MemberAddresses addresses{ws.AllocateMemory(kItemRecordBytes),
                            ws.AllocateMemory(kNameRecordBytes)};
  std::array<unsigned char, kItemRecordBytes> item{};
  PutLittleEndian(item, kItemNameRecordOffset, addresses.name);
  ws.WriteMemory(addresses.item, item.data(), item.size());
  return addresses;
}

void WriteMemberName(winsys::WindowSystem& ws, std::uint32_t name_address, std::string_view name) {
  name = name.substr(0, kScreenNameBytes);
  std::array<char, kNameRecordBytes> bytes;
  bytes.fill(kStaleByte);
  std::fill(bytes.begin(), bytes.begin() + kNameOffset, '\0');
  std::copy(name.begin(), name.end(), bytes.begin() + kNameOffset);
  if (name.size() < kScreenNameBytes) bytes[kNameOffset + name.size()] = '\0';
  ws.WriteMemory(name_address, bytes.data(), bytes.size());
}

std::string TranscriptLine(std::string_view sender, std::string_view message) {
  return std::string(sender) + ":" + kChatSeparator + std::string(message) + "\r";
}

ChatRoom::ChatRoom(ClientContext& context, std::string_view title,
                   const std::vector<std::string>& members)
    : ClientWindow(context, WindowKind::kChatRoom), title_(title) {
  CreateContentWindow(title);
  AddControl(classes::kStatic, title);
  AddControl(classes::kStatic, "People Here:");
  transcript_ = AddControl(classes::kRichText, "", winsys::ES_MULTILINE);
  member_list_ = AddControl(classes::kListbox);
  input_line_ = AddControl(classes::kRichText, "", winsys::ES_MULTILINE);
  for (int i = 2; i < kRoomStatics; ++i) AddControl(classes::kStatic);
  AddControls(classes::kIcon, kRoomIcons);
  const HWND font_box = AddControl(classes::kCombobox);
  AddControl(classes::kStandardEdit, "Arial", 0, font_box);
  AddControl(classes::kImage);

  Attach(input_line_,
         [this](HWND h, UINT m, WPARAM w, LPARAM l, const winsys::WindowProc& next) -> LRESULT {
           if (m == winsys::WM_CHAR && w == winsys::VK_RETURN) {
             PostInputLine();
             return 0;
           }
           return next(h, m, w, l);
         });
  Attach(member_list_,
         [](HWND h, UINT m, WPARAM w, LPARAM l, const winsys::WindowProc& next) -> LRESULT {
           if (m == winsys::LB_GETTEXT || m == winsys::LB_GETTEXTLEN) return winsys::LB_ERR;
           return next(h, m, w, l);
         });
  for (const std::string& member : members) Join(member);
}

void ChatRoom::Join(std::string_view name) {
  MemberRecord record = MakeRecord(name);
  // The text is only for whoever looks at the list inside the client; outside it is unreadable.
  const LRESULT index = ws().SendMessage(member_list_, winsys::LB_ADDSTRING, 0,
                                         reinterpret_cast<LPARAM>(record.name.c_str()));
  ws().SendMessage(member_list_, winsys::LB_SETITEMDATA, static_cast<WPARAM>(index),
                   static_cast<LPARAM>(record.item_address));
  members_.push_back(std::move(record));
}

void ChatRoom::Leave(std::string_view name) {
  auto found = std::find_if(members_.begin(), members_.end(),
                            [&](const MemberRecord& m) { return m.name == name; });
  if (found == members_.end()) {
    found = std::find_if(members_.begin(), members_.end(),
                         [&](const MemberRecord& m) { return SameScreenName(m.name, name); });
  }
  if (found == members_.end()) return;
  const auto index = static_cast<WPARAM>(found - members_.begin());
  ws().SendMessage(member_list_, winsys::LB_DELETESTRING, index, 0);
  WriteMemberName(ws(), found->name_address, "");
  free_records_.push_back(*found);
  members_.erase(found);
}

void ChatRoom::Say(std::string_view sender, std::string_view message, Speaker speaker) {
  SetText(transcript_, TextOf(transcript_) + TranscriptLine(sender, message));
  context_.journal.Record(
      ChatLine{title_, std::string(sender), std::string(message), speaker, context_.Now()});
}

std::vector<std::string> ChatRoom::Members() const {
  std::vector<std::string> names;
  for (const MemberRecord& record : members_) names.push_back(record.name);
  return names;
}

ChatRoom::MemberRecord ChatRoom::MakeRecord(std::string_view name) {
  MemberRecord record;
  if (!free_records_.empty()) {
    record = free_records_.back();
    free_records_.pop_back();
  } else {
    const MemberAddresses addresses = NewMemberRecord(ws());
    record.item_address = addresses.item;
    record.name_address = addresses.name;
  }
  record.name = std::string(name.substr(0, kScreenNameBytes));
  WriteMemberName(ws(), record.name_address, record.name);
  return record;
}

void ChatRoom::PostInputLine() {
  const std::string line = TextOf(input_line_);
  SetText(input_line_, "");
  if (line.empty()) return;
  Say(context_.screen_name, line, Speaker::kUser);
}

}  // namespace aolsim
