#include "scenario/client_check_run.h"

#include <algorithm>

#include "aol_automation/client_capture.h"
#include "aol_automation/text_files.h"
#include "shared/addresses.h"
#include "shared/winsys/text_encoding.h"
#include "shared/winsys/wait.h"

namespace scenario {
namespace {

// Longer than the stand-in takes to show any window.
constexpr double kWindowsAppear = 5.0;

}  // namespace

void OpenEveryCheckedWindow(World& world) {
  aolsim::Client& client = world.client();
  winsys::WindowSystem& ws = world.program_process();
  client.SignOn("Check User");
  client.OpenRoom("Lobby 12", {"Pen Pal", "Night Owl"});
  client.AddFlashMails({"First stored mail", "Second stored mail", "Third stored mail"});
  client.UserOpenMailbox();
  client.UserOpen(0);
  winsys::WaitAtLeastSeconds(ws, kWindowsAppear);
  client.UserForward();
  client.UserCompose();
  client.UserOpenAutomaticAol();
  winsys::WaitAtLeastSeconds(ws, kWindowsAppear);
}

int RunClientCheck(const ClientCheckOptions& options, std::ostream& out, std::ostream& err) {
  World world(TimeKind::kVirtual, winsys::LocalTime{});
  world.ChooseLayout(options.layout);
  std::string why;
  if (options.capture_to_show.empty()) {
    OpenEveryCheckedWindow(world);
  } else if (!world.ShowCaptureFile(options.capture_to_show, why)) {
    err << winsys::Cp1252ToUtf8(why) << "\n";
    return 2;
  }
  winsys::WindowSystem& ws = world.program_process();
  const vornik32::ClientReading reading = vornik32::ClientCheck(ws).Read();
  std::string report = vornik32::ReportText(reading, options.names);
  std::erase(report, '\r');
  out << winsys::Cp1252ToUtf8(report) << "\n";
  if (!options.capture_to_save.empty() &&
      vornik32::WriteTextFile(
          options.capture_to_save,
          vornik32::CaptureText(ws, reading, options.names, shared::kProgramVersion)) !=
          vornik32::WriteResult::kWritten) {
    err << "the capture could not be saved to " << options.capture_to_save << "\n";
    return 2;
  }
  const bool all_there =
      std::none_of(reading.rows.begin(), reading.rows.end(),
                   [](const auto& row) { return row.state == vornik32::RowState::kNotFound; });
  return all_there ? 0 : 1;
}

}  // namespace scenario
