#include "scenario/script.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>

#include "scenario/encoding.h"

namespace scenario {
namespace {

// How each argument is read. Texts may be quoted or bare; names (forms, controls, menu entries)
// are bare words too, but quoting them does no harm.
enum class Kind {
  kText,       // any word
  kTexts,      // zero or more words to the end of the line
  kTextsOne,   // one or more words to the end of the line
  kInteger,    // a non-negative whole number that an int holds
  kMailCount,  // a whole number of mails, up to kMostGeneratedMails
  kSeconds,    // a non-negative decimal number, fraction allowed
  kRate,       // like kSeconds, up to kMostLinesPerMinute
  kYesNo,      // yes | no
  kOnOff,      // on | off
  kVersion,    // 4 | 5
  kDelayWhat,  // mailbox | read | forward | write | flash | im
  kFaultWhat,  // no-mailbox | no-read | send-stuck | flash-stuck | delete-no-dialog | im-refused |
               // forward-twice | none
  kPopupWhat,  // status | error | modal | notice
  kKeyName,    // enter
  kDateTime,   // "YYYY-MM-DD HH:MM:SS"
};

struct Syntax {
  std::string_view phrase;  // the command's leading words
  Verb verb;
  std::vector<Kind> args;
};

const std::vector<Syntax>& Grammar() {
  using K = Kind;
  static const std::vector<Syntax> grammar = {
      {"clock", Verb::kClock, {K::kDateTime}},
      {"client version", Verb::kClientVersion, {K::kVersion}},
      {"client capture", Verb::kClientCapture, {K::kText}},
      {"client signon", Verb::kClientSignOn, {K::kText}},
      {"client signoff", Verb::kClientSignOff, {}},
      {"client room", Verb::kClientRoom, {K::kText, K::kTexts}},
      {"client close-room", Verb::kClientCloseRoom, {}},
      {"client join", Verb::kClientJoin, {K::kText}},
      {"client leave", Verb::kClientLeave, {K::kText}},
      {"client flash", Verb::kClientFlash, {K::kTextsOne}},
      {"client flash-generate", Verb::kClientFlashGenerate, {K::kMailCount, K::kText}},
      {"client newmail", Verb::kClientNewMail, {K::kText, K::kText}},
      {"client delay", Verb::kClientDelay, {K::kDelayWhat, K::kSeconds}},
      {"client fault", Verb::kClientFault, {K::kFaultWhat}},
      {"client fault mailbox-stall", Verb::kClientMailboxStall, {K::kSeconds}},
      {"client user-open", Verb::kClientUserOpen, {K::kInteger}},
      {"client user-open-range", Verb::kClientUserOpenRange, {K::kInteger, K::kInteger}},
      {"client user-compose", Verb::kClientUserCompose, {}},
      {"client close-mailbox", Verb::kClientCloseMailbox, {}},
      {"client hang", Verb::kClientHang, {K::kSeconds}},
      {"client chaos", Verb::kClientChaos, {K::kInteger}},
      {"client chaos off", Verb::kClientChaosOff, {}},
      {"client popup", Verb::kClientPopup, {K::kPopupWhat}},
      {"say", Verb::kSay, {K::kText, K::kText}},
      {"room traffic", Verb::kRoomTraffic, {K::kInteger, K::kRate}},
      {"room traffic off", Verb::kRoomTrafficOff, {}},
      {"start", Verb::kStart, {}},
      {"click", Verb::kClick, {K::kText, K::kText}},
      {"select", Verb::kSelect, {K::kText, K::kText, K::kInteger}},
      {"dblclick", Verb::kDoubleClick, {K::kText, K::kText, K::kInteger}},
      {"type", Verb::kType, {K::kText, K::kText, K::kText}},
      {"key", Verb::kKey, {K::kText, K::kText, K::kKeyName}},
      {"menu", Verb::kMenu, {K::kText}},
      {"close", Verb::kClose, {K::kText}},
      {"answer ok", Verb::kAnswerOk, {}},
      {"answer yes", Verb::kAnswerYes, {}},
      {"answer no", Verb::kAnswerNo, {}},
      {"answer cancel", Verb::kAnswerCancel, {}},
      {"answer input", Verb::kAnswerInput, {K::kText}},
      {"answer file", Verb::kAnswerFile, {K::kText}},
      {"wait", Verb::kWait, {K::kSeconds}},
      {"program keeps-pending", Verb::kProgramKeepsPending, {}},
      {"program crash", Verb::kProgramCrash, {}},
      {"program restart", Verb::kProgramRestart, {}},
      {"expect chat", Verb::kExpectChat, {K::kText}},
      {"expect chat-contains", Verb::kExpectChatContains, {K::kText}},
      {"expect no-chat", Verb::kExpectNoChat, {K::kText}},
      {"expect chat-count", Verb::kExpectChatCount, {K::kInteger}},
      {"expect forward", Verb::kExpectForward, {K::kInteger, K::kText}},
      {"expect forward-to", Verb::kExpectForwardTo, {K::kText}},
      {"expect sendmail", Verb::kExpectSendMail, {K::kText, K::kText}},
      {"expect mail-contains", Verb::kExpectMailContains, {K::kText}},
      {"expect mail-count", Verb::kExpectMailCount, {K::kInteger}},
      {"expect dialog", Verb::kExpectDialog, {K::kText}},
      {"expect no-dialog", Verb::kExpectNoDialog, {}},
      {"expect caption", Verb::kExpectCaption, {K::kText, K::kText, K::kText}},
      {"expect count", Verb::kExpectCount, {K::kText, K::kText, K::kInteger}},
      {"expect item", Verb::kExpectItem, {K::kText, K::kText, K::kInteger, K::kText}},
      {"expect checked", Verb::kExpectChecked, {K::kText, K::kText, K::kYesNo}},
      {"expect enabled", Verb::kExpectEnabled, {K::kText, K::kText, K::kYesNo}},
      {"expect visible", Verb::kExpectVisible, {K::kText, K::kYesNo}},
      {"expect clipboard", Verb::kExpectClipboard, {K::kText}},
      {"expect clipboard-contains", Verb::kExpectClipboardContains, {K::kText}},
      {"expect file", Verb::kExpectFile, {K::kText, K::kText}},
      {"expect client mailbox-count", Verb::kExpectClientMailboxCount, {K::kInteger}},
      {"expect client mailbox-subject", Verb::kExpectClientMailboxSubject, {K::kInteger, K::kText}},
      {"expect client ims", Verb::kExpectClientIms, {K::kOnOff}},
      {"expect client visited", Verb::kExpectClientVisited, {K::kText}},
      {"expect client popups", Verb::kExpectClientPopups, {K::kInteger}},
      {"expect client open", Verb::kExpectClientOpen, {K::kText, K::kYesNo}},
      {"expect confirmations-true", Verb::kExpectConfirmationsTrue, {}},
      {"expect nothing-lost", Verb::kExpectNothingLost, {}},
  };
  return grammar;
}

bool OneOf(std::string_view word, std::initializer_list<std::string_view> choices) {
  for (std::string_view choice : choices) {
    if (word == choice) return true;
  }
  return false;
}

// Sizes a script may ask for: far beyond what any scenario needs, yet within what a run holds.
constexpr long long kMostGeneratedMails = 100000;
constexpr double kMostLinesPerMinute = 600;

bool ReadInteger(std::string_view word, double& value, long long most) {
  if (word.empty()) return false;
  long long parsed = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), parsed);
  if (ec != std::errc() || end != word.data() + word.size() || parsed < 0 || parsed > most) {
    return false;
  }
  value = static_cast<double>(parsed);
  return true;
}

