#pragma once
// Text a requester typed, made safe to echo. The room and the mail windows render HTML, so a
// search text such as <a href=...> put back into a chat line or a mail subject as it was typed
// would become a link (or a tag that swallows the rest of the line) under the program's name.
// Echoed requester text is therefore written with the four characters that make markup as their
// HTML entities: what a member reads is what was typed, and nothing of it is markup.

#include <string>
#include <string_view>

namespace serving_loop {

// < > & and " as &lt; &gt; &amp; &quot;; every other byte unchanged.
std::string EscapeHtml(std::string_view text);

}  // namespace serving_loop
