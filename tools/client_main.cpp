// tollmere-client for Windows: the stand-in client as a program of its own, on the real window
// system, so that the program drives it across two processes as it would drive the real client.
// Its member records live in this process's real memory.
//
//   tollmere-client [--layout 4|5] [--sign-on NAME] [--room TITLE] [--members A,B,...]
//                   [--flash-mails N] [--record FILE] [--say-after SECONDS NAME TEXT]...
//                   [--freeze-seconds N]
//
// Besides the client's own windows it shows a console window: a person speaks in the room as
// any member there, and sees each mail the client delivered. Its Freeze button makes the whole
// stand-in stop answering for a while (20 s unless told), as a hung client does, to show that the
// program does not freeze with it. Each delivery and each line the program posted in the room is
// also written to the record file (and to standard output) as one line, for scripts that check a
// run.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "aolsim/client.h"
#include "shared/winsys/win32/win32_window_system.h"

namespace {

using winsys::HWND;
using winsys::LPARAM;
using winsys::LRESULT;
using winsys::UINT;
using winsys::WPARAM;

constexpr const char* kConsoleClass = "tollmere stand-in console";
constexpr int kSpeakerId = 1;
constexpr int kLineId = 2;
constexpr int kSayId = 3;
constexpr int kDeliveriesId = 4;
constexpr int kFreezeId = 5;
constexpr std::uintptr_t kPollTimer = 1;
constexpr std::uintptr_t kFirstSayTimer = 100;
constexpr UINT kPollMilliseconds = 250;

struct ScheduledLine {
  double seconds = 0;
  std::string speaker;
  std::string text;
};

struct Options {
  aolsim::Layout layout = aolsim::Layout::kVersion5;
  std::string screen_name;
  std::string room;
  std::vector<std::string> members;
  int flash_mails = 0;
  std::string record_file;
  std::vector<ScheduledLine> lines;
  int freeze_seconds = 20;
};

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, ',');) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : std::string(); };
    if (flag == "--layout") {
      options.layout = next() == "4" ? aolsim::Layout::kVersion4 : aolsim::Layout::kVersion5;
    } else if (flag == "--sign-on") {
      options.screen_name = next();
    } else if (flag == "--room") {
      options.room = next();
    } else if (flag == "--members") {
      options.members = SplitCommas(next());
    } else if (flag == "--flash-mails") {
      options.flash_mails = std::atoi(next().c_str());
    } else if (flag == "--record") {
      options.record_file = next();
    } else if (flag == "--freeze-seconds") {
      options.freeze_seconds = std::atoi(next().c_str());
    } else if (flag == "--say-after" && i + 3 < argc) {
      ScheduledLine line;
      line.seconds = std::atof(argv[++i]);
      line.speaker = argv[++i];
      line.text = argv[++i];
      options.lines.push_back(line);
    } else {
      return false;
    }
  }
  return true;
}

// The console window and what it reports.
class Console {
 public:
  Console(winsys::WindowSystem& ws, aolsim::Client& client, const Options& options)
      : ws_(ws), client_(client), options_(options) {
    if (!options.record_file.empty()) record_.open(options.record_file, std::ios::app);
  }

  void Open() {
    ws_.RegisterClass(kConsoleClass,
                      [this](HWND h, UINT m, WPARAM w, LPARAM l) { return Handle(h, m, w, l); });
    window_ = Make(kConsoleClass, "tollmere stand-in: the room and the mail delivered",
                   winsys::WS_OVERLAPPEDWINDOW | winsys::WS_VISIBLE, winsys::kNoWindow, 0,
                   winsys::Rect{600, 40, 1010, 420});
    Make("Edit", options_.members.empty() ? "" : options_.members.front(),
         winsys::WS_CHILD | winsys::WS_VISIBLE | winsys::WS_BORDER, window_, kSpeakerId,
         winsys::Rect{8, 8, 128, 30});
    Make("Edit", "", winsys::WS_CHILD | winsys::WS_VISIBLE | winsys::WS_BORDER, window_, kLineId,
         winsys::Rect{136, 8, 320, 30});
    Make("Button", "Say", winsys::WS_CHILD | winsys::WS_VISIBLE, window_, kSayId,
         winsys::Rect{328, 8, 392, 30});
    Make("ListBox", "",
         winsys::WS_CHILD | winsys::WS_VISIBLE | winsys::WS_BORDER | winsys::WS_VSCROLL, window_,
         kDeliveriesId, winsys::Rect{8, 40, 392, 300});
    Make("Button", "Freeze " + std::to_string(options_.freeze_seconds) + " s",
         winsys::WS_CHILD | winsys::WS_VISIBLE, window_, kFreezeId, winsys::Rect{8, 306, 128, 328});
    ws_.SetTimer(window_, kPollTimer, kPollMilliseconds);
    for (std::size_t i = 0; i < options_.lines.size(); ++i) {
      ws_.SetTimer(window_, kFirstSayTimer + i,
                   static_cast<UINT>(options_.lines[i].seconds * 1000.0));
    }
  }