bool ReadSeconds(std::string_view word, double& value) {
  if (word.empty() || word.front() == '-' || word.front() == '+') return false;
  bool seen_digit = false;
  bool seen_point = false;
  for (char c : word) {
    if (c >= '0' && c <= '9') {
      seen_digit = true;
    } else if (c == '.' && !seen_point) {
      seen_point = true;
    } else {
      return false;
    }
  }
  if (!seen_digit) return false;
  value = std::strtod(std::string(word).c_str(), nullptr);
  return std::isfinite(value);
}

bool IsDateTime(std::string_view word) {
  // YYYY-MM-DD HH:MM:SS
  if (word.size() != 19) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const char c = word[i];
    const bool want_digit = !(i == 4 || i == 7 || i == 10 || i == 13 || i == 16);
    if (want_digit ? (c < '0' || c > '9') : false) return false;
  }
  if (word[4] != '-' || word[7] != '-' || word[10] != ' ' || word[13] != ':' || word[16] != ':')
    return false;
  const int month = std::atoi(std::string(word.substr(5, 2)).c_str());
  const int day = std::atoi(std::string(word.substr(8, 2)).c_str());
  const int hour = std::atoi(std::string(word.substr(11, 2)).c_str());
  const int minute = std::atoi(std::string(word.substr(14, 2)).c_str());
  const int second = std::atoi(std::string(word.substr(17, 2)).c_str());
  return month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour < 24 && minute < 60 &&
         second < 60;
}

