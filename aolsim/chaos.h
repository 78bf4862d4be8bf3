#pragma once
// A client that misbehaves now and then, as a real one does over a long session: from a seed,
// reproducibly, its delays vary and faults come and go, a person uses it at the same time, and
// it stops answering for a while. Every fault is a spell that ends, so that a program that tries
// again can still serve. The ranges are documented with the scenario language (docs/scenarios.md).
//
// Chaos runs on the client's own timers: while the client hangs, chaos waits too.

#include <cstdint>
#include <functional>
#include <random>
#include <set>

#include "aolsim/client_context.h"
#include "aolsim/settings.h"
#include "aolsim/timers.h"

namespace aolsim {

class Client;

// What chaos does to the client: the person's actions and the dialogs go through the client;
// a hang is the desktop's to make.
struct ChaosActions {
  std::function<void(int position)> user_open;
  std::function<void()> user_compose;
  std::function<void()> close_mailbox;
  std::function<void()> close_persons_windows;
  std::function<void(PopupKind)> popup;
  std::function<int()> mailbox_count;
  std::function<void(double seconds)> hang;  // may be empty: then the client never hangs
};

class Chaos {
 public:
  // How often chaos decides anew, in seconds of the client's time.
  static constexpr double kTickSeconds = 10.0;

  Chaos(ClientContext& context, ChaosActions actions, std::uint32_t seed);
  // Ends every spell and puts the delays back as they were before chaos began.
  ~Chaos();
  Chaos(const Chaos&) = delete;
  Chaos& operator=(const Chaos&) = delete;

 private:
  void Tick();
  void VaryDelays();
  // A fault that lasts a while; one that is on already (by chaos or the script) is left alone.
  void MaybeSpell(Fault fault, double chance, double shortest, double longest);
  void MaybeActAsAPerson();
  void EndSpell(Fault fault);

  // Reproducible on every platform: only the engine's raw numbers are used, never a library's
  // distributions, whose results the standard leaves open.
  double Uniform(double low, double high);
  bool Chance(double probability);
  int Below(int bound);

  ClientContext& context_;
  ChaosActions actions_;
  std::mt19937 random_;
  Settings before_;
  std::set<Fault> spells_;
  TimerSet timers_;
};

}  // namespace aolsim
