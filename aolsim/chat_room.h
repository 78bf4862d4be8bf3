#pragma once
// A chat room: the transcript (1st "RICHCNTL"), the input line (2nd) and the member list (1st
// "_AOL_Listbox"), with the statics, buttons, font box and image of the room's shape.
//
// A transcript line is the sender, a colon, a tab and a blank (the chat view aligns messages on
// a tab stop and sets them off by a blank), then the message, ended by a carriage return. The
// view shows a message as a text control holds it: up to its first NUL, with every CR, LF or
// CR LF inside it a line break of the transcript (a CR, as the view ends its own lines); every
// other control character stays. So a member can make the transcript show a line that names
// anyone, as the view would have written it.
//
// The room notes which lines a reader never got: a line that was in the transcript when a read
// (WM_GETTEXT) did not hand it over whole, and was then emptied away (WM_SETTEXT from outside),
// goes into the journal as lost unread.
// Enter in the input line posts its text as the signed-on user's line and empties it; an empty
// line posts nothing, and neither does one longer than kLongestChatLine: the room carries none.
//
// The member list's items draw their names from records in the client's memory, as the 32-bit
// client lays them out: LB_GETITEMDATA gives an address d; at d + 24 a 4-byte little-endian
// address p; at p + 6 the name, 16 bytes, ended by a 0 unless 16 long. The items have no text
// of their own (LB_GETTEXT answers LB_ERR).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "aolsim/client_window.h"

namespace aolsim {

inline constexpr const char* kChatSeparator = "\t ";
inline constexpr std::size_t kLongestChatLine = 512;
inline constexpr std::size_t kScreenNameBytes = 16;
inline constexpr std::uint32_t kItemNameRecordOffset = 24;
inline constexpr std::uint32_t kNameOffset = 6;

// The transcript's text for one line, as the view shows the message.
std::string TranscriptLine(std::string_view sender, std::string_view message);

// A member record in the memory of ws's process: the address the list's item data holds, and
// the address of the name record it points at.
struct MemberAddresses {
  std::uint32_t item = 0;
  std::uint32_t name = 0;
};
MemberAddresses NewMemberRecord(winsys::WindowSystem& ws);
// Writes the name (at most 16 bytes) into the name record.
void WriteMemberName(winsys::WindowSystem& ws, std::uint32_t name_address, std::string_view name);

class ChatRoom : public ClientWindow {
 public:
  ChatRoom(ClientContext& context, std::string_view title, const std::vector<std::string>& members);
  ~ChatRoom() override;

  const std::string& title() const { return title_; }
  void Join(std::string_view name);
  void Leave(std::string_view name);
  void Say(std::string_view sender, std::string_view message, Speaker speaker);
  std::vector<std::string> Members() const;

  winsys::HWND transcript() const { return transcript_; }
  winsys::HWND input_line() const { return input_line_; }
  winsys::HWND member_list() const { return member_list_; }

 private:
  struct MemberRecord {
    std::string name;
    std::uint32_t item_address = 0;
    std::uint32_t name_address = 0;
  };

  // A line in the transcript that no read has handed over yet.
  struct UnreadLine {
    std::string text;
    std::size_t journal_index = 0;
    bool missed_by_a_read = false;
  };

  void NoteRead(std::string_view returned);
  void NoteEmptied();
  MemberRecord MakeRecord(std::string_view name);
  void PostInputLine();

  std::string title_;
  winsys::HWND transcript_ = winsys::kNoWindow;
  winsys::HWND input_line_ = winsys::kNoWindow;
  winsys::HWND member_list_ = winsys::kNoWindow;
  std::vector<MemberRecord> members_;  // in list order
  std::vector<MemberRecord> free_records_;
  std::vector<UnreadLine> unread_;
  bool own_access_ = false;
};

}  // namespace aolsim