// Checks one word against its kind; on success fills the argument.
bool ReadArgument(Kind kind, const std::string& word, Argument& arg, std::string& why) {
  arg.text = Utf8ToCp1252(word);
  switch (kind) {
    case Kind::kText:
    case Kind::kTexts:
    case Kind::kTextsOne:
      return true;
    case Kind::kInteger:
      if (ReadInteger(word, arg.number, std::numeric_limits<int>::max())) return true;
      why = "'" + word + "' is not a whole number up to " +
            std::to_string(std::numeric_limits<int>::max());
      return false;
    case Kind::kMailCount:
      if (ReadInteger(word, arg.number, kMostGeneratedMails)) return true;
      why = "'" + word + "' is not a number of mails up to " + std::to_string(kMostGeneratedMails);
      return false;
    case Kind::kSeconds:
      if (ReadSeconds(word, arg.number)) return true;
      why = "'" + word + "' is not a number of seconds";
      return false;
    case Kind::kRate:
      if (ReadSeconds(word, arg.number) && arg.number <= kMostLinesPerMinute) return true;
      why = "'" + word + "' is not a number of lines a minute up to " +
            std::to_string(static_cast<int>(kMostLinesPerMinute));
      return false;
    case Kind::kYesNo:
      if (OneOf(word, {"yes", "no"})) return true;
      why = "expected yes or no, not '" + word + "'";
      return false;
    case Kind::kOnOff:
      if (OneOf(word, {"on", "off"})) return true;
      why = "expected on or off, not '" + word + "'";
      return false;
    case Kind::kVersion:
      if (OneOf(word, {"4", "5"})) {
        arg.number = word == "4" ? 4 : 5;
        return true;
      }
      why = "the client version is 4 or 5, not '" + word + "'";
      return false;
    case Kind::kDelayWhat:
      if (OneOf(word, {"mailbox", "read", "forward", "write", "flash", "im"})) return true;
      why = "unknown delay '" + word + "'";
      return false;
    case Kind::kFaultWhat:
      if (OneOf(word, {"no-mailbox", "no-read", "send-stuck", "flash-stuck", "delete-no-dialog",
                       "im-refused", "forward-twice", "none"}))
        return true;
      why = "unknown fault '" + word + "'";
      return false;
    case Kind::kPopupWhat:
      if (OneOf(word, {"status", "error", "modal", "notice"})) return true;
      why = "unknown popup '" + word + "'";
      return false;
    case Kind::kKeyName:
      if (word == "enter") return true;
      why = "unknown key '" + word + "'";
      return false;
    case Kind::kDateTime:
      if (IsDateTime(word)) return true;
      why = "expected \"YYYY-MM-DD HH:MM:SS\", not '" + word + "'";
      return false;
  }
  return false;
}

