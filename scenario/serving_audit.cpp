#include "scenario/serving_audit.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace scenario {
namespace {

constexpr char kBullet = '\x95';
constexpr std::string_view kListEnding = " list(s) were sent";
constexpr std::string_view kFindMiddle = " search result(s) for ";
constexpr std::string_view kFindEnding = " were sent";
constexpr std::string_view kCouldNotBeSent = " could not be sent";
constexpr std::string_view kSearchSubject = "tollmere search results for ";

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The line without its leading bullet and blank; nothing for a line that has none.
std::optional<std::string_view> Body(std::string_view line) {
  if (line.size() < 2 || line[0] != kBullet || line[1] != ' ') return std::nullopt;
  return line.substr(2);
}

// The room shows what members typed with these escaped; the last is read, never written.
constexpr std::pair<std::string_view, char> kEntities[] = {
    {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}};
constexpr std::size_t kEntitiesWritten = 4;

// A member's text as the program writes it into a chat line.
std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto* entity = std::find_if(kEntities, kEntities + kEntitiesWritten,
                                      [c](const auto& e) { return e.second == c; });
    if (entity == kEntities + kEntitiesWritten) {
      out += c;
    } else {
      out += entity->first;
    }
  }
  return out;
}

std::string Unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    bool replaced = false;
    for (const auto& [entity, c] : kEntities) {
      if (text.substr(i, entity.size()) == entity) {
        out += c;
        i += entity.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) out += text[i++];
  }
  return out;
}

// "Joe,Ann," as the confirmation shows it, as the names.
std::vector<std::string> ShownNames(std::string_view shown) {
  std::vector<std::string> names;
  std::string name;
  for (const char c : shown) {
    if (c != ',') {
      name += c;
      continue;
    }
    if (!name.empty()) names.push_back(Unescaped(name));
    name.clear();
  }
  if (!name.empty()) names.push_back(Unescaped(name));
  return names;
}

std::string RecipientField(const std::vector<std::string>& names) {
  std::string field;
  for (const std::string& name : names) field += "(" + name + "),";
  return field;
}

