// Reading an item of another program's list on the real window system, while that list changes
// under the reader: a second program (list-host, built beside this suite) holds a list of a class
// derived from the standard list box whose item grows each time its text is read.

#include <gtest/gtest.h>

#include <string>

#include "shared/winsys/win32/win32_window_system.h"

// After the program's headers, whose names the platform's macros would rename.
// clang-format off
#include <windows.h>
// clang-format on
#undef SendMessage

namespace {

constexpr const char* kHostCaption = "tollmere test: a growing list";
constexpr const char* kItem = "Picture of the day 1";

// The second program, started with its item and how much it grows per text read; closed and
// waited for when the case ends.
class ListHost {
 public:
  ListHost(const std::string& caption, const std::string& item, int growth) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of("\\/") + 1);
    std::string command = "\"" + folder + "list-host.exe\" \"" + caption + "\" \"" + item + "\" " +
                          std::to_string(growth);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    started_ = ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                nullptr, &startup, &process_);
    for (int i = 0; started_ && window_ == nullptr && i < 300; ++i) {
      window_ = ::FindWindowA("List Host", caption.c_str());
      if (window_ == nullptr) ::Sleep(100);
    }
  }
  ~ListHost() {
    if (!started_) return;
    if (window_ != nullptr) ::PostMessageA(window_, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) {
      ::TerminateProcess(process_.hProcess, 1);
    }
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
  }
  ListHost(const ListHost&) = delete;
  ListHost& operator=(const ListHost&) = delete;

  winsys::HWND list() const {
    const HWND list = ::FindWindowExA(window_, nullptr, "Derived Tree", nullptr);
    return static_cast<winsys::HWND>(reinterpret_cast<std::uintptr_t>(list));
  }

 private:
  bool started_ = false;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

struct GrowthCase {
  const char* name;
  int growth;  // characters added each time the item's text is read
};

class ItemTextAcrossTest : public ::testing::TestWithParam<GrowthCase> {};

// The reader sizes its buffer from the length it was told, as the platform's contract has it;
// the item then grows (a little, or by more than any fixed spare) before each later message.
// What comes back is the item as it began, cut at the told length, and the bytes after the
// buffer are untouched.
TEST_P(ItemTextAcrossTest, NeverWritesPastTheBufferTheToldLengthSized) {
  const ListHost host(kHostCaption, kItem, GetParam().growth);
  winsys::win32::Win32WindowSystem ws;
  const winsys::HWND list = host.list();
  ASSERT_NE(list, winsys::kNoWindow) << "the second program did not come up";
  const winsys::LRESULT length = ws.SendMessage(list, LB_GETTEXTLEN, 0, 0);
  ASSERT_EQ(length, static_cast<winsys::LRESULT>(std::string(kItem).size()));
  const std::string guard = "GUARDBYTES";
  std::string buffer(static_cast<std::size_t>(length) + 1, '?');
  buffer += guard;
  const winsys::LRESULT copied =
      ws.SendMessage(list, LB_GETTEXT, 0, reinterpret_cast<winsys::LPARAM>(buffer.data()));
  EXPECT_EQ(copied, length);
  EXPECT_EQ(std::string(buffer.c_str()), kItem);
  EXPECT_EQ(buffer.substr(static_cast<std::size_t>(length) + 1), guard)
      << "wrote past the buffer the told length sized";

  // Asked afresh, the length is the grown item's, and the whole of it comes back.
  const winsys::LRESULT grown = ws.SendMessage(list, LB_GETTEXTLEN, 0, 0);
  ASSERT_GE(grown, length);
  std::string again(static_cast<std::size_t>(grown) + 1, '?');
  again += guard;
  ws.SendMessage(list, LB_GETTEXT, 0, reinterpret_cast<winsys::LPARAM>(again.data()));
  EXPECT_EQ(std::string(again.c_str()).substr(0, std::string(kItem).size()), kItem);
  EXPECT_EQ(std::string(again.c_str()).size(), static_cast<std::size_t>(grown));
  EXPECT_EQ(again.substr(static_cast<std::size_t>(grown) + 1), guard);
}

INSTANTIATE_TEST_SUITE_P(Growths, ItemTextAcrossTest,
                         ::testing::Values(GrowthCase{"Unchanged", 0}, GrowthCase{"ByOne", 1},
                                           GrowthCase{"BeyondAnyFixedSpare", 300}),
                         [](const auto& info) { return std::string(info.param.name); });

// A list late with its answers: neither its item's length nor its text reads as an answer.
TEST(ItemTextAcrossLateTest, ALateAnswerIsNoAnswer) {
  const ListHost host(kHostCaption, kItem, -1);
  winsys::win32::Win32WindowSystem ws(winsys::win32::Win32Options{.cross_process_timeout_ms = 500});
  ASSERT_NE(host.list(), winsys::kNoWindow) << "the second program did not come up";
  std::string text(64, '?');
  EXPECT_EQ(ws.SendMessageAnswered(host.list(), LB_GETTEXTLEN, 0, 0), std::nullopt);
  EXPECT_EQ(ws.SendMessageAnswered(host.list(), LB_GETTEXT, 0,
                                   reinterpret_cast<winsys::LPARAM>(text.data())),
            std::nullopt);
}

}  // namespace
