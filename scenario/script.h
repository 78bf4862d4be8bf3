#pragma once
// A scenario script, parsed and checked before anything runs. The language is documented in
// docs/scenarios.md; scripts written to it keep working, so a command's meaning never changes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

enum class Verb {
  kClock,
  kClientVersion,
  kClientCapture,
  kClientSignOn,
  kClientSignOff,
  kClientRoom,
  kClientCloseRoom,
  kClientJoin,
  kClientLeave,
  kClientFlash,
  kClientFlashGenerate,
  kClientNewMail,
  kClientDelay,
  kClientFault,
  kClientMailboxStall,
  kClientUserOpen,
  kClientUserOpenRange,
  kClientUserCompose,
  kClientCloseMailbox,
  kClientHang,
  kClientChaos,
  kClientChaosOff,
  kClientPopup,
  kSay,
  kRoomTraffic,
  kRoomTrafficOff,
  kStart,
  kClick,
  kSelect,
  kDoubleClick,
  kType,
  kKey,
  kMenu,
  kClose,
  kAnswerOk,
  kAnswerYes,
  kAnswerNo,
  kAnswerCancel,
  kAnswerInput,
  kAnswerFile,
  kWait,
  kProgramKeepsPending,
  kProgramCrash,
  kProgramRestart,
  kExpectChat,
  kExpectChatContains,
  kExpectNoChat,
  kExpectChatCount,
  kExpectForward,
  kExpectForwardTo,
  kExpectSendMail,
  kExpectMailContains,
  kExpectMailCount,
  kExpectDialog,
  kExpectNoDialog,
  kExpectCaption,
  kExpectCount,
  kExpectItem,
  kExpectChecked,
  kExpectEnabled,
  kExpectVisible,
  kExpectClipboard,
  kExpectClipboardContains,
  kExpectFile,
  kExpectClientMailboxCount,
  kExpectClientMailboxSubject,
  kExpectClientIms,
  kExpectClientVisited,
  kExpectClientPopups,
  kExpectClientOpen,
  kExpectConfirmationsTrue,
  kExpectNothingLost,
};

// One argument as written: texts are already in the system's 8-bit set.
struct Argument {
  std::string text;
  double number = 0;  // for numeric arguments
};

struct Command {
  std::string file;  // the included file the command was written in; empty in the script itself
  int line = 0;
  Verb verb = Verb::kStart;
  std::string source;  // the line as written (UTF-8), for the log
  std::vector<Argument> args;

  const std::string& text(std::size_t i) const { return args.at(i).text; }
  double number(std::size_t i) const { return args.at(i).number; }
  int integer(std::size_t i) const { return static_cast<int>(args.at(i).number); }
  bool IsExpectation() const;
  // "line N" in the script itself, "FILE line N" in an included file: where a report points.
  std::string Where() const;
};

struct ParseError {
  int line = 0;
  std::string why;
};

struct Script {
  std::vector<Command> commands;
  // From `layouts 4 5`: the script is played once on each of these layouts; empty, once as written.
  std::vector<int> layouts;
};

// Parses UTF-8 script text. On a malformed line, error is set and the script is empty. An
// `include "FILE"` names a file relative to include_directory; a script given as text alone
// (include_directory empty) may not include.
Script ParseScript(std::string_view utf8, std::optional<ParseError>& error,
                   const std::string& include_directory = {});

// The same for one play of a script that names its layouts: `client version N` stands first.
Script ForLayout(const Script& script, int version);

// Splits one line into words: blanks separate words; a word in double quotes may hold blanks, and
// \" \\ \r \n \t stand for a quote, a backslash, CR, LF and TAB inside quotes. Returns false with
// why set when a quote is left open or an escape is unknown.
bool SplitWords(std::string_view line, std::vector<std::string>& words, std::string& why);

}  // namespace scenario
