#pragma once
// The note that goes into every list and item mail the serving loop forwards: HTML as the
// client's mail window shows it, with links to the author's and the product's sites, the line
// that says which list or item this is, the download link, and, once the user has set custom
// messages, the user's own paragraph.

#include <optional>
#include <string>
#include <string_view>

namespace serving_loop {

// "• server list #" + the list number.
std::string ListNoteLine(int list_number);
// "• mail index #" + the item text as queued.
std::string ItemNoteLine(std::string_view item_text);

// The text with one blank between every two characters ("a b c" for "abc").
std::string SpacedOut(std::string_view text);

// The whole note around the identifying line; custom_message is the Messages window's mail
// message while custom messages are on, and goes in as the user typed it.
std::string MailNote(std::string_view identifying_line,
                     const std::optional<std::string>& custom_message);

}  // namespace serving_loop