// The syntax whose phrase matches most leading words of the line.
const Syntax* FindSyntax(const std::vector<std::string>& words, std::size_t& phrase_words) {
  const Syntax* best = nullptr;
  phrase_words = 0;
  for (const Syntax& syntax : Grammar()) {
    std::vector<std::string_view> parts;
    std::string_view rest = syntax.phrase;
    while (!rest.empty()) {
      const auto blank = rest.find(' ');
      parts.push_back(rest.substr(0, blank));
      rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    }
    if (parts.size() > words.size() || parts.size() <= phrase_words) continue;
    bool matches = true;
    for (std::size_t i = 0; i < parts.size(); ++i) matches = matches && words[i] == parts[i];
    if (matches) {
      best = &syntax;
      phrase_words = parts.size();
    }
  }
  return best;
}

bool ParseLine(const std::vector<std::string>& words, Command& command, std::string& why) {
  std::size_t phrase_words = 0;
  const Syntax* syntax = FindSyntax(words, phrase_words);
  if (syntax == nullptr) {
    why = "unknown command '" + words.front() + "'";
    return false;
  }
  command.verb = syntax->verb;
  std::size_t next = phrase_words;
  for (Kind kind : syntax->args) {
    const bool rest = kind == Kind::kTexts || kind == Kind::kTextsOne;
    if (rest) {
      if (kind == Kind::kTextsOne && next >= words.size()) {
        why = "'" + std::string(syntax->phrase) + "' needs at least one more word";
        return false;
      }
      for (; next < words.size(); ++next) {
        Argument arg;
        ReadArgument(kind, words[next], arg, why);
        command.args.push_back(arg);
      }
      continue;
    }
    if (next >= words.size()) {
      why = "'" + std::string(syntax->phrase) + "' needs " + std::to_string(syntax->args.size()) +
            " argument(s)";
      return false;
    }
    Argument arg;
    if (!ReadArgument(kind, words[next], arg, why)) return false;
    command.args.push_back(arg);
    ++next;
  }
  if (next < words.size()) {
    why = "too many words after '" + std::string(syntax->phrase) + "'";
    return false;
  }
  return true;
}

// Why a command that starts, ends or sets up the program cannot come here; nullptr when it can.
const char* ProgramOrderFault(Verb verb, bool started, bool crashed) {
  switch (verb) {
    case Verb::kStart:
      return started ? "the program is started once" : nullptr;
    case Verb::kProgramKeepsPending:
      return started ? "'program keeps-pending' must come before 'start'" : nullptr;
    case Verb::kProgramCrash:
      return !started || crashed ? "'program crash' needs a program that runs" : nullptr;
    case Verb::kProgramRestart:
      return crashed ? nullptr : "'program restart' needs a program that crashed";
    default:
      return nullptr;
  }
}

}  // namespace

bool Command::IsExpectation() const {
  return verb >= Verb::kExpectChat;
}

bool SplitWords(std::string_view line, std::vector<std::string>& words, std::string& why) {
  words.clear();
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t') {
      ++i;
      continue;
    }
    std::string word;
    if (c == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const char q = line[i++];
        if (q == '"') {
          closed = true;
          break;
        }
        if (q != '\\') {
          word += q;
          continue;
        }
        if (i >= line.size()) break;
        switch (line[i++]) {
          case '"':
            word += '"';
            break;
          case '\\':
            word += '\\';
            break;
          case 'r':
            word += '\r';
            break;
          case 'n':
            word += '\n';
            break;
          case 't':
            word += '\t';
            break;
          case '0':
            word += '\0';
            break;
          default:
            why = "unknown escape '\\" + std::string(1, line[i - 1]) + "'";
            return false;
        }
      }
      if (!closed) {
        why = "a quote is left open";
        return false;
      }
      if (i < line.size() && line[i] != ' ' && line[i] != '\t') {
        why = "a quoted word must be followed by a blank";
        return false;
      }
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
        if (line[i] == '"') {
          why = "a quote inside a word";
          return false;
        }
        word += line[i++];
      }
    }
    words.push_back(std::move(word));
  }
  return true;
}

