// The program's own windows on the real window system: every control drawn in the dialog font,
// and every caption fitting its control at the designed size in that font.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "list_designer/banning_form.h"
#include "list_designer/list_designer_form.h"
#include "list_designer/list_designer_status_form.h"
#include "list_designer/messages_form.h"
#include "serving_engine/server_form.h"
#include "serving_loop/serving_report_form.h"
#include "shared/ui/registry.h"
#include "shared/winsys/win32/win32_window_system.h"

// After the program's headers, whose names the platform's macros would rename.
// clang-format off
#include <windows.h>
// clang-format on

#include "winsys_win32/person_input.h"

namespace {

using winsys::win32::testing::ClickAt;
using winsys::win32::testing::PressKey;
using winsys::win32::testing::Real;

std::string ClassOf(HWND window) {
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[512] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

// Room a control's frame, check box or inner margin takes beside its caption.
int MarginBeside(HWND window) {
  if (ClassOf(window) != "Button") return 0;
  switch (::GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return 13 + 4;
    case BS_GROUPBOX:
      return 8;
    default:
      return 4;
  }
}

// The caption drawn in the control's own font: one line for a button, wrapped at the control's
// width for a label.
SIZE CaptionExtent(HWND window, const std::string& caption, int width) {
  HDC dc = ::GetDC(window);
  const HGDIOBJ previous =
      ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(window, WM_GETFONT, 0, 0)));
  RECT rect{0, 0, width, 0};
  const UINT format = ClassOf(window) == "Static" ? DT_WORDBREAK : DT_SINGLELINE;
  ::DrawTextA(dc, caption.c_str(), -1, &rect, format | DT_CALCRECT);
  ::SelectObject(dc, previous);
  ::ReleaseDC(window, dc);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void EachDescendant(HWND parent, const std::function<void(HWND)>& visit) {
  for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    visit(child);
    EachDescendant(child, visit);
  }
}

struct FormCase {
  const char* name;
  std::function<ui::Form&(app::Program&)> form;
};

class ProgramWindowsTest : public ::testing::TestWithParam<FormCase> {
 protected:
  winsys::win32::Win32WindowSystem ws_;
  ui::Registry registry_;
  app::Program program_{ws_, registry_};
};

