#pragma once
// The four operations on the chat room: read and empty its transcript, say a line, and copy its
// member list into one of the program's own lists. Each finds the room afresh; without a room
// they read the empty text and do nothing.

#include <string>
#include <string_view>
#include <vector>

#include "shared/winsys/window_system.h"

namespace vornik32 {

// The transcript's whole text: what was said since it was last emptied.
std::string ChatText(winsys::WindowSystem& ws);
void ClearChatText(winsys::WindowSystem& ws);
// The longest line the room carries: a longer one is not said at all.
inline constexpr std::size_t kLongestChatLine = 512;

// Puts the line into the room's input line and presses Enter twice (0.01 s apart). A line longer
// than the room carries is cut to its first kLongestChatLine characters, so that its beginning
// (the bullet, the names and the item) is still said: the program's own lines stay well inside
// the bound, and only a text the user chose (a custom ending, a long handle) can reach it.
void ChatSend(winsys::WindowSystem& ws, std::string_view line);

// A list or combo box of the program that room members are copied into.
class NameList {
 public:
  virtual ~NameList() = default;
  virtual int count() const = 0;
  virtual std::string item(int index) const = 0;  // 0-based
  virtual void add(const std::string& name) = 0;  // at the end
};

enum class IncludeSelf { kNo, kYes };
enum class UniqueOnly { kNo, kYes };

// The screen names of the members of a room's member list, in its order, read from the client's
// memory; a name that cannot be read is the empty text. A client that leaves the count or an
// item unanswered gives no names at all.
std::vector<std::string> MemberNames(winsys::WindowSystem& ws, winsys::HWND member_list);

// Adds the screen names of the room's members, in the member list's order, to the target. With
// IncludeSelf::kNo the user's own name (exactly as the client shows it) is left out; with
// UniqueOnly::kYes a name the target already holds, in any letter case, is left out. A name that
// cannot be read from the client's memory is the empty text. Never stops half-way.
void AddRoomMembers(winsys::WindowSystem& ws, NameList& target, IncludeSelf include_self,
                    UniqueOnly unique_only);

}  // namespace vornik32
