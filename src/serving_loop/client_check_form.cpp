#include "serving_loop/client_check_form.h"

#include "aol_automation/client_capture.h"
#include "aol_automation/text_files.h"
#include "shared/addresses.h"
#include "shared/ui/clipboard.h"
#include "shared/ui/stay_on_top.h"

namespace serving_loop {
namespace {

using ui::TwipsRect;

constexpr char kReportExtension[] = ".txt";
constexpr char kCaptureExtension[] = ".json";

// The path without the report's extension, where the report's own name ends in it.
std::string Stem(const std::string& path) {
  const std::string_view extension = kReportExtension;
  if (path.size() > extension.size() &&
      path.compare(path.size() - extension.size(), extension.size(), extension) == 0) {
    return path.substr(0, path.size() - extension.size());
  }
  return path;
}

}  // namespace

ClientCheckForm::ClientCheckForm(winsys::WindowSystem& ws, ui::Registry& registry)
    : form(ws, registry, "clientcheckFrm", "Check Client", {11400, 6600}),
      Label1(form, "Label1", "", TwipsRect{120, 120, 11040, 285}),
      List1(form, "List1", TwipsRect{120, 480, 11040, 4560}),
      Check1(form, "Check1", "Leave out names and subjects", TwipsRect{120, 5160, 3600, 285}),
      Label2(form, "Label2", "", TwipsRect{3840, 5160, 7320, 285}),
      Command1(form, "Command1", "&Refresh", TwipsRect{120, 5640, 1335, 375}),
      Command2(form, "Command2", "&Copy", TwipsRect{1575, 5640, 1335, 375}),
      Command3(form, "Command3", "&Save...", TwipsRect{3030, 5640, 1335, 375}),
      Command4(form, "Command4", "C&lose", TwipsRect{9825, 5640, 1335, 375}),
      CommonDialog1(form),
      ws_(ws) {
  form.on_load = [this] { Form_Load(); };
  form.on_close = [this](ui::CloseAction& action) { Form_QueryUnload(action); };
  Command1.on_click = [this] { Command1_Click(); };
  Command2.on_click = [this] { Command2_Click(); };
  Command3.on_click = [this] { Command3_Click(); };
  Command4.on_click = [this] { Command4_Click(); };
}

ClientCheckForm::~ClientCheckForm() = default;

void ClientCheckForm::Show() {
  form.Show();
  Command1_Click();
}

void ClientCheckForm::Form_Load() {
  ui::StayOnTop(ws_, form.hwnd());
}

void ClientCheckForm::Form_QueryUnload(ui::CloseAction& action) {
  action = ui::CloseAction::kHide;
}

void ClientCheckForm::Command1_Click() {
  reading_ = vornik32::ClientCheck(ws_).Read();
  Label1.set_caption("Client layout " + reading_.layout + ": " + reading_.layout_reason + ".");
  List1.clear();
  for (const vornik32::CheckRow& row : reading_.rows) List1.add(vornik32::RowLine(row));
}

void ClientCheckForm::Command2_Click() {
  ui::Clipboard(ws_).SetText(vornik32::ReportText(reading_, NamesChosen()));
}

// The report saved is of a fresh reading, so that it and the capture beside it tell of the
// client as it was at the same moment. Only what was written is said to be saved.
void ClientCheckForm::Command3_Click() {
  CommonDialog1.set_dialog_title("Save the report and a capture of the client");
  CommonDialog1.set_filter({"*.txt  (Text Files)", "*.txt"});
  CommonDialog1.set_default_ext("txt");
  const std::string chosen = CommonDialog1.ShowSave();
  if (chosen.empty()) return;
  Command1_Click();
  const vornik32::Names names = NamesChosen();
  const std::string report = Stem(chosen) + kReportExtension;
  const std::string capture = Stem(chosen) + kCaptureExtension;
  if (vornik32::WriteTextFile(report, vornik32::ReportText(reading_, names)) !=
      vornik32::WriteResult::kWritten) {
    Label2.set_caption("The report could not be saved as " + report + ".");
    return;
  }
  if (vornik32::WriteTextFile(
          capture, vornik32::CaptureText(ws_, reading_, names, shared::kProgramVersion)) !=
      vornik32::WriteResult::kWritten) {
    Label2.set_caption("Saved the report as " + report + "; the capture could not be saved.");
    return;
  }
  Label2.set_caption("Saved the report as " + report + " and the capture as " + capture + ".");
}

void ClientCheckForm::Command4_Click() {
  form.Hide();
}

vornik32::Names ClientCheckForm::NamesChosen() const {
  return Check1.checked() ? vornik32::Names::kLeaveOut : vornik32::Names::kKeep;
}

}  // namespace serving_loop