// Loaded without what its loading does (greeting the room, a box to answer): only the window and
// its controls are looked at.
TEST_P(ProgramWindowsTest, EveryControlHasTheDialogFontAndEveryCaptionFits) {
  ui::Form& form = GetParam().form(program_);
  form.on_load = nullptr;
  form.Load();
  ASSERT_TRUE(form.is_loaded());
  int looked_at = 0;
  EachDescendant(Real(form.hwnd()), [&](HWND control) {
    const std::string caption = TextOf(control);
    SCOPED_TRACE(ClassOf(control) + " \"" + caption + "\"");
    ++looked_at;
    EXPECT_NE(::SendMessageA(control, WM_GETFONT, 0, 0), 0) << "drawn in the System font";
    const std::string kind = ClassOf(control);
    if (caption.empty() || (kind != "Button" && kind != "Static")) return;
    RECT client;
    ::GetClientRect(control, &client);
    const int room = client.right - MarginBeside(control);
    const SIZE needed = CaptionExtent(control, caption, room);
    EXPECT_LE(needed.cx, room) << "the caption is cut at the side";
    EXPECT_LE(needed.cy, client.bottom) << "the caption is cut below";
  });
  EXPECT_GT(looked_at, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ProgramWindowsTest,
    ::testing::Values(
        FormCase{"Server", [](app::Program& p) -> ui::Form& { return p.serverFrm().form; }},
        FormCase{"ListDesigner",
                 [](app::Program& p) -> ui::Form& { return p.listdesignerFrm().form; }},
        FormCase{"ListDesignerStatus",
                 [](app::Program& p) -> ui::Form& { return p.listdesignerstatusFrm().form; }},
        FormCase{"Banning", [](app::Program& p) -> ui::Form& { return p.banningFrm().form; }},
        FormCase{"Messages", [](app::Program& p) -> ui::Form& { return p.messagesFrm().form; }},
        FormCase{"ServingReport",
                 [](app::Program& p) -> ui::Form& { return p.servingreportFrm().form; }}),
    [](const auto& info) { return std::string(info.param.name); });

// The program's loop, as it turns between waits, until done() or a few seconds have passed.
bool RunLoopUntil(winsys::win32::Win32WindowSystem& ws, const std::function<bool()>& done) {
  constexpr int kRounds = 100;
  for (int i = 0; i < kRounds && !done(); ++i) {
    ws.DoEvents();
    ::MsgWaitForMultipleObjectsEx(0, nullptr, 50, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  return done();
}

// The program's windows answer a person, not only the messages a driving program sends: the
// platform queues a person's input apart from posted messages, and the loop must hand it out.
TEST(PersonAtTheDesk, ClicksIntoAFieldOfTheProgramAndTypesThere) {
  winsys::win32::Win32WindowSystem ws;
  ui::Registry registry;
  app::Program program(ws, registry);
  ui::Form& form = program.messagesFrm().form;
  form.on_load = nullptr;
  form.Load();
  ASSERT_TRUE(form.is_loaded());
  const HWND window = Real(form.hwnd());
  ::ShowWindow(window, SW_SHOW);
  ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::SetForegroundWindow(window);
  HWND field = nullptr;
  EachDescendant(window, [&](HWND control) {
    if (field == nullptr && ClassOf(control) == "Edit") field = control;
  });
  ASSERT_NE(field, nullptr);
  const std::string before = TextOf(field);
  RECT place;
  ::GetWindowRect(field, &place);

  ClickAt(POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2});
  ASSERT_TRUE(RunLoopUntil(ws, [&] { return ::GetFocus() == field; }))
      << "the click did not reach the field";
  PressKey(VK_END);
  PressKey('X');
  PressKey('Y');
  EXPECT_TRUE(RunLoopUntil(ws, [&] { return TextOf(field) == before + "xy"; }))
      << "the field reads \"" << TextOf(field) << "\"";
}

// A person opens the Banning drop-down and sees every member on a row of its own; the window
// shows the program's own icon.
TEST(PersonAtTheDesk, OpensTheBanningDropDownOnTheMembers) {
  winsys::win32::Win32WindowSystem ws;
  ui::Registry registry;
  app::Program program(ws, registry);
  list_designer::BanningForm& banning = program.banningFrm();
  banning.form.on_load = banning.form.on_activate = nullptr;  // which read the room: none here
  banning.form.Load();
  for (const char* name : {"PixieDust", "Joe Smith", "OldTimer", "starlight77"})
    banning.Combo1.add(name);
  const HWND window = Real(banning.form.hwnd()), combo = Real(banning.Combo1.hwnd());
  EXPECT_NE(::GetClassLongPtrA(window, GCLP_HICON), 0u) << "the system's icon";
  ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  ::SetForegroundWindow(window);
  RECT place, list;
  ::GetWindowRect(combo, &place);
  ClickAt(POINT{place.right - 6, (place.top + place.bottom) / 2});  // the arrow
  ASSERT_TRUE(RunLoopUntil(ws, [&] { return ::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0); }));
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(::GetComboBoxInfo(combo, &info) && ::GetClientRect(info.hwndList, &list));
  EXPECT_EQ(::SendMessageA(info.hwndList, LB_GETCOUNT, 0, 0), 4);
  EXPECT_GE(list.bottom, 4 * ::SendMessageA(info.hwndList, LB_GETITEMHEIGHT, 0, 0));
}

// The report's date and time as the user's locale writes them in short; on an English Windows
// (Wine's own default) exactly the forms of the simulated desktop.
TEST(Win32Clock, WritesTheShortDateAndTimeInTheUsersLocale) {
  winsys::win32::Win32WindowSystem ws;
  const winsys::Clock& clock = ws.clock();
  const winsys::LocalTime afternoon{2000, 6, 15, 13, 5, 9, 0};
  const winsys::LocalTime morning{2024, 11, 3, 0, 7, 45, 0};
  if (::GetUserDefaultLCID() ==
      MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT)) {
    EXPECT_EQ(clock.ShortDateText(afternoon), "6/15/2000");
    EXPECT_EQ(clock.TimeOfDayText(afternoon), "1:05:09 PM");
    EXPECT_EQ(clock.ShortDateText(morning), "11/3/2024");
    EXPECT_EQ(clock.TimeOfDayText(morning), "12:07:45 AM");
  } else {
    for (const auto& time : {afternoon, morning}) {
      const std::string date = clock.ShortDateText(time);
      EXPECT_NE(date.find(std::to_string(time.day)), std::string::npos) << date;
      EXPECT_NE(clock.TimeOfDayText(time).find(std::to_string(time.second)), std::string::npos);
    }
  }
}

}  // namespace
