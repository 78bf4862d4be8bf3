// tollmere: runs a scenario, or the built-in demo, on the simulated desktop with the stand-in
// client. (The Windows build's entry point, which drives the real client, lives with the Win32
// backend.)

#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "scenario/demo.h"
#include "scenario/runner.h"
#include "scenario/watchdog.h"

namespace {

int Usage() {
  std::cerr << "usage: tollmere --scenario FILE [--realtime]\n"
               "       tollmere --demo [--realtime]\n";
  return 2;
}

double WallClockLimit(const scenario::RunOptions& options, double scripted_seconds) {
  if (options.time == scenario::TimeKind::kRealtime) return scripted_seconds * 1.5 + 120.0;
  return 600.0;
}

}  // namespace

int main(int argc, char** argv) {
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
