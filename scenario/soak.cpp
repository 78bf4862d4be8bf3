#include "scenario/soak.h"

#include <iomanip>
#include <optional>
#include <sstream>

#include "aolsim/layout.h"
#include "scenario/encoding.h"

namespace scenario {
namespace {

constexpr int kStoredMails = 300;
constexpr double kCalmingSeconds = 900;  // the last quarter of an hour: no chaos, no requests
constexpr const char* kMembers[] = {"Ann Lee",  "Bob",   "Cid Moore", "Dee",
                                    "Eve Hart", "Fay 2", "Gus",       "Hal Rye"};

std::string Seconds(double seconds) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(3) << seconds;
  return text.str();
}

}  // namespace

std::string SoakScript(const SoakOptions& options) {
  std::ostringstream script;
  script << "clock \"2000-06-15 08:00:00\"\n"
         << "client version " << options.version << "\n"
         << "client signon \"MailMaven\"\n"
         << "client room \"Lobby\"";
  for (const char* member : kMembers) script << " \"" << member << "\"";
  script << "\nclient flash-generate " << kStoredMails << " \"Title\"\n"
         << "start\nwait 2\n"
         << "menu listdesignermenu\nwait 1\n"
         << "click listdesignerFrm Command2\nwait 300\n"
         << "close listdesignerFrm\n"
         << "click serverFrm Command1\nwait 10\n";
  if (options.mood == ClientMood::kChaos) script << "client chaos " << options.seed << "\n";
  script << "room traffic " << options.seed << " " << options.requests_per_minute << "\n"
         << "wait " << Seconds(options.hours * 3600) << "\n"
         << "room traffic off\n";
  if (options.mood == ClientMood::kChaos) script << "client chaos off\n";
  // The two layouts time alike, so their figures agree seed for seed; the Welcome caption, which
  // ends differently in each, shows that the run really had the client it was asked for.
  const aolsim::Layout layout =
      options.version == 4 ? aolsim::Layout::kVersion4 : aolsim::Layout::kVersion5;
  script << "wait " << Seconds(kCalmingSeconds) << "\n"
         << "expect confirmations-true\nexpect nothing-lost\n"
         << "expect client open \"Welcome, MailMaven" << aolsim::NumbersFor(layout).welcome_closing
         << "\" yes\n";
  return script.str();
}

SoakResult RunSoak(const SoakOptions& options) {
  std::optional<ParseError> error;
  Script script = ParseScript(SoakScript(options), error);
  SoakResult result;
  if (error) {
    result.figures.checks_failed = 1;
    result.figures.false_confirmation = "the soak's script is malformed: " + error->why;
    return result;
  }
  std::ostream discard(nullptr);  // a day's log is not kept
  RunOptions run_options;
  if (options.hour_ended) {
    run_options.on_idle = [&options, hours_told = 0](double seconds) mutable {
      while (seconds >= (hours_told + 1) * 3600.0) options.hour_ended(++hours_told);
    };
  }
  Runner runner(std::move(script), run_options, discard);
  runner.Run();
  result.figures = runner.figures();
  const double minutes = (options.hours * 3600 + kCalmingSeconds) / 60;
  result.mails_per_minute = minutes > 0 ? result.figures.delivered / minutes : 0;
  return result;
}

int RunSoakAndReport(const SoakOptions& options, std::ostream& out) {
  const SoakResult result = RunSoak(options);
  const RunFigures& f = result.figures;
  const auto check = [](const std::string& why) {
    return why.empty() ? std::string("holds") : "FAILS: " + Cp1252ToUtf8(why);
  };
  out << "soak: " << options.hours << " h, seed " << options.seed << ", version " << options.version
      << (options.mood == ClientMood::kChaos ? ", chaos" : ", calm") << "\n"
      << "requests admitted: " << f.admitted << "\n"
      << "mails delivered: " << f.delivered << "\n"
      << "retried: " << f.retried << "\n"
      << "given up: " << f.given_up << "\n"
      << "still queued: " << f.still_queued << "\n"
      << "mails per minute: " << std::fixed << std::setprecision(2) << result.mails_per_minute
      << "\n"
      << "confirmations-true: " << check(f.false_confirmation) << "\n"
      << "nothing-lost: " << check(f.lost_request) << "\n";
  if (f.checks_failed > 0 && f.false_confirmation.empty() && f.lost_request.empty()) {
    out << "the run itself failed (" << f.checks_failed << " failure(s), a watchdog or a dialog "
        << "left open)\n";
  }
  return result.holds() ? 0 : 1;
}

}  // namespace scenario
