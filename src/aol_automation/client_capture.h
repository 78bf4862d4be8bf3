#pragma once
// A capture of the client: its whole window tree as a JSON text, so that a user's client can be
// looked at by someone who has never seen it and shown again on the simulated desktop (where the
// program's searches and the check run against it). Each window gives its class, caption, live
// text (for text fields), style, control id, rectangle on the screen and its children in the
// order the window system enumerates them; lists give how many lines they answer and the first
// few texts, the chat room's member list the names read from the client's memory, and the main
// window its menu bar. It only reads, like the check.
//
// With Names::kLeaveOut every text that may hold a screen name or a mail's subject (the captions
// of content windows, the texts of text fields, list lines and member names) keeps its length and
// its punctuation but shows every letter and digit as 'x'.

#include <string>
#include <string_view>

#include "aol_automation/client_check.h"
#include "shared/winsys/window_system.h"

namespace vornik32 {

// What the format says of itself, for a reader to tell a capture from any other JSON file.
inline constexpr const char* kCaptureKind = "client window tree";
inline constexpr int kCaptureFormat = 1;
// How many texts of a list are kept.
inline constexpr int kCapturedListTexts = 20;

// The capture of the client as the window system shows it now. The layout is the reading's, so
// that a capture saved beside a report names the layout that report was made for.
std::string CaptureText(winsys::WindowSystem& ws, const ClientReading& reading, Names names,
                        std::string_view program_version);

}  // namespace vornik32
