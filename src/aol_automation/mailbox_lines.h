#pragma once
// Reading the lines of the mailbox's "_AOL_Tree": each line is "date<TAB>sender<TAB>subject".

#include <optional>
#include <string>
#include <string_view>

#include "shared/winsys/window_system.h"

namespace vornik32 {

// The subject of a mailbox line: the text after the first tab, then after the next tab of what
// is left. A cut whose tab is missing leaves the text as it was, so a line without tabs is its
// own subject.
std::string SubjectOfMailboxLine(std::string_view line);

// The whole line at index (from 0), or nothing when the client did not answer or there is no
// such line.
std::optional<std::string> MailboxLineAt(winsys::WindowSystem& ws, winsys::HWND tree, int index);
// The subject of the line at index, or nothing as above.
std::optional<std::string> MailboxSubjectAt(winsys::WindowSystem& ws, winsys::HWND tree, int index);

}  // namespace vornik32
