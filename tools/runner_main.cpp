// tollmere: runs a scenario, or the built-in demo, on the simulated desktop with the stand-in
// client. (The Windows build's entry point, which drives the real client, is the app's own, in
// src/app/windows.)

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "scenario/client_check_run.h"
#include "scenario/demo.h"
#include "scenario/runner.h"
#include "scenario/soak.h"
#include "scenario/watchdog.h"

namespace {

int Usage() {
  std::cerr << "usage: tollmere --scenario FILE [--realtime]\n"
               "       tollmere --demo [--realtime]\n"
               "       tollmere --soak HOURS --seed N [--version 4|5] [--client calm|chaos]\n"
               "                [--per-minute LINES]\n"
               "       tollmere --check-client [--version 4|5 | --capture FILE]\n"
               "                [--save-capture FILE] [--leave-out-names]\n";
  return 2;
}

double WallClockLimit(const scenario::RunOptions& options, double scripted_seconds) {
  if (options.time == scenario::TimeKind::kRealtime) return scripted_seconds * 1.5 + 120.0;
  return 600.0;
}

// A positive number of hours, a whole seed, a layout: anything else is a usage error.
bool ReadNumber(const char* text, double& value) {
  char* end = nullptr;
  value = std::strtod(text, &end);
  return end != text && *end == '\0' && value >= 0;
}

int Soak(int argc, char** argv) {
  scenario::SoakOptions options;
  bool seeded = false;
  double number = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--client") == 0) {
      const std::string mood = argv[i + 1];
      if (mood != "calm" && mood != "chaos") return Usage();
      options.mood = mood == "calm" ? scenario::ClientMood::kCalm : scenario::ClientMood::kChaos;
      continue;
    }
    if (!ReadNumber(argv[i + 1], number)) return Usage();
    if (std::strcmp(argv[i], "--soak") == 0 && number > 0) {
      options.hours = number;
    } else if (std::strcmp(argv[i], "--seed") == 0 &&
               number == static_cast<std::uint32_t>(number)) {
      options.seed = static_cast<std::uint32_t>(number);
      seeded = true;
    } else if (std::strcmp(argv[i], "--version") == 0 && (number == 4 || number == 5)) {
      options.version = static_cast<int>(number);
    } else if (std::strcmp(argv[i], "--per-minute") == 0 && number > 0 && number <= 600) {
      options.requests_per_minute = number;
    } else {
      return Usage();
    }
  }
  if (argc % 2 == 0 || !seeded) return Usage();
  // Far more than a day of virtual time takes, yet an end for a run that would hang.
  scenario::StartWallClockWatchdog(600.0 + options.hours * 600.0);
  return scenario::RunSoakAndReport(options, std::cout);
}

// The check of the stand-in (with every window it reads open) or of a capture.
int CheckClient(int argc, char** argv) {
  scenario::ClientCheckOptions options;
  bool layout_chosen = false;
  for (int i = 2; i < argc; ++i) {
    const bool has_value = i + 1 < argc;
    if (std::strcmp(argv[i], "--version") == 0 && has_value &&
        (std::strcmp(argv[i + 1], "4") == 0 || std::strcmp(argv[i + 1], "5") == 0)) {
      options.layout = argv[++i][0] == '4' ? aolsim::Layout::kVersion4 : aolsim::Layout::kVersion5;
      layout_chosen = true;
    } else if (std::strcmp(argv[i], "--capture") == 0 && has_value) {
      options.capture_to_show = argv[++i];
    } else if (std::strcmp(argv[i], "--save-capture") == 0 && has_value) {
      options.capture_to_save = argv[++i];
    } else if (std::strcmp(argv[i], "--leave-out-names") == 0) {
      options.names = vornik32::Names::kLeaveOut;
    } else {
      return Usage();
    }
  }
  if (layout_chosen && !options.capture_to_show.empty()) return Usage();
  scenario::StartWallClockWatchdog(600.0);
  return scenario::RunClientCheck(options, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--soak") == 0) return Soak(argc, argv);
  if (argc > 1 && std::strcmp(argv[1], "--check-client") == 0) return CheckClient(argc, argv);
  std::string scenario_file;
  bool demo = false;
  scenario::RunOptions options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--scenario") == 0 && i + 1 < argc) {
      scenario_file = argv[++i];
    } else if (std::strcmp(argv[i], "--demo") == 0) {
      demo = true;
    } else if (std::strcmp(argv[i], "--realtime") == 0) {
      options.time = scenario::TimeKind::kRealtime;
    } else {
      return Usage();
    }
  }
  if (demo == !scenario_file.empty()) return Usage();
  options.base_directory = std::filesystem::current_path().string();

  if (demo) {
    options.style = scenario::LogStyle::kTranscript;
    scenario::StartWallClockWatchdog(WallClockLimit(options, scenario::DemoSeconds()));
    return scenario::RunScenarioText(scenario::DemoScript(), options, std::cout, std::cerr);
  }
  scenario::StartWallClockWatchdog(WallClockLimit(options, 24 * 3600.0));
  return scenario::RunScenarioFile(scenario_file, options, std::cout, std::cerr);
}
