#pragma once
// `servingreportFrm`: the serving report the stop sequence fills in and shows. Seven labels in
// the "Statistics:" frame, each a fixed prefix and a value, and three buttons: copy the report to
// the clipboard, mail it to a screen name, close the window. While it is open the server window
// takes no input.

#include <string>

#include "aol_automation/wait_bounds.h"
#include "shared/ui/button.h"
#include "shared/ui/form.h"
#include "shared/ui/frame.h"
#include "shared/ui/label.h"

namespace ui {
class OwnerWindow;
}

namespace serving_loop {

inline constexpr char kReportTitle[] = "!! Tollmere Serving Report !!";
inline constexpr char kDatePrefix[] = "Date:  ";
inline constexpr char kScreennamePrefix[] = "Screenname:  ";
inline constexpr char kServingHandlePrefix[] = "Serving Handle:  ";
inline constexpr char kTimeStartedPrefix[] = "Time Started:  ";
inline constexpr char kTimeEndedPrefix[] = "Time Ended:  ";
inline constexpr char kPeopleServedPrefix[] = "People Served:  ";
inline constexpr char kMailsServedPrefix[] = "Mails Served:  ";
inline constexpr char kMailsNotSentPrefix[] = "Mails Not Sent:  ";

// What the stop sequence puts into the report, each value as the label shows it.
struct ReportValues {
  std::string date;
  std::string screen_name;
  std::string serving_handle;
  std::string time_started;
  std::string time_ended;
  int people_served = 0;
  int mails_served = 0;
  int mails_not_sent = 0;  // shown, and reported, only when some were given up
};

class ServingReportForm {
 public:
  // server_window is disabled while the report is open.
  ServingReportForm(winsys::WindowSystem& ws, ui::Registry& registry,
                    ui::OwnerWindow& server_window, const vornik32::WaitBounds& bounds);
  ~ServingReportForm();
  ServingReportForm(const ServingReportForm&) = delete;
  ServingReportForm& operator=(const ServingReportForm&) = delete;

  ui::Form form;
  ui::Frame Frame1;
  ui::Label Label1;     // Date
  ui::Label Label2;     // Screenname
  ui::Label Label3;     // Serving Handle
  ui::Label Label4;     // Time Started
  ui::Label Label5;     // Time Ended
  ui::Label Label6;     // People Served
  ui::Label Label7;     // Mails Served
  ui::Label Label8;     // Mails Not Sent, empty when none were given up
  ui::Button Command1;  // Copy
  ui::Button Command2;  // Send
  ui::Button Command3;  // Cancel

  // Writes the values after the labels' prefixes.
  void Fill(const ReportValues& values);
  // Loads the window if needed and shows it.
  void Show();
  // The title line, a blank line, then the label captions (the last only when mails were given
  // up), each line ended by CR LF.
  std::string ReportText() const;

  // --- Event handlers ---------------------------------------------------------------------------
  void Form_Load();
  void Form_Unload();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();

 private:
  winsys::WindowSystem& ws_;
  ui::OwnerWindow& server_window_;
  const vornik32::WaitBounds& bounds_;
};

}  // namespace serving_loop