bool IsNumber(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The title item T names, or nothing.
std::optional<std::string> TitleOf(const ServingFacts& facts, std::string_view item) {
  if (!IsNumber(item) || item.size() > 9) return std::nullopt;
  const std::size_t index = static_cast<std::size_t>(std::stoul(std::string(item)));
  if (index >= facts.titles.size()) return std::nullopt;
  return facts.titles[index];
}

bool IsSearchSubject(std::string_view subject, std::string_view quoted_words) {
  const std::optional<std::string_view> body = Body(subject);
  if (!body || body->substr(0, kSearchSubject.size()) != kSearchSubject) return false;
  const std::string_view rest = body->substr(kSearchSubject.size());
  // The subject once carried the chat line's escapes; it is plain text now. Either reads. A text
  // without an ampersand reads the same unescaped, and the audit asks this of every search mail.
  if (rest == quoted_words) return true;
  constexpr char kEntityStart = '&';
  if (rest.find(kEntityStart) == std::string_view::npos &&
      quoted_words.find(kEntityStart) == std::string_view::npos) {
    return false;
  }
  const std::string words = Unescaped(quoted_words);
  return rest == words || Unescaped(rest) == words;
}

bool HasRecipient(const aolsim::Delivery& delivery, std::string_view name) {
  return std::any_of(
      delivery.recipients.begin(), delivery.recipients.end(),
      [&](const aolsim::Recipient& r) { return aolsim::SameScreenName(r.name, name); });
}

// --- Confirmations -------------------------------------------------------------------------------

// The deliveries by what they carry, each list in the order they were made, so that a check looks
// only at those that could fit: a day's audit would otherwise scan every delivery for every line.
class DeliveryIndex {
 public:
  using Places = std::vector<std::size_t>;

  explicit DeliveryIndex(const std::vector<aolsim::Delivery>& deliveries) {
    for (std::size_t i = 0; i < deliveries.size(); ++i) {
      if (deliveries[i].kind == aolsim::DeliveryKind::kNewMail) {
        new_mails_.push_back(i);
      } else {
        forwards_[deliveries[i].stored_subject].push_back(i);
      }
    }
  }
  const Places& Forwards(const std::string& stored_subject) const {
    const auto found = forwards_.find(stored_subject);
    return found == forwards_.end() ? none_ : found->second;
  }
  const Places& NewMails() const { return new_mails_; }

 private:
  std::unordered_map<std::string, Places> forwards_;
  Places new_mails_;
  Places none_;
};

class Backing {
 public:
  explicit Backing(const ServingFacts& facts)
      : facts_(facts), index_(facts.deliveries), used_(facts.deliveries.size()) {}

  const DeliveryIndex& index() const { return index_; }

  // Takes the oldest unused delivery of places before moment that fits; false when there is none.
  template <typename Fits>
  bool Take(double moment, const DeliveryIndex::Places& places, Fits fits) {
    for (const std::size_t i : places) {
      const aolsim::Delivery& delivery = facts_.deliveries[i];
      if (used_[i] || delivery.time.seconds > moment || !fits(delivery)) continue;
      used_[i] = true;
      return true;
    }
    return false;
  }

 private:
  const ServingFacts& facts_;
  DeliveryIndex index_;
  std::vector<bool> used_;
};

std::string Printed(const std::string& line) {
  return "\"" + line + "\"";
}

// Empty when backed; else why not. Lines that confirm nothing are backed by nothing.
std::string CheckLine(const ServingFacts& facts, const aolsim::ChatLine& line, Backing& backing) {
  const std::optional<std::string_view> body = Body(line.text);
  if (!body || EndsWith(*body, kCouldNotBeSent)) return {};
  const double at = line.time.seconds;
  if (const auto middle = body->find(kFindMiddle);
      middle != std::string_view::npos && EndsWith(*body, kFindEnding)) {
    const std::string_view head = body->substr(0, middle);  // A + ", " + N
    const auto comma = head.rfind(", ");
    if (comma == std::string_view::npos) return {};
    const std::string requester = Unescaped(head.substr(0, comma));
    const std::string_view words =
        body->substr(middle + kFindMiddle.size(),
                     body->size() - middle - kFindMiddle.size() - kFindEnding.size());
    const bool backed =
        backing.Take(at, backing.index().NewMails(), [&](const aolsim::Delivery& d) {
          return IsSearchSubject(d.subject, words) && HasRecipient(d, requester);
        });
    return backed ? std::string() : "no search-results mail to " + requester + " before it";
  }
  if (EndsWith(*body, kListEnding)) {
    const std::string_view head = body->substr(0, body->size() - kListEnding.size());
    const auto blank = head.rfind(' ');
    if (blank == std::string_view::npos) return {};
    const std::string field = RecipientField(ShownNames(head.substr(0, blank)));
    for (const std::string& list : facts.list_subjects) {
      const bool backed =
          backing.Take(at, backing.index().Forwards(list),
                       [&](const aolsim::Delivery& d) { return d.recipients_text == field; });
      if (!backed) return "no forward of the list \"" + list + "\" to " + field + " before it";
    }
    return {};
  }
  if (!EndsWith(*body, facts.item_ending)) return {};
  const std::string_view head = body->substr(0, body->size() - facts.item_ending.size());
  const auto blank = head.rfind(' ');
  if (blank == std::string_view::npos || !IsNumber(head.substr(blank + 1))) return {};
  const std::string_view item = head.substr(blank + 1);
  const std::string field = RecipientField(ShownNames(head.substr(0, blank)));
  const std::optional<std::string> title = TitleOf(facts, item);
  if (!title) return "item " + std::string(item) + " names no stored mail";
  const bool backed =
      backing.Take(at, backing.index().Forwards(*title),
                   [&](const aolsim::Delivery& d) { return d.recipients_text == field; });
  return backed ? std::string() : "no forward of \"" + *title + "\" to " + field + " before it";
}

// --- Requests ------------------------------------------------------------------------------------

struct EntryParts {
  std::string requester;
  std::string rest;  // the item number or the search text
};

EntryParts Split(std::string_view entry) {
  const auto separator = entry.find(" - ");
  if (separator == std::string_view::npos) return {std::string(entry), {}};
  return {std::string(entry.substr(0, separator)), std::string(entry.substr(separator + 3))};
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// Who of each delivery's recipients has not yet been counted as answered.
class Answers {
 public:
  explicit Answers(const ServingFacts& facts) : facts_(facts), index_(facts.deliveries) {
    for (const aolsim::Delivery& d : facts.deliveries) {
      std::vector<std::string> names;
      for (const aolsim::Recipient& r : d.recipients) names.push_back(r.name);
      open_.push_back(std::move(names));
    }
    for (const aolsim::ChatLine& line : facts.program_lines) lines_.push_back(line.text);
  }

  const DeliveryIndex& index() const { return index_; }

  // The first delivery of places that fits and names the requester among those not yet counted.
  template <typename Fits>
  bool TakeDelivery(std::string_view requester, const DeliveryIndex::Places& places, Fits fits) {
    for (const std::size_t i : places) {
      if (!fits(facts_.deliveries[i])) continue;
      std::vector<std::string>& names = open_[i];
      const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& n) {
        return aolsim::SameScreenName(n, requester);
      });
      if (found == names.end()) continue;
      names.erase(found);
      return true;
    }
    return false;
  }

  bool TakeDelivery(std::string_view requester, const DeliveryIndex::Places& places) {
    return TakeDelivery(requester, places, [](const aolsim::Delivery&) { return true; });
  }

  bool TakeLine(const std::string& wanted) {
    const auto found = std::find(lines_.begin(), lines_.end(), wanted);
    if (found == lines_.end()) return false;
    lines_.erase(found);
    return true;
  }

  // A line that names its requesters at its front, each followed by a comma, as the confirmations
  // do ("• ann,cid, 5 could not be sent"), answers each of them once: the name taken leaves the
  // line, and the line goes when no name is left.
  bool TakeNameInLine(std::string_view requester, std::string_view ending) {
    const std::string front = std::string(1, kBullet) + " ";
    for (auto line = lines_.begin(); line != lines_.end(); ++line) {
      const std::string_view text = *line;
      if (!text.starts_with(front) || !EndsWith(text, ending) ||
          text.size() < front.size() + ending.size()) {
        continue;
      }
      const std::string_view names =
          text.substr(front.size(), text.size() - front.size() - ending.size());
      std::size_t start = 0;
      for (std::size_t comma = names.find(','); comma != std::string_view::npos;
           start = comma + 1, comma = names.find(',', start)) {
        const std::string name = Unescaped(names.substr(start, comma - start));
        if (!aolsim::SameScreenName(name, requester)) continue;
        const std::string rest =
            std::string(names.substr(0, start)) + std::string(names.substr(comma + 1));
        if (rest.empty()) {
          lines_.erase(line);
        } else {
          *line = front + rest + std::string(ending);
        }
        return true;
      }
    }
    return false;
  }

 private:
  const ServingFacts& facts_;
  DeliveryIndex index_;
  std::vector<std::vector<std::string>> open_;
  std::vector<std::string> lines_;
};