namespace {

// What a script has said so far, carried across included files: they stand in the including
// script's place, so its order rules hold across them.
struct ParseState {
  Script script;
  bool started = false;
  bool client_made = false;
  bool captured = false;               // the client is a capture
  bool crashed = false;
  std::vector<std::string> including;  // the files being read, outermost first, to refuse a loop
};

// Included files are scripts, not data: far below this, whatever a script might share.
constexpr std::uintmax_t kLongestInclude = 1 << 20;
constexpr std::size_t kDeepestInclude = 8;

std::optional<ParseError> ParseInto(std::string_view utf8, const std::string& file,
                                    const std::string& directory, ParseState& state);

std::optional<std::string> ReadIncluded(const std::filesystem::path& path, std::string& why) {
  std::error_code failed;
  if (!std::filesystem::is_regular_file(path, failed)) {
    why = "cannot include " + path.generic_string() + ": not a readable file";
    return std::nullopt;
  }
  if (std::filesystem::file_size(path, failed) > kLongestInclude || failed) {
    why = "cannot include " + path.generic_string() + ": larger than a script can be";
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in) {
    why = "cannot include " + path.generic_string() + ": it could not be read";
    return std::nullopt;
  }
  return text.str();
}

// Reads an included file into the state; errors inside it name its file and line.
std::optional<ParseError> Include(const Command& at, const std::string& name,
                                  const std::string& directory, ParseState& state) {
  const auto fail = [&at](const std::string& why) { return ParseError{at.line, why}; };
  if (directory.empty()) return fail("'include' needs a script read from a file");
  if (state.including.size() >= kDeepestInclude) return fail("includes nest too deep");
  const std::filesystem::path path = std::filesystem::path(directory) / Cp1252ToUtf8(name);
  std::error_code failed;
  const std::string identity = std::filesystem::weakly_canonical(path, failed).generic_string();
  for (const std::string& open : state.including) {
    if (open == identity) return fail("'" + Cp1252ToUtf8(name) + "' includes itself");
  }
  std::string why;
  const std::optional<std::string> text = ReadIncluded(path, why);
  if (!text) return fail(why);
  state.including.push_back(identity);
  const std::string label =
      at.file.empty()
          ? Cp1252ToUtf8(name)
          : (std::filesystem::path(at.file).parent_path() / Cp1252ToUtf8(name)).generic_string();
  std::optional<ParseError> inner = ParseInto(*text, label, path.parent_path().string(), state);
  state.including.pop_back();
  if (inner) return fail(inner->why);
  return std::nullopt;
}

// The directives that shape the run rather than act in it.
std::optional<ParseError> Directive(const std::vector<std::string>& words, const Command& at,
                                    const std::string& directory, ParseState& state,
                                    bool& handled) {
  handled = words.front() == "layouts" || words.front() == "include";
  if (!handled) return std::nullopt;
  const auto fail = [&at](const std::string& why) { return ParseError{at.line, why}; };
  if (words.front() == "include") {
    if (words.size() != 2) return fail("'include' needs 1 argument(s)");
    return Include(at, Utf8ToCp1252(words[1]), directory, state);
  }
  if (state.client_made) return fail("'layouts' must come before the client is used");
  if (!state.script.layouts.empty()) return fail("'layouts' is said once");
  if (words.size() < 2) return fail("'layouts' needs at least one more word");
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (words[i] != "4" && words[i] != "5")
      return fail("the client version is 4 or 5, not '" + words[i] + "'");
    const int version = words[i] == "4" ? 4 : 5;
    for (int seen : state.script.layouts) {
      if (seen == version) return fail("layout " + words[i] + " is named twice");
    }
    state.script.layouts.push_back(version);
  }
  return std::nullopt;
}

