#include "serving_engine/server_form.h"

#include "app/program.h"
#include "list_designer/banning_form.h"
#include "list_designer/list_designer_form.h"
#include "serving_loop/menu_form.h"
#include "serving_loop/serving_loop.h"

namespace app {

serving_engine::ServerForm& Program::serverFrm() {
  if (!server_form_) server_form_ = std::make_shared<serving_engine::ServerForm>(*this);
  return *server_form_;
}

void Program::Start() {
  serverFrm().Load();
}

}  // namespace app

namespace serving_engine {

using ui::TimerState;
using ui::TwipsRect;

std::string ServedCountsText(int mails_served, int people_served) {
  return std::to_string(mails_served) + " Mails, " + std::to_string(people_served) +
         " People Served";
}

// What the chat intake reads, from the windows that own it.
class ServerForm::Sources : public IntakeSources {
 public:
  explicit Sources(app::Program& program, ServerForm& server)
      : program_(program), server_(server) {}

  std::string ServingHandle() const override { return program_.menuFrm().ServingHandle(); }
  std::int64_t ItemRequestLimit() const override { return program_.menuFrm().ItemRequestLimit(); }
  std::int64_t FindRequestLimit() const override { return program_.menuFrm().FindRequestLimit(); }
  bool IsBanned(std::string_view sender) const override {
    return program_.variables().BanListUsed && program_.banningFrm().IsBanned(sender);
  }
  std::int64_t MailCount() const override { return program_.listdesignerFrm().MailList.count(); }
  bool IsValidNumber(std::int64_t number) const override { return server_.IsValidNumber(number); }
  void LetMessagesRun() override { program_.ws().DoEvents(); }

 private:
  app::Program& program_;
  ServerForm& server_;
};

ServerForm::ServerForm(app::Program& program)
    : form(program.ws(), program.registry(), "serverFrm", kServerCaption, kServerSize),
      Toolbar1(form, "Toolbar1", TwipsRect{0, 0, 4605, 420}),
      Command1(form, "Command1", kStartCaption, TwipsRect{45, 75, 900, 285}),
      Command2(form, "Command2", kPauseCaption, TwipsRect{945, 75, 900, 285}),
      Command3(form, "Command3", "Finish", TwipsRect{1845, 75, 900, 285}),
      Command4(form, "Command4", "Banning", TwipsRect{2745, 75, 900, 285}),
      Command5(form, "Command5", "Options", TwipsRect{3645, 75, 900, 285}),
      Frame1(form, "Frame1", std::string(kItemRequestsLabel) + "0", TwipsRect{45, 495, 2205, 3825}),
      Requests(Frame1, "Requests", TwipsRect{105, 285, 1995, 3435}, kItemRequestsLabel),
      Frame2(form, "Frame2", std::string(kListRequestsLabel) + "0",
             TwipsRect{2355, 495, 2205, 1800}),
      Lists(Frame2, "Lists", TwipsRect{105, 285, 1995, 1410}, kListRequestsLabel),
      Frame3(form, "Frame3", std::string(kFindRequestsLabel) + "0",
             TwipsRect{2355, 2520, 2205, 1800}),
      Finds(Frame3, "Finds", TwipsRect{105, 285, 1995, 1410}, kFindRequestsLabel),
      StatusBar1(form, "StatusBar1", ServedCountsText(0, 0), TwipsRect{0, 4320, 4605, 285}),
      PeopleServed(form, "PeopleServed", TwipsRect{0, 0, 1215, 255}, ui::Visibility::kHidden),
      Statuss(form, "Statuss"),
      ChatTimer(form, "ChatTimer", 5000, TimerState::kDisabled),
      RequestTimer(form, "RequestTimer", 100, TimerState::kDisabled),
      WindowTimer(form, "WindowTimer", 100, TimerState::kDisabled),
      AdvTimer(form, "AdvTimer", 60000, TimerState::kDisabled),
      ListTimer(form, "ListTimer", 60000, TimerState::kDisabled),
      program_(program),
      sources_(std::make_unique<Sources>(program, *this)),
      intake_(IntakeQueues{Requests, Lists, Finds, Statuss}, *sources_) {
  form.set_font_name("Arial");
  form.on_load = [this] { Form_Load(); };
  form.on_resize = [this] { Form_Resize(); };
  form.on_unload = [this] { Form_Unload(); };
  Command1.on_click = [this] { Command1_Click(); };
  Command2.on_click = [this] { Command2_Click(); };
  Command3.on_click = [this] { Command3_Click(); };
  Command4.on_click = [this] { Command4_Click(); };
  Command5.on_click = [this] { Command5_Click(); };
  Requests.list_for_events().on_double_click = [this] { Requests_DblClick(); };
  Lists.list_for_events().on_double_click = [this] { Lists_DblClick(); };
  Finds.list_for_events().on_double_click = [this] { Finds_DblClick(); };
  ChatTimer.on_timer = [this] { ChatTimer_Timer(); };
  RequestTimer.on_timer = [this] { RequestTimer_Timer(); };
  WindowTimer.on_timer = [this] { WindowTimer_Timer(); };
  AdvTimer.on_timer = [this] { AdvTimer_Timer(); };
  ListTimer.on_timer = [this] { ListTimer_Timer(); };
}

ServerForm::~ServerForm() = default;

void ServerForm::Form_Load() {}
void ServerForm::Form_Resize() {}
void ServerForm::Form_Unload() {}
void ServerForm::Command1_Click() {}
void ServerForm::Command2_Click() {}
void ServerForm::Command3_Click() {}
void ServerForm::Command4_Click() {}
void ServerForm::Command5_Click() {}
void ServerForm::Requests_DblClick() {}
void ServerForm::Lists_DblClick() {}
void ServerForm::Finds_DblClick() {}
void ServerForm::ChatTimer_Timer() {}

void ServerForm::RequestTimer_Timer() {
  program_.servingLoop().RequestTimer_Timer();
}

void ServerForm::WindowTimer_Timer() {}
void ServerForm::AdvTimer_Timer() {}
void ServerForm::ListTimer_Timer() {}

void ServerForm::AddToServed(const std::string&) {}

bool ServerForm::IsValidNumber(std::int64_t number) const {
  return number >= 0 && number < program_.listdesignerFrm().MailList.count();
}

void ServerForm::AdvCommands() {}

std::vector<std::string> ServerForm::AdvertLines() const {
  return {};
}

void ServerForm::PostAdvert() {}

int ServerForm::MailsServed() const {
  return 0;
}

void ServerForm::ShowServedCounts(int) {}

bool ServerForm::IsServing() const {
  return Command1.caption() != kStartCaption;
}

void ServerForm::StartServing() {}

bool ServerForm::OpenAndHideMailbox() {
  return false;
}

void ServerForm::RemoveSelected(RequestQueue&) {}

bool ServerForm::AdvertMinuteDue(int) const {
  return false;
}

bool ServerForm::ListMinuteDue(int) const {
  return false;
}

}  // namespace serving_engine
