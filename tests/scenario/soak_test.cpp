// The soak's set-up and its judgement, played short.

#include "scenario/soak.h"

#include <gtest/gtest.h>

#include "scenario/name_check.h"

namespace scenario {
namespace {

TEST(Soak, ItsScriptIsAScriptTheRunnerTakes) {
  for (const ClientMood mood : {ClientMood::kChaos, ClientMood::kCalm}) {
    SoakOptions options;
    options.mood = mood;
    options.version = mood == ClientMood::kChaos ? 4 : 5;
    std::optional<ParseError> error;
    const Script script = ParseScript(SoakScript(options), error);
    ASSERT_FALSE(error.has_value()) << error->why;
    EXPECT_FALSE(CheckNames(script).has_value());
  }
}

TEST(Soak, ACalmClientServesABusyRoomAndBothChecksHold) {
  for (const int version : {5, 4}) {
    SCOPED_TRACE(version);
    SoakOptions options;
    options.hours = 0.25;
    options.seed = 2;
    options.version = version;
    options.mood = ClientMood::kCalm;
    const SoakResult result = RunSoak(options);
    const RunFigures& f = result.figures;
    EXPECT_EQ(f.false_confirmation, "");
    EXPECT_EQ(f.lost_request, "");
    EXPECT_EQ(f.checks_failed, 0);
    EXPECT_TRUE(result.holds());
    EXPECT_GT(f.admitted, 20);
    EXPECT_GT(f.delivered, 10);
    EXPECT_GT(result.mails_per_minute, 0.5);
  }
}

}  // namespace
}  // namespace scenario