std::optional<ParseError> OrderError(const Command& command, ParseState& state) {
  const auto fail = [&command](const std::string& why) { return ParseError{command.line, why}; };
  if (command.verb == Verb::kClock && state.started)
    return fail("'clock' must come before 'start'");
  const bool touches_client =
      (command.verb >= Verb::kClientSignOn && command.verb <= Verb::kClientPopup) ||
      command.verb == Verb::kSay || command.verb == Verb::kRoomTraffic ||
      command.verb == Verb::kStart;
  if (command.verb == Verb::kClientVersion && state.client_made)
    return fail("'client version' must come before the client is used");
  if (command.verb == Verb::kClientCapture && state.client_made)
    return fail("'client capture' must come before the client is used");
  // A captured client only shows its windows: nothing plays the stand-in's part on it.
  const bool plays_stand_in =
      (touches_client && command.verb != Verb::kStart) || command.verb == Verb::kClientVersion ||
      (command.verb >= Verb::kExpectClientMailboxCount && command.verb <= Verb::kExpectClientOpen);
  if (state.captured && plays_stand_in)
    return fail("the client is a capture, which nothing can play");
  state.captured = state.captured || command.verb == Verb::kClientCapture;
  if (command.verb == Verb::kClientVersion && !state.script.layouts.empty())
    return fail("'client version' cannot be said in a script that names its layouts");
  state.client_made = state.client_made || touches_client;
  if (const char* why_not = ProgramOrderFault(command.verb, state.started, state.crashed)) {
    return fail(why_not);
  }
  state.started = state.started || command.verb == Verb::kStart;
  if (command.verb == Verb::kProgramCrash || command.verb == Verb::kProgramRestart) {
    state.crashed = command.verb == Verb::kProgramCrash;
  }
  return std::nullopt;
}

std::optional<ParseError> ParseInto(std::string_view utf8, const std::string& file,
                                    const std::string& directory, ParseState& state) {
  // An editor may start a UTF-8 file with a byte order mark.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (utf8.starts_with(kByteOrderMark)) utf8.remove_prefix(kByteOrderMark.size());
  int line_number = 0;
  std::size_t pos = 0;
  while (pos <= utf8.size()) {
    const auto end = utf8.find('\n', pos);
    std::string_view line =
        utf8.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
    pos = end == std::string_view::npos ? utf8.size() + 1 : end + 1;
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;

    std::vector<std::string> words;
    std::string why;
    Command command;
    command.file = file;
    command.line = line_number;
    command.source = std::string(line.substr(first));
    const auto where = [&file](const ParseError& error) {
      if (file.empty()) return error;
      return ParseError{error.line,
                        file + " line " + std::to_string(error.line) + ": " + error.why};
    };
    if (!SplitWords(line, words, why)) return where(ParseError{line_number, why});
    bool handled = false;
    if (auto error = Directive(words, command, directory, state, handled)) return where(*error);
    if (handled) continue;
    if (!ParseLine(words, command, why)) return where(ParseError{line_number, why});
    if (auto error = OrderError(command, state)) return where(*error);
    state.script.commands.push_back(std::move(command));
  }
  return std::nullopt;
}

}  // namespace

std::string Command::Where() const {
  return (file.empty() ? std::string() : file + " ") + "line " + std::to_string(line);
}

Script ParseScript(std::string_view utf8, std::optional<ParseError>& error,
                   const std::string& include_directory) {
  ParseState state;
  error = ParseInto(utf8, {}, include_directory, state);
  if (error) return {};
  return std::move(state.script);
}

Script ForLayout(const Script& script, int version) {
  Script play;
  Command layout;
  layout.verb = Verb::kClientVersion;
  layout.source = "client version " + std::to_string(version);
  layout.args.push_back(Argument{std::to_string(version), static_cast<double>(version)});
  play.commands.push_back(std::move(layout));
  play.commands.insert(play.commands.end(), script.commands.begin(), script.commands.end());
  return play;
}

}  // namespace scenario
