// Status bar, progress bar, MDI client and toolbar strip through their messages.

#include <string>
#include <vector>

#include "winsys_sim/sim_fixture.h"

namespace winsys::sim::testing {
namespace {

class BarsAndContainersTest : public SimFixture {};

TEST_F(BarsAndContainersTest, StatusBarPanel) {
  const HWND bar = CreateControl("msctls_statusbar32", "Idle", 0, 9);
  EXPECT_EQ(TextOf(bar), "Idle");
  EXPECT_EQ(SendText(bar, SB_SETTEXTA, 0, "Serving Ben"), 1);
  EXPECT_EQ(Send(bar, SB_GETTEXTLENGTHA, 0), 11);
  char buffer[32] = {};
  EXPECT_EQ(Send(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(buffer)), 11);
  EXPECT_STREQ(buffer, "Serving Ben");
  EXPECT_EQ(TextOf(bar), "Serving Ben");

  EXPECT_EQ(SendText(bar, SB_SETTEXTA, 1, "no such panel"), 0);
  EXPECT_EQ(Send(bar, SB_GETTEXTLENGTHA, 1), 0);
  EXPECT_EQ(TextOf(bar), "Serving Ben");

  app_.SetWindowText(bar, "Paused");
  EXPECT_EQ(Send(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(buffer)), 6);
  EXPECT_STREQ(buffer, "Paused");
}

TEST_F(BarsAndContainersTest, ProgressBarRangeAndPosition) {
  const HWND bar = CreateControl("msctls_progress32", "", 0, 10);
  struct Step {
    const char* what;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
    LRESULT expected;
  };
  const Step steps[] = {
      {"starts at 0", PBM_GETPOS, 0, 0, 0},
      {"set answers the previous", PBM_SETPOS, 50, 0, 0},
      {"beyond the maximum", PBM_SETPOS, 150, 0, 50},
      {"held at 100", PBM_GETPOS, 0, 0, 100},
      {"default range 0..100", PBM_SETRANGE, 0, static_cast<LPARAM>(MakeWParam(10, 20)),
       static_cast<LRESULT>(MakeWParam(0, 100))},
      {"pulled into the new range", PBM_GETPOS, 0, 0, 20},
      {"below the minimum", PBM_SETPOS, 5, 0, 20},
      {"held at 10", PBM_GETPOS, 0, 0, 10},
      {"a wide range", PBM_SETRANGE32, 0, 40000, static_cast<LRESULT>(MakeWParam(10, 20))},
      {"minimum", PBM_GETRANGE, 1, 0, 0},
      {"maximum", PBM_GETRANGE, 0, 0, 40000},
      {"within it", PBM_SETPOS, 32767, 0, 10},
      {"kept", PBM_GETPOS, 0, 0, 32767},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    EXPECT_EQ(Send(bar, step.message, step.wparam, step.lparam), step.expected);
  }
}

class MdiTest : public SimFixture {
 protected:
  struct Activation {
    HWND window;
    HWND deactivated;
    HWND activated;
    bool operator==(const Activation&) const = default;
  };

  MdiTest() {
    app_.RegisterClass("TestDocument", [this](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
      if (m == WM_MDIACTIVATE) {
        activations_.push_back({w, static_cast<HWND>(wp), static_cast<HWND>(lp)});
      }
      return app_.DefWindowProc(w, m, wp, lp);
    });
    client_ = CreateControl("MDIClient", "", 0, 0);
  }

  HWND Document(const char* caption) {
    CreateParams params;
    params.class_name = "TestDocument";
    params.caption = caption;
    params.style = WS_CHILD | WS_VISIBLE | WS_CAPTION;
    params.parent = client_;
    return app_.CreateWindow(params);
  }

  HWND client_ = kNoWindow;
  std::vector<Activation> activations_;
};

TEST_F(MdiTest, ActivateBringsTheChildToTheFrontAndTellsBothChildren) {
  const HWND mail = Document("Mail");
  const HWND chat = Document("Chat");
  const HWND welcome = Document("Welcome");
  ASSERT_EQ(app_.GetWindow(client_, GW_CHILD), welcome);

  Send(client_, WM_MDIACTIVATE, mail);
  EXPECT_EQ(desktop_.Children(client_), (std::vector<HWND>{mail, welcome, chat}));
  EXPECT_EQ(app_.FindWindowEx(client_, kNoWindow, nullptr, nullptr), mail);
  EXPECT_EQ(activations_,
            (std::vector<Activation>{{welcome, welcome, mail}, {mail, welcome, mail}}));

  activations_.clear();
  Send(client_, WM_MDIACTIVATE, mail);  // already in front: only the child hears it
  EXPECT_EQ(activations_, (std::vector<Activation>{{mail, kNoWindow, mail}}));

  activations_.clear();
  Send(client_, WM_MDIACTIVATE, form_);  // not a child of this client
  Send(client_, WM_MDIACTIVATE, 0);
  EXPECT_TRUE(activations_.empty());
  EXPECT_EQ(app_.GetWindow(client_, GW_CHILD), mail);
}

TEST_F(BarsAndContainersTest, ToolbarPassesItsButtonsClicksToTheForm) {
  const HWND strip = CreateControl("ToolbarWindow32", "", 0, 20);
  const HWND button = CreateControl("Button", "Options", BS_PUSHBUTTON, 21, strip);
  desktop_.UserClick(button);
  ASSERT_EQ(notifications_.size(), 1u);
  EXPECT_EQ(notifications_[0], (Notification{21, BN_CLICKED, button, form_}));
}

}  // namespace
}  // namespace winsys::sim::testing
