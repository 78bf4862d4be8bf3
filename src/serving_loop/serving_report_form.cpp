#include "serving_loop/serving_report_form.h"

#include "app/program.h"

namespace app {

serving_loop::ServingReportForm& Program::servingreportFrm() {
  if (!serving_report_form_)
    serving_report_form_ = std::make_shared<serving_loop::ServingReportForm>(*this);
  return *serving_report_form_;
}

}  // namespace app

namespace serving_loop {

using ui::TwipsRect;

namespace {
constexpr ui::TwipsSize kReportSize{3720, 3390};
constexpr int kLabelLeft = 120;
constexpr int kLabelTop = 270;
constexpr int kLabelWidth = 3135;
constexpr int kLabelHeight = 255;
TwipsRect LabelPlace(int row) {
  return TwipsRect{kLabelLeft, kLabelTop + row * kLabelHeight, kLabelWidth, kLabelHeight};
}
}  // namespace

ServingReportForm::ServingReportForm(app::Program& program)
    : form(program.ws(), program.registry(), "servingreportFrm", "Serving Report", kReportSize),
      Frame1(form, "Frame1", "Statistics:", TwipsRect{120, 120, 3375, 2145}),
      Label1(Frame1, "Label1", kDatePrefix, LabelPlace(0)),
      Label2(Frame1, "Label2", kScreennamePrefix, LabelPlace(1)),
      Label3(Frame1, "Label3", kServingHandlePrefix, LabelPlace(2)),
      Label4(Frame1, "Label4", kTimeStartedPrefix, LabelPlace(3)),
      Label5(Frame1, "Label5", kTimeEndedPrefix, LabelPlace(4)),
      Label6(Frame1, "Label6", kPeopleServedPrefix, LabelPlace(5)),
      Label7(Frame1, "Label7", kMailsServedPrefix, LabelPlace(6)),
      Command1(form, "Command1", "&Copy", TwipsRect{120, 2385, 1035, 375}),
      Command2(form, "Command2", "&Send", TwipsRect{1290, 2385, 1035, 375}),
      Command3(form, "Command3", "C&ancel", TwipsRect{2460, 2385, 1035, 375}),
      program_(program) {}

ServingReportForm::~ServingReportForm() = default;

void ServingReportForm::Fill(const ReportValues&) {}
void ServingReportForm::Show() {}
std::string ServingReportForm::ReportText() const {
  return {};
}
void ServingReportForm::Form_Load() {}
void ServingReportForm::Form_Unload() {}
void ServingReportForm::Command1_Click() {}
void ServingReportForm::Command2_Click() {}
void ServingReportForm::Command3_Click() {}

}  // namespace serving_loop
