#include "aolsim/chat_room.h"

#include <algorithm>
#include <array>

#include "aolsim/seam_names.h"
#include "aolsim/window_classes.h"

namespace aolsim {

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
  std::string line = std::string(sender) + ":" + kChatSeparator;
  const std::string_view shown = message.substr(0, message.find('\0'));
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] == '\r' && i + 1 < shown.size() && shown[i + 1] == '\n') continue;
    line += shown[i] == '\n' ? '\r' : shown[i];
  }
  return line + "\r";
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
  Attach(transcript_,
         [this](HWND h, UINT m, WPARAM w, LPARAM l, const winsys::WindowProc& next) -> LRESULT {
           if (own_access_) return next(h, m, w, l);
           if (m == winsys::WM_SETTEXT) NoteEmptied();
           const LRESULT result = next(h, m, w, l);
           if (m == winsys::WM_GETTEXT && result > 0) {
             NoteRead(std::string_view(reinterpret_cast<const char*>(l),
                                       static_cast<std::size_t>(result)));
           }
           return result;
         });
  Attach(member_list_,
         [](HWND h, UINT m, WPARAM w, LPARAM l, const winsys::WindowProc& next) -> LRESULT {
           if (m == winsys::LB_GETTEXT || m == winsys::LB_GETTEXTLEN) return winsys::LB_ERR;
           return next(h, m, w, l);
         });
  for (const std::string& member : members) Join(member);
}

ChatRoom::~ChatRoom() {
  ++context_.room_member_changes;
}

void ChatRoom::Join(std::string_view name) {
  ++context_.room_member_changes;
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
  ++context_.room_member_changes;
  const auto index = static_cast<WPARAM>(found - members_.begin());
  ws().SendMessage(member_list_, winsys::LB_DELETESTRING, index, 0);
  WriteMemberName(ws(), found->name_address, "");
  free_records_.push_back(*found);
  members_.erase(found);
}

void ChatRoom::Say(std::string_view sender, std::string_view message, Speaker speaker) {
  const std::string line = TranscriptLine(sender, message);
  // The room's own reading and writing of its transcript is neither a reader's read nor emptying.
  own_access_ = true;
  SetText(transcript_, TextOf(transcript_) + line);
  own_access_ = false;
  unread_.push_back(UnreadLine{line, context_.journal.chat_lines().size()});
  context_.journal.Record(
      ChatLine{title_, std::string(sender), std::string(message), speaker, context_.Now()});
}

// A line is handed over when the text holds it whole, from a line's start, after the lines
// before it.
void ChatRoom::NoteRead(std::string_view returned) {
  std::size_t from = 0;
  std::erase_if(unread_, [&](UnreadLine& line) {
    std::size_t at = returned.find(line.text, from);
    while (at != std::string_view::npos && at > 0 && returned[at - 1] != '\r') {
      at = returned.find(line.text, at + 1);
    }
    if (at == std::string_view::npos) {
      line.missed_by_a_read = true;
      return false;
    }
    from = at + line.text.size();
    return true;
  });
}

// Lines said since the last read were never offered to a reader: emptying them away is the
// reader's choice (as at Start), not a loss.
void ChatRoom::NoteEmptied() {
  for (const UnreadLine& line : unread_) {
    if (line.missed_by_a_read) context_.journal.RecordLostUnread(line.journal_index);
  }
  unread_.clear();
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
  if (line.empty() || line.size() > kLongestChatLine) return;
  Say(context_.screen_name, line, Speaker::kUser);
}

}  // namespace aolsim
