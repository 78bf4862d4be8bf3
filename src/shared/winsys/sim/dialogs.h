#pragma once
// The modal windows of the host toolkit on the simulated desktop. Each is a "#32770" window of
// the calling process, captioned with its title, with a "Static" for its text and "Button"
// children whose control ids are the answers (IDOK, IDCANCEL, IDYES, IDNO); input boxes and file
// dialogs have an "Edit" (control id kDialogEditId) holding the text or file name. Each registers
// with SimDesktop::BeginModal, runs RunModalLoop until one of its buttons is clicked (or it is
// closed, which answers Cancel, or No for a Yes/No box), and reports the answer with EndModal.

#include <string>
#include <string_view>

#include "shared/winsys/sim/sim_desktop.h"

namespace winsys::sim {

inline constexpr int kDialogEditId = 1000;
inline constexpr int kDialogTextId = 1001;

int RunMessageBox(SimDesktop& desktop, WindowSystem& process, HWND owner, std::string_view text,
                  std::string_view caption, UINT type);
std::string RunInputBox(SimDesktop& desktop, WindowSystem& process, HWND owner,
                        std::string_view prompt, std::string_view title,
                        std::string_view default_text);
// A file name typed without an extension gets the default one.
std::string RunFileDialog(SimDesktop& desktop, WindowSystem& process, HWND owner,
                          FileDialogKind kind, const FileDialogSpec& request);

}  // namespace winsys::sim
