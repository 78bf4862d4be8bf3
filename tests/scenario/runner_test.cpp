#include "scenario/runner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace scenario {
namespace {

struct Played {
  int status = 0;
  std::string log;
  std::string errors;
};

Played Play(const std::string& script, TimeKind time = TimeKind::kVirtual) {
  RunOptions options;
  options.time = time;
  std::ostringstream out;
  std::ostringstream err;
  Played run;
  run.status = RunScenarioText(script, options, out, err);
  run.log = out.str();
  run.errors = err.str();
  return run;
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

const char* const kRoomScript =
    "client signon \"MailMaven\"\n"
    "client room \"Lobby\" \"Joe\" \"Ann\"\n"
    "client flash \"Apples\" \"Pears\"\n"
    "start\n"
    "wait 2\n"
    "say \"Joe\" \"hello\"\n"
    "wait 1\n"
    "expect chat-contains \"tollmere server for aol 4 & 5\"\n";

TEST(Runner, AMalformedScriptRunsNothingAndGivesStatusTwo) {
  const Played run = Play("client signon \"MailMaven\"\nstart\nwait soon\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.errors, "error: line 3: 'soon' is not a number of seconds\n");
  EXPECT_EQ(run.log, "");
}

// What is no script checks nothing, and must not pass for one that held.
TEST(Runner, AFolderAnEmptyScriptOrAMissingFileGiveStatusTwo) {
  for (const auto& [path, error] :
       {std::pair{".", "error: cannot read .: it is not a file\n"},
        {"missing.scn", "error: cannot read missing.scn: it cannot be opened\n"}}) {
    std::ostringstream out, err;
    EXPECT_EQ(RunScenarioFile(path, RunOptions(), out, err), 2);
    EXPECT_EQ(err.str(), error);
  }
  EXPECT_EQ(Play("# nothing\n\n").errors, "error: the script holds no command\n");
}

TEST(Runner, EveryExpectationHeldGivesStatusZero) {
  const Played run = Play(kRoomScript);
  EXPECT_EQ(run.status, 0) << run.log;
  EXPECT_TRUE(Has(run.log, "chat Joe: hello")) << run.log;
  EXPECT_TRUE(Has(run.log, "\n1 passed, 0 failed\n")) << run.log;
}

TEST(Runner, AFailedExpectationIsLoggedWithItsLineAndGivesStatusOne) {
  const Played run = Play(std::string(kRoomScript) + "expect chat \"nobody said this\"\n" +
                          "expect chat-count 2\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Has(run.log, "FAIL line 9: expect chat \"nobody said this\"")) << run.log;
  EXPECT_TRUE(Has(run.log, "ok line 10: expect chat-count 2")) << run.log;
  EXPECT_TRUE(Has(run.log, "\n2 passed, 1 failed\n")) << run.log;
}

TEST(Runner, TheSameScriptGivesTheSameLogTwice) {
  const std::string script = std::string(kRoomScript) + "wait 600\n";
  const Played first = Play(script);
  const Played second = Play(script);
  EXPECT_EQ(first.log, second.log);
}

TEST(Runner, AnHourOfVirtualTimePassesAndTheClockShowsIt) {
  const Played run = Play("clock \"2000-06-15 23:30:00\"\nwait 3600\nexpect no-dialog\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(Has(run.log, "00:30:00.000 ok line 3")) << run.log;
}

TEST(Runner, ActionsOnWindowsThatAreNotOpenYetAreIgnoredAndLogged) {
  const Played run =
      Play(std::string(kRoomScript) + "click listdesignerFrm Command2\n" + "close banningFrm\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(Has(run.log, "ignored line 9: click listdesignerFrm Command2")) << run.log;
  EXPECT_TRUE(Has(run.log, "ignored line 10: close banningFrm")) << run.log;
}

TEST(Runner, ANameTheProgramDoesNotHaveStopsTheScriptBeforeItRuns) {
  struct Case {
    const char* line;
    const char* error;
  };
  const Case cases[] = {
      {"click serverFrm Comand1", "error: line 9: no window or control Comand1\n"},
      {"click nosuchFrm Command1", "error: line 9: no window or control nosuchFrm\n"},
      {"close serverFrn", "error: line 9: no window or control serverFrn\n"},
      {"menu handel", "error: line 9: no window or control handel\n"},
      {"type banningFrm Combo9 \"x\"", "error: line 9: no window or control Combo9\n"},
      {"expect caption serverFrm Labl1 \"x\"", "error: line 9: no window or control Labl1\n"},
      {"expect checked menuFrm handel yes", "error: line 9: no window or control handel\n"},
      {"expect visible messagesFrn yes", "error: line 9: no window or control messagesFrn\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const Played run = Play(std::string(kRoomScript) + c.line + "\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.errors, c.error);
    EXPECT_EQ(run.log, "");
  }
  // Names compare without case, as the windows' names do.
  EXPECT_EQ(Play(std::string(kRoomScript) + "expect visible SERVERFRM yes\n").status, 0);
}

TEST(Runner, TheStartReminderIsAnsweredByItsDefaultButton) {
  // The script ends while the reminder box of the program's start is on the screen; it is
  // answered by default, so nothing is left open and the run holds.
  const Played answered = Play("client signon \"MailMaven\"\nstart\nwait 1\n");
  EXPECT_EQ(answered.status, 0) << answered.log;
  EXPECT_TRUE(Has(answered.log, "default button")) << answered.log;
}

// A script from a file, beside the files it includes, in a folder of its own.
Played PlayFile(const std::string& script, const std::string& included) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("runner-test-" + std::to_string(std::hash<std::string>{}(script + included)));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "main.scn") << script;
  std::ofstream(folder / "opening.inc") << included;
  RunOptions options;
  options.base_directory = folder.string();
  std::ostringstream out;
  std::ostringstream err;
  Played run;
  run.status = RunScenarioFile((folder / "main.scn").string(), options, out, err);
  run.log = out.str();
  run.errors = err.str();
  std::filesystem::remove_all(folder);
  return run;
}

TEST(Runner, AScriptThatNamesItsLayoutsIsPlayedOnEachWithItsIncludedOpening) {
  const std::string opening(kRoomScript, std::strstr(kRoomScript, "expect"));
  const Played run = PlayFile(
      "layouts 4 5\ninclude \"opening.inc\"\n" + std::string(std::strstr(kRoomScript, "expect")),
      opening);
  EXPECT_EQ(run.status, 0) << run.errors << run.log;
  for (const char* part : {"play: layout 4\n", "layout 4: 1 passed, 0 failed\n", "play: layout 5\n",
                           "layout 5: 1 passed, 0 failed\n", "\n2 passed, 0 failed\n"}) {
    EXPECT_TRUE(Has(run.log, part)) << part << run.log;
  }
  struct Case {
    const char* script;
    const char* included;
    const char* error;
  };
  const Case refused[] = {
      {"start\ninclude \"opening.inc\"\n", "bogus\n",
       "error: line 2: opening.inc line 1: unknown command 'bogus'\n"},
      {"include \"missing.inc\"\n", "", "error: line 1: cannot include"},
      {"include \"opening.inc\"\n", "include \"opening.inc\"\n",
       "error: line 1: opening.inc line 1: 'opening.inc' includes itself\n"},
      {"layouts 4 5\nclient version 4\n", "",
       "error: line 2: 'client version' cannot be said in a script that names its layouts\n"},
      {"include \"opening.inc\"\nlayouts 4\n", "client signon \"A\"\n",
       "error: line 2: 'layouts' must come before the client is used\n"},
  };
  for (const Case& c : refused) {
    SCOPED_TRACE(c.script);
    const Played bad = PlayFile(c.script, c.included);
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.errors.rfind(c.error, 0), 0u) << bad.errors;
  }
}

TEST(Runner, RealtimeRunsTakeTheTimeTheySay) {
  const Played run = Play("wait 0.2\nexpect no-dialog\n", TimeKind::kRealtime);
  EXPECT_EQ(run.status, 0) << run.log;
}

}  // namespace
}  // namespace scenario
