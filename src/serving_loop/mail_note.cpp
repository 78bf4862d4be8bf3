#include "serving_loop/mail_note.h"

#include "serving_engine/chat_lines.h"
#include "shared/addresses.h"

namespace serving_loop {

namespace {

constexpr char kLineBreak[] = "\r\n";
constexpr char kQuote = '"';

std::string Link(std::string_view address, std::string_view shown) {
  std::string link = "<a href=";
  link += kQuote;
  link += address;
  link += kQuote;
  link += '>';
  link += shown;
  link += "</a>";
  return link;
}

}  // namespace

std::string ListNoteLine(int list_number) {
  return serving_engine::BulletLine("server list #" + std::to_string(list_number));
}

std::string ItemNoteLine(std::string_view item_text) {
  return serving_engine::BulletLine("mail index #" + std::string(item_text));
}

std::string SpacedOut(std::string_view text) {
  std::string spaced;
  spaced.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i > 0) spaced.push_back(' ');
    spaced.push_back(text[i]);
  }
  return spaced;
}

std::string MailNote(std::string_view identifying_line,
                     const std::optional<std::string>& custom_message) {
  const std::string paragraph_break = std::string(kLineBreak) + kLineBreak;
  std::string note = "</i></u></b><font size=2><p align=center><b>";
  note += Link(shared::kAuthorAddress, SpacedOut(shared::kAuthorHost));
  note += paragraph_break;
  note += Link(shared::kProductAddress, SpacedOut(shared::kProductHost));
  note += "</font></p></b>";
  note += paragraph_break;
  note += "<p align=left><font size=3>";
  note += serving_engine::BulletLine("tollmere server by vornik");
  note += kLineBreak;
  note += identifying_line;
  note += "</font></p>";
  note += paragraph_break;
  note += "<font size=2><p align=center><b>";
  note += Link(shared::kDownloadAddress, "Download Tollmere Server for AOL 4.0/5.0 Now!");
  note += "</b></p></font><font size=3>";
  if (custom_message) {
    note += paragraph_break;
    note += "<p align=left>";
    note += *custom_message;
    note += "</p></font>";
  } else {
    note += "</font>";
  }
  return note;
}

}  // namespace serving_loop
