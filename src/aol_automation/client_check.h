#pragma once
// What the program sees of the client: for every window and control the automation relies on,
// whether it stands where the layout says, what was looked for there and what stands there
// instead. It only reads: it clicks, types and closes nothing and never yields to the message
// loop, so it may run in the middle of serving and leaves the client as it found it.

#include <string>
#include <string_view>
#include <vector>

#include "shared/winsys/window_system.h"

namespace vornik32 {

enum class RowState { kFound, kNotFound, kCannotCheckNow };
std::string_view ToString(RowState state);

// Whether what a row read there may hold a screen name or a mail's subject.
enum class Personal { kNo, kYes };

struct CheckRow {
  std::string what;  // "Chat room: member list"
  RowState state = RowState::kNotFound;
  std::string looked_for;  // class, caption, ordinal from the layout
  // Found: what was read there. Not found: what stands at that place instead. Cannot check now:
  // what to open so that it can be checked.
  std::string there;
  Personal personal = Personal::kNo;
};

struct ClientReading {
  std::string layout;         // "5.0" or "4.0"
  std::string layout_reason;  // how the check knew
  std::vector<CheckRow> rows;
};

enum class Names { kKeep, kLeaveOut };

// One line a row: its state, what it is, what was looked for and what stands there.
std::string RowLine(const CheckRow& row, Names names = Names::kKeep);
// The layout line and every row's line, one a line (CR LF between them).
std::string ReportText(const ClientReading& reading, Names names = Names::kKeep);

class ClientCheck {
 public:
  explicit ClientCheck(winsys::WindowSystem& ws) : ws_(ws) {}

  ClientReading Read() const;

 private:
  winsys::WindowSystem& ws_;
};

}  // namespace vornik32