 private:
  HWND Make(const char* class_name, const std::string& caption, winsys::DWORD style, HWND parent,
            int id, const winsys::Rect& rect) {
    winsys::CreateParams params;
    params.class_name = class_name;
    params.caption = caption;
    params.style = style;
    params.parent = parent;
    params.control_id = id;
    params.rect = rect;
    return ws_.CreateWindow(params);
  }

  LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case winsys::WM_COMMAND:
        if (winsys::HighWord(wparam) != winsys::BN_CLICKED) return 0;
        if (winsys::LowWord(wparam) == kSayId) SayTyped();
        if (winsys::LowWord(wparam) == kFreezeId) Freeze();
        return 0;
      case winsys::WM_TIMER:
        if (wparam == kPollTimer) {
          Report();
        } else if (wparam >= kFirstSayTimer && wparam - kFirstSayTimer < options_.lines.size()) {
          ws_.KillTimer(window, wparam);
          const ScheduledLine& line = options_.lines[wparam - kFirstSayTimer];
          client_.Say(line.speaker, line.text);
          Write("said: " + line.speaker + ": " + line.text);
        }
        return 0;
      case winsys::WM_CLOSE:
        ws_.PostQuitMessage(0);
        return 0;
      default:
        return ws_.DefWindowProc(window, message, wparam, lparam);
    }
  }

  void SayTyped() {
    const std::string speaker = ws_.GetWindowText(ws_.GetDlgItem(window_, kSpeakerId));
    const HWND line = ws_.GetDlgItem(window_, kLineId);
    const std::string text = ws_.GetWindowText(line);
    if (speaker.empty() || text.empty()) return;
    client_.Say(speaker, text);
    Write("said: " + speaker + ": " + text);
    ws_.SetWindowText(line, "");
  }

  // Holds this thread, and with it every window of the stand-in, without looking at a message.
  void Freeze() {
    Write("frozen: " + std::to_string(options_.freeze_seconds) + " s");
    std::this_thread::sleep_for(std::chrono::seconds(options_.freeze_seconds));
    Write("thawed");
  }

  // New deliveries and the program's new lines in the room, since the last look.
  void Report() {
    const auto& deliveries = client_.Deliveries();
    for (; delivered_ < deliveries.size(); ++delivered_) {
      const aolsim::Delivery& delivery = deliveries[delivered_];
      std::string line = "delivered: to " + delivery.recipients_text + " | " + delivery.subject;
      if (!delivery.stored_subject.empty()) line += " | mail " + delivery.stored_subject;
      Write(line);
      const HWND list = ws_.GetDlgItem(window_, kDeliveriesId);
      ws_.SendMessage(list, winsys::LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    const std::vector<aolsim::ChatLine> posted = client_.UserLines();
    for (; posted_ < posted.size(); ++posted_) Write("posted: " + posted[posted_].text);
  }

  void Write(const std::string& line) {
    std::cout << line << std::endl;
    if (record_) record_ << line << std::endl;
  }

  winsys::WindowSystem& ws_;
  aolsim::Client& client_;
  const Options& options_;
  std::ofstream record_;
  HWND window_ = winsys::kNoWindow;
  std::size_t delivered_ = 0;
  std::size_t posted_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::cerr << "usage: tollmere-client [--layout 4|5] [--sign-on NAME] [--room TITLE]\n"
                 "         [--members A,B,...] [--flash-mails N] [--record FILE]\n"
                 "         [--say-after SECONDS NAME TEXT]... [--freeze-seconds N]\n";
    return 2;
  }
  winsys::win32::Win32WindowSystem ws;
  aolsim::Client client(ws, options.layout);
  client.Start();
  if (!options.screen_name.empty()) client.SignOn(options.screen_name);
  if (!options.room.empty()) client.OpenRoom(options.room, options.members);
  if (options.flash_mails > 0) client.GenerateFlashMails(options.flash_mails, "Picture of the day");
  Console console(ws, client, options);
  console.Open();
  std::cout << "stand-in ready" << std::endl;  // the console window is up
  while (!ws.ShouldQuit()) {
    ws.DoEvents();
    if (!ws.ShouldQuit()) ws.WaitForWork(ws.clock().Now() + 1.0);
  }
  return 0;
}
