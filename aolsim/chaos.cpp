#include "aolsim/chaos.h"

namespace aolsim {
namespace {

// The range of each delay while chaos is on, in seconds.
struct DelayRange {
  Delay delay;
  double shortest;
  double longest;
};
constexpr DelayRange kDelayRanges[] = {
    {Delay::kMailbox, 0.5, 6.0}, {Delay::kRead, 0.1, 3.0},   {Delay::kForward, 0.1, 3.0},
    {Delay::kWrite, 0.1, 3.0},   {Delay::kFlash, 2.0, 10.0}, {Delay::kInstantMessage, 0.1, 2.0},
};

// Each tick's chance of a spell of each fault, and how long a spell lasts.
struct SpellRange {
  Fault fault;
  double chance;
  double shortest;
  double longest;
};
constexpr SpellRange kSpells[] = {
    {Fault::kForwardTwice, 0.05, 10, 60},   {Fault::kNoRead, 0.02, 3, 20},
    {Fault::kSendStuck, 0.02, 3, 20},       {Fault::kNoMailbox, 0.01, 5, 30},
    {Fault::kDeleteNoDialog, 0.01, 10, 60}, {Fault::kImRefused, 0.01, 10, 60},
};

constexpr double kStallChance = 0.05;
constexpr double kShortestStall = 1.0;
constexpr double kLongestStall = 5.0;
constexpr double kHangChance = 0.02;
constexpr double kShortestHang = 1.0;
constexpr double kLongestHang = 25.0;
constexpr double kPopupChance = 0.03;
constexpr double kUserOpenChance = 0.02;
constexpr double kUserComposeChance = 0.01;
constexpr double kCloseMailboxChance = 0.01;
constexpr double kShortestPersonsStay = 20.0;
constexpr double kLongestPersonsStay = 120.0;

constexpr PopupKind kPopupKinds[] = {PopupKind::kStatus, PopupKind::kError, PopupKind::kModal,
                                     PopupKind::kNotice};

}  // namespace

Chaos::Chaos(ClientContext& context, ChaosActions actions, std::uint32_t seed)
    : context_(context),
      actions_(std::move(actions)),
      random_(seed),
      before_(context.settings),
      timers_(context.timers) {
  VaryDelays();
  timers_.Every(kTickSeconds, [this] { Tick(); });
}

Chaos::~Chaos() {
  timers_.CancelAll();
  for (const Fault fault : spells_) context_.settings.ClearFault(fault);
  context_.settings.CopyDelaysFrom(before_);
}

double Chaos::Uniform(double low, double high) {
  const double unit = static_cast<double>(random_()) / 4294967296.0;  // [0, 1)
  return low + (high - low) * unit;
}

bool Chaos::Chance(double probability) {
  return Uniform(0, 1) < probability;
}

int Chaos::Below(int bound) {
  if (bound <= 0) return 0;
  return static_cast<int>(random_() % static_cast<std::uint32_t>(bound));
}

void Chaos::Tick() {
  VaryDelays();
  for (const SpellRange& spell : kSpells) {
    MaybeSpell(spell.fault, spell.chance, spell.shortest, spell.longest);
  }
  if (Chance(kStallChance)) {
    context_.settings.SetMailboxStall(Uniform(kShortestStall, kLongestStall));
  }
  if (Chance(kPopupChance)) actions_.popup(kPopupKinds[Below(4)]);
  MaybeActAsAPerson();
  // The hang comes last: while the client hangs, nothing else of it runs.
  if (actions_.hang && Chance(kHangChance)) actions_.hang(Uniform(kShortestHang, kLongestHang));
}

void Chaos::VaryDelays() {
  for (const DelayRange& range : kDelayRanges) {
    context_.settings.SetDelay(range.delay, Uniform(range.shortest, range.longest));
  }
}

void Chaos::MaybeSpell(Fault fault, double chance, double shortest, double longest) {
  if (!Chance(chance) || context_.settings.Has(fault)) return;
  context_.settings.SetFault(fault);
  spells_.insert(fault);
  timers_.After(Uniform(shortest, longest), [this, fault] { EndSpell(fault); });
}

void Chaos::EndSpell(Fault fault) {
  if (spells_.erase(fault) != 0) context_.settings.ClearFault(fault);
}

// A person who opens something leaves it open for a while, then closes what they opened.
void Chaos::MaybeActAsAPerson() {
  bool opened = false;
  if (Chance(kUserOpenChance)) {
    actions_.user_open(Below(actions_.mailbox_count()));
    opened = true;
  }
  if (Chance(kUserComposeChance)) {
    actions_.user_compose();
    opened = true;
  }
  if (Chance(kCloseMailboxChance)) actions_.close_mailbox();
  if (opened) {
    timers_.After(Uniform(kShortestPersonsStay, kLongestPersonsStay),
                  [this] { actions_.close_persons_windows(); });
  }
}

}  // namespace aolsim