std::string Bulleted(std::string_view text) {
  return std::string(1, kBullet) + " " + std::string(text);
}

bool Answered(const ServingFacts& facts, const AdmittedRequest& request, Answers& answers) {
  const EntryParts parts = Split(request.entry);
  switch (request.queue) {
    case QueueKind::kItem: {
      const std::optional<std::string> title = TitleOf(facts, parts.rest);
      if (title && answers.TakeDelivery(parts.requester, answers.index().Forwards(*title))) {
        return true;
      }
      return answers.TakeNameInLine(parts.requester, " " + parts.rest + " could not be sent");
    }
    case QueueKind::kList: {
      bool all = !facts.list_subjects.empty();
      for (const std::string& list : facts.list_subjects) {
        all = answers.TakeDelivery(parts.requester, answers.index().Forwards(list)) && all;
      }
      return all || answers.TakeNameInLine(parts.requester, " the lists could not be sent");
    }
    case QueueKind::kFind: {
      const std::string quoted = "\"" + Lower(Trimmed(parts.rest)) + "\"";
      if (answers.TakeDelivery(
              parts.requester, answers.index().NewMails(),
              [&](const aolsim::Delivery& d) { return IsSearchSubject(d.subject, quoted); })) {
        return true;
      }
      // A search that found nothing is answered in the room, with no mail, in the room's escapes.
      const std::string shown = "\"" + Escaped(Lower(Trimmed(parts.rest))) + "\"";
      const std::string requester = Escaped(parts.requester);
      return answers.TakeLine(
                 Bulleted(requester + ", your search for " + shown + " was not found")) ||
             answers.TakeLine(
                 Bulleted(requester + ", the search results for " + shown + " could not be sent"));
    }
  }
  return false;
}

const char* QueueName(QueueKind kind) {
  switch (kind) {
    case QueueKind::kItem:
      return "Requests";
    case QueueKind::kList:
      return "Lists";
    case QueueKind::kFind:
      return "Finds";
  }
  return "";
}

}  // namespace

std::string FirstFalseConfirmation(const ServingFacts& facts) {
  Backing backing(facts);
  for (const aolsim::ChatLine& line : facts.program_lines) {
    const std::string why = CheckLine(facts, line, backing);
    if (!why.empty()) return Printed(line.text) + ": " + why;
  }
  return {};
}

std::string FirstLostRequest(const ServingFacts& facts,
                             const std::vector<AdmittedRequest>& admitted,
                             const std::vector<AdmittedRequest>& still_queued) {
  Answers answers(facts);
  std::vector<AdmittedRequest> queued = still_queued;
  for (const AdmittedRequest& request : admitted) {
    const auto waiting = std::find_if(queued.begin(), queued.end(), [&](const AdmittedRequest& q) {
      return q.queue == request.queue && q.entry == request.entry;
    });
    if (waiting != queued.end()) {
      queued.erase(waiting);
      continue;
    }
    if (!Answered(facts, request, answers)) {
      return std::string(QueueName(request.queue)) + " entry \"" + request.entry +
             "\" was neither answered nor is it still queued";
    }
  }
  return {};
}

}  // namespace scenario
