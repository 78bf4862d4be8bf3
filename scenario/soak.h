#pragma once
// The soak: a busy room served for hours of virtual time by a client that misbehaves now and
// then, judged at the end by the two serving checks. The whole set-up is played as a person
// would: sign on, a room, a mailbox of a few hundred mails, the List Designer's Auto, Start;
// then members ask at random and the client's chaos runs, until the last quarter of an hour,
// when both calm down so that what is still queued can be served.

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "scenario/runner.h"

namespace scenario {

enum class ClientMood { kChaos, kCalm };

struct SoakOptions {
  double hours = 1;
  std::uint32_t seed = 1;
  int version = 5;
  ClientMood mood = ClientMood::kChaos;
  double requests_per_minute = 4;
  // Told each simulated hour of the run as it ends (1 for the first), for readings along the day.
  std::function<void(int)> hour_ended;
};

struct SoakResult {
  RunFigures figures;
  double mails_per_minute = 0;
  bool holds() const {
    return figures.false_confirmation.empty() && figures.lost_request.empty() &&
           figures.checks_failed == 0;
  }
};

// The script the soak plays.
std::string SoakScript(const SoakOptions& options);
// Plays it without a log and answers what it served.
SoakResult RunSoak(const SoakOptions& options);
// Plays it and prints the counts and both checks; 0 only when both hold.
int RunSoakAndReport(const SoakOptions& options, std::ostream& out);

}  // namespace scenario
