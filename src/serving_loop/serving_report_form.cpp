#include "serving_loop/serving_report_form.h"

#include "aol_automation/automation.h"
#include "shared/addresses.h"
#include "shared/ui/clipboard.h"
#include "shared/ui/input_box.h"
#include "shared/ui/message_box.h"
#include "shared/ui/owner_window.h"
#include "shared/ui/stay_on_top.h"
#include "shared/winsys/wait.h"

namespace serving_loop {

using ui::TwipsRect;

namespace {

constexpr ui::TwipsSize kReportSize{3720, 3645};
constexpr int kLabelLeft = 120;
constexpr int kLabelTop = 270;
constexpr int kLabelWidth = 3135;
constexpr int kLabelHeight = 255;
constexpr char kLineBreak[] = "\r\n";
constexpr double kPauseBeforeSending = 0.5;

// An example mail address of 18 characters: sent as it stands it is refused, being longer than
// a screen name can be, so only a name the user typed is ever mailed.
constexpr char kSendToExample[] = "screenname@aol.com";

TwipsRect LabelPlace(int row) {
  return TwipsRect{kLabelLeft, kLabelTop + row * kLabelHeight, kLabelWidth, kLabelHeight};
}

}  // namespace

ServingReportForm::ServingReportForm(winsys::WindowSystem& ws, ui::Registry& registry,
                                     ui::OwnerWindow& server_window,
                                     const vornik32::WaitBounds& bounds)
    : form(ws, registry, "servingreportFrm", "Serving Report", kReportSize),
      Frame1(form, "Frame1", "Statistics:", TwipsRect{120, 120, 3375, 2400}),
      Label1(Frame1, "Label1", kDatePrefix, LabelPlace(0)),
      Label2(Frame1, "Label2", kScreennamePrefix, LabelPlace(1)),
      Label3(Frame1, "Label3", kServingHandlePrefix, LabelPlace(2)),
      Label4(Frame1, "Label4", kTimeStartedPrefix, LabelPlace(3)),
      Label5(Frame1, "Label5", kTimeEndedPrefix, LabelPlace(4)),
      Label6(Frame1, "Label6", kPeopleServedPrefix, LabelPlace(5)),
      Label7(Frame1, "Label7", kMailsServedPrefix, LabelPlace(6)),
      Label8(Frame1, "Label8", "", LabelPlace(7)),
      Command1(form, "Command1", "&Copy", TwipsRect{120, 2640, 1035, 375}),
      Command2(form, "Command2", "&Send", TwipsRect{1290, 2640, 1035, 375}),
      Command3(form, "Command3", "C&ancel", TwipsRect{2460, 2640, 1035, 375}),
      ws_(ws),
      server_window_(server_window),
      bounds_(bounds) {
  form.on_load = [this] { Form_Load(); };
  form.on_unload = [this] { Form_Unload(); };
  Command1.on_click = [this] { Command1_Click(); };
  Command2.on_click = [this] { Command2_Click(); };
  Command3.on_click = [this] { Command3_Click(); };
}

ServingReportForm::~ServingReportForm() = default;

void ServingReportForm::Fill(const ReportValues& values) {
  Label1.set_caption(kDatePrefix + values.date);
  Label2.set_caption(kScreennamePrefix + values.screen_name);
  Label3.set_caption(kServingHandlePrefix + values.serving_handle);
  Label4.set_caption(kTimeStartedPrefix + values.time_started);
  Label5.set_caption(kTimeEndedPrefix + values.time_ended);
  Label6.set_caption(kPeopleServedPrefix + std::to_string(values.people_served));
  Label7.set_caption(kMailsServedPrefix + std::to_string(values.mails_served));
  Label8.set_caption(values.mails_not_sent > 0
                         ? kMailsNotSentPrefix + std::to_string(values.mails_not_sent)
                         : std::string());
}

void ServingReportForm::Show() {
  form.Show();
}

std::string ServingReportForm::ReportText() const {
  std::string text = std::string(kReportTitle) + kLineBreak + kLineBreak;
  for (const ui::Label* label :
       {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8}) {
    if (label->caption().empty()) continue;
    text += label->caption();
    text += kLineBreak;
  }
  return text;
}

void ServingReportForm::Form_Load() {
  server_window_.Disable();
  ui::StayOnTop(ws_, form.hwnd());
}

void ServingReportForm::Form_Unload() {
  server_window_.Enable();
}

void ServingReportForm::Command1_Click() {
  ui::Clipboard(ws_).SetText(ReportText());
  ui::MsgBox(ws_, form.hwnd(), "The serving report has been copied to the clipboard.",
             ui::MsgBoxButtons::kOk, ui::MsgBoxIcon::kInformation, shared::kProgramTitle);
}

void ServingReportForm::Command2_Click() {
  std::string recipient =
      ui::InputBox(ws_, form.hwnd(), "Who do you want to send the serving report to?",
                   "Send to who?", kSendToExample);
  if (!vornik32::IsValidScreenName(ws_, recipient)) return;
  winsys::WaitSeconds(ws_, kPauseBeforeSending);
  vornik32::SendMailForClient(ws_, recipient, kReportTitle, ReportText(), bounds_);
}

void ServingReportForm::Command3_Click() {
  form.Unload();
}

}  // namespace serving_loop
