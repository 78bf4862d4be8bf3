// Chaos: reproducible from its seed, occasional, and always ending, so that a program that
// tries again can still serve.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "aolsim/client.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"
#include "shared/winsys/wait.h"

namespace aolsim {
namespace {

constexpr Fault kChaosFaults[] = {Fault::kForwardTwice, Fault::kNoRead,         Fault::kSendStuck,
                                  Fault::kNoMailbox,    Fault::kDeleteNoDialog, Fault::kImRefused};

// A client under chaos on a desktop of its own, sampled every ten seconds from a second program.
struct ChaosRun {
  ChaosRun(std::uint32_t seed, double hours, std::optional<Fault> scripts_fault = std::nullopt) {
    client.SignOn("MailMaven");
    if (scripts_fault) client.SetFault(*scripts_fault);
    client.GenerateFlashMails(50, "Title");
    client.StartChaos(seed, [this](double seconds) {
      hangs.push_back(seconds);
      desktop.Hang(client_process, seconds);
    });
    for (double t = 0; t < hours * 3600; t += 10) {
      winsys::WaitAtLeastSeconds(program, 10);
      std::string sample = std::to_string(client.OpenPopupCount()) + ":";
      for (const Fault fault : kChaosFaults) sample += client.settings().Has(fault) ? "1" : "0";
      sample += ":" + std::to_string(client.settings().AppearSeconds(Delay::kRead));
      samples.push_back(sample);
      for (std::size_t i = 0; i < std::size(kChaosFaults); ++i) {
        on_for[i] = client.settings().Has(kChaosFaults[i]) ? on_for[i] + 10 : 0;
        time_on[i] += client.settings().Has(kChaosFaults[i]) ? 10 : 0;
        longest[i] = std::max(longest[i], on_for[i]);
      }
    }
  }

  winsys::sim::VirtualClock clock;
  winsys::sim::SimDesktop desktop{clock};
  winsys::WindowSystem& client_process = desktop.CreateProcess("client");
  winsys::WindowSystem& program = desktop.CreateProcess("program");
  Client client{client_process, Layout::kVersion5};
  std::vector<double> hangs;
  std::vector<std::string> samples;
  double on_for[std::size(kChaosFaults)] = {};
  double longest[std::size(kChaosFaults)] = {};
  double time_on[std::size(kChaosFaults)] = {};
};

TEST(Chaos, TheSameSeedPlaysTheSameSessionAndAnotherSeedAnother) {
  const ChaosRun first(7, 2);
  const ChaosRun again(7, 2);
  const ChaosRun other(8, 2);
  EXPECT_EQ(first.samples, again.samples);
  EXPECT_EQ(first.hangs, again.hangs);
  EXPECT_NE(first.samples, other.samples);
}

TEST(Chaos, FaultsComeNowAndThenAndEveryOneEnds) {
  const ChaosRun run(3, 6);
  std::set<std::string> fault_patterns;
  int quiet = 0;
  for (const std::string& sample : run.samples) {
    const std::string faults = sample.substr(sample.find(':') + 1, std::size(kChaosFaults));
    fault_patterns.insert(faults);
    quiet += faults == std::string(std::size(kChaosFaults), '0') ? 1 : 0;
  }
  EXPECT_GT(fault_patterns.size(), 2u);  // faults do come
  // ... but most of the time the client behaves.
  EXPECT_GT(quiet, static_cast<int>(run.samples.size()) / 2);
  for (std::size_t i = 0; i < std::size(kChaosFaults); ++i) {
    SCOPED_TRACE(ToString(kChaosFaults[i]));
    // A spell lasts at most a minute; now and then one follows another at once.
    EXPECT_LE(run.longest[i], 200);
    EXPECT_LT(run.time_on[i], 0.25 * 6 * 3600);
  }
  ASSERT_FALSE(run.hangs.empty());
  for (const double hang : run.hangs) {
    EXPECT_GE(hang, 1);
    EXPECT_LE(hang, 25);
  }
}

TEST(Chaos, OffEndsItsFaultsAndPutsTheDelaysBack) {
  ChaosRun run(11, 1, Fault::kNoRead);  // the script's own fault: chaos leaves it alone
  run.client.StopChaos();
  for (const Fault fault : kChaosFaults) {
    EXPECT_EQ(run.client.settings().Has(fault), fault == Fault::kNoRead) << ToString(fault);
  }
  EXPECT_FALSE(run.client.settings().DelayOf(Delay::kRead).has_value());
  EXPECT_FALSE(run.client.ChaosOn());
}

}  // namespace
}  // namespace aolsim
