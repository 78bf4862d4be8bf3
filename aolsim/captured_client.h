#pragma once
// A client shown from a capture: the captured window tree made again on a desktop, window by
// window (classes, captions, texts, styles, control ids, rectangles, child order), with its lists
// answering the captured line counts and texts, the chat room's member list pointing at member
// records laid out in this process's memory as the 32-bit client lays them out, and the main
// window's menu bar. So the program's searches and the check run against what a user's client
// showed. It does nothing else: no window acts on a click.
//
// A capture is a file nobody here controls: whatever it holds, loading it either makes the tree
// or says why it could not, within bounds on depth, windows and lines.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shared/winsys/window_system.h"

namespace aolsim {

class CapturedClient {
 public:
  // The client shown from the capture text, or nothing with why set.
  static std::unique_ptr<CapturedClient> Load(winsys::WindowSystem& ws, std::string_view text,
                                              std::string& why);
  ~CapturedClient();
  CapturedClient(const CapturedClient&) = delete;
  CapturedClient& operator=(const CapturedClient&) = delete;

  // The layout the capture names ("5.0", "4.0").
  const std::string& layout() const { return layout_; }

 private:
  explicit CapturedClient(winsys::WindowSystem& ws) : ws_(ws) {}

  winsys::WindowSystem& ws_;
  std::string layout_;
  std::vector<winsys::HWND> top_levels_;
  std::vector<winsys::HMENU> menus_;
  friend class CaptureBuilder;
};

}  // namespace aolsim
